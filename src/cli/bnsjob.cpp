#include "cli/bnsjob.h"

#include "mixdesign/core/calculation.h"
#include "mixdesign/core/immediateprompter.h"
#include "mixdesign/core/optionsfile.h"

#include <charconv>
#include <functional>
#include <ostream>
#include <vector>

namespace cli {

namespace {

using mixdesign::MixDesignState;

// A control of a mix design dialog that the command line can set: an edit (its text) or a
// radio group (its item index).
struct Control
{
    const char *dialog;
    const char *name;
    std::function<std::string *(MixDesignState &)> text;
    std::function<int *(MixDesignState &)> item;
    int items = 0;            // the group's item count
    bool noneAllowed = false; // may the group have no item (−1)?
};

template<class Form>
Control edit(const char *dialog, const char *name, Form MixDesignState::*form,
             std::string Form::*field)
{
    return {dialog, name, [form, field](MixDesignState &s) { return &(s.*form.*field); }, {}};
}

template<class Form>
Control group(const char *dialog, const char *name, Form MixDesignState::*form, int Form::*field,
              int items, bool noneAllowed)
{
    return {dialog, name,       {}, [form, field](MixDesignState &s) { return &(s.*form.*field); },
            items,  noneAllowed};
}

using mixdesign::BnsForm;
using mixdesign::EconomyForm;
using mixdesign::FrostWaterForm;
using mixdesign::MeasureForm;
using mixdesign::OptionsForm;
using mixdesign::SteamCuringForm;

const std::vector<Control> &controls()
{
    static const std::vector<Control> table = {
        group("TfmBNS", "rgYdoboykl", &MixDesignState::bns, &BnsForm::rgYdoboykl, 2, true),
        edit("TfmBNS", "edYdoboykl", &MixDesignState::bns, &BnsForm::edYdoboykl),
        edit("TfmBNS", "edMarkCem", &MixDesignState::bns, &BnsForm::edMarkCem),
        edit("TfmBNS", "edClassBet", &MixDesignState::bns, &BnsForm::edClassBet),
        edit("TfmBNS", "edNGCT", &MixDesignState::bns, &BnsForm::edNGCT),
        edit("TfmBNS", "edMkr_P", &MixDesignState::bns, &BnsForm::edMkr_P),
        edit("TfmBNS", "edNPl_P", &MixDesignState::bns, &BnsForm::edNPl_P),
        edit("TfmBNS", "edPr_P", &MixDesignState::bns, &BnsForm::edPr_P),
        edit("TfmBNS", "edNKr_Sc", &MixDesignState::bns, &BnsForm::edNKr_Sc),
        edit("TfmBNS", "edNPl_Sc", &MixDesignState::bns, &BnsForm::edNPl_Sc),
        edit("TfmBNS", "edPr_Sc", &MixDesignState::bns, &BnsForm::edPr_Sc),
        group("TfmOptions", "rgWaterproof", &MixDesignState::options, &OptionsForm::rgWaterproof, 2,
              true),
        group("TfmOptions", "rgFrost", &MixDesignState::options, &OptionsForm::rgFrost, 2, true),
        group("TfmOptions", "rgArmatyra", &MixDesignState::options, &OptionsForm::rgArmatyra, 2,
              true),
        group("TfmOptions", "rgProparka", &MixDesignState::options, &OptionsForm::rgProparka, 2,
              true),
        group("TfmOptions", "rgEconomy", &MixDesignState::options, &OptionsForm::rgEconomy, 2,
              true),
        group("TfmOptions", "rgZapolnitel", &MixDesignState::options, &OptionsForm::rgZapolnitel, 3,
              true),
        edit("TfmOptions", "edPlotnostC", &MixDesignState::options, &OptionsForm::edPlotnostC),
        edit("TfmOptions", "edPlotnostP", &MixDesignState::options, &OptionsForm::edPlotnostP),
        edit("TfmOptions", "edPlotnostSC", &MixDesignState::options, &OptionsForm::edPlotnostSC),
        edit("TfmOptions", "edTemperatyr", &MixDesignState::options, &OptionsForm::edTemperatyr),
        edit("TF_W", "edMarka_F", &MixDesignState::frostWater, &FrostWaterForm::edMarka_F),
        edit("TF_W", "edW", &MixDesignState::frostWater, &FrostWaterForm::edW),
        group("TfmTVO", "rgYskoriteli", &MixDesignState::steamCuring,
              &SteamCuringForm::rgYskoriteli, 5, false),
        group("TfmTVO", "rgVid_Cem", &MixDesignState::steamCuring, &SteamCuringForm::rgVid_Cem, 3,
              false),
        edit("TfmTVO", "edT_prop", &MixDesignState::steamCuring, &SteamCuringForm::edT_prop),
        edit("TfmTVO", "edT_vuderz", &MixDesignState::steamCuring, &SteamCuringForm::edT_vuderz),
        group("Teconomy", "rgEconomy", &MixDesignState::economy, &EconomyForm::rgEconomy, 7, false),
        edit("TVubor_Econ", "edAge", &MixDesignState::measure, &MeasureForm::edAge),
        edit("TVubor_Econ", "edAir", &MixDesignState::measure, &MeasureForm::edAir),
        edit("TVubor_Econ", "edAsh", &MixDesignState::measure, &MeasureForm::edAsh),
        edit("TVubor_Econ", "edSuperplast", &MixDesignState::measure, &MeasureForm::edSuperplast),
        edit("TVubor_Econ", "edPlast", &MixDesignState::measure, &MeasureForm::edPlast),
    };
    return table;
}

// The control a NAME or DIALOG.NAME stands for; nothing when unknown or ambiguous.
const Control *findControl(const std::string &qualified, std::string &why)
{
    const auto dot = qualified.find('.');
    const std::string dialog = dot == std::string::npos ? "" : qualified.substr(0, dot);
    const std::string name = dot == std::string::npos ? qualified : qualified.substr(dot + 1);
    const Control *found = nullptr;
    int matches = 0;
    for (const Control &c : controls()) {
        if (name == c.name && (dialog.empty() || dialog == c.dialog)) {
            found = &c;
            ++matches;
        }
    }
    if (matches == 0)
        why = "неизвестный элемент управления: " + qualified;
    else if (matches > 1)
        why = "имя " + qualified + " есть в нескольких окнах; укажите окно, например TfmOptions."
              + name;
    return matches == 1 ? found : nullptr;
}

bool setControl(MixDesignState &state, const Control &control, const std::string &value,
                std::string &why)
{
    if (control.text) {
        *control.text(state) = value;
        return true;
    }
    int index = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
    const int lowest = control.noneAllowed ? -1 : 0;
    if (ec != std::errc() || end != value.data() + value.size() || index < lowest
        || index >= control.items) {
        why = std::string("номер пункта ") + control.name + " должен быть целым от "
              + std::to_string(lowest) + " до " + std::to_string(control.items - 1);
        return false;
    }
    *control.item(state) = index;
    return true;
}

} // namespace

std::optional<text::Report> runBns(const Arguments &args, std::ostream &errors, ExitCode &code)
{
    MixDesignState state;
    if (!args.optionsFile.empty() && !mixdesign::loadOptions(state.options, args.optionsFile)) {
        errors << "loviz-calc: файл опций " << args.optionsFile
               << " не найден или короче 48 байт\n";
        code = BadUsage;
        return std::nullopt;
    }
    for (const auto &[name, value] : args.controls) {
        std::string why;
        const Control *control = findControl(name, why);
        if (!control || !setControl(state, *control, value, why)) {
            errors << "loviz-calc: " << why << '\n';
            code = BadUsage;
            return std::nullopt;
        }
    }
    mixdesign::ImmediatePrompter prompter(
        state, [&errors](const std::string &text) { errors << text << '\n'; });
    auto result = mixdesign::calculateMix(state, prompter);
    if (auto *failure = std::get_if<text::Failure>(&result)) {
        errors << failure->message << '\n';
        code = NoReport;
        return std::nullopt;
    }
    code = Success;
    return std::get<text::Report>(std::move(result));
}

} // namespace cli
