#pragma once

#include <optional>
#include <string>

namespace mixdesign {

// What a modal dialog ended with. A dialog that has never been closed has no result yet.
enum class ModalResult { None = 0, Ok = 1, Close = 2 };

// A yes/no option holds "да" exactly when its item index is 0.
inline bool isYes(int itemIndex)
{
    return itemIndex == 0;
}

// The mix design input dialog (TfmBNS): the texts of its edits as typed and its radio group.
struct BnsForm
{
    int rgYdoboykl = 0;            // 0 cone slump, anything else stiffness
    std::string edYdoboykl = "0";  // workability value, cm or s
    std::string edMarkCem = "500"; // cement grade M
    std::string edClassBet = "20"; // design strength class B, MPa
    std::string edNGCT = "28";     // normal consistency of the cement paste, %
    std::string edMkr_P = "2,0";   // fineness modulus of the sand
    std::string edNPl_P = "1,40";  // bulk density of the sand, kg/l
    std::string edPr_P = "1,0";    // impurities in the sand, %
    std::string edNKr_Sc = "20";   // largest size of the coarse aggregate, mm
    std::string edNPl_Sc = "1,35"; // bulk density of the coarse aggregate, kg/l
    std::string edPr_Sc = "0,5";   // impurities in the coarse aggregate, %
};

// The design options dialog (TfmOptions).
struct OptionsForm
{
    int rgWaterproof = 1;              // a waterproofness grade W is standardised
    int rgFrost = 1;                   // a frost-resistance grade F is standardised
    int rgArmatyra = 1;                // the products are reinforced
    int rgProparka = 1;                // the products are steam-cured
    int rgEconomy = 1;                 // a cement-saving measure is wanted
    int rgZapolnitel = 0;              // 0 crushed stone, 1 mountain gravel, 2 river/sea gravel
    std::string edPlotnostC = "3,11";  // true density of the cement, g/cm³
    std::string edPlotnostP = "2,65";  // true density of the sand, g/cm³
    std::string edPlotnostSC = "2,61"; // true density of the coarse aggregate, g/cm³
    std::string edTemperatyr = "20";   // temperature of the concrete mix, °C
};

// The frost and waterproofness dialog (TF_W): one grade per page and the largest admissible
// W/C of the last grade that converted. No limit exists before the first successful OK.
struct FrostWaterForm
{
    std::string edMarka_F = "100";
    std::string edW = "4";
    std::optional<double> MaxWCRatio;
};

// The hardening accelerators of the steam-curing dialog, by item index of rgYskoriteli.
enum class Accelerator {
    None = 0,
    SodiumSulphate = 1,
    CalciumChloride = 2,
    Relaxol = 3, // "Релаксол"
    Superplasticiser = 4,
};

// The steam-curing dialog (TfmTVO).
struct SteamCuringForm
{
    int rgYskoriteli = 0;          // the accelerator (Accelerator)
    int rgVid_Cem = 1;             // 0 portland cement group 1, 1 group 2, 2 slag cement
    std::string edT_prop = "10";   // duration of the steam-curing cycle, h
    std::string edT_vuderz = "4";  // holding time after the treatment, h
    double SteamStrengthPct = 0.0; // release strength, per cent of R28
};

// The cement-saving measures dialog (Teconomy).
struct EconomyForm
{
    int rgEconomy = 0; // the chosen measure, 0 none … 6 plasticiser
};

// The cement-saving measure dialog (TVubor_Econ): one page per measure, and the mix that the
// measure gives.
struct MeasureForm
{
    int page = 0;
    std::string edMarka_C;     // higher cement grade M (refilled when shown)
    std::string edAge = "28";  // design age, days
    std::string edAir = "30";  // entrained air, l/m³
    std::string edAsh = "150"; // fly ash, kg/m³
    std::string edSuperplast = "усредненные зависимости"; // water reduction, % or the keyword
    std::string edPlast = "10";                           // water reduction by a plasticiser, %
    double WCRatio = 0.0;
    double CementContent = 0.0;
    double AirVolume = 0.0;
    double AshContent = 0.0;
    ModalResult modalResult = ModalResult::None; // Close: the selection was cancelled
};

// The working values of the mix design, shared by the calculation and its auxiliary dialogs
// during one run and kept between runs.
struct WorkingValues
{
    double CementContent = 0.0;    // kg/m³
    double ConcreteStrength = 0.0; // MPa: required, then expected 28-day strength
    double CementActivity = 0.0;   // MPa
    double CoefA = 0.0;
    double WaterContent = 0.0; // l/m³
    double BaseStrength = 0.0; // MPa: the required mean strength
    double WCRatio = 0.0;
    double WorkabilityValue = 0.0; // cm or s, as typed
};

// Every dialog of the mix design as it stands in this run of the program.
struct MixDesignState
{
    BnsForm bns;
    WorkingValues work;
    OptionsForm options;
    FrostWaterForm frostWater;
    SteamCuringForm steamCuring;
    EconomyForm economy;
    MeasureForm measure;
};

} // namespace mixdesign
