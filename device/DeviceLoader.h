#pragma once
// Reads a controller's description file into the device record. The loader keeps the open
// description as an in-memory document together with its file name, so that choosing the same
// controller again fills the record from memory without reading the file.

#include "device/CpuDesc.h"
#include "device/Dialogs.h"
#include "device/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pramlet {

// A fuse byte's default from its text in section fuses_default: bit names joined by '+', matched
// without regard to case against the byte's bit names. Shorter than 3 characters or starting
// with '0': 0. A name that matches no bit is ignored; a name given twice is added twice.
std::uint8_t ParseFuseDefault(const std::string& text, const TByteLabels& bitNames);

// The flash word addresses a boot start may take: below memory.flashsize (bytes) when the file
// gives it, else below 4M words, all that an AVR program counter reaches.
inline constexpr std::int64_t kMaxFlashWords = std::int64_t{1} << 22;
bool BootAddressInFlash(std::int64_t wordAddress, std::int64_t flashBytes);

class TDeviceLoader {
  public:
    explicit TDeviceLoader(Dialogs& dialogs) : fDialogs(dialogs) {}

    // Makes fileName the open description. The same name (exact comparison) keeps the document
    // in memory; any other name reads the file anew (a missing file gives an empty document).
    // A file that exists but cannot be read also gives an empty document; the user is told
    // which file and why, and ReadError() keeps the reason until the next read.
    void SetIniEditorFileName(const std::string& fileName);
    // The same for a catalogue scan, which reads the [device] section only: just that section
    // is parsed, and IniEditor() holds no more until the description is used, when the rest is
    // parsed from the text kept in memory, without reading the file again.
    void ScanIniEditorFileName(const std::string& fileName);
    // The same, reading the file as `name` in the open directory `directoryFd` (a file
    // descriptor, or AT_FDCWD for a name relative to the working directory); `fileName` is
    // still its name for the messages and later use.
    void ScanIniEditorFileName(const std::string& fileName, int directoryFd,
                               const std::string& name);
    const std::string& ReadError() const { return fReadError; }
    Dialogs& dialogs() { return fDialogs; }
    const std::string& IniEditorFileName() const { return fIniEditorFileName; }
    const TIniDocument& IniEditor() const { return fIniEditor; }

    // Opens path and fills every field of CurCPUData. A description without a controller name
    // ends the program: AbortW shows the message and throws ApplicationAbort, and CurCPUData is
    // left as it was. A boot start (BOOTRST0..3) outside the flash is refused with a warning
    // and read as missing, so that no address computed from it can leave the flash.
    void LoadCPU(const std::string& path, tCpuDesc& CurCPUData);

    // How many times a file was actually read from disk.
    int FileReads() const { return fFileReads; }

  private:
    // Makes `fileName` the open description, reading it as `name` in `directoryFd`.
    void open(const std::string& fileName, std::string_view onlySection, int directoryFd,
              const std::string& name);

    Dialogs& fDialogs;
    TIniDocument fIniEditor;
    std::string fUnparsedText; // the text of a scanned description, until it is used
    std::string fIniEditorFileName;
    std::string fReadError;
    int fFileReads = 0;
};

} // namespace pramlet
