#include "registercli/registerjobs.h"

#include "chartcli/chartwriting.h"
#include "cli/controls.h"
#include "cli/reportprint.h"
#include "registercli/chartzones.h"
#include "statcontrol/core/analysedperiod.h"

#include <QFile>

#include <iostream>

namespace registercli {

namespace {

constexpr const char *program = "loviz-register";

// The message of a failed result on stderr, or the value.
template<class T> std::optional<T> valueOf(journal::Result<T> result)
{
    if (auto *failure = std::get_if<common::Failure>(&result)) {
        std::cerr << failure->message << '\n';
        return std::nullopt;
    }
    return std::get<T>(std::move(result));
}

std::optional<std::string> fileBytes(const std::string &path)
{
    QFile file(QFile::decodeName(path.c_str()));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes.toStdString();
    }
    std::cerr << program << ": не удалось прочитать " << path << ": "
              << file.errorString().toStdString() << '\n';
    return std::nullopt;
}

journal::Date untilOf(const RegisterArguments &args)
{
    return args.until.value_or(journal::Date::today());
}

} // namespace

int runImport(journal::Store &store, const RegisterArguments &args)
{
    const auto bytes = fileBytes(args.file);
    if (!bytes)
        return cli::NoReport;
    const auto summary = valueOf(store.importCsv(*bytes));
    if (!summary)
        return cli::NoReport;
    std::cerr << "Добавлено партий: " << summary->batches << ", образцов: " << summary->samples
              << ".\n";
    return cli::Success;
}

int runExport(const journal::Store &store, const RegisterArguments &args)
{
    journal::BatchFilter filter;
    if (args.concreteClass)
        filter.classValue = args.concreteClass->value;
    filter.from = args.from;
    filter.to = args.to;
    bool written = true;
    const auto count = valueOf(store.exportCsv(filter, [&written](std::string_view piece) {
        return written = cli::writeOut(program, piece);
    }));
    if (!count || !written)
        return cli::NoReport;
    std::cerr << "Выгружено партий: " << *count << ".\n";
    return cli::Success;
}

int runPeriod(const journal::Store &store, const RegisterArguments &args)
{
    const statcontrol::Scheme &scheme
        = journal::schemeWith(args.command == "period10" ? statcontrol::tenByThree.batches
                                                         : statcontrol::fiveBySix.batches);
    auto period = valueOf(store.analysedPeriod(*args.concreteClass, scheme, untilOf(args)));
    if (!period)
        return cli::NoReport;
    cli::ExitCode code = cli::Success;
    const auto report = cli::reportOf(
        statcontrol::analysedPeriodReport(*period->scheme, period->batches, period->choice),
        std::cerr, code);
    if (!report)
        return code;
    return cli::printReport(program, *report) ? cli::Success : cli::NoReport;
}

int runChart(const journal::Store &store, const RegisterArguments &args)
{
    const auto inputs = valueOf(store.controlChart(
        *args.concreteClass, journal::schemeWith(args.schemeBatches), untilOf(args)));
    if (!inputs)
        return cli::NoReport;
    const int code = chartcli::writeControlChart(inputs->form, inputs->strengths(), args.output,
                                                 program, std::cerr);
    if (code != cli::Success)
        return code;
    return cli::writeOut(program, zoneListing(*inputs)) ? cli::Success : cli::NoReport;
}

} // namespace registercli
