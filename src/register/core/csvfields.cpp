#include "register/core/csvfields.h"

#include "text/cp1251.h"

namespace journal {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence that starts the text, or 0 when it is not a valid one (an
// overlong form, a surrogate, beyond U+10FFFF, a missing continuation byte).
std::size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead < 0xC2 || lead > 0xF4)
        return 0;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    constexpr unsigned int lowestOf[] = {0, 0, 0x80, 0x800, 0x10000};
    const unsigned int lowest = lowestOf[length];
    if (text.size() < length)
        return 0;
    unsigned int code = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool isUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = sequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

} // namespace

std::optional<std::vector<std::string>> splitCsvLine(std::string_view line, char separator)
{
    std::vector<std::string> fields(1);
    bool inQuotes = false;
    bool atFieldStart = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inQuotes) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else
                inQuotes = false;
        } else if (c == separator) {
            fields.emplace_back();
            atFieldStart = true;
            continue;
        } else if (c == '"' && atFieldStart) {
            inQuotes = true;
        } else {
            fields.back() += c;
        }
        atFieldStart = false;
    }
    if (inQuotes)
        return std::nullopt;
    return fields;
}

std::string csvField(std::string_view text, char separator)
{
    const bool plain = text.find(separator) == std::string_view::npos
                       && text.find('"') == std::string_view::npos
                       && (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain)
        return std::string(text);
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

std::string csvText(std::string_view bytes)
{
    if (!isUtf8(bytes))
        return text::fromCp1251(bytes);
    if (bytes.starts_with(utf8Bom))
        bytes.remove_prefix(utf8Bom.size());
    return std::string(bytes);
}

std::string lowerCase(std::string_view text)
{
    std::string lower;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c >= 'A' && c <= 'Z') {
            lower += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xD0 && next >= 0x90 && next <= 0x9F) { // А … П
            lower += '\xD0', lower += static_cast<char>(next + 0x20), ++i;
        } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) { // Р … Я
            lower += '\xD1', lower += static_cast<char>(next - 0x20), ++i;
        } else if (c == 0xD0 && next == 0x81) { // Ё
            lower += "ё", ++i;
        } else {
            lower += static_cast<char>(c);
        }
    }
    return lower;
}

} // namespace journal
