#pragma once

#include "common/formfields.h"
#include "statcontrol/core/forms.h"

#include <string>

namespace statcontrol {

// The controls of each statistical control dialog, bound to its form. A batch data dialog's
// sample edits come batch by batch, each batch's samples in order.
common::FormFields fieldsOf(SchemeForm &form);
common::FormFields fieldsOf(BatchForm &form, const Scheme &scheme);
common::FormFields fieldsOf(ControlForm &form);

// The name of a sample's edit, "edR<batch>_<sample>" (from 1).
std::string sampleEditName(int batch, int sample);

// "в 1-й", "во 2-й", "в 3-й", … with `gap` between the preposition and the number: the words
// the sample labels and the report share.
std::string ordinalIn(int number, const std::string &gap = " ");

// The label over a sample's edit on a tab, with the few variants that some tabs carry.
std::string sampleLabel(const Scheme &scheme, int batch, int sample);

} // namespace statcontrol
