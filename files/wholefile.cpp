#include "files/wholefile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <random>
#include <system_error>
#include <variant>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vintorp::files {
namespace {

// As the kernel counts links in one path (MAXSYMLINKS).
constexpr int kMostLinks = 40;

WriteFailure systemFailure(int error)
{
    return {WriteFault::System, error};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now and says whether it went well: on some file systems the
    // error of the last writes only shows here.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file the path leads to after its symbolic links (a link to a file yet
// to be made leads to that file's name), and what is there now.
struct Target {
    std::string path;
    std::optional<struct stat> existing;
};

std::variant<Target, WriteFailure> followLinks(std::string path)
{
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        struct stat status { };
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT)
                return Target{std::move(path), std::nullopt};
            return systemFailure(errno);
        }
        if (!S_ISLNK(status.st_mode))
            return Target{std::move(path), status};
        std::array<char, PATH_MAX> buffer{};
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return systemFailure(errno);
        if (static_cast<std::size_t>(length) == buffer.size())
            return systemFailure(ENAMETOOLONG);
        std::string link(buffer.data(), static_cast<std::size_t>(length));
        path = link.starts_with('/') ? std::move(link) : folderOf(path) + '/' + link;
    }
    return systemFailure(ELOOP);
}

std::optional<WriteFailure> writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure(errno);
        }
        if (written == 0)
            return systemFailure(EIO);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

// Fills the new file: the old file's permissions and owner first, then the
// bytes, then all of it to the disk.
std::optional<WriteFailure> fill(int fd, const Target& target, std::string_view bytes)
{
    if (target.existing) {
        const struct stat& old = *target.existing;
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return systemFailure(errno);
        // Kept where the process may (as root it may); otherwise the file
        // becomes the writer's, as any file saved anew does.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            const int kept = ::fchown(fd, old.st_uid, old.st_gid);
            static_cast<void>(kept);
        }
    }
    if (auto failure = writeAll(fd, bytes))
        return failure;
    if (::fsync(fd) != 0)
        return systemFailure(errno);
    return std::nullopt;
}

// The signals that end a process when someone stops it: Ctrl+C, kill, and
// the terminal going away.
constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP};

// Holds the ending signals back from this thread while alive; one that came
// meanwhile is delivered when it ends.
class EndingSignalsHeld {
public:
    EndingSignalsHeld()
    {
        sigset_t held;
        ::sigemptyset(&held);
        for (const int signal : kEndingSignals)
            ::sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~EndingSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t before_{};
};

// What a signal handler needs to remove a named temporary file: the one piece
// of state outside any object, as a handler can reach no other. One write at
// a time owns it; a write in another thread meanwhile goes without.
struct RemovalOnSignal {
    std::atomic<bool> owned{false};
    std::atomic<bool> armed{false};  // `name` holds a file to remove
    std::array<char, PATH_MAX> name{};
};
static_assert(std::atomic<bool>::is_always_lock_free);
RemovalOnSignal removalOnSignal;

extern "C" void removeTemporaryAndEnd(int signal)
{
    if (removalOnSignal.armed.load())
        ::unlink(removalOnSignal.name.data());
    // SA_RESETHAND has put the default action back: the signal ends the
    // process as it would have without this handler.
    ::raise(signal);
}

// A name beside the target for the new file until the file takes the
// target's name. The name is removed on every way out, and when an ending
// signal whose action is the default (to end the process) comes meanwhile;
// a signal the program ignores or handles itself is left to the program.
class NamedTemporary {
public:
    NamedTemporary()
    {
        if (removalOnSignal.owned.exchange(true))
            return;
        owner_ = true;
        struct sigaction action { };
        action.sa_handler = removeTemporaryAndEnd;
        action.sa_flags = SA_RESETHAND;
        ::sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            struct sigaction before { };
            if (::sigaction(kEndingSignals[i], nullptr, &before) == 0 && !(before.sa_flags & SA_SIGINFO)
                && before.sa_handler == SIG_DFL)
                installed_[i] = ::sigaction(kEndingSignals[i], &action, nullptr) == 0;
        }
    }
    ~NamedTemporary()
    {
        {
            const EndingSignalsHeld held;
            if (!path_.empty())
                ::unlink(path_.c_str());
            forget();
        }
        if (!owner_)
            return;
        struct sigaction byDefault { };
        byDefault.sa_handler = SIG_DFL;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            if (installed_[i])
                ::sigaction(kEndingSignals[i], &byDefault, nullptr);
        }
        removalOnSignal.owned.store(false);
    }
    NamedTemporary(const NamedTemporary&) = delete;
    NamedTemporary& operator=(const NamedTemporary&) = delete;

    // Makes a file under a new short name in `folder` (the target's name may
    // already be as long as a name can be): `make(name)` returns 0, or the
    // errno of its failure; EEXIST tries another name.
    template <typename Make>
    std::optional<WriteFailure> make(const std::string& folder, Make make)
    {
        static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device seed;
        std::mt19937 random(seed());
        std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = folder + "/.vintorp-";
            for (int i = 0; i < 10; ++i)
                name += kLetters[pick(random)];
            name += ".tmp";
            const EndingSignalsHeld held;  // named and known to the handler at once
            const int error = make(name);
            if (error == 0) {
                path_ = std::move(name);
                if (owner_ && path_.size() < removalOnSignal.name.size()) {
                    std::memcpy(removalOnSignal.name.data(), path_.c_str(), path_.size() + 1);
                    removalOnSignal.armed.store(true);
                }
                return std::nullopt;
            }
            if (error != EEXIST)
                return systemFailure(error);
        }
        return systemFailure(EEXIST);
    }

    // The file takes the target's name.
    std::optional<WriteFailure> moveTo(const std::string& target)
    {
        const EndingSignalsHeld held;
        if (::rename(path_.c_str(), target.c_str()) != 0)
            return systemFailure(errno);
        path_.clear();
        forget();
        return std::nullopt;
    }

private:
    void forget()
    {
        if (owner_)
            removalOnSignal.armed.store(false);
    }

    std::string path_;
    bool owner_ = false;
    std::array<bool, kEndingSignals.size()> installed_{};
};

struct Written { };
struct NoUnnamedFiles { };  // the file system makes none, or they cannot be named here

// The file is made without a name, so that nothing is left behind however
// the process ends while writing, and is named only when whole: under a
// temporary name, then the target's, with the ending signals held back
// between the two.
std::variant<Written, WriteFailure, NoUnnamedFiles> writeUnnamed(const std::string& folder,
                                                                 const Target& target, std::string_view bytes)
{
    // 0666 less the umask, as for any new file.
    const Descriptor file(::open(folder.c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        // EISDIR: a kernel that knows no O_TMPFILE.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return NoUnnamedFiles{};
        return systemFailure(errno);
    }
    if (auto failure = fill(file.get(), target, bytes))
        return *failure;
    const EndingSignalsHeld held;
    NamedTemporary temporary;
    const std::string byProc = "/proc/self/fd/" + std::to_string(file.get());
    bool nameable = true;
    auto named = temporary.make(folder, [&](const std::string& name) {
        if (::linkat(AT_FDCWD, byProc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != ENOENT)
            return errno;
        // No /proc: by the descriptor itself, which takes a privilege.
        if (::linkat(file.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)
            return 0;
        nameable = false;
        return errno;
    });
    if (!nameable)
        return NoUnnamedFiles{};
    if (named)
        return *named;
    if (auto failure = temporary.moveTo(target.path))
        return *failure;
    // fsync has reported the writes; the file is whole under its name.
    return Written{};
}

// Where no unnamed file can be had: a named temporary file from the start.
std::optional<WriteFailure> writeNamed(const std::string& folder, const Target& target,
                                       std::string_view bytes)
{
    NamedTemporary temporary;
    int fd = -1;
    if (auto failure = temporary.make(folder, [&](const std::string& name) {
            // 0666 less the umask, as for any new file.
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd >= 0 ? 0 : errno;
        }))
        return failure;
    Descriptor file(fd);
    if (auto failure = fill(file.get(), target, bytes))
        return failure;
    if (!file.close())
        return systemFailure(errno);
    return temporary.moveTo(target.path);
}

}  // namespace

std::string WriteFailure::systemReason() const
{
    return std::generic_category().message(error);
}

std::optional<WriteFailure> writeWholeFile(std::string_view path, std::string_view bytes)
{
    if (path.find('\0') != std::string_view::npos)
        return WriteFailure{WriteFault::NulInPath};
    if (path.empty())
        return systemFailure(ENOENT);
    auto followed = followLinks(std::string(path));
    if (auto* failure = std::get_if<WriteFailure>(&followed))
        return *failure;
    const Target target = std::get<Target>(std::move(followed));
    if (target.existing && !S_ISREG(target.existing->st_mode))
        return WriteFailure{WriteFault::NotARegularFile};

    // Replacing a file takes only the folder's permission; the user expects
    // the file's own too. Root keeps root's rights.
    if (target.existing && ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
        return systemFailure(errno);

    const std::string folderPath = folderOf(target.path);
    auto unnamed = writeUnnamed(folderPath, target, bytes);
    if (auto* failure = std::get_if<WriteFailure>(&unnamed))
        return *failure;
    if (std::holds_alternative<NoUnnamedFiles>(unnamed)) {
        if (auto failure = writeNamed(folderPath, target, bytes))
            return failure;
    }

    // The new name on the disk too; the file is written whatever this says.
    const Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return std::nullopt;
}

}  // namespace vintorp::files
