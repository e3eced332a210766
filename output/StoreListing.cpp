#include "output/StoreListing.h"

#include "config/Project.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace pramlet {

namespace fs = std::filesystem;

std::string withPasExtension(const std::string& fileName) {
    fs::path path(fileName);
    path.replace_extension(".pas");
    return path.string();
}

namespace {

std::string cannot(const std::string& what, const std::string& path, const std::string& why) {
    return "Cannot " + what + " \"" + path + "\": " + why;
}

// A new file next to `path` that nobody else uses: "x" fails when the name exists.
std::FILE* openTemporary(const std::string& path, std::string& tempPath) {
    for (int n = 0; n < 1000; ++n) {
        tempPath = path + ".~" + std::to_string(n) + ".tmp";
        if (std::FILE* f = std::fopen(tempPath.c_str(), "wbx")) return f;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

} // namespace

bool writeListingSafely(const std::vector<std::string>& lines, const std::string& path,
                        const std::string& backupPath, std::string& error) {
    std::string temp;
    std::FILE* f = openTemporary(path, temp);
    if (!f) {
        error = cannot("create file", path, std::strerror(errno));
        return false;
    }
    bool ok = true;
    for (const auto& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), f) != line.size() ||
            std::fwrite("\r\n", 1, 2, f) != 2) {
            ok = false;
            break;
        }
    }
    ok = std::fflush(f) == 0 && ok;
    int writeErrno = errno;
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (!ok) {
        error = cannot("write file", path, std::strerror(writeErrno));
        fs::remove(temp, ec);
        return false;
    }
    const bool backup = !backupPath.empty() && fs::exists(path, ec);
    if (backup) {
        fs::rename(path, backupPath, ec);
        if (ec) {
            error = cannot("make the backup", backupPath, ec.message());
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        error = cannot("write file", path, ec.message());
        std::error_code ignore;
        if (backup) fs::rename(backupPath, path, ignore); // put the old file back
        fs::remove(temp, ignore);
        return false;
    }
    return true;
}

bool StoreBtnClick(Project& p) {
    if (!p.readyCheck()) return false;
    Dialogs& dialogs = p.dialogs();
    if (p.FileName.size() < 3) {
        dialogs.message(MsgKind::Error, "Filename too short!\r\nMust have more then 3 chars!",
                        MsgButton::Retry);
        return false;
    }
    p.FileName = withPasExtension(p.FileName);
    std::string backup;
    std::error_code ec;
    if (fs::exists(p.FileName, ec)) {
        dialogs.beep();
        std::string name = fs::path(p.FileName).filename().string();
        if (!dialogs.askYesAbort("File \r" + name + "\r" + "exists" + "\r" + "Overwrite ?"))
            return false;
        dialogs.beep();
        if (dialogs.askYesNo("make a BackUp ?"))
            backup = fs::path(p.FileName).replace_extension(".bak").string();
    }
    std::string error;
    if (!writeListingSafely(p.listing, p.FileName, backup, error)) {
        dialogs.message(MsgKind::Error, error, MsgButton::Ok);
        return false;
    }
    return true;
}

} // namespace pramlet
