#include "shell/documentcommands.h"
#include "shell/mainwindow.h"
#include "shell/reportwindow.h"
#include "shell/reportwindows.h"

#include "modalanswers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using shell::DocumentCommands;
using shell::TForm1;
using namespace testsupport;

class DocumentCommandsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void windowNumbersAreNeverReused();
    void aMissingFileChangesNothing();
    void aFullDiskKeepsTheOldFile();
    void roundTrip_data();
    void roundTrip();
    void everyWindows1251ByteSurvivesOpenAndSave();
    void typedTextIsSavedLikeCalculatedText();
    void savingReplacesAnExistingFile();
    void unencodableCharacterWritesNothing();
    void unwritableFileShowsTheMessage();
    void withoutActiveReportWindowNothingHappens();
    void readErrorKeepsTheNumberedWindow();
    void openDialogKeepsTheFolderOfThePreviousChoice();
    void saveDialogOffersTheCaptionAsFileName();
    void captionBecomesAFileName_data();
    void captionBecomesAFileName();

private:
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;
    TForm1 *reportWindow(const QStringList &lines);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<testsupport::ModalAnswers> m_answers;
    std::unique_ptr<shell::TfmForm1> m_mainWindow;
    std::unique_ptr<DocumentCommands> m_commands;
};

void DocumentCommandsTest::init()
{
    m_answers = std::make_unique<testsupport::ModalAnswers>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_mainWindow = std::make_unique<shell::TfmForm1>();
    m_mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_mainWindow.get(), patienceMs));
    m_commands = std::make_unique<DocumentCommands>(
        m_mainWindow->mdiArea(), m_mainWindow->reportWindows(), m_mainWindow.get());
}

void DocumentCommandsTest::cleanup()
{
    m_answers->check();
    m_answers.reset();
    m_commands.reset();
    m_mainWindow.reset();
    m_dir.reset();
}

QString DocumentCommandsTest::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

QByteArray DocumentCommandsTest::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TForm1 *DocumentCommandsTest::reportWindow(const QStringList &lines)
{
    shell::ReportWindows &windows = m_mainWindow->reportWindows();
    TForm1 *window = windows.createReportWindow();
    window->setWindowTitle(QStringLiteral("Окно №%1. Расчет БНС.").arg(windows.nextWindowNumber()));
    window->clear();
    window->setLines(lines);
    return window;
}

namespace {

const QString saveFailed = QStringLiteral("Нет открытых файлов");

QString mainText(const std::shared_ptr<QString> &message)
{
    return message->section(QLatin1Char('\n'), 0, 0);
}

} // namespace

void DocumentCommandsTest::windowNumbersAreNeverReused()
{
    const QString path = writeFile(QStringLiteral("a.txt"), "Строка\r\n");
    for (int i = 0; i < 3; ++i)
        QVERIFY(m_commands->openTextFile(path));
    for (QMdiSubWindow *window : m_mainWindow->mdiArea()->subWindowList())
        window->close();
    QTRY_VERIFY_WITH_TIMEOUT(m_mainWindow->mdiArea()->subWindowList().isEmpty(), patienceMs);

    TForm1 *window = m_commands->openTextFile(path);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Окно №4. ") + path);
    QCOMPARE(m_mainWindow->mdiArea()->activeSubWindow(), window);
    QCOMPARE(m_mainWindow->reportWindows().current(), window);
}

void DocumentCommandsTest::aMissingFileChangesNothing()
{
    // A pipe (with no writer it would block) and a device that never ends open nothing, at once.
    const QString fifo = m_dir->filePath(QStringLiteral("канал"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {m_dir->filePath(QStringLiteral("нет такого.txt")), QString(),
                                m_dir->path(), fifo, QStringLiteral("/dev/zero")})
        QVERIFY2(!m_commands->openTextFile(path), qPrintable(path));
    QCOMPARE(m_mainWindow->reportWindows().windowCounter(), 0);
    QVERIFY(m_mainWindow->mdiArea()->subWindowList().isEmpty());
}

void DocumentCommandsTest::aFullDiskKeepsTheOldFile()
{
    if (::geteuid() != 0)
        QSKIP("a small filesystem of its own needs root to mount");
    const QByteArray disk = QFile::encodeName(m_dir->filePath(QStringLiteral("disk")));
    QVERIFY(QDir().mkpath(QString::fromLocal8Bit(disk)));
    if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("no tmpfs could be mounted");
    const auto unmount = qScopeGuard([&disk] { ::umount(disk.constData()); });

    const QString path = QString::fromLocal8Bit(disk) + QStringLiteral("/отчет.txt");
    writeFile(QStringLiteral("disk/отчет.txt"), "old\r\n");
    QFile filler(QString::fromLocal8Bit(disk) + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) { }
    filler.close();

    reportWindow(QStringList(200, QStringLiteral("Расход цемента: 257 кг/куб.м.")));
    const auto message = answerNextMessageBox();
    QVERIFY(!m_commands->saveActiveTo(path));
    QCOMPARE(mainText(message), saveFailed);
    QVERIFY2(message->contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
             qPrintable(*message));
    QCOMPARE(readFile(path), QByteArray("old\r\n"));
    QCOMPARE(QDir(QString::fromLocal8Bit(disk)).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void DocumentCommandsTest::roundTrip_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("saved");

    const QByteArray nbsp98("\xCE\xEA\xED\xEE\xA0\x98\xB9\t1"); // "Окно", NBSP, 0x98, №, tab
    // An empty report window gives an empty file.
    QTest::newRow("empty file") << QByteArray() << QStringList() << QByteArray();
    QTest::newRow("one empty line")
        << QByteArray("\r\n") << QStringList {QString()} << QByteArray("\r\n");
    QTest::newRow("empty lines, CR LF")
        << QByteArray("\r\nab\r\n\r\n\r\ncd\r\n\r\n") << QStringList {"", "ab", "", "", "cd", ""}
        << QByteArray("\r\nab\r\n\r\n\r\ncd\r\n\r\n");
    QTest::newRow("bare LF") << QByteArray("ab\n\ncd\n") << QStringList {"ab", "", "cd"}
                             << QByteArray("ab\r\n\r\ncd\r\n");
    QTest::newRow("no line end at the end")
        << QByteArray("ab\r\ncd") << QStringList {"ab", "cd"} << QByteArray("ab\r\ncd\r\n");
    const QByteArray cyrillic("\xD0\xE0\xF1\xF7\xE5\xF2 \xC1\xCD\xD1\r\n\xA8\xB8\r\n");
    QTest::newRow("Cyrillic") << cyrillic
                              << QStringList {QStringLiteral("Расчет БНС"), QStringLiteral("Ёё")}
                              << cyrillic;
    QTest::newRow("NBSP, 0x98, tab")
        << (nbsp98 + "\r\n")
        << QStringList {QStringLiteral("Окно") + QChar(0xA0) + QChar(0x98) + QStringLiteral("№\t1")}
        << (nbsp98 + "\r\n");
    QTest::newRow("bare CR inside a line")
        << QByteArray("a\rb\r\n\rc\r\r\n") << QStringList {"a\rb", "\rc\r"}
        << QByteArray("a\rb\r\n\rc\r\r\n");
}

void DocumentCommandsTest::roundTrip()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, saved);

    TForm1 *opened = m_commands->openTextFile(writeFile(QStringLiteral("in.txt"), file));
    QVERIFY(opened);
    QCOMPARE(opened->lines(), lines);

    const QString out = m_dir->filePath(QStringLiteral("out.txt"));
    QVERIFY(m_commands->saveActiveTo(out));
    QCOMPARE(readFile(out), saved);

    TForm1 *reopened = m_commands->openTextFile(out);
    QVERIFY(reopened);
    QCOMPARE(reopened->lines(), lines);
}

void DocumentCommandsTest::everyWindows1251ByteSurvivesOpenAndSave()
{
    QByteArray line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n' && b != '\r')
            line.append(static_cast<char>(b));
    }
    const QByteArray file = line + "\r\n" + line + "\r\n\r\n";
    QVERIFY(m_commands->openTextFile(writeFile(QStringLiteral("all.txt"), file)));
    const QString out = m_dir->filePath(QStringLiteral("out.txt"));
    QVERIFY(m_commands->saveActiveTo(out));
    QCOMPARE(readFile(out), file);
}

void DocumentCommandsTest::typedTextIsSavedLikeCalculatedText()
{
    TForm1 *window = reportWindow({QStringLiteral("Расход цемента: 257 кг/куб.м.")});
    window->memo()->moveCursor(QTextCursor::End);
    window->memo()->insertPlainText(QStringLiteral("\nПроверено"));
    const QString out = m_dir->filePath(QStringLiteral("typed.txt"));
    QVERIFY(m_commands->saveActiveTo(out));
    QCOMPARE(readFile(out),
             QByteArray("\xD0\xE0\xF1\xF5\xEE\xE4 \xF6\xE5\xEC\xE5\xED\xF2\xE0: 257 "
                        "\xEA\xE3/\xEA\xF3\xE1.\xEC.\r\n\xCF\xF0\xEE\xE2\xE5\xF0\xE5\xED\xEE\r\n"));
}

void DocumentCommandsTest::savingReplacesAnExistingFile()
{
    const QString out = writeFile(QStringLiteral("old.txt"), QByteArray(10000, 'x'));
    reportWindow({QStringLiteral("new")});
    QVERIFY(m_commands->saveActiveTo(out));
    QCOMPARE(readFile(out), QByteArray("new\r\n"));
}

void DocumentCommandsTest::unencodableCharacterWritesNothing()
{
    const QString existing = writeFile(QStringLiteral("keep.txt"), "old\r\n");
    const QString fresh = m_dir->filePath(QStringLiteral("fresh.txt"));
    reportWindow({QStringLiteral("Цемент"), QStringLiteral("знак ∑ не в кодировке")});
    for (const QString &path : {existing, fresh}) {
        const auto message = answerNextMessageBox();
        QVERIFY(!m_commands->saveActiveTo(path));
        QCOMPARE(mainText(message), saveFailed);
        QVERIFY2(message->contains(QStringLiteral("В строке 2 есть знак «∑»")),
                 qPrintable(*message));
    }
    QCOMPARE(readFile(existing), QByteArray("old\r\n"));
    QVERIFY(!QFile::exists(fresh));
}

void DocumentCommandsTest::unwritableFileShowsTheMessage()
{
    reportWindow({QStringLiteral("Цемент")});
    auto message = answerNextMessageBox();
    QVERIFY(!m_commands->saveActiveTo(m_dir->filePath(QStringLiteral("нет/такой/папки.txt"))));
    QCOMPARE(mainText(message), saveFailed);
    message = answerNextMessageBox();
    QVERIFY(!m_commands->saveActiveTo(m_dir->path()));
    QCOMPARE(mainText(message), saveFailed);
}

void DocumentCommandsTest::withoutActiveReportWindowNothingHappens()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir->filePath(QStringLiteral("none.pdf"));
    printer.setOutputFileName(pdf);
    const QString out = m_dir->filePath(QStringLiteral("none.txt"));

    // No child at all, then a child that is not a report window.
    for (int round = 0; round < 2; ++round) {
        if (round == 1) {
            QMdiSubWindow *other = m_mainWindow->mdiArea()->addSubWindow(new QLabel("x"));
            other->show();
            m_mainWindow->mdiArea()->setActiveSubWindow(other);
            QVERIFY(m_mainWindow->mdiArea()->activeSubWindow());
        }
        QVERIFY(!m_commands->saveActiveTo(out));
        QVERIFY(!m_commands->printActive(printer));
        m_commands->save();
        m_commands->print();
        QVERIFY(!QApplication::activeModalWidget());
    }
    QVERIFY(!QFile::exists(out));
    QVERIFY(!QFile::exists(pdf));
}

void DocumentCommandsTest::readErrorKeepsTheNumberedWindow()
{
    // A folder is not a file: nothing happens and no number is used.
    QDir(m_dir->path()).mkdir(QStringLiteral("folder"));
    QVERIFY(!m_commands->openTextFile(m_dir->filePath(QStringLiteral("folder"))));
    QCOMPARE(m_mainWindow->reportWindows().windowCounter(), 0);

    // This file opens, but reading it fails at once.
    const QString unreadable = QStringLiteral("/proc/self/mem");
    const auto message = answerNextMessageBox();
    TForm1 *window = m_commands->openTextFile(unreadable);
    QVERIFY(window);
    QCOMPARE(mainText(message), QStringLiteral("Ошибка при чтении файла «%1».").arg(unreadable));
    QCOMPARE(window->windowTitle(), QStringLiteral("Окно №1. ") + unreadable);
    QCOMPARE(window->lines(), QStringList());
    QCOMPARE(m_mainWindow->mdiArea()->subWindowList().size(), 1);
}

void DocumentCommandsTest::openDialogKeepsTheFolderOfThePreviousChoice()
{
    QDir(m_dir->path()).mkdir(QStringLiteral("отчеты"));
    const QString folder = m_dir->filePath(QStringLiteral("отчеты"));
    const QString path = folder + QStringLiteral("/бнс.txt");
    QFile::copy(writeFile(QStringLiteral("x.txt"), "1\r\n2\r\n"), path);

    QString shown;
    whenModal(QStringLiteral("QFileDialog"), [path, &shown](QWidget *modal) {
        shown = modal->objectName();
        if (auto *edit = modal->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(path);
        static_cast<QDialog *>(modal)->accept();
    });
    m_commands->openText();
    QCOMPARE(shown, QStringLiteral("OpenDialog1"));
    TForm1 *window = m_mainWindow->reportWindows().current();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Окно №1. ") + path);
    QCOMPARE(window->lines(), (QStringList {"1", "2"}));

    QString shownFolder;
    whenModal(QStringLiteral("QFileDialog"), [&shownFolder](QFileDialog *dialog) {
        shownFolder = dialog->directory().absolutePath();
        dialog->reject();
    });
    m_commands->openText();
    QCOMPARE(shownFolder, folder);
    QCOMPARE(m_mainWindow->reportWindows().windowCounter(), 1);
}

void DocumentCommandsTest::saveDialogOffersTheCaptionAsFileName()
{
    const QString path = writeFile(QStringLiteral("a.txt"), "\xC6\r\n");
    QVERIFY(m_commands->openTextFile(path));
    m_commands->saveDialog()->setDirectory(m_dir->path());
    const QString expected = QStringLiteral("Окно №1. ") + QString(path).replace('/', '_');
    QString offered;
    whenModal(QStringLiteral("QFileDialog"), [&offered](QFileDialog *dialog) {
        offered = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
        static_cast<QDialog *>(dialog)->accept();
    });
    m_commands->save();
    QCOMPARE(offered, expected);
    QCOMPARE(readFile(m_dir->filePath(expected)), QByteArray("\xC6\r\n"));
}

void DocumentCommandsTest::captionBecomesAFileName_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("calculation") << QStringLiteral("Окно №3. Расчет БНС.")
                                 << QStringLiteral("Окно №3. Расчет БНС.");
    QTest::newRow("every forbidden character")
        << QStringLiteral("a/b\\c:d*e?f\"g<h>i|j") << QStringLiteral("a_b_c_d_e_f_g_h_i_j");
    QTest::newRow("opened file") << QStringLiteral("Окно №2. /home/т/r.txt")
                                 << QStringLiteral("Окно №2. _home_т_r.txt");
}

void DocumentCommandsTest::captionBecomesAFileName()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QCOMPARE(DocumentCommands::fileNameFromCaption(caption), name);
}

QTEST_MAIN(DocumentCommandsTest)
#include "documentcommands_test.moc"
