#pragma once

#include <string>

namespace correction {

// The first page of the mix correction dialog (Tcorrection): two measured strengths with their
// C/W, the required strength and the water demand, as typed. Every edit starts empty.
struct StrengthForm
{
    std::string edRb1;  // first measured strength R1, MPa
    std::string edC_V1; // the C/W at which R1 was obtained
    std::string edRb2;  // second measured strength R2, MPa
    std::string edC_V2; // the C/W at which R2 was obtained
    std::string edRtr;  // required strength, MPa
    std::string edV;    // water demand of the mix, l/m³
};

// The second page: the designed mix, the moisture of the aggregates and their mutual
// contamination, as typed. Every edit starts empty.
struct AggregatesForm
{
    std::string edP;     // designed sand, kg/m³
    std::string edSC;    // designed crushed stone, kg/m³
    std::string edVoda;  // designed water, l/m³
    std::string edWp;    // sand moisture, % of the wet mass
    std::string edWsc;   // crushed-stone moisture, %
    std::string edXp_sc; // sand-size grains in the crushed stone, %
    std::string edYsc_p; // stone-size grains in the sand, %
};

// The pages of Tcorrection, in page order.
enum class CorrectionPage { Strength = 0, Aggregates = 1 };

// Tcorrection as it stands in this run of the program.
struct CorrectionForm
{
    StrengthForm strength;
    AggregatesForm aggregates;
};

} // namespace correction
