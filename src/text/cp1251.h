#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace text {

// A character that Windows-1251 cannot hold, or a UTF-8 text that is not valid.
struct EncodingError
{
    std::size_t character = 0; // index of the offending character (code point) in the text
    std::size_t byte = 0;      // its byte offset in the UTF-8 text
    std::string message() const;
};

// UTF-8 → Windows-1251. U+0098 becomes the byte 0x98, which the code page leaves unassigned,
// so decoding and encoding a file never changes a byte of it.
std::variant<std::string, EncodingError> toCp1251(std::string_view utf8);

// Windows-1251 → UTF-8; every byte has a meaning (0x98 is read as U+0098).
std::string fromCp1251(std::string_view bytes);

} // namespace text
