// Writing whole or not at all: what the target is, what is left behind, and
// a real full disk.
#include "files/wholefile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "smalldisk.h"

namespace {

namespace fs = std::filesystem;
using vintorp::files::WriteFault;
using vintorp::files::writeWholeFile;

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vintorp-wholefile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string at(const std::string& name) const { return (dir_ / name).string(); }

    static std::string contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }
    static void put(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Nothing but the named entries: no temporary file stays behind.
    static std::size_t entries(const fs::path& folder)
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path dir_;
};

TEST_F(WholeFileTest, WritesNewAndExistingFilesThroughLinks)
{
    put(dir_ / "old.pdf", "old");
    fs::permissions(dir_ / "old.pdf", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    put(dir_ / "linked.pdf", "old");
    fs::create_symlink("linked.pdf", dir_ / "link.pdf");
    fs::create_symlink("made-by-link.svg", dir_ / "dangling.svg");
    const std::string longest(255, 'n');  // as long as a name can be

    struct Case {
        std::string path;
        fs::path written;  // where the bytes end up
    };
    const Case cases[] = {
        {at("new.pdf"), dir_ / "new.pdf"},     {at("old.pdf"), dir_ / "old.pdf"},
        {at("link.pdf"), dir_ / "linked.pdf"}, {at("dangling.svg"), dir_ / "made-by-link.svg"},
        {at(longest), dir_ / longest},         {at(longest), dir_ / longest},  // and once more, over itself
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.substr(dir_.string().size()));
        const auto failure = writeWholeFile(c.path, "new bytes");
        ASSERT_FALSE(failure) << failure->systemReason();
        EXPECT_EQ(contents(c.written), "new bytes");
    }
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.pdf"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.svg"));
    EXPECT_EQ(fs::status(dir_ / "old.pdf").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(dir_), 7U);
}

TEST_F(WholeFileTest, RefusesWhatCannotOrMustNotBeReplaced)
{
    fs::create_directory(dir_ / "folder.pdf");
    ASSERT_EQ(::mkfifo(at("pipe.pdf").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", dir_ / "device.pdf");
    fs::create_symlink("folder.pdf", dir_ / "to-folder.svg");
    fs::create_symlink("loop.svg", dir_ / "loop.svg");

    struct Case {
        std::string path;
        WriteFault fault;
        int error;
    };
    const Case cases[] = {
        {at("folder.pdf"), WriteFault::NotARegularFile, 0},
        {at("pipe.pdf"), WriteFault::NotARegularFile, 0},
        {at("device.pdf"), WriteFault::NotARegularFile, 0},
        {at("to-folder.svg"), WriteFault::NotARegularFile, 0},
        {at("nul") + std::string(1, '\0') + "x.pdf", WriteFault::NulInPath, 0},
        {at("loop.svg"), WriteFault::System, ELOOP},
        {at("missing/t.pdf"), WriteFault::System, ENOENT},
        {at(std::string(256, 'n')), WriteFault::System, ENAMETOOLONG},
        {"", WriteFault::System, ENOENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.substr(std::min(c.path.size(), dir_.string().size())));
        const auto failure = writeWholeFile(c.path, "new bytes");
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->fault, c.fault);
        if (c.fault == WriteFault::System) {
            EXPECT_EQ(failure->error, c.error) << failure->systemReason();
        }
    }
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.pdf"));
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.pdf"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_FALSE(fs::exists(dir_ / "nul"));
    EXPECT_EQ(entries(dir_), 5U);
}

TEST(WholeFileOnFullDisk, KeepsTheOldFileAndSaysWhy)
{
    const vintorp::testing::SmallDisk disk(12);
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();
    const std::string old(5000, 'o');
    std::ofstream(disk.file("existing.pdf"), std::ios::binary) << old;
    const std::string larger(64 * 1024, 'n');

    for (const std::string name : {"existing.pdf", "new.svg"}) {
        SCOPED_TRACE(name);
        const auto failure = writeWholeFile(disk.file(name), larger);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->fault, WriteFault::System);
        EXPECT_EQ(failure->systemReason(), "No space left on device");
    }
    std::ifstream in(disk.file("existing.pdf"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), old);
    EXPECT_FALSE(fs::exists(disk.file("new.svg")));
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.folder()), fs::directory_iterator()), 1);
}

}  // namespace
