#include "mixdesign/measuredialog.h"

#include "mixdesign/core/economy.h"
#include "mixdesign/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/fixedtabwidget.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace mixdesign {

namespace {

constexpr ui::EditPageNames higherGrade = {"marka_cem",
                                           "Экономия цемента за счет увеличения марки цемента",
                                           "Введите марку цемента, М",
                                           "edMarka_C",
                                           "bbMarka_C",
                                           "BitBtn2"};
constexpr ui::EditPageNames longerAge = {"concr_age",
                                         "Экономия цемента за счет увеличения проектного возраста",
                                         "Введите проектный возраст бетона, сут",
                                         "edAge",
                                         "bbAge",
                                         "BitBtn4"};
constexpr ui::EditPageNames airEntrainment
    = {"air_addit",
       "Экономия цемента за счет введения введения воздухововлекающих добавок",
       "Введите рекомендованный объем вовлеченного воздуха (30...60 л.)",
       "edAir",
       "bbAir_Entr",
       "BitBtn6"};
constexpr ui::EditPageNames flyAsh = {"ash",
                                      "Экономия цемента за счет введения золы-унос",
                                      "Введите расход золы-унос, кг/ м. куб.",
                                      "edAsh",
                                      "bbAsh",
                                      "BitBtn8"};
constexpr ui::EditPageNames superplasticiser
    = {"superplast",
       "Экономия цемента за счет введения суперпластификатора (типа С-3)",
       "Введите снижение водопотребности бетонной смеси, %",
       "edSuperplast",
       "bbSuperPlast",
       "BitBtn10"};
constexpr ui::EditPageNames plasticiser
    = {"plast",
       "Экономия цемента за счет введения пластификатора  (типа ЛСТ)",
       "Введите снижение водопотребности бетонной смеси, %",
       "edPlast",
       "bbPlastif",
       "BitBtn12"};

} // namespace

const std::array<TVubor_Econ::PageBinding, 6> TVubor_Econ::s_pages = {{
    {higherGrade, &TVubor_Econ::marka_cem, &TVubor_Econ::edMarka_C, &TVubor_Econ::bbMarka_C,
     &TVubor_Econ::BitBtn2},
    {longerAge, &TVubor_Econ::concr_age, &TVubor_Econ::edAge, &TVubor_Econ::bbAge,
     &TVubor_Econ::BitBtn4},
    {airEntrainment, &TVubor_Econ::air_addit, &TVubor_Econ::edAir, &TVubor_Econ::bbAir_Entr,
     &TVubor_Econ::BitBtn6},
    {flyAsh, &TVubor_Econ::ash, &TVubor_Econ::edAsh, &TVubor_Econ::bbAsh, &TVubor_Econ::BitBtn8},
    {superplasticiser, &TVubor_Econ::superplast, &TVubor_Econ::edSuperplast,
     &TVubor_Econ::bbSuperPlast, &TVubor_Econ::BitBtn10},
    {plasticiser, &TVubor_Econ::plast, &TVubor_Econ::edPlast, &TVubor_Econ::bbPlastif,
     &TVubor_Econ::BitBtn12},
}};

TVubor_Econ::TVubor_Econ(MixDesignState &state, QWidget *parent)
    : ModalDialog(parent)
    , m_state(state)
    , page(new ui::FixedTabWidget(this))
{
    setObjectName(QStringLiteral("TVubor_Econ"));
    setWindowTitle(QStringLiteral("Технологический прием для экономии цемента"));
    setHelpContext(22);
    page->setObjectName(QStringLiteral("page"));

    for (const PageBinding &binding : s_pages) {
        const ui::EditPage built = ui::makeEditPage(page, binding.names);
        this->*binding.sheet = built.sheet;
        this->*binding.edit = built.edit;
        this->*binding.ok = built.ok;
        this->*binding.close = built.close;
        page->addTab(built.sheet, QString::fromUtf8(binding.names.caption));
        connect(built.ok, &QPushButton::clicked, this, &TVubor_Econ::acceptClick);
        connectCloseButton(built.close);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    bindForm(fieldsOf(m_state.measure));
}

void TVubor_Econ::done(int result)
{
    // The calculation reads the outcome of the selection here: Close cancels it.
    m_state.measure.modalResult = result == Ok ? ModalResult::Ok : ModalResult::Close;
    ModalDialog::done(result);
}

void TVubor_Econ::activated()
{
    activateMeasure(m_state);
    showChosenPage();
}

void TVubor_Econ::acceptClick()
{
    saveToForm();
    const auto failure = acceptMeasure(m_state);
    if (failure)
        ui::showFailure(this, *failure);
    // A conversion or arithmetic failure still closes with OK and keeps the mix as handed
    // over; a refusal cancels the selection.
    done(m_state.measure.modalResult == ModalResult::Close ? Close : Ok);
}

// The page of the chosen measure, its OK pressed by Enter and Esc.
void TVubor_Econ::showChosenPage()
{
    const int index = std::clamp(m_state.measure.page, 0, static_cast<int>(s_pages.size()) - 1);
    page->choosePage(index);
    setOkButton(this->*s_pages[static_cast<std::size_t>(index)].ok);
}

} // namespace mixdesign
