#pragma once

#include "statcontrol/chart/chartdrawing.h"
#include "statcontrol/core/controlchart.h"
#include "ui/dialogprompter.h"
#include "ui/modaldialog.h"

class QChartView;
class QFileDialog;
class QPushButton;

namespace statcontrol {

class TfmPeriod_Control3;

// TfmPeriod_Control2: the control chart of the controlled period. Each opening fills it once,
// as soon as the window is up: a prompt per batch, then the limits, the level and the points.
// A failure shows its message and leaves every series empty; the window stays open.
// "Сохранить..." (also Enter and Esc) saves the chart as an enhanced metafile, whatever name
// or type the user chooses, then the window closes; "Close" closes it.
class TfmPeriod_Control2 : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmPeriod_Control2(const ControlForm &form, TfmPeriod_Control3 *prompt,
                       QWidget *parent = nullptr);

    const ControlChart &chart() const { return m_drawing.content(); }
    QChartView *chartView() const { return m_view; }

    // The chart as an enhanced metafile, at its size on the screen.
    QByteArray metafile() const;

protected:
    void activated() override;

private:
    void fill();
    Outcome BitBtn1Click();

    const ControlForm &m_form;
    ui::DialogPrompter m_prompter;
    ChartDrawing m_drawing;
    QChartView *m_view;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QFileDialog *SavePictureDialog1;
};

} // namespace statcontrol
