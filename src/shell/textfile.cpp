#include "shell/textfile.h"

#include "text/cp1251.h"
#include "text/lines.h"

#include <QFile>

#include <algorithm>
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

// The number of the line (from 1) that holds the byte at `offset` of the text to write.
qsizetype lineAt(const std::string &text, std::size_t offset)
{
    return static_cast<qsizetype>(std::count(text.begin(), text.begin() + offset, '\n')) + 1;
}

// The character whose UTF-8 sequence starts at `offset`.
QString characterAt(const std::string &text, std::size_t offset)
{
    const auto lead = static_cast<unsigned char>(text[offset]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return QString::fromUtf8(text.data() + offset,
                             static_cast<qsizetype>(std::min(length, text.size() - offset)));
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
    QString all = lines.join(QStringLiteral("\r\n"));
    if (!lines.isEmpty())
        all += QStringLiteral("\r\n");
    const std::string utf8 = all.toStdString();
    const auto encoded = text::toCp1251(utf8);
    if (const auto *error = std::get_if<text::EncodingError>(&encoded)) {
        *reason = QStringLiteral("В строке %1 есть знак «%2», которого нет в кодировке "
                                 "Windows-1251.")
                      .arg(lineAt(utf8, error->byte))
                      .arg(characterAt(utf8, error->byte));
        return false;
    }
    const std::string &bytes = std::get<std::string>(encoded);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *reason = file.errorString();
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        *reason = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace shell
