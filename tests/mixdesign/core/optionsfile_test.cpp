#include "mixdesign/core/optionsfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using mixdesign::OptionsForm;

// A fresh directory for each test, removed afterwards.
class OptionsFile : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
                / ("loviz-options-"
                   + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                   + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path() const { return (m_dir / mixdesign::optionsFileName).string(); }

    std::string bytesOf(const std::string &file) const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    void write(const std::string &bytes) const { std::ofstream(path(), std::ios::binary) << bytes; }

    fs::path m_dir;
};

TEST_F(OptionsFile, DefaultsGiveTheDocumentedRecord)
{
    ASSERT_FALSE(mixdesign::saveOptions(OptionsForm {}, path()));
    const std::string bytes = bytesOf(path());
    ASSERT_EQ(bytes.size(), 48u);
    const std::string expectedItems("\1\0\0\0\1\0\0\0\1\0\0\0\1\0\0\0\1\0\0\0\0\0\0\0", 24);
    EXPECT_EQ(bytes.substr(0, 24), expectedItems);
    const double densities[] = {3.11, 2.65, 2.61};
    for (int i = 0; i < 3; ++i) {
        double value = 0;
        std::memcpy(&value, bytes.data() + 24 + 8 * i, 8); // the machine is little-endian
        EXPECT_EQ(value, densities[i]);
    }
    EXPECT_FALSE(fs::exists(path() + ".tmp"));
}

TEST_F(OptionsFile, SaveThenLoadRoundTripsAllButTheTemperature)
{
    OptionsForm saved;
    saved.rgWaterproof = 0;
    saved.rgFrost = 0;
    saved.rgArmatyra = 0;
    saved.rgProparka = 0;
    saved.rgEconomy = 0;
    saved.rgZapolnitel = 2;
    saved.edPlotnostC = "3,10";
    saved.edPlotnostP = "2,60";
    saved.edPlotnostSC = "2,7";
    saved.edTemperatyr = "30";
    ASSERT_FALSE(mixdesign::saveOptions(saved, path()));

    OptionsForm loaded;
    ASSERT_TRUE(mixdesign::loadOptions(loaded, path()));
    EXPECT_EQ(loaded.rgWaterproof, 0);
    EXPECT_EQ(loaded.rgFrost, 0);
    EXPECT_EQ(loaded.rgArmatyra, 0);
    EXPECT_EQ(loaded.rgProparka, 0);
    EXPECT_EQ(loaded.rgEconomy, 0);
    EXPECT_EQ(loaded.rgZapolnitel, 2);
    EXPECT_EQ(loaded.edPlotnostC, "3,1");
    EXPECT_EQ(loaded.edPlotnostP, "2,6");
    EXPECT_EQ(loaded.edPlotnostSC, "2,7");
    EXPECT_EQ(loaded.edTemperatyr, "20");
}

TEST_F(OptionsFile, IndexesAreBroughtIntoRange)
{
    mixdesign::OptionsRecord record;
    record.items = {7, -5, -1, 2, 1, 3};
    record.densities = {3.11, 2.65, 2.61};
    const auto bytes = mixdesign::encodeOptions(record);
    write(std::string(bytes.begin(), bytes.end()));
    OptionsForm form;
    ASSERT_TRUE(mixdesign::loadOptions(form, path()));
    EXPECT_EQ(form.rgWaterproof, 1); // last item, "нет"
    EXPECT_EQ(form.rgFrost, -1);     // no item
    EXPECT_EQ(form.rgArmatyra, -1);
    EXPECT_EQ(form.rgProparka, 1);
    EXPECT_EQ(form.rgEconomy, 1);
    EXPECT_EQ(form.rgZapolnitel, 2);
}

TEST_F(OptionsFile, MissingOrShortFilesChangeNothing)
{
    OptionsForm form;
    form.rgFrost = 0;
    form.edPlotnostC = "3,00";
    const OptionsForm before = form;
    EXPECT_FALSE(mixdesign::loadOptions(form, path()));

    const auto bytes = mixdesign::encodeOptions(mixdesign::OptionsRecord {});
    write(std::string(bytes.begin(), bytes.end() - 1)); // 47 bytes
    EXPECT_FALSE(mixdesign::loadOptions(form, path()));
    EXPECT_EQ(form.rgFrost, before.rgFrost);
    EXPECT_EQ(form.edPlotnostC, before.edPlotnostC);

    EXPECT_FALSE(mixdesign::loadOptions(form, m_dir.string())); // a directory
}

TEST_F(OptionsFile, AFailedSaveLeavesTheOldFile)
{
    ASSERT_FALSE(mixdesign::saveOptions(OptionsForm {}, path()));
    const std::string old = bytesOf(path());

    OptionsForm bad;
    bad.edPlotnostP = " ,  ";
    const auto conversion = mixdesign::saveOptions(bad, path());
    ASSERT_TRUE(conversion);
    EXPECT_EQ(conversion->message, "\" ,  \" не является правильным числом.");
    EXPECT_EQ(bytesOf(path()), old);

    // A folder that cannot hold the file, even for root: a path under a regular file.
    write(old);
    OptionsForm changed;
    changed.rgFrost = 0;
    const auto io = mixdesign::saveOptions(changed, path() + "/options.slv");
    ASSERT_TRUE(io);
    EXPECT_EQ(io->kind, common::Failure::Kind::Io);
    EXPECT_EQ(bytesOf(path()), old);
    const auto missingDir
        = mixdesign::saveOptions(OptionsForm {}, (m_dir / "no/such/options.slv").string());
    ASSERT_TRUE(missingDir);
    EXPECT_NE(missingDir->message.find("Ошибка ввода-вывода"), std::string::npos);
}

} // namespace
