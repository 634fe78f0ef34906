// loviz-chart: the control chart of a controlled period from the command line, written as a
// picture file (an enhanced metafile unless another format is asked for).

#include "chartcli/chartarguments.h"
#include "chartcli/chartwriting.h"
#include "cli/commandline.h"
#include "cli/controls.h"
#include "statcontrol/core/formfields.h"

#include <QApplication>

#include <iostream>

namespace {

const char *const usage
    = "Использование: loviz-chart [NAME=TEXT ...] [edRi=TEXT ...] --out FILE [--size WxH]\n"
      "                   [--format emf|svg|png|pdf]\n"
      "  NAME     edRy, edCountParty (исходно 3), edRpr1, edRpr2, edRcor1, edRcor2\n"
      "  edRi     средняя прочность очередной партии, по порядку запросов; запрос без\n"
      "           значения получает пустое поле\n"
      "  --out FILE       файл рисунка (записывается целиком или не записывается)\n"
      "  --size WxH       размер карты в точках, исходно 800x500\n"
      "  --format FORMAT  emf (исходно, при любом расширении имени), svg, png, pdf\n";

int badUsage(const std::string &why)
{
    return cli::badUsage(std::cerr, "loviz-chart", why, usage);
}

} // namespace

int main(int argc, char *argv[])
{
    // No display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string why;
    const auto args
        = chartcli::parseChartArguments(std::vector<std::string>(argv + 1, argv + argc), why);
    if (!args)
        return badUsage(why);
    if (args->help) {
        std::cout << usage;
        return cli::Success;
    }

    statcontrol::ControlForm form;
    if (!cli::setControls({statcontrol::fieldsOf(form)}, args->controls, std::cerr))
        return cli::BadUsage;

    QApplication application(argc, argv);
    return chartcli::writeControlChart(form, args->strengths, args->output, "loviz-chart",
                                       std::cerr);
}
