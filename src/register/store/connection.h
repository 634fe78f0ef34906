#pragma once

#include "register/core/address.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <string>

namespace journal {

// What differs between the two databases; everything else is one SQL for both.
struct Dialect
{
    bool sqlite = true;
    QString identity;   // an id column numbered by the database
    QString keyedTable; // after a table whose primary key is all it is looked up by
    QString beginWrite; // a transaction that will write (SQLite takes the write lock at once)
    QString beginRead;  // a transaction that reads one state of the register
    QString lockSchema; // statement that keeps two programs from creating the schema at once
    QString nextIds;    // the ids the next `?` new batches take, ascending (inside the write)
};

// One open connection to the register's database under a name no other has, removed when the
// connection goes. Every failure throws common::StepError (Io) with a message that names the
// database. Queries are forward only and PostgreSQL streams their rows: read a query to its
// end (or finish it) before running the next one.
class Connection
{
public:
    explicit Connection(const DatabaseAddress &address);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    const Dialect &dialect() const { return m_dialect; }
    const std::string &description() const { return m_description; }

    // A statement prepared once, run as often as needed with its values bound in order.
    QSqlQuery prepare(const QString &sql) const;
    void run(QSqlQuery &query, const QVariantList &values = {}) const;
    // Runs a statement (prepared when it has values); the query stays on its first row, if any.
    QSqlQuery execute(const QString &sql, const QVariantList &values = {}) const;
    // Does the database hold a table of this name?
    bool hasTable(const QString &name) const;

    [[noreturn]] void fail(const QString &what, const QString &why) const;

private:
    QString m_name;
    Dialect m_dialect;
    std::string m_description;
};

// A transaction that rolls back unless committed.
class Transaction
{
public:
    enum Kind { Write, Read };
    Transaction(const Connection &connection, Kind kind);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    const Connection &m_connection;
    bool m_open = true;
};

// A text for the database and back.
inline QString sqlText(const std::string &text)
{
    return QString::fromStdString(text);
}

inline std::string stdText(const QVariant &value)
{
    return value.toString().toStdString();
}

// The current time as history rows keep it, UTC: "2024-01-05T10:15:30.123Z".
QString nowText();

} // namespace journal
