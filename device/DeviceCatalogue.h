#pragma once
// The device catalogue: the description files in the program's directory that describe
// controllers of the compiler, by family, and the (name, path) list the controller lists
// select from.

#include "device/DeviceLoader.h"

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace pramlet {

enum tCpuFamily : std::uint8_t { FamilyTiny, FamilyAVR, FamilyMega, FamilyXMega, FamilyUPDI };
inline constexpr int kFamilyCount = 5;

struct TCpuFamilyInfo {
    std::string_view id;  // name of the controller list
    std::string_view tab; // caption of its tab
};

// In tab order, indexed by tCpuFamily.
inline constexpr std::array<TCpuFamilyInfo, kFamilyCount> kCpuFamilies = {{
    {"RadioGroupTiny", "TINY"},
    {"RadioGroupAVR", "AVR"},
    {"RadioGroupMega", "MEGA"},
    {"RadioGroupXMega", "XMEGA"},
    {"RadioGroupUPDI", "UPDI-TINY-MEGA"},
}};

// The family of a description file by its name without directory, or nullopt when the file does
// not describe a controller of the compiler. "XMEGA" and "UMEGA" names are decided before the
// "MEGA" rule, although "MEGA" stands at their second position.
std::optional<tCpuFamily> FamilyOfFileName(std::string_view fileName);

struct TCpuEntry {
    std::string name; // controller name from the file, possibly empty
    std::string path; // HomePath + file name
    bool operator==(const TCpuEntry&) const = default;
};

class TScanAhead;

class TDeviceCatalogue {
  public:
    explicit TDeviceCatalogue(TDeviceLoader& loader) : fLoader(loader) {}
    // The entries of `other`, scanned through `loader` from now on.
    TDeviceCatalogue(const TDeviceCatalogue& other, TDeviceLoader& loader)
        : fLoader(loader), fHomePath(other.fHomePath), fInstalledPath(other.fInstalledPath),
          fUserPath(other.fUserPath), fCPUList(other.fCPUList), fReadErrors(other.fReadErrors),
          fNames(other.fNames) {}

    // The directory with the description files; a trailing '/' is added when missing.
    void SetHomePath(const std::string& directory);
    const std::string& HomePath() const { return fHomePath; }

    // Further directories scanned after HomePath: the installed data directory and the
    // user's own one (either may be empty or missing). A controller that the user's directory
    // describes is listed from there only; one that HomePath describes is not taken again
    // from the installed directory.
    void SetDataDirectories(const std::string& installed, const std::string& user);

    // Empties the catalogue and visits every ordinary file "*.dsc" (extension in any case) of
    // HomePath, then of the data directories, each in the order of their names (byte order),
    // so that the list, and with it the file a duplicate name selects, is the same on every
    // machine. Two files of one directory with the same controller name are both listed. Each
    // file is opened through the loader, which keeps the last one open. Missing directories
    // give an empty catalogue.
    // A directory or a file that exists but cannot be read is reported to the user and kept
    // in ReadErrors(); the scan goes on with the rest.
    void Scan();
    // The directories, the entries and the read errors of `other`, as its last scan left
    // them; no file is read.
    void CopyListFrom(const TDeviceCatalogue& other);
    // Takes over what `ahead` found (waiting for it to finish) as if Scan() had run now: the
    // same entries, and its messages shown to the user in the order they came.
    void TakeScan(TScanAhead& ahead);
    // "Cannot read ..." messages of the last scan, in the order they came.
    const std::vector<std::string>& ReadErrors() const { return fReadErrors; }

    // fCPUList: one entry per accepted file, in scan order.
    const std::vector<TCpuEntry>& CPUList() const { return fCPUList; }
    // Controller names of one family, sorted by plain byte order (case-sensitive), duplicates
    // kept.
    const std::vector<std::string>& Names(tCpuFamily family) const { return fNames[family]; }

    // Position of the first entry whose name equals CurCPUName without regard to case, or -1.
    int CurCPU(const std::string& CurCPUName) const;
    // Path of that entry, or the empty text.
    std::string CurCPUDSCName(const std::string& CurCPUName) const;

    // Whether `other` scans the same directories.
    bool SameDirectories(const TDeviceCatalogue& other) const {
        return fHomePath == other.fHomePath && fInstalledPath == other.fInstalledPath &&
               fUserPath == other.fUserPath;
    }

  private:
    TDeviceLoader& fLoader;
    std::string fHomePath;
    std::string fInstalledPath;
    std::string fUserPath;
    std::vector<TCpuEntry> fCPUList;
    std::vector<std::string> fReadErrors;
    std::array<std::vector<std::string>, kFamilyCount> fNames;
};

// A scan begun ahead on a thread of its own, so that the files are read while the window is
// being made. It reads through a loader of its own and shows nothing: its messages are kept
// for the catalogue that takes it over (TDeviceCatalogue::TakeScan), which shows them.
class TScanAhead {
  public:
    // Scans the directories that `directories` is set to.
    explicit TScanAhead(const TDeviceCatalogue& directories);
    ~TScanAhead(); // waits for the thread
    TScanAhead(const TScanAhead&) = delete;
    TScanAhead& operator=(const TScanAhead&) = delete;

    // Whether this scan reads the directories that `c` is set to.
    bool Reads(const TDeviceCatalogue& c) const { return fCatalogue.SameDirectories(c); }
    // Waits for the thread; the catalogue as the scan left it. What the scan threw (no
    // memory, say) is thrown here.
    const TDeviceCatalogue& Result();

  private:
    QuietDialogs fDialogs; // the messages are kept in the catalogue's read errors
    TDeviceLoader fLoader{fDialogs};
    TDeviceCatalogue fCatalogue{fLoader};
    std::exception_ptr fFailure;
    std::thread fThread;
};

} // namespace pramlet
