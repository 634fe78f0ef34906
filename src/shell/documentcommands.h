#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QFileDialog;
class QMdiArea;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace shell {

class ReportWindows;
class TForm1;

// The document commands of the report windows: open a text file into a new report window,
// save the active report window, print it. The open, save and print dialogs are made once and
// shared by every command, so each starts where the previous choice was made.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    DocumentCommands(QMdiArea *area, ReportWindows &windows, QWidget *dialogParent,
                     QObject *parent = nullptr);
    ~DocumentCommands() override;

    // "Открыть текст...": the open dialog, then openTextFile().
    void openText();
    // "Сохранить...": the save dialog with the caption as the file name, then the saving.
    void save();
    // "Печать...": the print dialog, then the printing.
    void print();

    // Opens a file into a new report window; nullptr, with nothing changed, when no regular
    // file of that name exists. A read error is shown and the window keeps the lines read
    // before it.
    TForm1 *openTextFile(const QString &path);
    // Saves the active report window; false if there is none (silently) or saving failed
    // (after the message "Нет открытых файлов").
    bool saveActiveTo(const QString &path);
    // Prints the active report window; false if there is none (silently) or printing failed
    // (after a message saying why).
    bool printActive(QPrinter &printer);

    // The active child of the area if it is a report window.
    TForm1 *activeReportWindow() const;
    // A caption made fit to be a file name.
    static QString fileNameFromCaption(const QString &caption);

    QFileDialog *saveDialog() const { return SaveDialog1; }

private:
    bool saveWindow(TForm1 *window, const QString &path);
    bool printWindow(TForm1 *window, QPrinter &printer);
    void showProblem(const QString &text, const QString &details, bool critical);

    QMdiArea *m_area;
    ReportWindows &m_windows;
    QWidget *m_dialogParent;
    QFileDialog *OpenDialog1;
    QFileDialog *SaveDialog1;
    // Made on the first print: asking the system for its printers can take a moment.
    std::unique_ptr<QPrinter> m_printer;
    QPointer<QPrintDialog> PrintDialog1;
};

} // namespace shell
