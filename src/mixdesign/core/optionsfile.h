#pragma once

#include "common/failure.h"
#include "mixdesign/core/forms.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace mixdesign {

// The file name of the saved design options, resolved against the current directory.
inline constexpr const char *optionsFileName = "options.slv";

// The one 48-byte little-endian record of the options file: six item indexes (waterproofness,
// frost, reinforcement, steam curing, cement saving, coarse aggregate), then the true densities
// of cement, sand and coarse aggregate.
struct OptionsRecord
{
    std::array<std::int32_t, 6> items {};
    std::array<double, 3> densities {};
};

inline constexpr std::size_t optionsRecordSize = 48;

std::array<unsigned char, optionsRecordSize> encodeOptions(const OptionsRecord &record);
OptionsRecord decodeOptions(const std::array<unsigned char, optionsRecordSize> &bytes);

// The record of the options dialog; the density texts must be numbers (ConversionError).
OptionsRecord recordOf(const OptionsForm &form);

// Puts a record into the options dialog: indexes brought into each group's range (below −1 to
// −1, at or above the item count to the last item), densities as general text ("3,11").
void applyOptions(OptionsForm &form, const OptionsRecord &record);

// Saves the options to `path` whole or not at all, so a failed save leaves the old file as it
// was. Returns the message to show on failure.
std::optional<common::Failure> saveOptions(const OptionsForm &form, const std::string &path);

// Loads the options from `path` when it is a regular file holding a whole record; a missing,
// short or unreadable file (or one that is no regular file) changes nothing and says nothing.
// Returns whether a record was applied.
bool loadOptions(OptionsForm &form, const std::string &path);

} // namespace mixdesign
