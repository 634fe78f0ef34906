#include "ui/filedialogs.h"

#include "patience.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

// The program's file dialogs as the factory makes them: a folder's list shows every column
// whole and the sizes the files have now.
class FileDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void theColumnsShowWhole();
    void aFileWrittenAfterItWasListedShowsItsSize();

private:
    // A dialog of the factory showing `m_dir`, its folder listed.
    void openDialog();

    QTemporaryDir m_dir;
    std::unique_ptr<QFileDialog> m_dialog;
    QFileSystemModel *m_model = nullptr;
    QTreeView *m_view = nullptr;
};

namespace {

void writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
    QCOMPARE(file.write(QByteArray(size, 'x')), size);
}

} // namespace

void FileDialogsTest::init()
{
    QVERIFY(m_dir.isValid());
    m_dialog.reset();
}

void FileDialogsTest::openDialog()
{
    // The dialogs start in the current folder.
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_dialog.reset(
        ui::makeFileDialog(nullptr, QStringLiteral("OpenDialog1"), QFileDialog::AcceptOpen));
    QVERIFY(QDir::setCurrent(current));
    m_model = m_dialog->findChild<QFileSystemModel *>();
    m_view = m_dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    QVERIFY(m_model && m_view);
    // The list is filled by a thread of its own, which reports through the event loop.
    QSignalSpy loaded(m_model, &QFileSystemModel::directoryLoaded);
    while (!loaded.contains(QVariantList {m_dir.path()}))
        QVERIFY(loaded.wait(testsupport::patienceMs));
}

void FileDialogsTest::theColumnsShowWhole()
{
    writeFile(m_dir.filePath(QStringLiteral("Корректирование, партия 15.txt")), 15500);
    openDialog();
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get(), testsupport::patienceMs));
    QHeaderView *header = m_view->header();
    const QAbstractItemView *items = m_view;
    for (int column = 0; column < 4; ++column) {
        QVERIFY2(header->sectionSize(column) >= items->sizeHintForColumn(column),
                 qPrintable(m_model->headerData(column, Qt::Horizontal).toString()));
    }
    // The dialog opens wide enough for all four.
    QTRY_VERIFY_WITH_TIMEOUT(header->length() <= m_view->viewport()->width(),
                             testsupport::patienceMs);
}

void FileDialogsTest::aFileWrittenAfterItWasListedShowsItsSize()
{
    // Listed while empty, as a file being copied in is; written to afterwards.
    const QString path = m_dir.filePath(QStringLiteral("copied.txt"));
    writeFile(path, 0);
    openDialog();
    QCOMPARE(m_model->size(m_model->index(path)), qint64(0));
    writeFile(path, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(m_model->size(m_model->index(path)), qint64(5000),
                              testsupport::patienceMs);
}

QTEST_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
