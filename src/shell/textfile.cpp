#include "shell/textfile.h"

#include "common/wholefile.h"
#include "text/cp1251.h"
#include "text/lines.h"

#include <QFile>

#include <variant>

namespace shell {

namespace {

constexpr qint64 pieceSize = 1 << 20;

void appendDecoded(std::vector<std::string> &utf8Lines, QStringList &lines)
{
    for (const std::string &line : utf8Lines)
        lines.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    utf8Lines.clear();
}

} // namespace

TextFileContents readTextFile(const QString &path)
{
    TextFileContents contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.errorString();
        return contents;
    }
    text::LineSplitter splitter;
    std::vector<std::string> utf8Lines;
    std::string piece(pieceSize, '\0');
    for (;;) {
        const qint64 count = file.read(piece.data(), pieceSize);
        if (count < 0) {
            contents.error = file.errorString();
            return contents;
        }
        if (count == 0)
            break;
        // Windows-1251 has one byte per character, so any piece decodes on its own.
        const std::string decoded
            = text::fromCp1251(std::string_view(piece.data(), static_cast<std::size_t>(count)));
        splitter.feed(decoded, utf8Lines);
        appendDecoded(utf8Lines, contents.lines);
    }
    splitter.finish(utf8Lines);
    appendDecoded(utf8Lines, contents.lines);
    return contents;
}

bool writeTextFile(const QString &path, const QStringList &lines, QString *reason)
{
    std::vector<std::string> utf8Lines;
    utf8Lines.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString &line : lines)
        utf8Lines.push_back(line.toStdString());
    const auto encoded = text::encodeLines(utf8Lines);
    if (const auto *error = std::get_if<text::LineEncodingError>(&encoded)) {
        *reason = QString::fromStdString(error->message());
        return false;
    }
    const std::string &bytes = std::get<std::string>(encoded);
    if (const auto failure = common::writeWholeFile(QFile::encodeName(path).toStdString(), bytes)) {
        *reason = QString::fromLocal8Bit(failure->c_str());
        return false;
    }
    return true;
}

} // namespace shell
