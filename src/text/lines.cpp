#include "text/lines.h"

#include "text/cp1251.h"

#include <algorithm>

namespace text {

void LineSplitter::feed(std::string_view piece, std::vector<std::string> &lines)
{
    while (!piece.empty()) {
        const std::size_t lf = piece.find('\n');
        if (lf == std::string_view::npos) {
            m_pending.append(piece);
            return;
        }
        m_pending.append(piece.substr(0, lf));
        piece.remove_prefix(lf + 1);
        if (!m_pending.empty() && m_pending.back() == '\r')
            m_pending.pop_back();
        lines.push_back(std::move(m_pending));
        m_pending.clear();
    }
}

void LineSplitter::finish(std::vector<std::string> &lines)
{
    if (!m_pending.empty())
        lines.push_back(std::move(m_pending));
    m_pending.clear();
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    LineSplitter splitter;
    splitter.feed(text, lines);
    splitter.finish(lines);
    return lines;
}

std::string LineEncodingError::message() const
{
    return "В строке " + std::to_string(line) + " есть знак «" + character
           + "», которого нет в кодировке Windows-1251.";
}

std::variant<std::string, LineEncodingError> encodeLines(const std::vector<std::string> &lines)
{
    // One conversion for the whole text: a file may have hundreds of thousands of lines.
    std::string text;
    for (const std::string &line : lines) {
        text += line;
        text += "\r\n";
    }
    auto encoded = toCp1251(text);
    if (const auto *error = std::get_if<EncodingError>(&encoded)) {
        const auto at = text.begin() + static_cast<std::ptrdiff_t>(error->byte);
        std::size_t length = 1;
        while (error->byte + length < text.size()
               && (static_cast<unsigned char>(text[error->byte + length]) & 0xC0) == 0x80)
            ++length;
        return LineEncodingError {static_cast<std::size_t>(std::count(text.begin(), at, '\n')) + 1,
                                  text.substr(error->byte, length)};
    }
    return std::get<std::string>(std::move(encoded));
}

} // namespace text
