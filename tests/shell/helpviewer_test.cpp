#include "shell/helpviewer.h"
#include "ui/modaldialog.h"

#include "modalanswers.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using shell::HelpViewer;
using ui::HelpContext;

Q_DECLARE_METATYPE(ui::HelpContext)

namespace {

QTextBrowser *browserOf(const HelpViewer &viewer)
{
    return viewer.findChild<QTextBrowser *>(QStringLiteral("helpBrowser"));
}

} // namespace

// A dialog of the program with a help context, as the mix design dialogs are.
class ContextDialog : public ui::ModalDialog
{
public:
    explicit ContextDialog(HelpContext context, QWidget *parent = nullptr)
        : ui::ModalDialog(parent)
    {
        setHelpContext(context);
    }
};

class HelpViewerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contextShowsItsPage_data();
    void contextShowsItsPage();
    void everyLinkLeadsToAPageOrAnchor();
    void backAndForwardRetraceTheLinks();
    void f1InADialogShowsAUsableHelpWindow();
    void servesEveryDialogOfTheProgram();
};

void HelpViewerTest::contextShowsItsPage_data()
{
    QTest::addColumn<HelpContext>("context");
    QTest::addColumn<QString>("title");
    const QString contents = QStringLiteral("Содержание");
    QTest::newRow("main window") << HelpContext::MainWindow
                                 << QStringLiteral("Главное окно программы");
    QTest::newRow("options") << HelpContext::MixDesignOptions
                             << QStringLiteral("Опции для расчета БНС");
    QTest::newRow("mix design") << HelpContext::MixDesign
                                << QStringLiteral(
                                       "Расчет базового номинального состава бетона (БНС)");
    QTest::newRow("correction by strength")
        << HelpContext::CorrectionByStrength
        << QStringLiteral("Корректирование состава бетона по Ц/В и прочности");
    QTest::newRow("correction by aggregates")
        << HelpContext::CorrectionByAggregates
        << QStringLiteral("Корректирование состава бетона по влажности и гранулометрии "
                          "заполнителей");
    QTest::newRow("analysed period")
        << HelpContext::AnalysedPeriod
        << QStringLiteral("Статистический контроль прочности: анализируемый период");
    QTest::newRow("controlled period")
        << HelpContext::ControlledPeriod
        << QStringLiteral("Статистический контроль прочности: контролируемый период");
    QTest::newRow("main window after Помощь") << HelpContext::Contents << contents;
    QTest::newRow("unknown") << HelpContext(7) << contents;
    QTest::newRow("negative") << HelpContext(-1) << contents;
}

void HelpViewerTest::contextShowsItsPage()
{
    QFETCH(HelpContext, context);
    QFETCH(QString, title);
    HelpViewer viewer;
    viewer.showContext(context);
    QVERIFY(viewer.isVisible());
    QCOMPARE(browserOf(viewer)->documentTitle(), title);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Справка ЛОВИЗ-6.3 — ") + title);
    // A page with real content, not an empty or missing resource.
    QVERIFY(browserOf(viewer)->document()->characterCount() > 1500);

    viewer.showContents();
    QCOMPARE(browserOf(viewer)->documentTitle(), QStringLiteral("Содержание"));
}

// Opens every page reachable from the contents and checks that each link names a page that
// exists and, if it has one, an anchor on that page.
void HelpViewerTest::everyLinkLeadsToAPageOrAnchor()
{
    HelpViewer viewer;
    QTextBrowser *browser = browserOf(viewer);
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    const QRegularExpression anchor(QStringLiteral("name=\"([^\"]*)\""));
    QStringList toVisit {QStringLiteral("index.html")};
    QSet<QString> visited;
    QList<QPair<QString, QString>> links; // from page, to "page#anchor"
    QHash<QString, QSet<QString>> anchors;
    while (!toVisit.isEmpty()) {
        const QString page = toVisit.takeFirst();
        if (visited.contains(page))
            continue;
        visited.insert(page);
        QFile file(QStringLiteral(":/help/") + page);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
        const QString html = QString::fromUtf8(file.readAll());
        for (const auto &match : anchor.globalMatch(html))
            anchors[page].insert(match.captured(1));
        for (const auto &match : href.globalMatch(html)) {
            const QString target = match.captured(1);
            QVERIFY2(!target.contains(QLatin1Char(':')), qPrintable(page + " → " + target));
            const QString targetPage = target.section(QLatin1Char('#'), 0, 0);
            links.append({page, target});
            if (targetPage.endsWith(QLatin1String(".html")))
                toVisit.append(targetPage);
        }
        browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
        QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable(page));
    }
    QCOMPARE(visited.size(), 9);
    for (const auto &[from, target] : links) {
        QString page = target.section(QLatin1Char('#'), 0, 0);
        if (page.isEmpty())
            page = from;
        const QString name = target.section(QLatin1Char('#'), 1);
        if (page == QLatin1String("help.css"))
            continue;
        QVERIFY2(visited.contains(page), qPrintable(from + " → " + target));
        if (!name.isEmpty())
            QVERIFY2(anchors.value(page).contains(name), qPrintable(from + " → " + target));
    }
}

void HelpViewerTest::backAndForwardRetraceTheLinks()
{
    HelpViewer viewer;
    auto *back = viewer.findChild<QAction *>(QStringLiteral("helpBack"));
    auto *forward = viewer.findChild<QAction *>(QStringLiteral("helpForward"));
    auto *contents = viewer.findChild<QAction *>(QStringLiteral("helpContents"));
    QVERIFY(back && forward && contents);

    viewer.showContext(HelpContext::CorrectionByStrength);
    QVERIFY(!back->isEnabled());
    browserOf(viewer)->setSource(QUrl(QStringLiteral("correction_aggregates.html")));
    QCOMPARE(browserOf(viewer)->documentTitle(),
             QStringLiteral("Корректирование состава бетона по влажности и гранулометрии "
                            "заполнителей"));
    QVERIFY(back->isEnabled());
    back->trigger();
    QCOMPARE(browserOf(viewer)->documentTitle(),
             QStringLiteral("Корректирование состава бетона по Ц/В и прочности"));
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QVERIFY(browserOf(viewer)->documentTitle().contains(QStringLiteral("влажности")));
    contents->trigger();
    QCOMPARE(browserOf(viewer)->documentTitle(), QStringLiteral("Содержание"));
}

void HelpViewerTest::f1InADialogShowsAUsableHelpWindow()
{
    HelpViewer viewer;
    ContextDialog dialog(HelpContext::AnalysedPeriod);
    QObject::connect(&dialog, &ui::ModalDialog::helpRequested, &viewer, &HelpViewer::showContext);

    QString title;
    bool helpTakesInput = false;
    const testsupport::ModalAnswers answers;
    testsupport::whenModal(QStringLiteral("QDialog"), [&](QWidget *modal) {
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(modal, &f1);
        title = browserOf(viewer)->documentTitle();
        // The help window is not blocked by the dialog under it.
        helpTakesInput = viewer.isVisible() && QApplication::activeModalWidget() == &viewer;
        viewer.close();
        dialog.done(ui::ModalDialog::Close);
    });
    dialog.exec();
    QCOMPARE(title, QStringLiteral("Статистический контроль прочности: анализируемый период"));
    QVERIFY(helpTakesInput);
    answers.check();

    // Outside a dialog the help is an ordinary window again.
    viewer.showContents();
    QCOMPARE(viewer.windowModality(), Qt::NonModal);
}

void HelpViewerTest::servesEveryDialogOfTheProgram()
{
    QWidget mainWindow;
    auto *options = new ContextDialog(HelpContext::MixDesignOptions, &mainWindow);
    auto *correction
        = new ContextDialog(HelpContext::CorrectionByAggregates, new QWidget(&mainWindow));
    HelpViewer viewer;
    viewer.serveDialogsOf(&mainWindow);

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(correction, &f1);
    QCOMPARE(browserOf(viewer)->documentTitle(),
             QStringLiteral("Корректирование состава бетона по влажности и гранулометрии "
                            "заполнителей"));
    QApplication::sendEvent(options, &f1);
    QCOMPARE(browserOf(viewer)->documentTitle(), QStringLiteral("Опции для расчета БНС"));
}

QTEST_MAIN(HelpViewerTest)
#include "helpviewer_test.moc"
