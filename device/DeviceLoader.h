#pragma once
// Reads a controller's description file into the device record. The loader keeps the open
// description as an in-memory document together with its file name, so that choosing the same
// controller again fills the record from memory without reading the file.

#include "device/CpuDesc.h"
#include "device/Dialogs.h"
#include "device/IniFile.h"

#include <cstdint>
#include <string>

namespace pramlet {

// A fuse byte's default from its text in section fuses_default: bit names joined by '+', matched
// without regard to case against the byte's bit names. Shorter than 3 characters or starting
// with '0': 0. A name that matches no bit is ignored; a name given twice is added twice.
std::uint8_t ParseFuseDefault(const std::string& text, const TByteLabels& bitNames);

class TDeviceLoader {
  public:
    explicit TDeviceLoader(Dialogs& dialogs) : fDialogs(dialogs) {}

    // Makes fileName the open description. The same name (exact comparison) keeps the document
    // in memory; any other name reads the file anew (a missing file gives an empty document).
    void SetIniEditorFileName(const std::string& fileName);
    const std::string& IniEditorFileName() const { return fIniEditorFileName; }
    const TIniDocument& IniEditor() const { return fIniEditor; }

    // Opens path and fills every field of CurCPUData. A description without a controller name
    // ends the program: AbortW shows the message and throws ApplicationAbort, and CurCPUData is
    // left as it was.
    void LoadCPU(const std::string& path, tCpuDesc& CurCPUData);

    // How many times a file was actually read from disk.
    int FileReads() const { return fFileReads; }

  private:
    Dialogs& fDialogs;
    TIniDocument fIniEditor;
    std::string fIniEditorFileName;
    int fFileReads = 0;
};

} // namespace pramlet
