#pragma once

#include "common/formfields.h"
#include "register/core/batch.h"

#include <string>
#include <variant>
#include <vector>

namespace journal {

// One row of the batch dialog's samples table, as typed.
struct SampleTexts
{
    std::string strength;
    std::string age; // empty: the standard age
    bool operator==(const SampleTexts &) const = default;
};

// The batch dialog (TfmRegisterBatch): the texts of its edits and of its samples table.
struct BatchEditForm
{
    std::string edDate;
    std::string edClass;
    std::string edLabel;
    std::string edPlant;
    std::string edNote;
    std::vector<SampleTexts> samples;
};

// The dialog's edits (the samples table is a widget of its own).
common::FormFields fieldsOf(BatchEditForm &form);

// The form showing a batch: its date ДД.ММ.ГГГГ, its class as typed, its samples' texts and
// ages.
BatchEditForm formOf(const Batch &batch);

// The batch the form gives, or why it gives none ("Дата: «31.02.2024» — такой даты нет",
// "Выборка 3: «12,x» — не число"). Rows left wholly empty are passed over.
std::variant<Batch, std::string> batchOf(const BatchEditForm &form);

} // namespace journal
