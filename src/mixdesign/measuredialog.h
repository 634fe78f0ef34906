#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

#include <vector>

namespace ui {
class FixedTabWidget;
} // namespace ui

namespace mixdesign {

// TVubor_Econ: one page per cement-saving measure, chosen by the program (the user cannot
// change the tab). Each showing starts from the mix as the calculation handed it over; OK
// computes the W/C and cement that the measure gives, Close cancels the selection.
class TVubor_Econ : public ui::ModalDialog
{
    Q_OBJECT

public:
    explicit TVubor_Econ(MixDesignState &state, QWidget *parent = nullptr);

    void done(int result) override;

protected:
    void activated() override;

private:
    Outcome acceptClick();
    void showChosenPage();

    MixDesignState &m_state;

    ui::FixedTabWidget *page;
    // The OK of each page, in page order.
    std::vector<QPushButton *> m_pageOk;
};

} // namespace mixdesign
