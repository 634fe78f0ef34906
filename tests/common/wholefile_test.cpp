#include "common/wholefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(WholeFile, ReplacesThroughLinksKeepingPermissionsAndLeavesNothingOnFailure)
{
    const fs::path dir = fs::temp_directory_path() / "loviz-wholefile-test";
    fs::remove_all(dir);
    fs::create_directories(dir / "real");
    const fs::path file = dir / "real" / "report.txt";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/report.txt", dir / "link.txt");

    ASSERT_EQ(common::writeWholeFile((dir / "link.txt").string(), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(bytesOf(file), "new");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A folder in the file's place, a path under a regular file: the reason, and no trace.
    for (const fs::path &bad : {dir / "real", file / "under.txt"})
        EXPECT_NE(common::writeWholeFile(bad.string(), "lost"), std::nullopt) << bad;
    EXPECT_EQ(bytesOf(file), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 1);
    fs::remove_all(dir);
}

} // namespace
