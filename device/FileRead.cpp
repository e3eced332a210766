#include "device/FileRead.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pramlet {

namespace {

TFileRead failed(std::string reason) {
    TFileRead r;
    r.status = TFileRead::Failed;
    r.reason = std::move(reason);
    return r;
}

std::string tooLarge(std::size_t maxBytes) {
    return "larger than " + std::to_string(maxBytes >> 20) + " MB";
}

} // namespace

TFileRead ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    return ReadRegularFileAt(AT_FDCWD, path, maxBytes);
}

TFileRead ReadRegularFileAt(int directoryFd, const std::string& name, std::size_t maxBytes) {
    // Devices are not even opened: opening some of them has effects of its own.
    struct stat before {};
    if (::fstatat(directoryFd, name.c_str(), &before, 0) == 0 && !S_ISREG(before.st_mode))
        return failed(S_ISDIR(before.st_mode) ? std::strerror(EISDIR) : "not a regular file");
    // O_NONBLOCK: should a FIFO take the file's place now, opening it for reading would
    // otherwise wait for a writer.
    const int fd =
        ::openat(directoryFd, name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT) {
            TFileRead r;
            r.status = TFileRead::Missing;
            r.reason = std::strerror(errno);
            return r;
        }
        return failed(std::strerror(errno));
    }
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) return failed(std::strerror(errno));
    if (S_ISDIR(st.st_mode)) return failed(std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode)) return failed("not a regular file");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return failed(tooLarge(maxBytes));
    // O_NONBLOCK stays set: it changes nothing for a regular file.

    TFileRead r;
    r.text.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(std::strerror(errno));
        }
        if (n == 0) break;
        // The file may grow while it is read: the limit holds for what is read.
        if (r.text.size() + static_cast<std::size_t>(n) > maxBytes)
            return failed(tooLarge(maxBytes));
        r.text.append(buffer, static_cast<std::size_t>(n));
    }
    return r;
}

} // namespace pramlet
