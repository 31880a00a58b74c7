#include "files/wholefile.h"

#include <array>
#include <cerrno>
#include <climits>
#include <random>
#include <system_error>
#include <variant>

#include <fcntl.h>
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

// The temporary file, removed on every way out until it has the target's name.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) { }
    ~TemporaryFile()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    std::string path_;
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

// A new file beside the target, under a short name of its own: the target's
// name may already be as long as a name can be.
std::variant<int, WriteFailure> createTemporary(const std::string& folder, std::string& name)
{
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.vintorp-";
        for (int i = 0; i < 10; ++i)
            name += kLetters[pick(random)];
        name += ".tmp";
        // 0666 less the umask, as for any new file.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            return systemFailure(errno);
    }
    return systemFailure(EEXIST);
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

    std::string temporaryName;
    auto created = createTemporary(folderOf(target.path), temporaryName);
    if (auto* failure = std::get_if<WriteFailure>(&created))
        return *failure;
    Descriptor file(std::get<int>(created));
    TemporaryFile temporary(temporaryName);

    if (target.existing) {
        const struct stat& old = *target.existing;
        if (::fchmod(file.get(), old.st_mode & 07777) != 0)
            return systemFailure(errno);
        // Kept where the process may (as root it may); otherwise the file
        // becomes the writer's, as any file saved anew does.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            const int kept = ::fchown(file.get(), old.st_uid, old.st_gid);
            static_cast<void>(kept);
        }
    }
    if (auto failure = writeAll(file.get(), bytes))
        return failure;
    if (::fsync(file.get()) != 0)
        return systemFailure(errno);
    if (!file.close())
        return systemFailure(errno);
    if (::rename(temporary.path().c_str(), target.path.c_str()) != 0)
        return systemFailure(errno);
    temporary.keep();

    // The new name on the disk too; the file is written whatever this says.
    const Descriptor folder(::open(folderOf(target.path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return std::nullopt;
}

}  // namespace vintorp::files
