#include "register/batchform.h"

namespace journal {

common::FormFields fieldsOf(BatchEditForm &form)
{
    return {"TfmRegisterBatch",
            {common::edit("edDate", form.edDate), common::edit("edClass", form.edClass),
             common::edit("edLabel", form.edLabel), common::edit("edPlant", form.edPlant),
             common::edit("edNote", form.edNote)}};
}

BatchEditForm formOf(const Batch &batch)
{
    BatchEditForm form;
    form.edDate = batch.date.russian();
    form.edClass = batch.concreteClass.text;
    form.edLabel = batch.label;
    form.edPlant = batch.plant;
    form.edNote = batch.note;
    for (const Sample &sample : batch.samples)
        form.samples.push_back({sample.text, std::to_string(sample.ageDays)});
    return form;
}

std::variant<Batch, std::string> batchOf(const BatchEditForm &form)
{
    Batch batch;
    const auto date = Date::read(form.edDate);
    if (const auto *reason = std::get_if<std::string>(&date))
        return "Дата: " + *reason;
    batch.date = std::get<Date>(date);
    const auto concreteClass = readClass(form.edClass);
    if (const auto *reason = std::get_if<std::string>(&concreteClass))
        return "Класс: " + *reason;
    batch.concreteClass = std::get<ConcreteClass>(concreteClass);
    batch.label = std::string(trimmed(form.edLabel));
    batch.plant = std::string(trimmed(form.edPlant));
    batch.note = std::string(trimmed(form.edNote));
    int row = 0;
    for (const SampleTexts &texts : form.samples) {
        ++row;
        if (trimmed(texts.strength).empty() && trimmed(texts.age).empty())
            continue;
        const std::string where = "Выборка " + std::to_string(row) + ": ";
        const auto age = readAge(texts.age);
        if (const auto *reason = std::get_if<std::string>(&age))
            return where + *reason;
        const auto sample = readSample(texts.strength, std::get<int>(age));
        if (const auto *reason = std::get_if<std::string>(&sample))
            return where + *reason;
        batch.samples.push_back(std::get<Sample>(sample));
    }
    if (batch.samples.empty())
        return std::string("В партии нет ни одной выборки.");
    if (const std::string problem = problemOf(batch); !problem.empty())
        return problem;
    return batch;
}

} // namespace journal
