#include "storefixture.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace registertest {

namespace {

using journal::DatabaseAddress;
using journal::PostgresDatabase;

// Runs statements on a database through a connection of its own, named uniquely.
class Direct
{
public:
    explicit Direct(const DatabaseAddress &address)
        : m_name(QString("register-test-%1").arg(++s_count))
    {
        QSqlDatabase db;
        if (const auto *file = std::get_if<journal::SqliteFile>(&address)) {
            db = QSqlDatabase::addDatabase("QSQLITE", m_name);
            db.setDatabaseName(QString::fromStdString(file->path));
        } else {
            const auto &pg = std::get<PostgresDatabase>(address);
            db = QSqlDatabase::addDatabase("QPSQL", m_name);
            db.setDatabaseName(QString::fromStdString(pg.database));
            db.setHostName(QString::fromStdString(pg.host));
            if (pg.port)
                db.setPort(pg.port);
            if (!pg.user.empty())
                db.setUserName(QString::fromStdString(pg.user));
        }
        m_opened = db.open();
        if (!m_opened)
            ADD_FAILURE() << db.lastError().text().toStdString();
    }
    ~Direct() { QSqlDatabase::removeDatabase(m_name); }

    void run(const std::string &sql) const
    {
        if (!m_opened)
            return;
        QSqlQuery query(QSqlDatabase::database(m_name));
        EXPECT_TRUE(query.exec(QString::fromStdString(sql)))
            << sql << ": " << query.lastError().text().toStdString();
    }

    std::string value(const std::string &sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        EXPECT_TRUE(m_opened && query.exec(QString::fromStdString(sql)) && query.next())
            << sql << ": " << query.lastError().text().toStdString();
        return query.value(0).toString().toStdString();
    }

private:
    static inline int s_count = 0;
    QString m_name;
    bool m_opened = false;
};

std::string percentEncoded(const std::string &text)
{
    std::string encoded;
    for (unsigned char c : text) {
        if (std::isalnum(c) || std::strchr("/-._~", c))
            encoded += static_cast<char>(c);
        else {
            char buffer[4];
            std::snprintf(buffer, sizeof buffer, "%%%02X", c);
            encoded += buffer;
        }
    }
    return encoded;
}

} // namespace

std::string addressText(const DatabaseAddress &address)
{
    if (const auto *file = std::get_if<journal::SqliteFile>(&address))
        return file->path;
    const auto &pg = std::get<PostgresDatabase>(address);
    std::string text = "postgresql://";
    if (!pg.host.empty() && pg.host.front() != '/') {
        text += (pg.user.empty() ? "" : pg.user + "@") + pg.host;
        if (pg.port)
            text += ":" + std::to_string(pg.port);
        return text + "/" + pg.database;
    }
    text += (pg.user.empty() ? "" : pg.user + "@");
    text += (pg.port ? ":" + std::to_string(pg.port) : "") + "/" + pg.database;
    return pg.host.empty() ? text : text + "?host=" + percentEncoded(pg.host);
}

void StoreTest::SetUp()
{
    if (GetParam() == Engine::Postgres) {
        const char *server = std::getenv("LOVIZ_TEST_POSTGRESQL");
        if (!server || !*server)
            GTEST_SKIP() << "LOVIZ_TEST_POSTGRESQL is not set: the PostgreSQL run is skipped "
                            "(./test.sh starts a server of its own and sets it)";
        const auto base = journal::parseDatabaseAddress(server);
        ASSERT_TRUE(std::holds_alternative<DatabaseAddress>(base)) << std::get<std::string>(base);
        ASSERT_TRUE(std::holds_alternative<PostgresDatabase>(std::get<DatabaseAddress>(base)))
            << server;
        m_server = std::get<PostgresDatabase>(std::get<DatabaseAddress>(base));
    } else {
        ASSERT_TRUE(m_folder.isValid());
    }
    m_address = newRegister();
}

DatabaseAddress StoreTest::newRegister()
{
    static int made = 0;
    const std::string name
        = "loviz_test_" + std::to_string(getpid()) + "_" + std::to_string(++made);
    if (GetParam() == Engine::Sqlite)
        return journal::SqliteFile {m_folder.filePath(QString::fromStdString(name)).toStdString()
                                    + ".sqlite"};
    Direct(m_server).run("CREATE DATABASE " + name);
    m_databases.push_back(name);
    PostgresDatabase pg = m_server;
    pg.database = name;
    return pg;
}

void StoreTest::TearDown()
{
    for (const std::string &name : m_databases)
        Direct(m_server).run("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
}

std::unique_ptr<journal::Store> StoreTest::open(const DatabaseAddress *address) const
{
    auto opened = journal::Store::open(address ? *address : m_address);
    if (auto *failure = std::get_if<common::Failure>(&opened)) {
        ADD_FAILURE() << failure->message;
        return nullptr;
    }
    return std::get<std::unique_ptr<journal::Store>>(std::move(opened));
}

void StoreTest::runDirectly(const std::string &sql) const
{
    Direct(m_address).run(sql);
}

std::string StoreTest::valueDirectly(const std::string &sql) const
{
    return Direct(m_address).value(sql);
}

std::string engineName(const testing::TestParamInfo<Engine> &info)
{
    return info.param == Engine::Sqlite ? "SQLite" : "PostgreSQL";
}

void PrintTo(Engine engine, std::ostream *out)
{
    *out << (engine == Engine::Sqlite ? "SQLite" : "PostgreSQL");
}

journal::Batch makeBatch(const char *date, const char *label,
                         const std::vector<const char *> &strengths, journal::ConcreteClass c)
{
    journal::Batch batch {*journal::Date::parse(date), std::move(c), label, {}, {}, {}};
    for (const char *s : strengths)
        batch.samples.push_back(std::get<journal::Sample>(journal::readSample(s)));
    return batch;
}

int writeBatches(const std::string &address, const std::string &prefix, int count)
{
    const auto parsed = journal::parseDatabaseAddress(address);
    auto opened = journal::Store::open(std::get<DatabaseAddress>(parsed));
    if (auto *failure = std::get_if<common::Failure>(&opened)) {
        std::cerr << failure->message << '\n';
        return 1;
    }
    auto &store = *std::get<std::unique_ptr<journal::Store>>(opened);
    const auto fail = [](const std::string &message) {
        std::cerr << message << '\n';
        return 1;
    };
    for (int i = 0; i < count; ++i) {
        const std::string label = prefix + std::to_string(i);
        const auto added = store.add(makeBatch("01.06.2024", label.c_str(), {"20", "21", "22"}));
        if (const auto *f = std::get_if<common::Failure>(&added))
            return fail(f->message);
        if (i == count / 2) {
            std::vector<journal::Batch> many;
            for (int j = 0; j < 50; ++j)
                many.push_back(makeBatch("02.06.2024", (label + "-" + std::to_string(j)).c_str(),
                                         {"30", "31"}));
            const auto imported = store.import(many);
            if (const auto *f = std::get_if<common::Failure>(&imported))
                return fail(f->message);
        }
    }
    return 0;
}

} // namespace registertest

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--writer") == 0)
        return registertest::writeBatches(argv[2], argv[3], std::atoi(argv[4]));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
