#pragma once
// Reading an input file (a description or a project file) whole, safely: only regular files
// are read, so that a FIFO cannot hang the program and a link to a device cannot fill the
// memory, and never more than kMaxInputFileSize bytes.

#include <cstddef>
#include <string>

namespace pramlet {

inline constexpr std::size_t kMaxInputFileSize = 16u << 20; // 16 MB

struct TFileRead {
    enum Status { Ok, Missing, Failed } status = Ok;
    std::string text;   // the content when Ok
    std::string reason; // why it failed, for the user ("Permission denied", ...)
};

// Missing: the file does not exist (also a dangling link). Failed: it exists but cannot be
// read, is not a regular file or is larger than the limit.
TFileRead ReadRegularFile(const std::string& path, std::size_t maxBytes = kMaxInputFileSize);
// The same for `name` in the open directory `directoryFd` (a file descriptor), which spares
// the system walking the whole path for each file of a directory read one after another.
TFileRead ReadRegularFileAt(int directoryFd, const std::string& name,
                            std::size_t maxBytes = kMaxInputFileSize);

} // namespace pramlet
