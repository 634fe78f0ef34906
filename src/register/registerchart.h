#pragma once

#include "register/core/period.h"
#include "statcontrol/chart/chartdrawing.h"

#include <QDialog>

class QChartView;
class QLabel;
class QTableWidget;

namespace journal {

// TfmRegisterChart: the control chart of the batches after an analysed period of the register,
// drawn by the program's chart drawing from the texts the chart window takes, and below it the
// batches whose mean lies beyond the warning limits and those beyond the correction limits.
class TfmRegisterChart : public QDialog
{
    Q_OBJECT

public:
    explicit TfmRegisterChart(QWidget *parent = nullptr);

    // Draws the chart of `inputs`; the message of the chart's calculation when it refuses them
    // (the chart then stays empty).
    std::optional<std::string> showChart(const ControlChartInputs &inputs, const QString &caption);

    const statcontrol::ControlChart &chart() const { return m_drawing.content(); }
    QTableWidget *warningTable() const { return sgWarning; }
    QTableWidget *correctionTable() const { return sgCorrection; }

private:
    statcontrol::ChartDrawing m_drawing;
    QChartView *m_view;
    QLabel *m_limits;
    QTableWidget *sgWarning;
    QTableWidget *sgCorrection;
};

} // namespace journal
