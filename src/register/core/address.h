#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace journal {

// The register's file beside options.slv when no database is named.
inline constexpr const char *defaultRegisterFile = "loviz-register.sqlite";

// A register in an SQLite file.
struct SqliteFile
{
    std::string path;
    bool operator==(const SqliteFile &) const = default;
};

// A register in a PostgreSQL database. Empty user, host: libpq's defaults (the user running the
// program, the local socket); a host starting with "/" is the socket's folder. Port 0: the
// default one.
struct PostgresDatabase
{
    std::string user;
    std::string host;
    int port = 0;
    std::string database;
    bool operator==(const PostgresDatabase &) const = default;
};

using DatabaseAddress = std::variant<SqliteFile, PostgresDatabase>;

// "postgresql://[user@]host[:port]/dbname" or "postgresql:///dbname?host=/socket/dir" (%XX
// escapes allowed in each part) is a PostgreSQL database; any other text is an SQLite file,
// an empty one the default file. The reason when a postgresql: address cannot be read.
std::variant<DatabaseAddress, std::string> parseDatabaseAddress(std::string_view text);

// The address as a message names it: "файл «loviz-register.sqlite»", "база данных PostgreSQL
// «loviz» (/tmp/sock)".
std::string describe(const DatabaseAddress &address);

} // namespace journal
