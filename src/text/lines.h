#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace text {

// The lines of a text file. A line ends at LF or at CR LF, and the line end is not part of the
// line; a bare CR belongs to its line. Text after the last line end is one more line, so a file
// that ends with a line end has no empty line after it and an empty file has no lines.
// The text may arrive in pieces split anywhere, even between a CR and its LF. Works on bytes,
// so it serves Windows-1251 and UTF-8 alike.
class LineSplitter
{
public:
    // Appends the lines that `piece` completes to `lines`.
    void feed(std::string_view piece, std::vector<std::string> &lines);
    // Appends the unfinished last line, if there is one, and starts afresh.
    void finish(std::vector<std::string> &lines);

private:
    std::string m_pending;
};

std::vector<std::string> splitLines(std::string_view text);

// A line that Windows-1251 cannot hold: its number (from 1) and the first such character.
struct LineEncodingError
{
    std::size_t line = 0;
    std::string character; // UTF-8
    std::string message() const;
};

// The bytes of a text file holding these UTF-8 lines: each line in Windows-1251 followed by
// CR LF. Nothing comes out if any character cannot be encoded.
std::variant<std::string, LineEncodingError> encodeLines(const std::vector<std::string> &lines);

} // namespace text
