#pragma once

#include "mixdesign/core/forms.h"

namespace mixdesign {

enum class Workability { Slump, Stiffness }; // cone slump in cm, stiffness in s

enum class CoarseKind { CrushedStone = 0, MountainGravel = 1, RiverGravel = 2 };

// Every value the mix design calculation reads from the input and the options dialogs.
struct MixDesignInput
{
    // From the options dialog.
    double CementDensity = 0.0;  // g/cm³
    double SandDensity = 0.0;    // g/cm³
    double CoarseDensity = 0.0;  // g/cm³
    double MixTemperature = 0.0; // °C
    CoarseKind CoarseAggregateKind = CoarseKind::CrushedStone;
    bool Reinforced = false;
    bool FrostNormed = false;
    bool WaterproofNormed = false;
    bool SteamCured = false;
    bool CementSavingWanted = false;

    // From the input dialog.
    Workability WorkabilityIndicator = Workability::Slump;
    double WorkabilityValue = 0.0; // cm or s
    double SandFinenessModulus = 0.0;
    double SandBulkDensity = 0.0;   // kg/l
    double SandImpurities = 0.0;    // %
    double CementGrade = 0.0;       // M
    double NormalConsistency = 0.0; // %
    double MaxAggregateSize = 0.0;  // mm
    double CoarseBulkDensity = 0.0; // kg/l
    double CoarseImpurities = 0.0;  // %
    double DesignClass = 0.0;       // B, MPa
};

Workability workabilityOf(const BnsForm &bns);

// Reads the options and the input dialog in the calculation's order, storing the workability
// value and the cement activity in the working values as they are read. Throws ConversionError
// at the first text that is not a number; what was stored before it stays. Throws a
// StepError when the kind of coarse aggregate is not one of the three.
MixDesignInput readInput(const MixDesignState &state, WorkingValues &work);

} // namespace mixdesign
