// openbench: how long opening a large report file takes. Writes a 20 MB Windows-1251 file of
// about 400,000 report lines into a temporary folder, then times decoding it alone, reading it
// into lines, opening it into a report window and saving it back.

#include "shell/documentcommands.h"
#include "shell/mainwindow.h"
#include "shell/reportwindow.h"
#include "shell/textfile.h"
#include "text/cp1251.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <variant>

namespace {

constexpr std::size_t fileSize = 20 * 1024 * 1024;

std::string cp1251(const std::string &utf8)
{
    return std::get<std::string>(text::toCp1251(utf8));
}

// Report lines in Windows-1251 with CR LF, numbered so that no two are alike.
std::string reportText()
{
    const std::string lines[] = {
        cp1251("Расход цемента: "),
        cp1251("Расход щебня: "),
        cp1251("Расход песка: "),
        cp1251("Расчетная ожидаемая прочность, R28: "),
        cp1251("Поправка по модулю крупности "),
    };
    const std::string unit = cp1251(" кг/куб.м. партия №");
    std::string text;
    text.reserve(fileSize + 100);
    for (std::size_t i = 0; text.size() < fileSize; ++i) {
        text += lines[i % std::size(lines)];
        text += std::to_string(200 + i % 977);
        text += unit;
        text += std::to_string(i);
        text += "\r\n";
    }
    return text;
}

double milliseconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    const std::string bytes = reportText();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(bytes.data(), static_cast<qint64>(bytes.size()))
               != static_cast<qint64>(bytes.size())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    QElapsedTimer timer;
    timer.start();
    const std::string decoded = text::fromCp1251(bytes);
    const double decoding = milliseconds(timer);

    timer.restart();
    const shell::TextFileContents contents = shell::readTextFile(path);
    const double reading = milliseconds(timer);

    shell::TfmForm1 mainWindow;
    mainWindow.show();
    shell::DocumentCommands commands(mainWindow.mdiArea(), mainWindow.reportWindows(), &mainWindow);
    timer.restart();
    shell::TForm1 *window = commands.openTextFile(path);
    QApplication::processEvents();
    const double opening = milliseconds(timer);

    timer.restart();
    const bool saved = commands.saveActiveTo(dir.filePath(QStringLiteral("saved.txt")));
    const double saving = milliseconds(timer);

    const qsizetype lines = window ? window->lines().size() : 0;
    std::printf("file:                          %.1f MB, %lld lines\n",
                static_cast<double>(bytes.size()) / (1024.0 * 1024.0),
                static_cast<long long>(contents.lines.size()));
    std::printf("decoding alone (fromCp1251):   %8.1f ms\n", decoding);
    std::printf("reading into lines:            %8.1f ms\n", reading);
    std::printf("opening into a report window:  %8.1f ms (%lld lines shown)\n", opening,
                static_cast<long long>(lines));
    std::printf("saving the window:             %8.1f ms%s\n", saving, saved ? "" : " FAILED");
    return window && saved && lines == contents.lines.size() ? 0 : 1;
}
