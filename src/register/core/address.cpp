#include "register/core/address.h"

#include <charconv>
#include <optional>

namespace journal {

namespace {

constexpr std::string_view scheme = "postgresql://";

std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        unsigned int code = 0;
        if (i + 2 >= text.size())
            return std::nullopt;
        const auto [end, error]
            = std::from_chars(text.data() + i + 1, text.data() + i + 3, code, 16);
        if (error != std::errc() || end != text.data() + i + 3 || code == 0)
            return std::nullopt;
        decoded += static_cast<char>(code);
        i += 2;
    }
    return decoded;
}

std::string badAddress(std::string_view text, const std::string &why)
{
    return "Адрес базы данных «" + std::string(text) + "» не понят: " + why
           + " (нужно postgresql://[пользователь@]сервер[:порт]/база или "
             "postgresql:///база?host=/папка/сокета).";
}

} // namespace

std::variant<DatabaseAddress, std::string> parseDatabaseAddress(std::string_view text)
{
    if (text.empty())
        return SqliteFile {defaultRegisterFile};
    if (!text.starts_with("postgresql:"))
        return SqliteFile {std::string(text)};
    if (!text.starts_with(scheme))
        return badAddress(text, "после «postgresql:» нужно «//»");
    std::string_view rest = text.substr(scheme.size());
    std::string_view query;
    if (const auto mark = rest.find('?'); mark != std::string_view::npos) {
        query = rest.substr(mark + 1);
        rest = rest.substr(0, mark);
    }
    const auto slash = rest.find('/');
    if (slash == std::string_view::npos)
        return badAddress(text, "не названа база данных");
    std::string_view authority = rest.substr(0, slash);
    PostgresDatabase db;
    std::optional<std::string> part;
    if (const auto at = authority.find('@'); at != std::string_view::npos) {
        if (authority.substr(0, at).find(':') != std::string_view::npos)
            return badAddress(text, "пароль в адресе не указывают (он берется из ~/.pgpass)");
        if (!(part = percentDecoded(authority.substr(0, at))) || part->empty())
            return badAddress(text, "неверное имя пользователя");
        db.user = *part;
        authority.remove_prefix(at + 1);
    }
    // An IPv6 address stands in brackets: [::1]:5432.
    const auto hostEnd = authority.starts_with('[') ? authority.find(']') : 0;
    if (hostEnd == std::string_view::npos)
        return badAddress(text, "не закрыта скобка после адреса сервера");
    if (const auto colon = authority.find(':', hostEnd); colon != std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), db.port);
        if (error != std::errc() || end != port.data() + port.size() || db.port < 1
            || db.port > 65535)
            return badAddress(text, "неверный порт «" + std::string(port) + "»");
        authority = authority.substr(0, colon);
    }
    if (hostEnd > 0)
        authority = authority.substr(1, hostEnd - 1);
    if (!(part = percentDecoded(authority)))
        return badAddress(text, "неверное имя сервера");
    db.host = *part;
    if (!(part = percentDecoded(rest.substr(slash + 1))) || part->empty()
        || part->find('/') != std::string::npos)
        return badAddress(text, "не названа база данных");
    db.database = *part;
    while (!query.empty()) {
        const auto amp = query.find('&');
        const std::string_view parameter = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        if (!parameter.starts_with("host=") || !(part = percentDecoded(parameter.substr(5)))
            || part->empty())
            return badAddress(text, "понятен только параметр host=папка сокета");
        db.host = *part;
    }
    return db;
}

std::string describe(const DatabaseAddress &address)
{
    if (const auto *file = std::get_if<SqliteFile>(&address))
        return "файл «" + file->path + "»";
    const auto &db = std::get<PostgresDatabase>(address);
    std::string where = db.host.empty() ? std::string() : db.host;
    if (db.port != 0)
        where += (where.empty() ? "" : ":") + std::to_string(db.port);
    return "база данных PostgreSQL «" + db.database + "»"
           + (where.empty() ? "" : " (" + where + ")");
}

} // namespace journal
