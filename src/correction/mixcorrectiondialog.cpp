#include "correction/mixcorrectiondialog.h"

#include "correction/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/fixedtabwidget.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace correction {

namespace {

// The help context of each page.
constexpr ui::HelpContext helpContexts[]
    = {ui::HelpContext::CorrectionByStrength, ui::HelpContext::CorrectionByAggregates};

} // namespace

Tcorrection::Tcorrection(CorrectionForm &form, common::ReportSink reports, QWidget *parent)
    : ModalDialog(fieldsOf(form), parent)
    , m_form(form)
    , m_reports(std::move(reports))
    , page(new ui::FixedTabWidget(this))
{
    setObjectName(QStringLiteral("Tcorrection"));
    setWindowTitle(QStringLiteral("Корректирование состава бетона"));
    page->setObjectName(QStringLiteral("page"));
    page->addTab(strengthSheet(), QStringLiteral("корректирование по Ц/В и прочности"));
    page->addTab(aggregatesSheet(),
                 QStringLiteral("корректирование по влажности и гранулометриии заполнителей"));
    requireEveryField();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    choosePage(CorrectionPage::Strength);
}

QWidget *Tcorrection::strengthSheet()
{
    auto *sheet = new QWidget(page);
    sheet->setObjectName(QStringLiteral("correct_strength"));
    auto *layout = new QVBoxLayout(sheet);
    layout->addWidget(ui::editGroup(
        sheet, QStringLiteral("Введите 1-е значение  прочности бетона и соответствующее  Ц/В"),
        {{"Прочность бетона, МПа", addEdit("edRb1")}, {"Соответствующее Ц/В", addEdit("edC_V1")}}));
    layout->addWidget(ui::editGroup(
        sheet, QStringLiteral("Введите 2-е значение  прочности бетона и соответствующее  Ц/В"),
        {{"Прочность бетона, МПа", addEdit("edRb2")}, {"Соответствующее Ц/В", addEdit("edC_V2")}}));
    layout->addLayout(
        ui::editRows({{"Введите требуемую прочность, МПа", addEdit("edRtr")},
                      {"Введите требуемую водопотребность, л/куб.м.", addEdit("edV")}}));
    layout->addStretch();
    bbcorrect_strength = addOkButton("bbcorrect_strength", [this] {
        return ui::sendReport(strengthReport(m_form.strength), m_reports);
    });
    layout->addLayout(ui::buttonRow(bbcorrect_strength, addCloseButton("BitBtn2")));
    return sheet;
}

QWidget *Tcorrection::aggregatesSheet()
{
    auto *sheet = new QWidget(page);
    sheet->setObjectName(QStringLiteral("correct_granulom"));
    auto *layout = new QVBoxLayout(sheet);
    layout->addWidget(ui::editGroup(sheet, QStringLiteral("Введите расходы материалов, кг/куб.м."),
                                    {{"Расход песка:", addEdit("edP")},
                                     {"Расход щебня:", addEdit("edSC")},
                                     {"Расход воды:", addEdit("edVoda")}}));
    layout->addWidget(ui::editGroup(
        sheet, QStringLiteral("Введите влажность материалов, %"),
        {{"Влажность песка:", addEdit("edWp")}, {"Влажность щебня:", addEdit("edWsc")}}));
    layout->addWidget(ui::editGroup(sheet,
                                    QStringLiteral("Введите долю песка в щебне и щебня в песке, %"),
                                    {{"Доля песка в щебне:", addEdit("edXp_sc")},
                                     {"Доля щебня в песке:", addEdit("edYsc_p")}}));
    layout->addStretch();
    bbcorrect_zapoln = addOkButton("bbcorrect_zapoln", [this] {
        return ui::sendReport(aggregatesReport(m_form.aggregates), m_reports);
    });
    layout->addLayout(ui::buttonRow(bbcorrect_zapoln, addCloseButton("BitBtn3")));
    return sheet;
}

void Tcorrection::choosePage(CorrectionPage chosen)
{
    const int index = static_cast<int>(chosen);
    page->choosePage(index);
    setOkButton(chosen == CorrectionPage::Strength ? bbcorrect_strength : bbcorrect_zapoln);
    setHelpContext(helpContexts[index]);
}

} // namespace correction
