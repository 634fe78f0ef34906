#include "correction/core/formfields.h"

namespace correction {

using common::edit;

namespace {

constexpr const char *dialog = "Tcorrection";

} // namespace

common::FormFields fieldsOf(StrengthForm &f)
{
    return {dialog,
            {
                edit("edRb1", f.edRb1),
                edit("edC_V1", f.edC_V1),
                edit("edRb2", f.edRb2),
                edit("edC_V2", f.edC_V2),
                edit("edRtr", f.edRtr),
                edit("edV", f.edV),
            }};
}

common::FormFields fieldsOf(AggregatesForm &f)
{
    return {dialog,
            {
                edit("edP", f.edP),
                edit("edSC", f.edSC),
                edit("edVoda", f.edVoda),
                edit("edWp", f.edWp),
                edit("edWsc", f.edWsc),
                edit("edXp_sc", f.edXp_sc),
                edit("edYsc_p", f.edYsc_p),
            }};
}

common::FormFields fieldsOf(CorrectionForm &form)
{
    common::FormFields all = fieldsOf(form.strength);
    const common::FormFields second = fieldsOf(form.aggregates);
    all.fields.insert(all.fields.end(), second.fields.begin(), second.fields.end());
    return all;
}

} // namespace correction
