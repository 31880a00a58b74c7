// A real full disk for tests: a small tmpfs mounted on a fresh folder for the
// life of the object. Mounting needs root (CI runs as root); elsewhere
// mounted() is false and why() says so, and the test skips.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include <sys/mount.h>
#include <unistd.h>

namespace vintorp::testing {

class SmallDisk {
public:
    // `kilobytes` is rounded up to whole pages by the kernel.
    explicit SmallDisk(int kilobytes)
    {
        std::string pattern = "/tmp/vintorp-small-disk-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            why_ = "no folder to mount on: " + std::generic_category().message(errno);
            return;
        }
        path_ = pattern;
        const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
        if (::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
            why_ = "cannot mount a small tmpfs here (" + std::generic_category().message(errno)
                   + "); it needs root";
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
        if (!path_.empty())
            ::rmdir(path_.c_str());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    const std::string& folder() const { return path_; }
    std::string file(const std::string& name) const { return path_ + '/' + name; }

private:
    std::string path_;
    std::string why_;
    bool mounted_ = false;
};

}  // namespace vintorp::testing
