#include "mixdesign/measuredialog.h"

#include "mixdesign/core/economy.h"
#include "mixdesign/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/fixedtabwidget.h"

#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace mixdesign {

namespace {

// The pages in the order of the form's edits (edMarka_C, edAge, edAir, edAsh, edSuperplast,
// edPlast), which is the order of the measures.
constexpr std::array<ui::EditPageNames, 6> pages = {{
    {"marka_cem", "Экономия цемента за счет увеличения марки цемента", "Введите марку цемента, М",
     "bbMarka_C", "BitBtn2"},
    {"concr_age", "Экономия цемента за счет увеличения проектного возраста",
     "Введите проектный возраст бетона, сут", "bbAge", "BitBtn4"},
    {"air_addit", "Экономия цемента за счет введения введения воздухововлекающих добавок",
     "Введите рекомендованный объем вовлеченного воздуха (30...60 л.)", "bbAir_Entr", "BitBtn6"},
    {"ash", "Экономия цемента за счет введения золы-унос", "Введите расход золы-унос, кг/ м. куб.",
     "bbAsh", "BitBtn8"},
    {"superplast", "Экономия цемента за счет введения суперпластификатора (типа С-3)",
     "Введите снижение водопотребности бетонной смеси, %", "bbSuperPlast", "BitBtn10"},
    {"plast", "Экономия цемента за счет введения пластификатора  (типа ЛСТ)",
     "Введите снижение водопотребности бетонной смеси, %", "bbPlastif", "BitBtn12"},

}};

} // namespace

TVubor_Econ::TVubor_Econ(MixDesignState &state, QWidget *parent)
    : ModalDialog(fieldsOf(state.measure), parent)
    , m_state(state)
    , page(new ui::FixedTabWidget(this))
{
    setObjectName(QStringLiteral("TVubor_Econ"));
    setWindowTitle(QStringLiteral("Технологический прием для экономии цемента"));
    setHelpContext(ui::HelpContext::MixDesign);
    page->setObjectName(QStringLiteral("page"));

    for (std::size_t i = 0; i < pages.size(); ++i) {
        const ui::EditPage built
            = ui::makeEditPage(page, pages[i], addEdit(describedFields().at(i).name));
        page->addTab(built.sheet, QString::fromUtf8(pages[i].caption));
        connectHandler(built.ok, [this] { return acceptClick(); });
        connectCloseButton(built.close);
        m_pageOk.push_back(built.ok);
    }
    requireEveryField();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
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

// A conversion or arithmetic failure still closes with OK, the mix as far as the measure got;
// a refusal cancels the selection.
ui::ModalDialog::Outcome TVubor_Econ::acceptClick()
{
    auto failure = acceptMeasure(m_state);
    return {std::move(failure), m_state.measure.modalResult == ModalResult::Close ? Close : Ok};
}

// The page of the chosen measure, its OK pressed by Enter and Esc.
void TVubor_Econ::showChosenPage()
{
    const int index = std::clamp(m_state.measure.page, 0, static_cast<int>(m_pageOk.size()) - 1);
    page->choosePage(index);
    setOkButton(m_pageOk[static_cast<std::size_t>(index)]);
}

} // namespace mixdesign
