#pragma once

#include "mixdesign/core/forms.h"
#include "mixdesign/core/frostwater.h"
#include "ui/modaldialog.h"

#include <array>

class QTabWidget;

namespace mixdesign {

// TF_W: the frost-resistance and waterproofness grades, each on its page, turned into the
// largest admissible W/C. The calculation shows it once per standardised grade with only that
// grade's page on view.
class TF_W : public ui::ModalDialog
{
    Q_OBJECT

public:
    explicit TF_W(FrostWaterForm &form, QWidget *parent = nullptr);

    // Shows the dialog modally on one page, the other page's tab hidden for this showing.
    ModalResult showPage(GradePage page);

private:
    QTabWidget *FW;
    // The OK of each page, in page order.
    std::array<QPushButton *, 2> m_pageOk {};
};

} // namespace mixdesign
