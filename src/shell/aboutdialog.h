#pragma once

#include "ui/modaldialog.h"

class QPushButton;
class QTimer;

namespace ui {
class RotatingLabel;
}

namespace shell {

// TfmAbout: the About window. A fixed-size dialog with a few words about the program, a small
// copy of its picture, OK, and the word "ЛОВИЗ" turning by 30° every 200 ms; the turning runs
// from start-up, also while the window is hidden.
class TfmAbout : public ui::ModalDialog
{
    Q_OBJECT

public:
    static constexpr int TickMs = 200;
    static constexpr int StepDegrees = 30;

    explicit TfmAbout(QWidget *parent = nullptr);

    // One tick of Timer1: the label turns one step further.
    void Timer1Timer();

private:
    void addTexts();

    ui::RotatingLabel *abcRotLabel1;
    QPushButton *BitBtn1;
    QTimer *Timer1;
};

} // namespace shell
