#include "cli/commandline.h"

#include <algorithm>
#include <ostream>

namespace cli {

namespace {

// The length of the UTF-8 sequence starting at `s[i]` and its code point; 0 when invalid.
std::size_t decodeUtf8(const std::string &s, std::size_t i, char32_t &code)
{
    const auto byte = [&s](std::size_t k) {
        return static_cast<unsigned char>(s[k]);
    };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < lowest || code > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

std::string unfitText(const std::string &text)
{
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, i, code);
        if (length == 0)
            return "не в кодировке UTF-8";
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            return "содержит перевод строки или другой управляющий знак";
        i += length;
    }
    return {};
}

std::optional<CommandLine> parseCommandLine(const std::vector<std::string> &arguments,
                                            const std::vector<Option> &options, std::size_t words,
                                            std::string &why)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &arg = arguments[i];
        const auto eq = arg.find('=');
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&arg](const Option &o) { return o.name == arg; });
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            return line;
        } else if (option != options.end()) {
            std::string value;
            if (!option->withoutValue.empty()) {
                if (i + 1 >= arguments.size()) {
                    why = option->withoutValue;
                    return std::nullopt;
                }
                value = arguments[++i];
            }
            if (std::string problem = option->take(value); !problem.empty()) {
                why = std::move(problem);
                return std::nullopt;
            }
        } else if (line.words.size() < words && eq == std::string::npos && !arg.starts_with("-")) {
            line.words.push_back(arg);
        } else if (eq != std::string::npos && eq > 0 && !arg.starts_with("-")) {
            const std::string name = arg.substr(0, eq);
            const std::string text = arg.substr(eq + 1);
            if (const std::string problem = unfitText(text); !problem.empty()) {
                why = "текст " + name + " " + problem;
                return std::nullopt;
            }
            line.controls.emplace_back(name, text);
        } else {
            why = "непонятный аргумент: " + arg;
            return std::nullopt;
        }
    }
    return line;
}

int badUsage(std::ostream &errors, std::string_view program, const std::string &why,
             std::string_view usage)
{
    errors << program << ": " << why << '\n' << usage;
    return BadUsage;
}

} // namespace cli
