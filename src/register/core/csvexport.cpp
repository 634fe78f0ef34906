#include "register/core/csvexport.h"

#include "register/core/csvfields.h"

namespace journal {

namespace {

constexpr char separator = ';';
constexpr const char *lineEnd = "\r\n";

} // namespace

std::string csvHead()
{
    return std::string("\xEF\xBB\xBF") + "дата;класс;партия;завод;прочность;возраст;примечание"
           + lineEnd;
}

std::string csvRows(const Batch &batch)
{
    const std::string common = batch.date.russian() + separator
                               + csvField(batch.concreteClass.text, separator) + separator
                               + csvField(batch.label, separator) + separator
                               + csvField(batch.plant, separator) + separator;
    const std::string note = csvField(batch.note, separator);
    std::string rows;
    for (const Sample &sample : batch.samples) {
        rows += common + csvField(sample.text, separator) + separator
                + std::to_string(sample.ageDays) + separator + note + lineEnd;
    }
    return rows;
}

} // namespace journal
