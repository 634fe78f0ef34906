#include "mixdesign/frostwaterdialog.h"

#include "mixdesign/core/formfields.h"
#include "mixdesign/dialogmixdesignprompter.h"
#include "ui/dialogparts.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace mixdesign {

namespace {

// The pages in the order of the form's edits: frost (edMarka_F), then waterproofness (edW).
constexpr std::array<ui::EditPageNames, 2> pages = {{
    {"F", "Нормируется морозостойкость", "Введите нормируемую марку по морозостойкости, F",
     "BitBtn1", "BitBtn2"},
    {"W", "Нормируется водонепроницаемость", "Введите нормируемую марку по водонепроницаемости, W",
     "BitBtn3", "BitBtn4"},
}};

} // namespace

TF_W::TF_W(FrostWaterForm &form, QWidget *parent)
    : ModalDialog(fieldsOf(form), parent)
    , FW(new QTabWidget(this))
{
    setObjectName(QStringLiteral("TF_W"));
    setWindowTitle(QStringLiteral("Учет морозостойкости и водонепроницаемости"));
    setHelpContext(ui::HelpContext::MixDesign);
    FW->setObjectName(QStringLiteral("FW"));
    // Two tabs: both captions in full, side by side.
    FW->setElideMode(Qt::ElideNone);
    FW->setUsesScrollButtons(false);

    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto grade = static_cast<GradePage>(i);
        const ui::EditPage page
            = ui::makeEditPage(FW, pages[i], addEdit(describedFields().at(i).name));
        connectHandler(page.ok, [&form, grade] { return acceptGrade(form, grade); });
        connectCloseButton(page.close);
        m_pageOk[i] = page.ok;
        FW->addTab(page.sheet, QString::fromUtf8(pages[i].caption));
    }
    requireEveryField();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FW);

    // Enter and Esc press the OK of the page on view.
    connect(FW, &QTabWidget::currentChanged, this,
            [this](int index) { setOkButton(m_pageOk.at(static_cast<std::size_t>(index))); });
    setOkButton(m_pageOk[0]);
}

ModalResult TF_W::showPage(GradePage page)
{
    const int shown = static_cast<int>(page);
    const int hidden = 1 - shown;
    FW->setCurrentIndex(shown);
    FW->setTabVisible(hidden, false);
    const int result = exec();
    FW->setTabVisible(hidden, true);
    return modalResultOf(result);
}

} // namespace mixdesign
