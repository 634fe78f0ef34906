#include "chartcli/chartwriting.h"

#include "common/prompter.h"
#include "common/wholefile.h"
#include "statcontrol/chart/chartdrawing.h"
#include "statcontrol/chart/chartpicture.h"

#include <QFile>
#include <QGraphicsScene>

#include <ostream>

namespace chartcli {

cli::ExitCode writeControlChart(const statcontrol::ControlForm &form,
                                const std::vector<std::string> &strengths,
                                const ChartOutput &output, std::string_view program,
                                std::ostream &errors)
{
    common::ImmediatePrompter prompter({}, strengths);
    statcontrol::ControlChart chart = statcontrol::emptyControlChart();
    if (const auto failure = statcontrol::fillControlChart(chart, form, prompter)) {
        errors << failure->message << '\n';
        return cli::NoReport;
    }

    QGraphicsScene scene;
    statcontrol::ChartDrawing drawing;
    scene.addItem(drawing.chart());
    drawing.chart()->resize(QSizeF(output.size));
    drawing.show(chart);
    const QByteArray bytes = statcontrol::chartPicture(scene, drawing.chart()->sceneBoundingRect(),
                                                       output.size, output.format);
    if (const auto failure = common::writeWholeFile(QFile::encodeName(output.out).toStdString(),
                                                    bytes.toStdString())) {
        errors << program << ": не удалось записать " << output.out.toStdString() << ": "
               << *failure << '\n';
        return cli::NoReport;
    }
    return cli::Success;
}

} // namespace chartcli
