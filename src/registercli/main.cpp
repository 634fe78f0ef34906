// loviz-register: the test-results register from the command line: CSV files in and out, the
// analysed period's report and the control chart drawn from the register's batches.

#include "cli/commandline.h"
#include "register/store/store.h"
#include "registercli/registerarguments.h"
#include "registercli/registerjobs.h"

#include <QApplication>
#include <QCoreApplication>

#include <clocale>
#include <csignal>
#include <iostream>
#include <memory>

namespace {

const char *const usage
    = "Использование: loviz-register [--database DB] import FILE\n"
      "       loviz-register [--database DB] export [--class B] [--from DATE] [--to DATE]\n"
      "       loviz-register [--database DB] period5|period10 --class B [--until DATE]\n"
      "       loviz-register [--database DB] chart --class B [--scheme 5|10] [--until DATE]\n"
      "                      --out FILE [--size WxH] [--format emf|svg|png|pdf]\n"
      "  import    добавить в журнал партии из файла CSV: все или, если в файле есть ошибки,\n"
      "            ни одной (каждая ошибочная строка называется)\n"
      "  export    выгрузить партии журнала в стандартный вывод в формате CSV\n"
      "  period5, period10  отчет анализируемого периода (5 партий по 6 образцов, 10 по 3)\n"
      "            из последних партий класса, как его выводит loviz-calc\n"
      "  chart     контрольная карта партий после анализируемого периода, как ее записывает\n"
      "            loviz-chart; партии вне границ предупреждения и регулирования\n"
      "            перечисляются в стандартном выводе\n"
      "  --database DB    файл SQLite (исходно loviz-register.sqlite в рабочей папке) или\n"
      "                   postgresql://[user@]host[:port]/dbname,\n"
      "                   postgresql:///dbname?host=/socket/dir\n"
      "  --class B        класс бетона: 25, 22,5, B25, В25\n"
      "  --from, --to DATE  партии с даты, по дату включительно: ДД.ММ.ГГГГ или ГГГГ-ММ-ДД\n"
      "  --until DATE     последний день анализируемого периода, исходно сегодня\n"
      "  --scheme K       анализируемый период карты: 5 партий по 6 образцов (исходно)\n"
      "                   или 10 по 3\n"
      "  --out FILE       файл карты (записывается целиком или не записывается)\n"
      "  --size WxH       размер карты в точках, исходно 800x500\n"
      "  --format FORMAT  emf (исходно, при любом расширении имени), svg, png, pdf\n";

int badUsage(const std::string &why)
{
    return cli::badUsage(std::cerr, "loviz-register", why, usage);
}

} // namespace

int main(int argc, char *argv[])
{
    std::setlocale(LC_ALL, "");
    std::signal(SIGPIPE, SIG_IGN);
    // The chart needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::string why;
    const auto args
        = registercli::parseRegisterArguments(std::vector<std::string>(argv + 1, argv + argc), why);
    if (!args)
        return badUsage(why);
    if (args->help) {
        std::cout << usage;
        return cli::Success;
    }

    // Qt loads the database drivers through the application object; the chart draws widgets.
    std::unique_ptr<QCoreApplication> application;
    if (args->command == "chart")
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);

    auto opened = journal::Store::open(args->database);
    if (auto *failure = std::get_if<common::Failure>(&opened)) {
        std::cerr << failure->message << '\n';
        return cli::NoReport;
    }
    journal::Store &store = *std::get<std::unique_ptr<journal::Store>>(opened);
    if (args->command == "import")
        return registercli::runImport(store, *args);
    if (args->command == "export")
        return registercli::runExport(store, *args);
    if (args->command == "chart")
        return registercli::runChart(store, *args);
    return registercli::runPeriod(store, *args);
}
