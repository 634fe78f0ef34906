#include "register/core/batch.h"

#include "text/numbers.h"

#include <algorithm>
#include <charconv>

namespace journal {

namespace {

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

bool hasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; });
}

// The letter B of a class, Latin or Cyrillic, either case, with the blanks after it.
std::string_view withoutClassLetter(std::string_view text)
{
    for (std::string_view letter : {"B", "b", "В", "в"}) {
        if (text.starts_with(letter))
            return trimmed(text.substr(letter.size()));
    }
    return text;
}

} // namespace

Reading<std::pair<double, std::string>> readNumber(std::string_view text)
{
    std::string withComma(trimmed(text));
    std::replace(withComma.begin(), withComma.end(), '.', ',');
    const auto number = text::parseNumber(withComma);
    if (!number)
        return quoted(text) + " — не число";
    return std::pair {*number, withComma};
}

Reading<Sample> readSample(std::string_view strength, int ageDays)
{
    auto number = readNumber(strength);
    if (auto *why = std::get_if<std::string>(&number))
        return *why;
    auto &[value, text] = std::get<0>(number);
    if (value < 0)
        return quoted(strength) + " — отрицательная прочность";
    if (value > greatestStrength)
        return quoted(strength) + " — прочность больше 1000 МПа";
    return Sample {value, std::move(text), ageDays};
}

Reading<ConcreteClass> readClass(std::string_view text)
{
    const std::string_view number = withoutClassLetter(trimmed(text));
    auto read = readNumber(number);
    auto *value = std::get_if<0>(&read);
    if (number.empty() || !value || !(value->first > 0))
        return quoted(text) + " — не класс бетона (25, B25 или В25)";
    return ConcreteClass {value->first, value->second};
}

std::optional<ConcreteClass> parseClass(std::string_view text)
{
    auto read = readClass(text);
    if (auto *concreteClass = std::get_if<ConcreteClass>(&read))
        return *concreteClass;
    return std::nullopt;
}

Reading<int> readAge(std::string_view text)
{
    const std::string_view t = trimmed(text);
    if (t.empty())
        return standardAge;
    int days = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), days);
    if (error != std::errc() || end != t.data() + t.size() || days < 1)
        return quoted(text) + " — не возраст в сутках (целое число больше нуля)";
    return days;
}

std::string problemOf(const Batch &batch)
{
    if (batch.samples.empty())
        return "у партии нет ни одного образца";
    const std::pair<const char *, const std::string *> texts[]
        = {{"класс", &batch.concreteClass.text},
           {"партия", &batch.label},
           {"завод", &batch.plant},
           {"примечание", &batch.note}};
    for (const auto &[what, text] : texts) {
        if (hasControlCharacter(*text))
            return std::string("управляющий знак в поле «") + what + "»";
        if (trimmed(*text) != *text)
            return std::string("пробелы по краям поля «") + what + "»";
    }
    const auto concreteClass = parseClass(batch.concreteClass.text);
    if (!concreteClass || *concreteClass != batch.concreteClass)
        return quoted(batch.concreteClass.text) + " — не класс бетона (25, B25 или В25)";
    for (const Sample &sample : batch.samples) {
        const auto read = readSample(sample.text, sample.ageDays);
        if (const auto *why = std::get_if<std::string>(&read))
            return *why;
        if (std::get<Sample>(read) != sample)
            return "образец " + quoted(sample.text) + " записан не так, как его прочность";
        if (sample.ageDays < 1)
            return "возраст образца " + quoted(sample.text) + " меньше суток";
    }
    return {};
}

std::string nameOf(const Batch &batch)
{
    return "партия " + quoted(batch.label) + " класса " + batch.concreteClass.name() + " от "
           + batch.date.russian() + (batch.plant.empty() ? "" : ", завод " + quoted(batch.plant));
}

double meanStrength(const std::vector<Sample> &samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (const Sample &sample : samples)
        sum += sample.strength;
    return sum / static_cast<double>(samples.size());
}

double leastStrength(const std::vector<Sample> &samples)
{
    if (samples.empty())
        return 0.0;
    double least = samples.front().strength;
    for (const Sample &sample : samples)
        least = std::min(least, sample.strength);
    return least;
}

} // namespace journal
