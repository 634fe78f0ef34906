#include "mixdesign/core/formfields.h"

namespace mixdesign {

using common::edit;
using common::radioGroup;

common::FormFields fieldsOf(BnsForm &f)
{
    return {"TfmBNS",
            {
                radioGroup("rgYdoboykl", f.rgYdoboykl, 2),
                edit("edYdoboykl", f.edYdoboykl),
                edit("edMarkCem", f.edMarkCem),
                edit("edClassBet", f.edClassBet),
                edit("edNGCT", f.edNGCT),
                edit("edMkr_P", f.edMkr_P),
                edit("edNPl_P", f.edNPl_P),
                edit("edPr_P", f.edPr_P),
                edit("edNKr_Sc", f.edNKr_Sc),
                edit("edNPl_Sc", f.edNPl_Sc),
                edit("edPr_Sc", f.edPr_Sc),
            }};
}

common::FormFields fieldsOf(OptionsForm &f)
{
    return {"TfmOptions",
            {
                radioGroup("rgWaterproof", f.rgWaterproof, 2),
                radioGroup("rgFrost", f.rgFrost, 2),
                radioGroup("rgArmatyra", f.rgArmatyra, 2),
                radioGroup("rgProparka", f.rgProparka, 2),
                radioGroup("rgEconomy", f.rgEconomy, 2),
                radioGroup("rgZapolnitel", f.rgZapolnitel, 3),
                edit("edPlotnostC", f.edPlotnostC),
                edit("edPlotnostP", f.edPlotnostP),
                edit("edPlotnostSC", f.edPlotnostSC),
                edit("edTemperatyr", f.edTemperatyr),
            }};
}

common::FormFields fieldsOf(FrostWaterForm &f)
{
    return {"TF_W", {edit("edMarka_F", f.edMarka_F), edit("edW", f.edW)}};
}

common::FormFields fieldsOf(SteamCuringForm &f)
{
    return {"TfmTVO",
            {
                radioGroup("rgYskoriteli", f.rgYskoriteli, 5, false),
                radioGroup("rgVid_Cem", f.rgVid_Cem, 3, false),
                edit("edT_prop", f.edT_prop),
                edit("edT_vuderz", f.edT_vuderz),
            }};
}

common::FormFields fieldsOf(EconomyForm &f)
{
    return {"Teconomy", {radioGroup("rgEconomy", f.rgEconomy, 7, false)}};
}

common::FormFields fieldsOf(MeasureForm &f)
{
    return {"TVubor_Econ",
            {
                edit("edMarka_C", f.edMarka_C),
                edit("edAge", f.edAge),
                edit("edAir", f.edAir),
                edit("edAsh", f.edAsh),
                edit("edSuperplast", f.edSuperplast),
                edit("edPlast", f.edPlast),
            }};
}

std::vector<common::FormFields> fieldsOf(MixDesignState &state)
{
    return {fieldsOf(state.bns),         fieldsOf(state.options), fieldsOf(state.frostWater),
            fieldsOf(state.steamCuring), fieldsOf(state.economy), fieldsOf(state.measure)};
}

} // namespace mixdesign
