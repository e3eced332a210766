#pragma once
// Storing the listing as the program's source file.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pramlet {

class Project;

// The store button: ready check, name check, ".pas" extension, a relative name resolved
// against the project's store folder, overwrite and backup questions, then the listing
// written with CR LF line ends. True when the file was written; FileName and FNameEdit then
// hold the full name written, and its folder becomes the store folder.
bool StoreBtnClick(Project& p);

// FileName with the extension of its file part replaced by ".pas" (appended when it has
// none).
std::string withPasExtension(const std::string& fileName);

// Writes the lines, each ended by CR LF, to `path` without ever leaving a half-written
// file there: the text goes to a new file in the same folder that then replaces `path`.
// With `backupPath`, the file being replaced is kept under that name; an older file of that
// name is replaced only once the new text is safely on disk. On failure returns false and
// sets `error` to a message for the user; `path` and the backup are then as they were.
bool writeListingSafely(const std::vector<std::string>& lines, const std::string& path,
                        const std::string& backupPath, std::string& error);

// Why a store failed: the step ("create file", "write file", "make the backup"), the file it
// concerned and the system's reason ("No space left on device").
struct StoreFailure {
    std::string action;
    std::string path;
    std::string reason;
    // "Cannot write file "x.pas": No space left on device"
    std::string message() const;
};

// Puts bytes into an open file like ::write (the count written, or -1 with errno set). Tests
// put one in its place that fails like a full disk.
using ByteWriter = std::function<long(int fd, const char* data, std::size_t size)>;

// writeListingSafely with the reason apart. A link is followed, so that the file it points at
// is replaced and the link kept. An existing file that is not an ordinary file (a terminal,
// /dev/null, a FIFO) is written into directly, since it cannot be replaced. An existing file
// that the user may not write is refused, as writing into it would be; a replaced file keeps
// its owner (where allowed) and permissions.
bool writeListingFile(const std::vector<std::string>& lines, const std::string& path,
                      const std::string& backupPath, StoreFailure& failure,
                      const ByteWriter& writer = {});

// The same safe write for a text as it stands (no line ends added): the listing's file and
// the settings file are written by it.
bool writeTextFile(const std::string& text, const std::string& path, const std::string& backupPath,
                   StoreFailure& failure, const ByteWriter& writer = {});

} // namespace pramlet
