// Writing whole or not at all: what the target is, what is left behind (kills
// included), whose file may be replaced, and a real full disk.
#include "files/wholefile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <csignal>
#include <cstring>

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(WholeFileTest, ReplacesOnlyWhatTheUserCouldOpenForWriting)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::chown(dir_.c_str(), kNobody, kNobody), 0);
    struct Case {
        const char* name;
        uid_t owner;
        mode_t mode;
        int error;  // of the unprivileged write; 0 when written
    };
    const Case cases[] = {
        {"own.pdf", kNobody, 0644, 0},
        {"own-read-only.pdf", kNobody, 0444, EACCES},
        {"roots.pdf", 0, 0644, EACCES},
    };
    for (const Case& c : cases) {
        put(dir_ / c.name, "old");
        ASSERT_EQ(::chown(at(c.name).c_str(), c.owner, c.owner), 0);
        ASSERT_EQ(::chmod(at(c.name).c_str(), c.mode), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {  // the user: one bit for each case that went otherwise
        int wrong = 0;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(255);
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const auto failure = writeWholeFile(at(cases[i].name), "new");
            if ((failure ? failure->error : 0) != cases[i].error)
                wrong |= 1 << i;
        }
        ::_exit(wrong);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "one bit for each case that went otherwise";
    for (const Case& c : cases)
        EXPECT_EQ(contents(dir_ / c.name), c.error ? "old" : "new") << c.name;
    EXPECT_EQ(fs::status(dir_ / "roots.pdf").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                  | fs::perms::others_read);

    // Root may write any file, and so replaces a read-only one.
    EXPECT_FALSE(writeWholeFile(at("own-read-only.pdf"), "root's"));
    EXPECT_EQ(contents(dir_ / "own-read-only.pdf"), "root's");
    EXPECT_EQ(entries(dir_), std::size(cases));
}

TEST_F(WholeFileTest, LeavesNoTemporaryWhenStopped)
{
    const std::string bytes(256 * 1024, 'n');
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        for (int kill = 0; kill < 5; ++kill) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                std::signal(signal, SIG_DFL);  // as a user's program has it, run from anywhere
                while (!writeWholeFile(at("target.pdf"), bytes)) { }
                ::_exit(1);
            }
            ::usleep(20000 + 10000 * kill);
            ASSERT_EQ(::kill(child, signal), 0);
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed";
            EXPECT_EQ(WTERMSIG(status), signal);
        }
        EXPECT_EQ(entries(dir_), 1U) << strsignal(signal);
    }
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
