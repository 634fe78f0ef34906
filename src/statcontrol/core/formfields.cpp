#include "statcontrol/core/formfields.h"

namespace statcontrol {

std::string ordinalIn(int number, const std::string &gap)
{
    return (number == 2 ? "во" : "в") + gap + std::to_string(number) + "-й";
}

std::string sampleEditName(int batch, int sample)
{
    return "edR" + std::to_string(batch) + "_" + std::to_string(sample);
}

std::string sampleLabel(const Scheme &scheme, int batch, int sample)
{
    const bool sixSamples = scheme.samples == 6;
    const bool doubledSpaces = batch == 2 && (sixSamples || sample <= 2);
    const bool unit = !(sixSamples && (batch == 2 || batch == 3));
    const std::string gap = doubledSpaces ? "  " : " ";
    return "Введите среднюю" + gap + "прочность " + ordinalIn(sample, gap) + " выборке"
           + (unit ? ", МПа" : "");
}

common::FormFields fieldsOf(SchemeForm &form)
{
    return {"TfmPeriod_Analiz1",
            {common::radioGroup("rgCount_Party", form.rgCount_Party, 2),
             common::edit("edB", form.edB)}};
}

common::FormFields fieldsOf(BatchForm &form, const Scheme &scheme)
{
    common::FormFields fields {scheme.dialog, {}};
    for (int k = 1; k <= scheme.batches; ++k) {
        for (int j = 1; j <= scheme.samples; ++j) {
            fields.fields.push_back(common::edit(
                sampleEditName(k, j),
                form.edR[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(j - 1)]));
        }
    }
    return fields;
}

common::FormFields fieldsOf(ControlForm &f)
{
    return {"TfmPeriod_Control1",
            {
                common::edit("edRy", f.edRy),
                common::edit("edCountParty", f.edCountParty),
                common::edit("edRpr1", f.edRpr1),
                common::edit("edRpr2", f.edRpr2),
                common::edit("edRcor1", f.edRcor1),
                common::edit("edRcor2", f.edRcor2),
            }};
}

} // namespace statcontrol
