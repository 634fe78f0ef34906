#pragma once

#include "register/core/date.h"
#include "register/core/trim.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace journal {

// What a text read into the register gives: the value, or why it gives none (in Russian, for a
// message: "«12,x» — не число").
template<class T> using Reading = std::variant<T, std::string>;

// The age of a control specimen when none is given, days.
inline constexpr int standardAge = 28;

// One control sample of a batch: its strength as a number and as the text it was given with a
// decimal comma ("25,3" for "25.3"), and the age it was tested at.
struct Sample
{
    double strength = 0.0;
    std::string text;
    int ageDays = standardAge;

    bool operator==(const Sample &) const = default;
};

// The concrete class B: its number and its text as typed without the letter ("25", "22,5").
struct ConcreteClass
{
    double value = 0.0;
    std::string text;

    // "В25", "В22,5", as messages name a class.
    std::string name() const { return "В" + text; }
    bool operator==(const ConcreteClass &) const = default;
};

// A batch of concrete: when it was made, its class, its label and plant (or line, may be
// empty), a note and its samples in the order they were entered.
struct Batch
{
    Date date;
    ConcreteClass concreteClass;
    std::string label;
    std::string plant;
    std::string note;
    std::vector<Sample> samples;

    bool operator==(const Batch &) const = default;
};

// A batch's place in the register: the order it was entered in.
using BatchId = std::int64_t;

struct StoredBatch
{
    BatchId id = 0;
    Batch batch;
};

// A number with a decimal comma or point, blanks around allowed; the text with a comma.
Reading<std::pair<double, std::string>> readNumber(std::string_view text);
// No concrete is stronger; a greater number is a typing error (and sums of such would overflow).
inline constexpr double greatestStrength = 1000;

// A strength in MPa: a number from 0 to 1000.
Reading<Sample> readSample(std::string_view strength, int ageDays = standardAge);
// "25", "B25", "В25" (Latin or Cyrillic letter, either case, blanks after it allowed), "22,5",
// "22.5": a positive number.
Reading<ConcreteClass> readClass(std::string_view text);
std::optional<ConcreteClass> parseClass(std::string_view text);
// The age in days: a whole number from 1 on; an empty text is the standard age.
Reading<int> readAge(std::string_view text);

// Why the register cannot take the batch (no samples, a text with a control character or blanks
// around, a sample whose text is not its number), or empty when it can.
std::string problemOf(const Batch &batch);

// The batch as messages name it: "партия «12» класса В25 от 05.01.2024, завод «Северный»".
std::string nameOf(const Batch &batch);

// The batch's mean and least strength over all its samples (0 for none).
double meanStrength(const std::vector<Sample> &samples);
double leastStrength(const std::vector<Sample> &samples);

} // namespace journal
