#include "shell/documentcommands.h"
#include "shell/mainwindow.h"
#include "shell/reportwindow.h"
#include "shell/reportwindows.h"
#include "ui/printertextchannel.h"

#include "modalanswers.h"

#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

// A printed word and where it stands on its page (points from the top left), from pdftotext.
struct PrintedWord
{
    int page = 0;
    double left = 0;
    double right = 0;
    double top = 0;
    QString text;
};

// The words of one printed line.
struct PrintedRow
{
    int page = 0;
    double top = 0;
    double left = 0;
    double right = 0;
    QString text; // the words joined with blanks
};

using namespace testsupport;

namespace {

QList<PrintedRow> rowsOf(const QList<PrintedWord> &words)
{
    QList<PrintedRow> rows;
    for (const PrintedWord &word : words) {
        if (rows.isEmpty() || rows.back().page != word.page
            || std::abs(rows.back().top - word.top) > 0.5) {
            rows.append({word.page, word.top, word.left, word.right, word.text});
            continue;
        }
        rows.back().text += QLatin1Char(' ') + word.text;
        rows.back().right = word.right;
    }
    return rows;
}

QStringList textsOf(const QList<PrintedRow> &rows)
{
    QStringList texts;
    for (const PrintedRow &row : rows)
        texts.append(row.text);
    return texts;
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void captionEmptyLineThenTheLines();
    void emptyReportPrintsCaptionAndOneEmptyLine();
    void overlongLineContinuesOnTheNextLine();
    void longReportFillsSeveralPages();
    void tabsAdvanceToMultiplesOfEightCharacters();
    void unwritableOutputShowsTheReason();
    void cancelledPrintDialogPrintsNothing();

private:
    shell::TForm1 *reportWindow(const QString &caption, const QStringList &lines);
    // Prints the active report window to a PDF file and returns its words.
    QList<PrintedWord> printToPdf();
    int pageCount() const;
    static QString run(const QString &program, const QStringList &arguments);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<testsupport::ModalAnswers> m_answers;
    std::unique_ptr<shell::TfmForm1> m_mainWindow;
    std::unique_ptr<shell::DocumentCommands> m_commands;
    QString m_pdf;
    double m_pageWidth = 0; // of the last printed PDF, in points
    double m_pageHeight = 0;
    double m_margin = 0; // the printer's margin around the printable area, in points
};

void PrintingTest::init()
{
    m_answers = std::make_unique<testsupport::ModalAnswers>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pdf = m_dir->filePath(QStringLiteral("report.pdf"));
    m_mainWindow = std::make_unique<shell::TfmForm1>();
    m_mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_mainWindow.get(), testsupport::patienceMs));
    m_commands = std::make_unique<shell::DocumentCommands>(
        m_mainWindow->mdiArea(), m_mainWindow->reportWindows(), m_mainWindow.get());
}

void PrintingTest::cleanup()
{
    m_answers->check();
    m_answers.reset();
    m_commands.reset();
    m_mainWindow.reset();
    m_dir.reset();
}

shell::TForm1 *PrintingTest::reportWindow(const QString &caption, const QStringList &lines)
{
    shell::TForm1 *window = m_mainWindow->reportWindows().createReportWindow();
    window->setWindowTitle(caption);
    window->setLines(lines);
    return window;
}

QString PrintingTest::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<PrintedWord> PrintingTest::printToPdf()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdf);
    if (!m_commands->printActive(printer))
        return {};
    m_margin = printer.pageLayout().margins(QPageLayout::Point).left();
    const QString html
        = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), m_pdf, QStringLiteral("-")});
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" "
                                                        "height=\"([0-9.]+)\""));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<PrintedWord> words;
    int pageNumber = 0;
    for (const QString &line : html.split(QLatin1Char('\n'))) {
        const auto pageMatch = page.match(line);
        if (pageMatch.hasMatch()) {
            ++pageNumber;
            m_pageWidth = pageMatch.captured(1).toDouble();
            m_pageHeight = pageMatch.captured(2).toDouble();
        }
        const auto match = word.match(line);
        if (match.hasMatch()) {
            words.append({pageNumber, match.captured(1).toDouble(), match.captured(3).toDouble(),
                          match.captured(2).toDouble(), match.captured(4)});
        }
    }
    return words;
}

int PrintingTest::pageCount() const
{
    const QString info = run(QStringLiteral("pdfinfo"), {m_pdf});
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(info).captured(1).toInt();
}

void PrintingTest::captionEmptyLineThenTheLines()
{
    reportWindow(QStringLiteral("Окно №1. Расчет БНС."),
                 {QStringLiteral("1. ИСХОДНЫЕ ДАННЫЕ"), QStringLiteral("Класс B20"), QString(),
                  QStringLiteral("Конец")});
    const QList<PrintedRow> rows = rowsOf(printToPdf());
    QCOMPARE(textsOf(rows),
             (QStringList {"Окно №1. Расчет БНС.", "1. ИСХОДНЫЕ ДАННЫЕ", "Класс B20", "Конец"}));
    const double line = rows[2].top - rows[1].top;
    QVERIFY(line > 5);
    QVERIFY(qAbs(rows[1].top - rows[0].top - 2 * line) < 0.1); // one empty line after the caption
    QVERIFY(qAbs(rows[3].top - rows[2].top - 2 * line) < 0.1);
    for (const PrintedRow &row : rows)
        QCOMPARE(row.left, rows[0].left);
    // The top left corner of the printable area.
    QVERIFY(rows[0].left < m_margin + 1 && rows[0].top < m_margin + line);
    QCOMPARE(pageCount(), 1);
}

void PrintingTest::emptyReportPrintsCaptionAndOneEmptyLine()
{
    reportWindow(QStringLiteral("Окно №7. Пусто"), {});
    QCOMPARE(textsOf(rowsOf(printToPdf())), QStringList {QStringLiteral("Окно №7. Пусто")});
    QCOMPARE(pageCount(), 1);
}

void PrintingTest::overlongLineContinuesOnTheNextLine()
{
    QString line;
    for (int i = 1; i <= 150; ++i)
        line += QStringLiteral("Цемент%1 ").arg(i, 3, 10, QLatin1Char('0'));
    reportWindow(QStringLiteral("Окно №1. Длинная строка"), {line, QStringLiteral("после")});
    const QList<PrintedRow> rows = rowsOf(printToPdf());
    QVERIFY(rows.size() > 4);
    QCOMPARE(rows.back().text, QStringLiteral("после"));

    // Nothing lost, nothing repeated; the breaks fall anywhere, even inside a word.
    QString printed;
    for (qsizetype i = 1; i + 1 < rows.size(); ++i)
        printed += rows[i].text;
    printed.remove(QLatin1Char(' '));
    QCOMPARE(printed, QString(line).remove(QLatin1Char(' ')));

    // Each broken line is filled up to the right edge of the printable area, and no further.
    const double right = m_pageWidth - m_margin;
    for (qsizetype i = 1; i + 2 < rows.size(); ++i) {
        QVERIFY2(rows[i].right <= right + 0.5, qPrintable(rows[i].text));
        QVERIFY2(rows[i].right > right - 15, qPrintable(rows[i].text));
        QCOMPARE(rows[i].left, rows[0].left);
    }
}

void PrintingTest::longReportFillsSeveralPages()
{
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines.append(QStringLiteral("Строка %1").arg(i));
    reportWindow(QStringLiteral("Окно №2. Длинный отчет"), lines);
    const QList<PrintedRow> rows = rowsOf(printToPdf());
    QCOMPARE(textsOf(rows), QStringList {QStringLiteral("Окно №2. Длинный отчет")} + lines);

    const int pages = pageCount();
    QVERIFY(pages >= 3);
    QCOMPARE(rows.back().page, pages);
    const double line = rows[2].top - rows[1].top;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        if (rows[i].page == rows[i - 1].page) {
            QVERIFY(qAbs(rows[i].top - rows[i - 1].top - (i == 1 ? 2 : 1) * line) < 0.1);
            continue;
        }
        // A new page starts at the top, and only when the next line would not have fitted.
        QCOMPARE(rows[i].page, rows[i - 1].page + 1);
        QCOMPARE(rows[i].top, rows[0].top);
        QVERIFY(rows[i - 1].top + 2 * line > m_pageHeight - m_margin - 1);
    }
}

void PrintingTest::tabsAdvanceToMultiplesOfEightCharacters()
{
    reportWindow(
        QStringLiteral("Окно №3. Табуляция"),
        {QStringLiteral("\tа\tб"), QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖ\tв"), QStringLiteral("г\rд")});
    QHash<QString, PrintedWord> words;
    for (const PrintedWord &word : printToPdf())
        words.insert(word.text, word);
    const double left = words.value(QStringLiteral("Окно")).left;
    const double tab = words.value(QStringLiteral("а")).left - left;
    QVERIFY(tab > 20);
    QVERIFY(qAbs(words.value(QStringLiteral("б")).left - left - 2 * tab) < 0.1);
    // Wide letters pass some tab stops: the tab goes on to the next one after them.
    const double wide = words.value(QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖ")).right;
    const double stops = std::floor((wide - left) / tab);
    QVERIFY(stops >= 1);
    QVERIFY(qAbs(words.value(QStringLiteral("в")).left - left - (stops + 1) * tab) < 0.1);
    // A carriage return inside a line takes no room.
    QVERIFY(words.contains(QStringLiteral("гд")));
}

void PrintingTest::unwritableOutputShowsTheReason()
{
    reportWindow(QStringLiteral("Окно №4. Расчет БНС."), {QStringLiteral("строка")});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString target = m_dir->filePath(QStringLiteral("нет/папки/отчет.pdf"));
    printer.setOutputFileName(target);
    const auto message = answerNextMessageBox();
    QVERIFY(!m_commands->printActive(printer));
    QCOMPARE(*message, QStringLiteral("Не удалось напечатать окно «Окно №4. Расчет БНС.».\n"
                                      "Не удалось создать файл «%1».")
                           .arg(target));
}

void PrintingTest::cancelledPrintDialogPrintsNothing()
{
    reportWindow(QStringLiteral("Окно №5. Расчет БНС."), {QStringLiteral("строка")});
    QList<QWidget *> shown;
    for (int round = 0; round < 2; ++round) {
        whenModal(QStringLiteral("QPrintDialog"), [&shown](QDialog *dialog) {
            shown.append(dialog);
            dialog->reject();
        });
        m_commands->print();
        QVERIFY(!QApplication::activeModalWidget());
    }
    // The same dialog both times, and nothing after it.
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0]->objectName(), QStringLiteral("PrintDialog1"));
    QCOMPARE(shown[1], shown[0]);
    QVERIFY(!QFile::exists(m_pdf));
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
