#include "correction/correctiondialog.h"

#include "correction/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/fixedtabwidget.h"
#include "ui/maskededit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace correction {

namespace {

QLineEdit *edit(QWidget *parent, const char *name)
{
    return ui::makeEdit(parent, QString::fromLatin1(name));
}

// The help context of each page.
constexpr int helpContexts[] = {31, 32};

} // namespace

Tcorrection::Tcorrection(CorrectionForm &form, common::ReportSink reports, QWidget *parent)
    : ModalDialog(parent)
    , m_form(form)
    , m_reports(std::move(reports))
    , page(new ui::FixedTabWidget(this))
    , edRb1(edit(this, "edRb1"))
    , edC_V1(edit(this, "edC_V1"))
    , edRb2(edit(this, "edRb2"))
    , edC_V2(edit(this, "edC_V2"))
    , edRtr(edit(this, "edRtr"))
    , edV(edit(this, "edV"))
    , edP(edit(this, "edP"))
    , edSC(edit(this, "edSC"))
    , edVoda(edit(this, "edVoda"))
    , edWp(edit(this, "edWp"))
    , edWsc(edit(this, "edWsc"))
    , edXp_sc(edit(this, "edXp_sc"))
    , edYsc_p(edit(this, "edYsc_p"))
    , bbcorrect_strength(
          ui::makeButton(this, QStringLiteral("bbcorrect_strength"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
    , bbcorrect_zapoln(
          ui::makeButton(this, QStringLiteral("bbcorrect_zapoln"), QStringLiteral("OK")))
    , BitBtn3(ui::makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("Tcorrection"));
    setWindowTitle(QStringLiteral("Корректирование состава бетона"));
    page->setObjectName(QStringLiteral("page"));
    page->addTab(strengthSheet(), QStringLiteral("корректирование по Ц/В и прочности"));
    page->addTab(aggregatesSheet(),
                 QStringLiteral("корректирование по влажности и гранулометриии заполнителей"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);

    connect(bbcorrect_strength, &QPushButton::clicked, this, &Tcorrection::bbcorrect_strengthClick);
    connect(bbcorrect_zapoln, &QPushButton::clicked, this, &Tcorrection::bbcorrect_zapolnClick);
    connectCloseButton(BitBtn2);
    connectCloseButton(BitBtn3);
    bindForm(fieldsOf(m_form));
    choosePage(CorrectionPage::Strength);
}

QWidget *Tcorrection::strengthSheet()
{
    auto *sheet = new QWidget(page);
    sheet->setObjectName(QStringLiteral("correct_strength"));
    auto *layout = new QVBoxLayout(sheet);
    layout->addWidget(ui::editGroup(
        sheet, QStringLiteral("Введите 1-е значение  прочности бетона и соответствующее  Ц/В"),
        {{"Прочность бетона, МПа", edRb1}, {"Соответствующее Ц/В", edC_V1}}));
    layout->addWidget(ui::editGroup(
        sheet, QStringLiteral("Введите 2-е значение  прочности бетона и соответствующее  Ц/В"),
        {{"Прочность бетона, МПа", edRb2}, {"Соответствующее Ц/В", edC_V2}}));
    layout->addLayout(ui::editRows({{"Введите требуемую прочность, МПа", edRtr},
                                    {"Введите требуемую водопотребность, л/куб.м.", edV}}));
    layout->addStretch();
    layout->addLayout(ui::buttonRow(bbcorrect_strength, BitBtn2));
    return sheet;
}

QWidget *Tcorrection::aggregatesSheet()
{
    auto *sheet = new QWidget(page);
    sheet->setObjectName(QStringLiteral("correct_granulom"));
    auto *layout = new QVBoxLayout(sheet);
    layout->addWidget(
        ui::editGroup(sheet, QStringLiteral("Введите расходы материалов, кг/куб.м."),
                      {{"Расход песка:", edP}, {"Расход щебня:", edSC}, {"Расход воды:", edVoda}}));
    layout->addWidget(ui::editGroup(sheet, QStringLiteral("Введите влажность материалов, %"),
                                    {{"Влажность песка:", edWp}, {"Влажность щебня:", edWsc}}));
    layout->addWidget(
        ui::editGroup(sheet, QStringLiteral("Введите долю песка в щебне и щебня в песке, %"),
                      {{"Доля песка в щебне:", edXp_sc}, {"Доля щебня в песке:", edYsc_p}}));
    layout->addStretch();
    layout->addLayout(ui::buttonRow(bbcorrect_zapoln, BitBtn3));
    return sheet;
}

void Tcorrection::choosePage(CorrectionPage chosen)
{
    const int index = static_cast<int>(chosen);
    page->choosePage(index);
    setOkButton(chosen == CorrectionPage::Strength ? bbcorrect_strength : bbcorrect_zapoln);
    setHelpContext(helpContexts[index]);
}

void Tcorrection::bbcorrect_strengthClick()
{
    saveToForm();
    finish(strengthReport(m_form.strength));
}

void Tcorrection::bbcorrect_zapolnClick()
{
    saveToForm();
    finish(aggregatesReport(m_form.aggregates));
}

void Tcorrection::finish(const CorrectionResult &result)
{
    if (const auto *report = std::get_if<common::Report>(&result))
        m_reports(*report);
    else
        ui::showFailure(this, std::get<common::Failure>(result));
    done(Ok);
}

} // namespace correction
