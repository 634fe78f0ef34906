#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace ui {
class FixedTabWidget;
struct EditPageNames;
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
    // A page's controls.
    struct PageBinding
    {
        const ui::EditPageNames &names;
        QWidget *TVubor_Econ::*sheet;
        QLineEdit *TVubor_Econ::*edit;
        QPushButton *TVubor_Econ::*ok;
        QPushButton *TVubor_Econ::*close;
    };
    static const std::array<PageBinding, 6> s_pages;

    void acceptClick();
    void showChosenPage();

    MixDesignState &m_state;

    ui::FixedTabWidget *page;
    QWidget *marka_cem;
    QWidget *concr_age;
    QWidget *air_addit;
    QWidget *ash;
    QWidget *superplast;
    QWidget *plast;
    QLineEdit *edMarka_C;
    QLineEdit *edAge;
    QLineEdit *edAir;
    QLineEdit *edAsh;
    QLineEdit *edSuperplast;
    QLineEdit *edPlast;
    QPushButton *bbMarka_C;
    QPushButton *bbAge;
    QPushButton *bbAir_Entr;
    QPushButton *bbAsh;
    QPushButton *bbSuperPlast;
    QPushButton *bbPlastif;
    QPushButton *BitBtn2;
    QPushButton *BitBtn4;
    QPushButton *BitBtn6;
    QPushButton *BitBtn8;
    QPushButton *BitBtn10;
    QPushButton *BitBtn12;
};

} // namespace mixdesign
