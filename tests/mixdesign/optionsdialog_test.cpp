#include "mixdesign/core/optionsfile.h"
#include "mixdesign/mixdesigndialogs.h"
#include "mixdesign/optionsdialog.h"
#include "ui/radiogroup.h"

#include "subsystemfixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testsupport;

using mixdesign::OptionsRecord;

namespace {

// Every control of the options dialog as "name=value", in a fixed order.
QStringList controlState(QWidget *dialog)
{
    QStringList state;
    for (auto *group : dialog->findChildren<ui::RadioGroup *>())
        state << group->objectName() + QLatin1Char('=') + QString::number(group->itemIndex());
    for (auto *edit : dialog->findChildren<QLineEdit *>())
        state << edit->objectName() + QLatin1Char('=') + edit->text();
    state.sort();
    return state;
}

QString labelOf(QWidget *dialog, QWidget *field)
{
    for (auto *label : dialog->findChildren<QLabel *>()) {
        if (label->buddy() == field)
            return label->text();
    }
    return {};
}

void writeFile(const QByteArray &bytes)
{
    QFile file(QString::fromUtf8(mixdesign::optionsFileName));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray recordBytes(const OptionsRecord &record)
{
    const auto bytes = mixdesign::encodeOptions(record);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

template<typename T> T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QString::fromUtf8(name));
}

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithTheBuiltInOptions();
    void buttonsCloseWithTheirResults_data();
    void buttonsCloseWithTheirResults();
    void saveWritesTheRecordAndChangesNoControl();
    void saveFailureIsShownAndTheDialogStaysOpen();
    void showingLoadsTheFile_data();
    void showingLoadsTheFile();
    void savedOptionsTakeEffectOnlyOnceTheDialogWasShown();

private:
    // Shows the options dialog through its command; `act` runs in it and must close it.
    void showOptions(const std::function<void(QDialog *)> &act);
    // Runs one mix design calculation with OK, answering TF_W with OK if it comes; tells
    // whether it came.
    bool calculateAnsweringFrost();

    mixdesign::TfmOptions *optionsDialog() const
    {
        return m_app.window().findChild<mixdesign::TfmOptions *>(QStringLiteral("TfmOptions"));
    }

    testsupport::SubsystemFixture<mixdesign::MixDesignDialogs> m_app;
};

void OptionsDialogTest::init()
{
    // The options file is read from and saved to the working folder, the fixture's own.
    m_app.start();
}

void OptionsDialogTest::cleanup()
{
    m_app.finish();
}

void OptionsDialogTest::showOptions(const std::function<void(QDialog *)> &act)
{
    const auto answered = whenModal(QStringLiteral("TfmOptions"), act);
    m_app.run(ui::Command::MixOptions);
    QVERIFY(*answered);
    QVERIFY(!optionsDialog()->isVisible());
}

bool OptionsDialogTest::calculateAnsweringFrost()
{
    const auto frost = whenModal(QStringLiteral("TF_W"), [](QDialog *dialog) {
        child<QPushButton>(dialog, "BitBtn1")->click();
    });
    const auto input = whenModal(QStringLiteral("TfmBNS"), [](QDialog *dialog) {
        child<QPushButton>(dialog, "BitBtn1")->click();
    });
    m_app.run(ui::Command::NewMix);
    cancelPendingAnswers(); // the answer for TF_W, when it did not come
    return *input && *frost;
}

void OptionsDialogTest::startsWithTheBuiltInOptions()
{
    mixdesign::TfmOptions *dialog = optionsDialog();
    QCOMPARE(dialog->objectName(), QStringLiteral("TfmOptions"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Опции для расчета БНС"));
    QCOMPARE(dialog->helpContext(), ui::HelpContext::MixDesignOptions);

    const QStringList yesNo = {QStringLiteral("да"), QStringLiteral("нет")};
    const struct
    {
        const char *name;
        QString caption;
        QStringList items;
        int item;
    } groups[] = {
        {"rgWaterproof", QStringLiteral("Нормируется водонепроницаемость ?"), yesNo, 1},
        {"rgFrost", QStringLiteral("Нормируется морозостойкость ?"), yesNo, 1},
        {"rgArmatyra", QStringLiteral("Применяется армирование изделий ?"), yesNo, 1},
        {"rgProparka", QStringLiteral("Применяется пропаривание изделий ?"), yesNo, 1},
        {"rgEconomy", QStringLiteral("Есть ли необходимость в мерах по экономии цемента ?"), yesNo,
         1},
        {"rgZapolnitel",
         QStringLiteral("Вид крупного заполнителя"),
         {QStringLiteral("щебень"), QStringLiteral("гравий горный"),
          QStringLiteral("гравий речной (морской)")},
         0},
    };
    for (const auto &g : groups) {
        auto *group = child<ui::RadioGroup>(dialog, g.name);
        QVERIFY2(group, g.name);
        QCOMPARE(group->title(), g.caption);
        QStringList items;
        for (const QRadioButton *button : group->findChildren<QRadioButton *>())
            items << button->text();
        QCOMPARE(items, g.items);
        QCOMPARE(group->itemIndex(), g.item);
    }

    const struct
    {
        const char *name;
        QString label;
        QString text;
        QString qtMask; // the dialog's mask as Qt writes it (a blank is its default)
        int maxLength;
    } edits[] = {
        {"edPlotnostC", QStringLiteral("Истин. плотность цемента , г/см. куб."),
         QStringLiteral("3,11"), QStringLiteral("9,99"), 4},
        {"edPlotnostP", QStringLiteral("Истин. плотность песка , г/см. куб."),
         QStringLiteral("2,65"), QStringLiteral("9,99;*"), 4},
        {"edPlotnostSC", QStringLiteral("Истин. плотность щебня , г/см. куб."),
         QStringLiteral("2,61"), QStringLiteral("9,99"), 4},
        {"edTemperatyr", QStringLiteral("Температура бетонной смеси, град."), QStringLiteral("20"),
         QString(), 32767},
    };
    for (const auto &e : edits) {
        auto *edit = child<QLineEdit>(dialog, e.name);
        QVERIFY2(edit, e.name);
        QCOMPARE(labelOf(dialog, edit), e.label);
        QCOMPARE(edit->text(), e.text);
        QCOMPARE(edit->inputMask(), e.qtMask);
        QCOMPARE(edit->maxLength(), e.maxLength);
    }
    QCOMPARE(child<QPushButton>(dialog, "BitBtn1")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>(dialog, "BitBtn2")->text(), QStringLiteral("&Close"));
    QCOMPARE(child<QPushButton>(dialog, "BitBtn3")->text(), QStringLiteral("Сохранить опции"));
}

void OptionsDialogTest::buttonsCloseWithTheirResults_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << QStringLiteral("BitBtn1") << 1;
    QTest::newRow("Esc presses OK") << QStringLiteral("Esc") << 1;
    QTest::newRow("Close") << QStringLiteral("BitBtn2") << 2;
    QTest::newRow("close box") << QStringLiteral("box") << 2;
}

void OptionsDialogTest::buttonsCloseWithTheirResults()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    whenModal(QStringLiteral("TfmOptions"), [how](QDialog *dialog) {
        // A change made before closing stays, whichever way the dialog closes.
        child<QRadioButton>(dialog, "rgArmatyra_0")->click();
        if (how == QLatin1String("Esc"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == QLatin1String("box"))
            dialog->close();
        else
            dialog->findChild<QPushButton *>(how)->click();
    });
    QCOMPARE(optionsDialog()->exec(), result);
    QCOMPARE(m_app.dialogs().state().options.rgArmatyra, 0);
}

void OptionsDialogTest::saveWritesTheRecordAndChangesNoControl()
{
    showOptions([](QDialog *dialog) {
        child<QRadioButton>(dialog, "rgFrost_0")->click();
        child<QRadioButton>(dialog, "rgZapolnitel_2")->click();
        child<QLineEdit>(dialog, "edPlotnostP")->setText(QStringLiteral("2,70"));
        child<QLineEdit>(dialog, "edTemperatyr")->setText(QStringLiteral("25"));
        const QStringList before = controlState(dialog);
        child<QPushButton>(dialog, "BitBtn3")->click();
        QCOMPARE(controlState(dialog), before);
        QVERIFY(dialog->isVisible());
        child<QPushButton>(dialog, "BitBtn1")->click();
    });

    QFile file(QString::fromUtf8(mixdesign::optionsFileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 48);
    std::array<unsigned char, mixdesign::optionsRecordSize> raw {};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    const OptionsRecord record = mixdesign::decodeOptions(raw);
    QCOMPARE(record.items, (std::array<std::int32_t, 6> {1, 0, 1, 1, 1, 2}));
    QCOMPARE(record.densities[0], 3.11);
    QCOMPARE(record.densities[1], 2.70);
    QCOMPARE(record.densities[2], 2.61);
    QCOMPARE(QDir().entryList(QDir::Files), QStringList {QStringLiteral("options.slv")});

    // The temperature is not in the file: showing the dialog again keeps what it holds.
    m_app.dialogs().state().options.edTemperatyr = "31";
    showOptions([](QDialog *dialog) {
        QCOMPARE(child<QLineEdit>(dialog, "edTemperatyr")->text(), QStringLiteral("31"));
        QCOMPARE(child<QLineEdit>(dialog, "edPlotnostP")->text(), QStringLiteral("2,7"));
        dialog->close();
    });
}

void OptionsDialogTest::saveFailureIsShownAndTheDialogStaysOpen()
{
    // A folder where the file should be: the save cannot replace it.
    QVERIFY(QDir().mkdir(QString::fromUtf8(mixdesign::optionsFileName)));
    showOptions([](QDialog *dialog) {
        auto message = std::make_shared<QString>();
        const auto shown = whenModal(QStringLiteral("QMessageBox"), [message](QMessageBox *box) {
            *message = box->text();
            box->accept();
        });
        child<QPushButton>(dialog, "BitBtn3")->click();
        QVERIFY(*shown);
        QVERIFY2(message->contains(QStringLiteral("options.slv")), qPrintable(*message));
        QVERIFY(dialog->isVisible());

        // A density that is not a number cannot be saved either.
        child<QLineEdit>(dialog, "edPlotnostC")->setText(QStringLiteral(","));
        whenModal(QStringLiteral("QMessageBox"), [message](QMessageBox *box) {
            *message = box->text();
            box->accept();
        });
        child<QPushButton>(dialog, "BitBtn3")->click();
        QCOMPARE(*message, QStringLiteral("\",\" не является правильным числом."));
        QVERIFY(dialog->isVisible());
        child<QPushButton>(dialog, "BitBtn2")->click();
    });
    QVERIFY(QFileInfo(QString::fromUtf8(mixdesign::optionsFileName)).isDir());
    QCOMPARE(QDir().entryList(QDir::Files), QStringList());
}

void OptionsDialogTest::showingLoadsTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("changed"); // the controls the file changes

    QTest::newRow("indexes above the range take the last item, below −1 none")
        << recordBytes({{7, 0, -5, 0, 2, 9}, {3.05, 2.5, 2.75}})
        << QStringList {QStringLiteral("edPlotnostC=3,05"),  QStringLiteral("edPlotnostP=2,5"),
                        QStringLiteral("edPlotnostSC=2,75"), QStringLiteral("rgArmatyra=-1"),
                        QStringLiteral("rgEconomy=1"),       QStringLiteral("rgFrost=0"),
                        QStringLiteral("rgProparka=0"),      QStringLiteral("rgWaterproof=1"),
                        QStringLiteral("rgZapolnitel=2")};
    QTest::newRow("the options already shown")
        << recordBytes({{0, 1, 1, 1, 0, 1}, {3.25, 2.65, 2.61}}) << QStringList();
    QTest::newRow("47 bytes: ignored without a word")
        << recordBytes({{1, 0, 0, 0, 1, 2}, {1, 1, 1}}).left(47) << QStringList();
    QTest::newRow("empty file: ignored") << QByteArray() << QStringList();
}

void OptionsDialogTest::showingLoadsTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, changed);
    // Options changed in this run but not saved.
    mixdesign::OptionsForm &options = m_app.dialogs().state().options;
    options.rgWaterproof = 0;
    options.rgEconomy = 0;
    options.rgZapolnitel = 1;
    options.edPlotnostC = "3,25";

    QStringList withoutFile;
    showOptions([&withoutFile](QDialog *dialog) {
        withoutFile = controlState(dialog);
        dialog->close();
    });
    writeFile(file);
    QStringList withFile;
    showOptions([&withFile](QDialog *dialog) {
        withFile = controlState(dialog);
        dialog->close();
    });
    QStringList difference;
    for (const QString &control : withFile) {
        if (!withoutFile.contains(control))
            difference << control;
    }
    QCOMPARE(difference, changed);
    // What the dialog showed is what the calculation reads.
    QCOMPARE(options.rgWaterproof, changed.isEmpty() ? 0 : 1);
}

void OptionsDialogTest::savedOptionsTakeEffectOnlyOnceTheDialogWasShown()
{
    mixdesign::OptionsForm saved;
    saved.rgFrost = 0;
    QVERIFY(!mixdesign::saveOptions(saved, mixdesign::optionsFileName));

    QVERIFY(!calculateAnsweringFrost());
    QVERIFY(!m_app.lastLines().contains(QStringLiteral("Нормируется величина морозостойкости")));

    showOptions([](QDialog *dialog) {
        QCOMPARE(child<ui::RadioGroup>(dialog, "rgFrost")->itemIndex(), 0);
        child<QPushButton>(dialog, "BitBtn1")->click();
    });
    QVERIFY(calculateAnsweringFrost());
    QVERIFY(m_app.lastLines().contains(QStringLiteral("Марка по морозостойкости F100")));
}

QTEST_MAIN(OptionsDialogTest)
#include "optionsdialog_test.moc"
