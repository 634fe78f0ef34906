#include "shell/documentcommands.h"

#include "shell/reportwindow.h"
#include "shell/reportwindows.h"
#include "shell/textfile.h"
#include "ui/filedialogs.h"
#include "ui/printertextchannel.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace shell {

namespace {

const QString saveFailed = QStringLiteral("Нет открытых файлов");

} // namespace

DocumentCommands::DocumentCommands(QMdiArea *area, ReportWindows &windows, QWidget *dialogParent,
                                   QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_windows(windows)
    , m_dialogParent(dialogParent)
    , OpenDialog1(
          ui::makeFileDialog(dialogParent, QStringLiteral("OpenDialog1"), QFileDialog::AcceptOpen))
    , SaveDialog1(
          ui::makeFileDialog(dialogParent, QStringLiteral("SaveDialog1"), QFileDialog::AcceptSave))
{
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
}

DocumentCommands::~DocumentCommands()
{
    // The print dialog refers to the printer, so it goes first.
    delete PrintDialog1;
}

void DocumentCommands::openText()
{
    const QString path = ui::chosenFile(OpenDialog1);
    if (!path.isEmpty())
        openTextFile(path);
}

void DocumentCommands::save()
{
    QPointer<TForm1> window = activeReportWindow();
    if (!window)
        return;
    SaveDialog1->selectFile(fileNameFromCaption(window->windowTitle()));
    const QString path = ui::chosenFile(SaveDialog1);
    if (!path.isEmpty() && window)
        saveWindow(window, path);
}

void DocumentCommands::print()
{
    QPointer<TForm1> window = activeReportWindow();
    if (!window)
        return;
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setDocName(window->windowTitle());
    if (!PrintDialog1) {
        PrintDialog1 = new QPrintDialog(m_printer.get(), m_dialogParent);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
    }
    if (PrintDialog1->exec() == QDialog::Accepted && window)
        printWindow(window, *m_printer);
}

TForm1 *DocumentCommands::openTextFile(const QString &path)
{
    // Only a regular file opens: for a folder, a pipe or a device nothing happens, as for a
    // name that does not exist (a pipe or a device could be read without end).
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return nullptr;
    TForm1 *window = m_windows.createReportWindow();
    const int number = m_windows.nextWindowNumber();
    window->setWindowTitle(QStringLiteral("Окно №") + QString::number(number) + QStringLiteral(". ")
                           + path);
    window->clear();
    const TextFileContents contents = readTextFile(path);
    window->setLines(contents.lines);
    if (!contents.error.isEmpty()) {
        showProblem(QStringLiteral("Ошибка при чтении файла «%1».").arg(path), contents.error,
                    true);
    }
    return window;
}

bool DocumentCommands::saveActiveTo(const QString &path)
{
    TForm1 *window = activeReportWindow();
    return window && saveWindow(window, path);
}

bool DocumentCommands::printActive(QPrinter &printer)
{
    TForm1 *window = activeReportWindow();
    return window && printWindow(window, printer);
}

TForm1 *DocumentCommands::activeReportWindow() const
{
    return qobject_cast<TForm1 *>(m_area->activeSubWindow());
}

QString DocumentCommands::fileNameFromCaption(const QString &caption)
{
    QString name = caption;
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        name.replace(c, QLatin1Char('_'));
    // A file name holds at most 255 bytes; an opened file's caption holds a whole path.
    constexpr qsizetype maxBytes = 255;
    while (name.toLocal8Bit().size() > maxBytes)
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    return name;
}

bool DocumentCommands::saveWindow(TForm1 *window, const QString &path)
{
    QString reason;
    if (writeTextFile(path, window->lines(), &reason))
        return true;
    showProblem(saveFailed, reason, false);
    return false;
}

bool DocumentCommands::printWindow(TForm1 *window, QPrinter &printer)
{
    ui::PrinterTextChannel channel(printer);
    bool printed = channel.begin() && channel.writeLine(window->windowTitle())
                   && channel.writeLine(QString());
    const QStringList lines = window->lines();
    for (qsizetype i = 0; printed && i < lines.size(); ++i)
        printed = channel.writeLine(lines.at(i));
    // The job is ended whatever happened before.
    printed = channel.end() && printed;
    if (!printed) {
        showProblem(QStringLiteral("Не удалось напечатать окно «%1».").arg(window->windowTitle()),
                    channel.errorString(), false);
    }
    return printed;
}

void DocumentCommands::showProblem(const QString &text, const QString &details, bool critical)
{
    QMessageBox box(critical ? QMessageBox::Critical : QMessageBox::Warning,
                    QApplication::applicationName(), text, QMessageBox::Ok, m_dialogParent);
    box.setObjectName(QStringLiteral("DocumentMessage"));
    box.setInformativeText(details);
    box.exec();
}

} // namespace shell
