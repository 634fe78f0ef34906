#include "mixdesign/mixdesigndialogs.h"
#include "ui/fixedtabwidget.h"

#include "subsystemfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace testsupport;

using mixdesign::MixDesignState;
using Script = QList<ModalStep>;
using Setup = void (*)(MixDesignState &);

Q_DECLARE_METATYPE(ModalStep)
Q_DECLARE_METATYPE(Setup)

namespace {

template<typename T> T *child(QWidget *dialog, const QString &name)
{
    T *found = dialog->findChild<T *>(name);
    if (!found)
        qFatal("%s has no control %s", qPrintable(dialog->objectName()), qPrintable(name));
    return found;
}

void click(QWidget *dialog, const QString &button)
{
    child<QPushButton>(dialog, button)->click();
}

// A step that presses a button of a dialog, after `before` has filled it in.
ModalStep press(const QString &dialog, const QString &button,
                std::function<void(QWidget *)> before = {})
{
    return {dialog, [button, before](QWidget *w) {
                if (before)
                    before(w);
                click(w, button);
            }};
}

ModalStep closeBox(const QString &dialog)
{
    return {dialog, [](QWidget *w) {
                w->close();
            }};
}

// Types a text into an edit of the dialog.
std::function<void(QWidget *)> typing(const QString &edit, const QString &text)
{
    return [edit, text](QWidget *w) {
        child<QLineEdit>(w, edit)->setText(text);
    };
}

// Chooses an item of a radio group of the dialog.
std::function<void(QWidget *)> choosing(const QString &group, int item)
{
    return [group, item](QWidget *w) {
        child<QRadioButton>(w, group + QLatin1Char('_') + QString::number(item))->click();
    };
}

} // namespace

class MixDesignChainTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void frostThenWaterproofnessEachOnItsOwnPage();
    void endsWithoutReport_data();
    void endsWithoutReport();
    void aGradeThatIsNoNumberKeepsTheEarlierLimit();
    void closingSteamCuringGoesOnWithTheLastValue();
    void refusedMeasureThenNoMeasure();
    void flyAshOnItsFixedPage();
    void aMeasureThatIsNoNumberKeepsTheMixHandedOver();

private:
    MixDesignState &state() { return m_app.dialogs().state(); }
    // Runs the calculation from the input dialog's OK, answering the dialogs it shows by
    // `script`; every scripted dialog must come. Returns the messages shown.
    QStringList calculate(Script script);

    testsupport::SubsystemFixture<mixdesign::MixDesignDialogs> m_app;
};

void MixDesignChainTest::init()
{
    // The options dialog reads the working folder: the fixture's own, empty.
    m_app.start();
}

void MixDesignChainTest::cleanup()
{
    m_app.finish();
}

QStringList MixDesignChainTest::calculate(Script script)
{
    auto messages = std::make_shared<QStringList>();
    for (ModalStep &step : script) {
        if (step.dialog == QLatin1String("QMessageBox")) {
            step.act = [messages](QWidget *w) {
                auto *box = qobject_cast<QMessageBox *>(w);
                *messages << box->text();
                box->accept();
            };
        }
    }
    script.prepend(press(QStringLiteral("TfmBNS"), QStringLiteral("BitBtn1")));
    answerInTurn(script);
    m_app.run(ui::Command::NewMix);
    return *messages;
}

// A message box step; calculate() records its text and presses OK.
const ModalStep messageBox = {QStringLiteral("QMessageBox"), nullptr};

const QString wcForStrength = QStringLiteral("Расчетное В/Ц обеспечивающее нормируемую прочность: "
                                             "%1");
const QString wcWithAllProperties = QStringLiteral("Расчетное В/Ц с учетом всех нормируемых "
                                                   "свойств: %1");
const QString economySection = QStringLiteral("4. ТЕХНОЛОГИЧЕСКИЕ РЕШЕНИЯ ДЛЯ ЭКОНОМИИ ЦЕМЕНТА");

void MixDesignChainTest::frostThenWaterproofnessEachOnItsOwnPage()
{
    state().options.rgFrost = 0;
    state().options.rgWaterproof = 0;
    auto pages = std::make_shared<QStringList>();
    const auto seePage = [pages](QWidget *w) {
        auto *tabs = child<QTabWidget>(w, QStringLiteral("FW"));
        *pages << tabs->currentWidget()->objectName() + QLatin1Char(':')
                      + QString::number(tabs->isTabVisible(0)) + QLatin1Char(',')
                      + QString::number(tabs->isTabVisible(1));
    };
    calculate({press(QStringLiteral("TF_W"), QStringLiteral("BitBtn1"),
                     [seePage](QWidget *w) {
                         seePage(w);
                         typing(QStringLiteral("edMarka_F"), QStringLiteral("150"))(w);
                     }),
               // Esc presses the OK of the page on view.
               {QStringLiteral("TF_W"), [seePage](QWidget *w) {
                    seePage(w);
                    typing(QStringLiteral("edW"), QStringLiteral("6"))(w);
                    QTest::keyClick(w, Qt::Key_Escape);
                }}});
    QCOMPARE(*pages, (QStringList {QStringLiteral("F:1,0"), QStringLiteral("W:0,1")}));
    auto *tabs = m_app.window().findChild<QTabWidget *>(QStringLiteral("FW"));
    QVERIFY(tabs->isTabVisible(0) && tabs->isTabVisible(1));

    const QStringList lines = m_app.lastLines();
    QCOMPARE(m_app.reportCount(), 1);
    QCOMPARE(lines.mid(3, 4),
             (QStringList {QStringLiteral("Нормируется величина водонепроницаемости"),
                           QStringLiteral("Марка по водонепроницаемости W6"),
                           QStringLiteral("Нормируется величина морозостойкости"),
                           QStringLiteral("Марка по морозостойкости F150")}));
    QVERIFY(lines.contains(wcForStrength.arg(QStringLiteral("0,67"))));
    QVERIFY(lines.contains(wcWithAllProperties.arg(QStringLiteral("0,45"))));
}

void MixDesignChainTest::endsWithoutReport_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Script>("script");
    QTest::addColumn<QStringList>("messages");

    const Setup frost = [](MixDesignState &s) {
        s.options.rgFrost = 0;
    };
    const Setup both = [](MixDesignState &s) {
        s.options.rgFrost = 0;
        s.options.rgWaterproof = 0;
    };
    const Setup economy = [](MixDesignState &s) {
        s.options.rgEconomy = 0;
    };
    const QString tfw = QStringLiteral("TF_W");
    const QString economyDialog = QStringLiteral("Teconomy");
    const QString measure = QStringLiteral("TVubor_Econ");
    const QString ok = QStringLiteral("BitBtn1");

    QTest::newRow("frost: Close") << frost << Script {press(tfw, QStringLiteral("BitBtn2"))}
                                  << QStringList();
    QTest::newRow("frost: close box") << frost << Script {closeBox(tfw)} << QStringList();
    QTest::newRow("waterproofness: Close")
        << both << Script {press(tfw, ok), press(tfw, QStringLiteral("BitBtn4"))} << QStringList();
    QTest::newRow("frost: no limit ever computed")
        << frost
        << Script {press(tfw, ok, typing(QStringLiteral("edMarka_F"), QStringLiteral("сто"))),
                   messageBox}
        << QStringList {QStringLiteral("\"сто\" не является правильным числом.")};
    QTest::newRow("economy: Close")
        << economy << Script {press(economyDialog, QStringLiteral("BitBtn2"))} << QStringList();
    QTest::newRow("economy: close box")
        << economy << Script {closeBox(economyDialog)} << QStringList();
    QTest::newRow("measure: Close")
        << economy
        << Script {press(economyDialog, ok, choosing(QStringLiteral("rgEconomy"), 4)),
                   press(measure, QStringLiteral("BitBtn8"))}
        << QStringList();
    QTest::newRow("measure: close box")
        << economy
        << Script {press(economyDialog, ok, choosing(QStringLiteral("rgEconomy"), 6)),
                   closeBox(measure)}
        << QStringList();
    QTest::newRow("measure refused by the options")
        << Setup([](MixDesignState &s) {
               s.options.rgEconomy = 0;
               s.options.rgProparka = 0;
           })
        << Script {press(QStringLiteral("TfmTVO"), ok),
                   press(economyDialog, ok, choosing(QStringLiteral("rgEconomy"), 2)), messageBox}
        << QStringList {QStringLiteral("Не рекомендуется увеличивать возраст бетона при его "
                                       "пропаривании, а также при нормировании F или W")};
    QTest::newRow("superplasticiser without a factor")
        << Setup([](MixDesignState &s) {
               s.options.rgEconomy = 0;
               s.bns.rgYdoboykl = 1;
               s.bns.edYdoboykl = "1500";
           })
        << Script {press(economyDialog, ok, choosing(QStringLiteral("rgEconomy"), 5)),
                   press(measure, QStringLiteral("bbSuperPlast")), messageBox}
        << QStringList {QStringLiteral("Для данного состава бетона нет коэффициента снижения "
                                       "водопотребности по усредненным зависимостям. Введите "
                                       "снижение водопотребности, %.")};
}

void MixDesignChainTest::endsWithoutReport()
{
    QFETCH(Setup, setup);
    QFETCH(Script, script);
    QFETCH(QStringList, messages);
    setup(state());
    const QStringList shown = calculate(script);
    QCOMPARE(shown, messages);
    QCOMPARE(m_app.reportCount(), 0);
}

void MixDesignChainTest::aGradeThatIsNoNumberKeepsTheEarlierLimit()
{
    state().options.rgFrost = 0;
    const QString tfw = QStringLiteral("TF_W");
    const QString ok = QStringLiteral("BitBtn1");
    calculate({press(tfw, ok, typing(QStringLiteral("edMarka_F"), QStringLiteral("150")))});
    QVERIFY(m_app.lastLines().contains(wcWithAllProperties.arg(QStringLiteral("0,55"))));

    const QStringList messages = calculate(
        {press(tfw, ok, typing(QStringLiteral("edMarka_F"), QStringLiteral("F300"))), messageBox});
    QCOMPARE(messages, QStringList {QStringLiteral("\"F300\" не является правильным числом.")});
    QCOMPARE(m_app.reportCount(), 2);
    QVERIFY(m_app.lastLines().contains(QStringLiteral("Марка по морозостойкости FF300")));
    QVERIFY(m_app.lastLines().contains(wcWithAllProperties.arg(QStringLiteral("0,55"))));
}

void MixDesignChainTest::closingSteamCuringGoesOnWithTheLastValue()
{
    state().options.rgProparka = 0;
    const QString tvo = QStringLiteral("TfmTVO");
    const QString strengthLine = QStringLiteral("Отпускная (передаточная) прочность после "
                                                "пропаривания: %1 % от R28");
    calculate({press(tvo, QStringLiteral("BitBtn2"))});
    QCOMPARE(m_app.reportCount(), 1);
    QVERIFY(m_app.lastLines().contains(strengthLine.arg(0)));

    calculate({press(tvo, QStringLiteral("BitBtn1"))});
    QVERIFY(m_app.lastLines().contains(strengthLine.arg(50)));

    // Typed, then closed: the text stays for the report, the strength stays as it was.
    calculate({closeBox(tvo)});
    calculate({press(tvo, QStringLiteral("BitBtn2"),
                     typing(QStringLiteral("edT_prop"), QStringLiteral("12")))});
    QCOMPARE(m_app.reportCount(), 4);
    QVERIFY(m_app.lastLines().contains(strengthLine.arg(50)));
    QVERIFY(
        m_app.lastLines().contains(QStringLiteral("Общая длительность цикла пропаривания: 12ч.")));
}

void MixDesignChainTest::refusedMeasureThenNoMeasure()
{
    state().options.rgEconomy = 0;
    const QString economyDialog = QStringLiteral("Teconomy");
    const QString ok = QStringLiteral("BitBtn1");
    const QStringList messages = calculate(
        {press(economyDialog, ok, choosing(QStringLiteral("rgEconomy"), 3)), messageBox});
    QCOMPARE(messages, QStringList {QStringLiteral("Данный прием рекомендуется только при "
                                                   "нормировании морозостойкости")});
    QCOMPARE(m_app.reportCount(), 0);
    // The chain of dialogs over, the window they came from is active again.
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &m_app.window(),
                              testsupport::patienceMs);

    calculate({press(economyDialog, ok, choosing(QStringLiteral("rgEconomy"), 0))});
    QCOMPARE(m_app.reportCount(), 1);
    const QStringList lines = m_app.lastLines();
    const qsizetype section = lines.indexOf(economySection);
    QCOMPARE(lines.mid(section + 1, 3),
             (QStringList {QStringLiteral("Нет нужного технологического приема для экономии "
                                          "цемента"),
                           QStringLiteral("Окончательный расход цемента: 257 кг/куб.м."),
                           QStringLiteral("Окончательный расход воды: 172 кг/куб.м.")}));
}

void MixDesignChainTest::flyAshOnItsFixedPage()
{
    state().options.rgEconomy = 0;
    auto chosenPage = std::make_shared<QString>();
    calculate({press(QStringLiteral("Teconomy"), QStringLiteral("BitBtn1"),
                     choosing(QStringLiteral("rgEconomy"), 4)),
               {QStringLiteral("TVubor_Econ"), [chosenPage](QWidget *w) {
                    auto *tabs = child<ui::FixedTabWidget>(w, QStringLiteral("page"));
                    // Every caption in full, inside the dialog.
                    for (int i = 0; i < tabs->count(); ++i) {
                        const QRect tab = tabs->tabRect(i);
                        QVERIFY(tabs->rect().contains(tab));
                        QVERIFY(tab.width()
                                > tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)));
                    }
                    // The user cannot leave the page of the chosen measure.
                    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
                    QTest::keyClick(w, Qt::Key_Tab, Qt::ControlModifier);
                    QTest::keyClick(w, Qt::Key_PageDown, Qt::ControlModifier);
                    *chosenPage = tabs->currentWidget()->objectName();
                    typing(QStringLiteral("edAsh"), QStringLiteral("150"))(w);
                    QTest::keyClick(w, Qt::Key_Return);
                }}});
    QCOMPARE(*chosenPage, QStringLiteral("ash"));
    QCOMPARE(m_app.reportCount(), 1);
    const QStringList lines = m_app.lastLines();
    const qsizetype section4 = lines.indexOf(economySection);
    QCOMPARE(lines.mid(section4 + 1, 6),
             (QStringList {QStringLiteral("Введена зола-унос в количестве 150 кг/куб. м."),
                           QStringLiteral("Окончательный расход цемента: 201 кг/куб.м."),
                           QStringLiteral("Окончательный расход воды: 172 кг/куб.м."),
                           QStringLiteral("Окончательное значение В/Ц (приведенное): 0,67"),
                           QStringLiteral("Окончательная ожидаемая прочность в 28 сут, R28, "
                                          "МПа: 28,8"),
                           QString()}));
    const qsizetype section6 = lines.indexOf(QStringLiteral("6. ОКОНЧАТЕЛЬНЫЙ СОСТАВ БЕТОНА"));
    QCOMPARE(lines.mid(section6 + 1),
             (QStringList {QStringLiteral("Расход цемента: 201 кг/куб.м."),
                           QStringLiteral("Расход золы-унос: 150 кг/куб. м."),
                           QStringLiteral("Расход щебня: 1266 кг/куб.м."),
                           QStringLiteral("Расход песка: 584 кг/куб.м."),
                           QStringLiteral("Расход воды: 172 кг/куб.м.")}));
}

void MixDesignChainTest::aMeasureThatIsNoNumberKeepsTheMixHandedOver()
{
    state().options.rgEconomy = 0;
    const QStringList messages
        = calculate({press(QStringLiteral("Teconomy"), QStringLiteral("BitBtn1"),
                           choosing(QStringLiteral("rgEconomy"), 4)),
                     press(QStringLiteral("TVubor_Econ"), QStringLiteral("bbAsh"),
                           typing(QStringLiteral("edAsh"), QStringLiteral("много"))),
                     messageBox});
    QCOMPARE(messages, QStringList {QStringLiteral("\"много\" не является правильным числом.")});
    QCOMPARE(m_app.reportCount(), 1);
    const QStringList lines = m_app.lastLines();
    const qsizetype section6 = lines.indexOf(QStringLiteral("6. ОКОНЧАТЕЛЬНЫЙ СОСТАВ БЕТОНА"));
    QCOMPARE(lines.mid(section6 + 1, 3),
             (QStringList {QStringLiteral("Расход цемента: 257 кг/куб.м."),
                           QStringLiteral("Расход золы-унос: много кг/куб. м."),
                           QStringLiteral("Расход щебня: 1267 кг/куб.м.")}));
}

QTEST_MAIN(MixDesignChainTest)
#include "mixdesignchain_test.moc"
