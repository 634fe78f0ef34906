#pragma once

#include "register/store/store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <string>

namespace registertest {

enum class Engine { Sqlite, Postgres };
void PrintTo(Engine engine, std::ostream *out);

// The address of a PostgreSQL database as an argument gives it.
std::string addressText(const journal::DatabaseAddress &address);

// Each test gets an empty register of its own: an SQLite file in a temporary folder, or a new
// database on the server that LOVIZ_TEST_POSTGRESQL names (dropped afterwards). Without that
// variable the PostgreSQL runs are skipped, saying so.
class StoreTest : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a store on the test's register (or another); fails the test when it cannot.
    std::unique_ptr<journal::Store> open(const journal::DatabaseAddress *address = nullptr) const;
    // One more empty database of the test's kind.
    journal::DatabaseAddress newRegister();
    // Runs one statement on the test's database directly, past the store; the first value of
    // the first row it gives.
    void runDirectly(const std::string &sql) const;
    std::string valueDirectly(const std::string &sql) const;

    journal::DatabaseAddress m_address;

private:
    QTemporaryDir m_folder;
    journal::PostgresDatabase m_server;
    std::vector<std::string> m_databases; // PostgreSQL: the databases made for the test
};

// The value of a result, failing the test with the message when there is none.
template<class T> T valueOf(journal::Result<T> result)
{
    if (auto *failure = std::get_if<common::Failure>(&result)) {
        ADD_FAILURE() << failure->message;
        return T {};
    }
    return std::get<T>(std::move(result));
}

// The message of a failed result ("" when it succeeded).
template<class T> std::string messageOf(const journal::Result<T> &result)
{
    const auto *failure = std::get_if<common::Failure>(&result);
    return failure ? failure->message : std::string();
}

std::string engineName(const testing::TestParamInfo<Engine> &info);

journal::Batch makeBatch(const char *date, const char *label,
                         const std::vector<const char *> &strengths,
                         journal::ConcreteClass c = {25, "25"});

// Writes `count` batches one change at a time, labelled with `prefix`, and one import of 50 in
// the middle, to the register at `address`; the process's exit status (used by the two-writer
// test, which runs this program twice at once with --writer).
int writeBatches(const std::string &address, const std::string &prefix, int count);

} // namespace registertest
