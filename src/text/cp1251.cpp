#include "text/cp1251.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace text {

namespace {

constexpr char unassignedByte = '\x98';
constexpr std::string_view unassignedUtf8 = "\xC2\x98";

// One iconv conversion descriptor for the lifetime of a call.
class Converter
{
public:
    Converter(const char *to, const char *from)
        : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between UTF-8 and CP1251");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts as much of `in` as it can, appending to `out`; returns false on EILSEQ or EINVAL
    // with `in` left at the offending sequence.
    bool convert(std::string_view &in, std::string &out)
    {
        char buffer[16384];
        while (!in.empty()) {
            char *inPtr = const_cast<char *>(in.data());
            std::size_t inLeft = in.size();
            char *outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            // Read at once: appending may allocate, and an allocation may change errno.
            const bool stopped = rc == static_cast<std::size_t>(-1) && errno != E2BIG;
            out.append(buffer, outPtr - buffer);
            in.remove_prefix(in.size() - inLeft);
            if (stopped)
                return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

std::size_t countCharacters(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

} // namespace

std::string EncodingError::message() const
{
    return "Символ № " + std::to_string(character + 1)
           + " нельзя записать в кодировке Windows-1251.";
}

std::variant<std::string, EncodingError> toCp1251(std::string_view utf8)
{
    Converter converter("CP1251", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    std::string_view rest = utf8;
    while (!converter.convert(rest, out)) {
        if (rest.substr(0, unassignedUtf8.size()) == unassignedUtf8) {
            out.push_back(unassignedByte);
            rest.remove_prefix(unassignedUtf8.size());
            continue;
        }
        const std::size_t byte = utf8.size() - rest.size();
        return EncodingError {countCharacters(utf8.substr(0, byte)), byte};
    }
    return out;
}

std::string fromCp1251(std::string_view bytes)
{
    Converter converter("UTF-8", "CP1251");
    std::string out;
    out.reserve(bytes.size() * 2);
    std::string_view rest = bytes;
    while (!converter.convert(rest, out)) {
        // Only 0x98 is unassigned; anything else would be a broken iconv.
        out.append(unassignedUtf8);
        rest.remove_prefix(1);
    }
    return out;
}

} // namespace text
