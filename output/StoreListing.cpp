#include "output/StoreListing.h"

#include "config/Project.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace pramlet {

namespace fs = std::filesystem;

std::string withPasExtension(const std::string& fileName) {
    fs::path path(fileName);
    path.replace_extension(".pas");
    return path.string();
}

namespace {

// The file a path names once every link on it is followed; the path itself when it is no
// link. A link to nothing gives the file it would create.
std::string followLinks(const std::string& path) {
    fs::path p(path);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p.string();
}

long systemWrite(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

// Writes every byte; false with errno set on the first failure.
bool writeAll(int fd, const std::string& text, const ByteWriter& writer) {
    std::size_t done = 0;
    while (done < text.size()) {
        const long n = writer(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A new file next to `path` that nobody else uses: O_EXCL fails when the name exists.
int openTemporary(const std::string& path, std::string& tempPath) {
    for (int n = 0; n < 1000; ++n) {
        tempPath = path + ".~" + std::to_string(n) + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes a rename in the folder of `path` last across a power failure (where the file system
// allows it).
void syncFolder(const std::string& path) {
    std::string folder = fs::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool fail(StoreFailure& failure, const char* action, const std::string& path,
          const std::string& reason) {
    failure = {action, path, reason};
    return false;
}

} // namespace

std::string StoreFailure::message() const {
    return "Cannot " + action + " \"" + path + "\": " + reason;
}

bool writeListingFile(const std::vector<std::string>& lines, const std::string& path,
                      const std::string& backupPath, StoreFailure& failure,
                      const ByteWriter& writer) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return writeTextFile(text, path, backupPath, failure, writer);
}

bool writeTextFile(const std::string& text, const std::string& path, const std::string& backupPath,
                   StoreFailure& failure, const ByteWriter& writer) {
    const ByteWriter& put = writer ? writer : ByteWriter(systemWrite);

    const std::string target = followLinks(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return fail(failure, "write file", path, std::strerror(EISDIR));
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or a FIFO: there is nothing to replace, the text goes straight into it.
        const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) return fail(failure, "write file", path, std::strerror(errno));
        bool ok = writeAll(fd, text, put);
        int why = errno;
        if (::close(fd) != 0 && ok) {
            ok = false;
            why = errno;
        }
        return ok || fail(failure, "write file", path, std::strerror(why));
    }
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return fail(failure, "write file", path, std::strerror(errno));

    std::string temp;
    const int fd = openTemporary(target, temp);
    if (fd < 0) return fail(failure, "create file", path, std::strerror(errno));
    if (exists) { // the replaced file's owner and permissions, as far as we may set them
        [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
        ::fchmod(fd, st.st_mode & 07777);
    }
    bool ok = writeAll(fd, text, put) && ::fsync(fd) == 0;
    int why = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        why = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return fail(failure, "write file", path, std::strerror(why));
    }
    const bool backup = !backupPath.empty() && exists;
    if (backup && ::rename(target.c_str(), backupPath.c_str()) != 0) {
        why = errno;
        ::unlink(temp.c_str());
        return fail(failure, "make the backup", backupPath, std::strerror(why));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        why = errno;
        if (backup) ::rename(backupPath.c_str(), target.c_str()); // put the old file back
        ::unlink(temp.c_str());
        return fail(failure, "write file", path, std::strerror(why));
    }
    syncFolder(target);
    return true;
}

bool writeListingSafely(const std::vector<std::string>& lines, const std::string& path,
                        const std::string& backupPath, std::string& error) {
    StoreFailure failure;
    if (writeListingFile(lines, path, backupPath, failure)) return true;
    error = failure.message();
    return false;
}

bool StoreBtnClick(Project& p) {
    if (!p.readyCheck()) return false;
    Dialogs& dialogs = p.dialogs();
    if (p.FileName().size() < 3) {
        dialogs.message(MsgKind::Error, "Filename too short!\r\nMust have more then 3 chars!",
                        MsgButton::Retry);
        return false;
    }
    // A relative name goes into a folder the user can see, not the process's working one.
    fs::path target(withPasExtension(p.FileName()));
    if (target.is_relative() && !p.storeFolder().empty()) target = p.storeFolder() / target;
    p.setFileName(target.lexically_normal().string());
    std::string backup;
    std::error_code ec;
    if (fs::exists(p.FileName(), ec)) {
        dialogs.beep();
        std::string name = fs::path(p.FileName()).filename().string();
        if (!dialogs.askYesAbort("File \r" + name + "\r" + "exists" + "\r" + "Overwrite ?"))
            return false;
        dialogs.beep();
        if (dialogs.askYesNo("make a BackUp ?"))
            backup = fs::path(p.FileName()).replace_extension(".bak").string();
    }
    std::string error;
    if (!writeListingSafely(p.listing(), p.FileName(), backup, error)) {
        dialogs.message(MsgKind::Error, error, MsgButton::Ok);
        return false;
    }
    // The field shows the name written, and the next relative name goes beside it.
    p.opts().setText("FNameEdit", p.FileName());
    p.setStoreFolder(fs::path(p.FileName()).parent_path().string());
    return true;
}

} // namespace pramlet
