#pragma once
// A small file system of its own for store failures that a test cannot fake: a tmpfs
// mounted on a fresh folder where the machine lets the test mount (as root), else nothing.

#include "tests/support/TempDir.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace pramlet::test {

class SmallDisk {
  public:
    // options as for mount(8), e.g. "size=64k" or "size=64k,ro".
    explicit SmallDisk(const std::string& options) {
        fMounted = ::mount("tmpfs", fDir.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (fMounted) ::umount2(fDir.path().c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return fMounted; }
    // With a trailing '/'.
    const std::string& path() const { return fDir.path(); }

    // Fills the disk with one file until no byte more fits.
    void fill() const {
        const int fd = ::open((path() + "filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, "f", 1) > 0) {
        }
        ::close(fd);
    }

  private:
    TempDir fDir;
    bool fMounted = false;
};

} // namespace pramlet::test
