#include "device/DeviceCatalogue.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pramlet {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// At position 1 or 2, counted from 1.
bool atFirstOrSecond(std::string_view s, std::string_view what) {
    return startsWith(s, what) || (!s.empty() && startsWith(s.substr(1), what));
}

} // namespace

std::optional<tCpuFamily> FamilyOfFileName(std::string_view fileName) {
    const std::string upper = AsciiUpper(fileName);
    if (startsWith(upper, "XMEGA")) return FamilyXMega;
    if (startsWith(upper, "UTINY") || startsWith(upper, "UMEGA")) return FamilyUPDI;
    if (startsWith(upper, "PTINY")) return FamilyTiny;
    if (atFirstOrSecond(upper, "MEGA")) return FamilyMega;
    if (atFirstOrSecond(upper, "P90")) return FamilyAVR;
    return std::nullopt;
}

void TDeviceCatalogue::SetHomePath(const std::string& directory) {
    fHomePath = directory;
    if (!fHomePath.empty() && fHomePath.back() != '/') fHomePath += '/';
}

void TDeviceCatalogue::CopyListFrom(const TDeviceCatalogue& other) {
    fHomePath = other.fHomePath;
    fInstalledPath = other.fInstalledPath;
    fUserPath = other.fUserPath;
    fCPUList = other.fCPUList;
    fReadErrors = other.fReadErrors;
    fNames = other.fNames;
}

void TDeviceCatalogue::TakeScan(TScanAhead& ahead) {
    CopyListFrom(ahead.Result());
    for (const std::string& error : fReadErrors)
        fLoader.dialogs().message(MsgKind::Error, error, MsgButton::Ok);
}

TScanAhead::TScanAhead(const TDeviceCatalogue& directories) {
    fCatalogue.CopyListFrom(directories);
    fThread = std::thread([this] {
        try {
            fCatalogue.Scan();
        } catch (...) { // handed to the thread that takes the scan over
            fFailure = std::current_exception();
        }
    });
}

TScanAhead::~TScanAhead() {
    if (fThread.joinable()) fThread.join();
}

const TDeviceCatalogue& TScanAhead::Result() {
    if (fThread.joinable()) fThread.join();
    if (fFailure) std::rethrow_exception(fFailure);
    return fCatalogue;
}

void TDeviceCatalogue::SetDataDirectories(const std::string& installed, const std::string& user) {
    fInstalledPath = installed;
    fUserPath = user;
    for (std::string* dir : {&fInstalledPath, &fUserPath})
        if (!dir->empty() && dir->back() != '/') *dir += '/';
}

void TDeviceCatalogue::Scan() {
    fCPUList.clear();
    fReadErrors.clear();
    for (auto& names : fNames)
        names.clear();

    // Which directory's file a controller name comes from: the user's wins over the
    // program's, the program's over the installed one.
    struct Directory {
        std::string path;
        int precedence;
    };
    std::vector<Directory> directories{{fHomePath, 1}};
    std::error_code ec;
    for (const Directory& d : {Directory{fInstalledPath, 0}, Directory{fUserPath, 2}}) {
        if (d.path.empty()) continue;
        bool seen = false;
        for (const Directory& earlier : directories)
            seen = seen || fs::equivalent(earlier.path.empty() ? "." : earlier.path, d.path, ec);
        if (!seen) directories.push_back(d);
    }

    struct Found {
        TCpuEntry entry;
        tCpuFamily family;
        int precedence;
    };
    std::vector<Found> found;
    for (const Directory& d : directories) {
        std::vector<std::string> files;
        const std::string directory = d.path.empty() ? "." : d.path;
        ec.clear();
        for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError; // a dangling link or a vanished file is no ordinary file
            if (!it->is_regular_file(typeError)) continue;
            const std::string name = it->path().filename().string();
            if (AsciiLower(it->path().extension().string()) == ".dsc") files.push_back(name);
        }
        if (ec && ec != std::errc::no_such_file_or_directory) {
            fReadErrors.push_back("Cannot read \"" + directory + "\": " + ec.message());
            fLoader.dialogs().message(MsgKind::Error, fReadErrors.back(), MsgButton::Ok);
        }
        std::sort(files.begin(), files.end());

        // Each file is opened by its name in the open directory; where the directory cannot
        // be opened so, by its whole path.
        struct DirectoryFd {
            int fd;
            ~DirectoryFd() {
                if (fd >= 0) ::close(fd);
            }
        } folder{files.empty() ? -1
                               : ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
        for (const std::string& file : files) {
            const std::optional<tCpuFamily> family = FamilyOfFileName(file);
            if (!family) continue;
            const std::string path = d.path + file;
            if (folder.fd >= 0)
                fLoader.ScanIniEditorFileName(path, folder.fd, file);
            else
                fLoader.ScanIniEditorFileName(path, AT_FDCWD, path);
            if (!fLoader.ReadError().empty())
                fReadErrors.push_back("Cannot read \"" + path + "\": " + fLoader.ReadError());
            if (!fLoader.IniEditor().ReadBool("device", "HLL")) continue;
            found.push_back({{fLoader.IniEditor().ReadString("device", "device"), path},
                             *family,
                             d.precedence});
        }
    }

    for (const Found& f : found) {
        const std::string upper = AsciiUpper(f.entry.name);
        const bool overridden = std::any_of(found.begin(), found.end(), [&](const Found& o) {
            return o.precedence > f.precedence && AsciiUpper(o.entry.name) == upper;
        });
        if (overridden) continue;
        fNames[f.family].push_back(f.entry.name);
        fCPUList.push_back(f.entry);
    }
    for (auto& names : fNames)
        std::sort(names.begin(), names.end());
}

int TDeviceCatalogue::CurCPU(const std::string& CurCPUName) const {
    const std::string wanted = AsciiUpper(CurCPUName);
    for (std::size_t i = 0; i < fCPUList.size(); ++i)
        if (AsciiUpper(fCPUList[i].name) == wanted) return static_cast<int>(i);
    return -1;
}

std::string TDeviceCatalogue::CurCPUDSCName(const std::string& CurCPUName) const {
    const int at = CurCPU(CurCPUName);
    return at < 0 ? std::string() : fCPUList[at].path;
}

} // namespace pramlet
