#include "cli/bnsjob.h"

#include "mixdesign/core/calculation.h"
#include "mixdesign/core/immediateprompter.h"
#include "mixdesign/core/optionsfile.h"

#include <charconv>
#include <ostream>

namespace cli {

namespace {

using mixdesign::MixDesignState;

// A control of a mix design dialog that the command line can set.
struct Control
{
    const char *dialog;
    const char *name;
    std::string *(*text)(MixDesignState &) = nullptr; // an edit
    int *(*item)(MixDesignState &) = nullptr;         // a radio group
    int items = 0;                                    // its item count
    bool noneAllowed = false;                         // may it have no item (−1)?
};

#define TEXT(dialog, form, field) \
    Control{dialog, #field, [](MixDesignState &s) { return &s.form.field; }}
#define ITEM(dialog, form, field, count, none) \
    Control{dialog, #field, nullptr, [](MixDesignState &s) { return &s.form.field; }, count, none}

const Control controls[] = {
    ITEM("TfmBNS", bns, rgYdoboykl, 2, true),
    TEXT("TfmBNS", bns, edYdoboykl),
    TEXT("TfmBNS", bns, edMarkCem),
    TEXT("TfmBNS", bns, edClassBet),
    TEXT("TfmBNS", bns, edNGCT),
    TEXT("TfmBNS", bns, edMkr_P),
    TEXT("TfmBNS", bns, edNPl_P),
    TEXT("TfmBNS", bns, edPr_P),
    TEXT("TfmBNS", bns, edNKr_Sc),
    TEXT("TfmBNS", bns, edNPl_Sc),
    TEXT("TfmBNS", bns, edPr_Sc),
    ITEM("TfmOptions", options, rgWaterproof, 2, true),
    ITEM("TfmOptions", options, rgFrost, 2, true),
    ITEM("TfmOptions", options, rgArmatyra, 2, true),
    ITEM("TfmOptions", options, rgProparka, 2, true),
    ITEM("TfmOptions", options, rgEconomy, 2, true),
    ITEM("TfmOptions", options, rgZapolnitel, 3, true),
    TEXT("TfmOptions", options, edPlotnostC),
    TEXT("TfmOptions", options, edPlotnostP),
    TEXT("TfmOptions", options, edPlotnostSC),
    TEXT("TfmOptions", options, edTemperatyr),
    TEXT("TF_W", frostWater, edMarka_F),
    TEXT("TF_W", frostWater, edW),
    ITEM("TfmTVO", steamCuring, rgYskoriteli, 5, false),
    ITEM("TfmTVO", steamCuring, rgVid_Cem, 3, false),
    TEXT("TfmTVO", steamCuring, edT_prop),
    TEXT("TfmTVO", steamCuring, edT_vuderz),
    ITEM("Teconomy", economy, rgEconomy, 7, false),
    TEXT("TVubor_Econ", measure, edAge),
    TEXT("TVubor_Econ", measure, edAir),
    TEXT("TVubor_Econ", measure, edAsh),
    TEXT("TVubor_Econ", measure, edSuperplast),
    TEXT("TVubor_Econ", measure, edPlast),
};

#undef TEXT
#undef ITEM

// The control a NAME or DIALOG.NAME stands for; nothing when unknown or ambiguous.
const Control *findControl(const std::string &qualified, std::string &why)
{
    const auto dot = qualified.find('.');
    const std::string dialog = dot == std::string::npos ? "" : qualified.substr(0, dot);
    const std::string name = dot == std::string::npos ? qualified : qualified.substr(dot + 1);
    const Control *found = nullptr;
    int matches = 0;
    for (const Control &c : controls) {
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
    mixdesign::ImmediatePrompter prompter(state,
                                          [&errors](const std::string &text) { errors << text << '\n'; });
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
