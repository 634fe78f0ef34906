#include "mixdesign/core/optionsfile.h"

#include "common/wholefile.h"
#include "text/numbers.h"

#include <bit>
#include <fstream>
#include <sys/stat.h>

namespace mixdesign {

namespace {

constexpr std::array<int, 6> itemCounts = {2, 2, 2, 2, 2, 3};

void putUint(unsigned char *out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t getUint(const unsigned char *in, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | in[i];
    return value;
}

int clampItem(std::int32_t index, int count)
{
    if (index < -1)
        return -1;
    if (index >= count)
        return count - 1;
    return index;
}

std::string ioMessage(const std::string &path, const std::string &reason)
{
    return "Ошибка ввода-вывода при записи файла " + path + ": " + reason + ".";
}

} // namespace

std::array<unsigned char, optionsRecordSize> encodeOptions(const OptionsRecord &record)
{
    std::array<unsigned char, optionsRecordSize> bytes {};
    for (std::size_t i = 0; i < record.items.size(); ++i)
        putUint(bytes.data() + 4 * i, static_cast<std::uint32_t>(record.items[i]), 4);
    for (std::size_t i = 0; i < record.densities.size(); ++i)
        putUint(bytes.data() + 24 + 8 * i, std::bit_cast<std::uint64_t>(record.densities[i]), 8);
    return bytes;
}

OptionsRecord decodeOptions(const std::array<unsigned char, optionsRecordSize> &bytes)
{
    OptionsRecord record;
    for (std::size_t i = 0; i < record.items.size(); ++i)
        record.items[i] = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(getUint(bytes.data() + 4 * i, 4)));
    for (std::size_t i = 0; i < record.densities.size(); ++i)
        record.densities[i] = std::bit_cast<double>(getUint(bytes.data() + 24 + 8 * i, 8));
    return record;
}

OptionsRecord recordOf(const OptionsForm &form)
{
    OptionsRecord record;
    record.items = {form.rgWaterproof, form.rgFrost,   form.rgArmatyra,
                    form.rgProparka,   form.rgEconomy, form.rgZapolnitel};
    record.densities = {text::toNumber(form.edPlotnostC), text::toNumber(form.edPlotnostP),
                        text::toNumber(form.edPlotnostSC)};
    return record;
}

void applyOptions(OptionsForm &form, const OptionsRecord &record)
{
    int *const groups[] = {&form.rgWaterproof, &form.rgFrost,   &form.rgArmatyra,
                           &form.rgProparka,   &form.rgEconomy, &form.rgZapolnitel};
    for (std::size_t i = 0; i < record.items.size(); ++i)
        *groups[i] = clampItem(record.items[i], itemCounts[i]);
    form.edPlotnostC = text::general(record.densities[0]);
    form.edPlotnostP = text::general(record.densities[1]);
    form.edPlotnostSC = text::general(record.densities[2]);
}

std::optional<common::Failure> saveOptions(const OptionsForm &form, const std::string &path)
{
    OptionsRecord record;
    if (auto failure = common::failureOf([&] { record = recordOf(form); }))
        return failure;
    const auto bytes = encodeOptions(record);
    const std::string_view data(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    if (const auto reason = common::writeWholeFile(path, data))
        return common::Failure {common::Failure::Kind::Io, ioMessage(path, *reason)};
    return std::nullopt;
}

bool loadOptions(OptionsForm &form, const std::string &path)
{
    // Only a regular file: a pipe or a device of that name would be read without end.
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::array<unsigned char, optionsRecordSize> bytes {};
    if (!file.read(reinterpret_cast<char *>(bytes.data()), bytes.size()))
        return false;
    applyOptions(form, decodeOptions(bytes));
    return true;
}

} // namespace mixdesign
