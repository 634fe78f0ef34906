#include "storefixture.h"

#include "patience.h"

#include <QCoreApplication>
#include <QProcess>

#include <set>

namespace registertest {

namespace {

class TwoWriters : public StoreTest
{
};

// Two programs change one register at the same time, each its own changes one transaction at a
// time with a long import among them: every batch of both is there.
TEST_P(TwoWriters, LoseNothing)
{
    ASSERT_TRUE(open()); // the schema made first, as a program that opens the register would
    constexpr int count = 150;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writers[w].start(QCoreApplication::applicationFilePath(),
                         {"--writer", QString::fromStdString(addressText(m_address)),
                          QString("w%1-").arg(w), QString::number(count)});
    }
    for (QProcess &writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(5 * testsupport::patienceMs));
        EXPECT_EQ(writer.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer.exitCode(), 0);
    }
    auto store = open();
    ASSERT_TRUE(store);
    const auto rows = valueOf(store->batches({}, std::nullopt, 10 * count));
    std::set<std::string> labels;
    for (const auto &row : rows)
        labels.insert(row.label);
    EXPECT_EQ(rows.size(), 2u * (count + 50));
    EXPECT_EQ(labels.size(), 2u * (count + 50));
    for (const char *prefix : {"w0-", "w1-"}) {
        EXPECT_TRUE(labels.count(prefix + std::to_string(count - 1)));
        EXPECT_TRUE(labels.count(prefix + std::to_string(count / 2) + "-49"));
    }
}

INSTANTIATE_TEST_SUITE_P(Databases, TwoWriters, testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

} // namespace

} // namespace registertest
