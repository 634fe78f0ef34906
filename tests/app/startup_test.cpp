#include "app/program.h"
#include "app/startup.h"
#include "shell/reportwindow.h"
#include "shell/reportwindows.h"
#include "ui/gradientmdiarea.h"
#include "ui/rotatinglabel.h"
#include "ui/titlebarstyle.h"

#include "modalanswers.h"

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>

#include <QTest>
#include <QTimer>

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void splashArguments_data();
    void splashArguments();
    void splashClosesByItselfOrOnClick();
    void splashPictureBesideTheProgram();
    void startUpState();
    void commandsReachTheirWindows_data();
    void commandsReachTheirWindows();
    void helpOpensTheContents();
    void aboutAngleAfterTicks_data();
    void aboutAngleAfterTicks();
    void aboutWindow();
    void backgroundGradientSteps();
    void titleBarsCarryTheirGradients();
};

void StartupTest::initTestCase()
{
    QVERIFY(app::setUpApplication(*QCoreApplication::instance()));
    // Qt's own dialogs and buttons speak Russian.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}

void StartupTest::splashArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("suppressed");
    QTest::newRow("none") << QStringList {} << false;
    QTest::newRow("-ns") << QStringList {"-ns"} << true;
    QTest::newRow("/NS") << QStringList {"/NS"} << true;
    QTest::newRow("-nS after others") << QStringList {"file.txt", "-nS"} << true;
    QTest::newRow("ns without mark") << QStringList {"ns"} << false;
    QTest::newRow("--ns") << QStringList {"--ns"} << false;
    QTest::newRow("-nsx") << QStringList {"-nsx"} << false;
    QTest::newRow("/n s") << QStringList {"/n", "s"} << false;
}

void StartupTest::splashArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, suppressed);
    QCOMPARE(shell::splashSuppressed(arguments), suppressed);
    app::Program program(arguments);
    QCOMPARE(program.splash() == nullptr, suppressed);
    int splashes = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        splashes += qobject_cast<shell::TabcsfSplash *>(widget) && widget->isVisible();
    QCOMPARE(splashes, suppressed ? 0 : 1);
}

void StartupTest::splashClosesByItselfOrOnClick()
{
    {
        // The splash goes up inside the constructor, so it cannot have been up longer.
        QElapsedTimer sinceShown;
        sinceShown.start();
        app::Program program(QStringList {});
        QPointer<shell::TabcsfSplash> splash = program.splash();
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->size(), QSize(260, 200));
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QTRY_VERIFY_WITH_TIMEOUT(!splash, testsupport::patienceMs);
        // A coarse timer may fire up to 5 % early.
        QVERIFY(sinceShown.elapsed() >= shell::TabcsfSplash::ShowMs * 95 / 100);
        QVERIFY(!program.splash());
    }
    app::Program program(QStringList {});
    QPointer<shell::TabcsfSplash> splash = program.splash();
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(100, 100));
    QTRY_VERIFY_WITH_TIMEOUT(!splash, testsupport::patienceMs);
}

void StartupTest::splashPictureBesideTheProgram()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("loviz"));
    const QRgb builtInCentre = shell::splashPicture(program).toImage().pixel(120, 90);

    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(program + QStringLiteral(".bmp"), "BMP"));
    QImage shown = shell::splashPicture(program).toImage();
    QCOMPARE(shown.size(), QSize(240, 180));
    QCOMPARE(QColor(shown.pixel(120, 90)), QColor(Qt::red));

    QFile broken(program + QStringLiteral(".bmp"));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("BM not really a bitmap");
    broken.close();
    shown = shell::splashPicture(program).toImage();
    QCOMPARE(shown.size(), QSize(240, 180));
    QCOMPARE(shown.pixel(120, 90), builtInCentre);
}

void StartupTest::startUpState()
{
    app::Program program(QStringList {"-ns"});
    program.show();
    shell::TfmForm1 &window = program.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window, testsupport::patienceMs));
    QCOMPARE(window.windowTitle(), QStringLiteral("ЛОВИЗ-6.3"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("ЛОВИЗ-6.3"));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QCOMPARE(window.normalGeometry().size(), QSize(577, 358));
    QCOMPARE(window.reportWindows().windowCounter(), 0);
    QCOMPARE(window.helpContext(), ui::HelpContext::MainWindow);
    QVERIFY(!window.windowIcon().isNull());
    // Every command is offered by the shell or a subsystem, so every one works.
    for (shell::Command command :
         {shell::Command::OpenText, shell::Command::OpenPicture, shell::Command::Save,
          shell::Command::Print, shell::Command::Help, shell::Command::NewMix,
          shell::Command::MixOptions, shell::Command::CorrectStrength,
          shell::Command::CorrectAggregates, shell::Command::AnalysedPeriod,
          shell::Command::ControlledPeriod, shell::Command::TestRegister, shell::Command::About})
        QVERIFY(window.action(command)->isEnabled());
}

void StartupTest::commandsReachTheirWindows_data()
{
    QTest::addColumn<shell::Command>("command");
    QTest::addColumn<QString>("modal");
    QTest::newRow("Новый БНС") << shell::Command::NewMix << QStringLiteral("TfmBNS");
    QTest::newRow("Опции") << shell::Command::MixOptions << QStringLiteral("TfmOptions");
    QTest::newRow("по Ц/В и прочности")
        << shell::Command::CorrectStrength << QStringLiteral("Tcorrection");
    QTest::newRow("по заполнителям")
        << shell::Command::CorrectAggregates << QStringLiteral("Tcorrection");
    QTest::newRow("Анализируемый период")
        << shell::Command::AnalysedPeriod << QStringLiteral("TfmPeriod_Analiz1");
    QTest::newRow("Контролируемый период")
        << shell::Command::ControlledPeriod << QStringLiteral("TfmPeriod_Control1");
    QTest::newRow("О программе") << shell::Command::About << QStringLiteral("TfmAbout");
    QTest::newRow("Открыть текст") << shell::Command::OpenText << QStringLiteral("OpenDialog1");
    QTest::newRow("Открыть графику")
        << shell::Command::OpenPicture << QStringLiteral("OpenPictureDialog1");
}

void StartupTest::commandsReachTheirWindows()
{
    QFETCH(shell::Command, command);
    QFETCH(QString, modal);
    app::Program program;
    program.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.mainWindow(), testsupport::patienceMs));
    QString shown;
    const testsupport::ModalAnswers answers;
    testsupport::whenModal(QStringLiteral("QWidget"), [&shown](QWidget *dialog) {
        shown = dialog->objectName();
        dialog->close();
    });
    program.mainWindow().action(command)->trigger();
    QCOMPARE(shown, modal);
    answers.check();
    QCOMPARE(program.mainWindow().reportWindows().windowCounter(), 0);
}

void StartupTest::helpOpensTheContents()
{
    app::Program program;
    program.show();
    program.mainWindow().action(shell::Command::Help)->trigger();
    QCOMPARE(program.mainWindow().helpContext(), ui::HelpContext::Contents);
    auto *help = program.mainWindow().findChild<shell::HelpViewer *>(QStringLiteral("HelpViewer"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Справка ЛОВИЗ-6.3 — Содержание"));
}

void StartupTest::aboutAngleAfterTicks_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("angle");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 30;
    QTest::newRow("11") << 11 << 330;
    QTest::newRow("12: a full turn") << 12 << 0;
    QTest::newRow("13") << 13 << 30;
    QTest::newRow("30") << 30 << 180;
}

void StartupTest::aboutAngleAfterTicks()
{
    QFETCH(int, ticks);
    QFETCH(int, angle);
    shell::TfmAbout about;
    about.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    auto *label = about.findChild<ui::RotatingLabel *>(QStringLiteral("abcRotLabel1"));
    QVERIFY(label);
    label->setAngle(0);
    for (int i = 0; i < ticks; ++i)
        about.Timer1Timer();
    QCOMPARE(label->angle(), angle);
}

void StartupTest::aboutWindow()
{
    app::Program program;
    auto *found = program.mainWindow().findChild<shell::TfmAbout *>(QStringLiteral("TfmAbout"));
    QVERIFY(found);
    shell::TfmAbout &about = *found;
    QCOMPARE(about.windowTitle(), QStringLiteral("О програме "));
    QCOMPARE(about.minimumSize(), QSize(536, 348));
    QCOMPARE(about.maximumSize(), QSize(536, 348));
    auto *timer = about.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 200);
    // It turns while hidden.
    QVERIFY(!about.isVisible());
    auto *label = about.findChild<ui::RotatingLabel *>(QStringLiteral("abcRotLabel1"));
    QVERIFY(label);
    const int before = label->angle();
    QTRY_VERIFY_WITH_TIMEOUT(label->angle() != before, testsupport::patienceMs);
    QCOMPARE(label->angle() % 30, 0);

    const testsupport::ModalAnswers answers;
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        int result = -1;
        testsupport::whenModal(QStringLiteral("TfmAbout"),
                               [key](QWidget *modal) { QTest::keyClick(modal, key); });
        QObject::connect(
            &about, &QDialog::finished, &about, [&result](int r) { result = r; },
            Qt::SingleShotConnection);
        program.mainWindow().action(shell::Command::About)->trigger();
        QCOMPARE(result, int(ui::ModalDialog::Ok));
        QVERIFY(!about.isVisible());
    }
    answers.check();
}

void StartupTest::backgroundGradientSteps()
{
    const QImage image
        = ui::centredGradient(QSize(1200, 900), ui::GradientMdiArea::outerColour(),
                              ui::GradientMdiArea::innerColour(), ui::GradientMdiArea::Steps)
              .toImage();
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(0, 0, 255));
    QCOMPARE(QColor(image.pixel(1199, 899)), QColor(0, 0, 255));
    QCOMPARE(QColor(image.pixel(600, 450)), QColor(0, 255, 0));
    QSet<QRgb> colours;
    for (int x = 0; x < 600; ++x)
        colours.insert(image.pixel(x, 450));
    QCOMPARE(colours.size(), ui::GradientMdiArea::Steps);
}

void StartupTest::titleBarsCarryTheirGradients()
{
    app::Program program;
    shell::TfmForm1 &window = program.mainWindow();
    window.resize(900, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window, testsupport::patienceMs));
    shell::TForm1 *first = window.reportWindows().createReportWindow();
    shell::TForm1 *second = window.reportWindows().createReportWindow();
    QCOMPARE(window.mdiArea()->activeSubWindow(), second);
    auto titleColour = [](QMdiSubWindow *child) {
        const QImage image = child->grab().toImage();
        return QColor(image.pixel(image.width() * 6 / 10, 3));
    };
    const QColor active = titleColour(second);
    const QColor inactive = titleColour(first);
    QVERIFY2(active.red() > 150 && active.green() < 40 && active.blue() < 120,
             qPrintable(active.name()));
    QVERIFY2(inactive.blue() > 200 && inactive.red() > 100 && inactive.green() < 110,
             qPrintable(inactive.name()));
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
