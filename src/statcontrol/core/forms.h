#pragma once

#include <string>
#include <vector>

namespace statcontrol {

// A sampling scheme of the analysed period: K batches of n samples. K·n is 30 in both.
struct Scheme
{
    int batches;             // K
    int samples;             // n per batch
    double rangeCoefficient; // α: a batch's range deviation is its range / α
    double rangeFactor;      // d: the mean range is the mean deviation · d
    double warning;          // cw = 1,96 / (d·√n), rounded to three decimals
    double correction;       // cc = 3,09 / (d·√n), rounded to three decimals
    const char *dialog;      // the batch data dialog
    const char *caption;     // its caption
};

inline constexpr Scheme fiveBySix {
    5,
    6,
    2.5,
    2.534,
    0.316,
    0.498,
    "TfmPeriod_analiz2_5",
    "Проводится стат. контроль прочности бетона. Анализируемый период."};
inline constexpr Scheme tenByThree {10,
                                    3,
                                    1.69,
                                    1.693,
                                    0.668,
                                    1.054,
                                    "TfmPeriod_analiz2_15",
                                    "Проводится стат. контроль прочности. Анализируемый период."};

// The scheme choice dialog (TfmPeriod_Analiz1).
struct SchemeForm
{
    int rgCount_Party = 0;  // 1: ten batches of three, anything else five of six
    std::string edB = "10"; // specified strength B, MPa
};

// The scheme the choice stands for.
inline const Scheme &schemeOf(const SchemeForm &form)
{
    return form.rgCount_Party == 1 ? tenByThree : fiveBySix;
}

// A batch data dialog: the sample texts as typed, edR<k>_<j> at [k − 1][j − 1], empty at
// start-up, and the tab on view (from 0).
struct BatchForm
{
    explicit BatchForm(const Scheme &scheme)
        : edR(static_cast<std::size_t>(scheme.batches),
              std::vector<std::string>(static_cast<std::size_t>(scheme.samples)))
    {
    }

    std::vector<std::vector<std::string>> edR;
    int page = 0;
};

// The controlled period input dialog (TfmPeriod_Control1): the level and limits copied from
// the analysed period's report, and the number of controlled batches, as typed.
struct ControlForm
{
    std::string edRy;               // mean strength level, MPa
    std::string edCountParty = "3"; // number of controlled batches
    std::string edRpr1;             // upper warning limit, MPa
    std::string edRpr2;             // lower warning limit, MPa
    std::string edRcor1;            // upper correction limit, MPa
    std::string edRcor2;            // lower correction limit, MPa
};

} // namespace statcontrol
