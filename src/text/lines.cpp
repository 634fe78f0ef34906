#include "text/lines.h"

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

} // namespace text
