#pragma once

namespace journal {

class Connection;

// The version of the register's tables this program writes. A database with an older version
// is brought up to it when opened; one with a newer version is refused.
inline constexpr int schemaVersion = 1;

// Creates the register's tables in a database that has none (in one transaction, one program
// at a time), upgrades an older schema, refuses a newer one (common::StepError, Refused).
void prepareSchema(const Connection &connection);

} // namespace journal
