#pragma once
// Storing the listing as the program's source file.

#include <string>
#include <vector>

namespace pramlet {

class Project;

// The store button: ready check, name check, ".pas" extension, overwrite and backup
// questions, then the listing written with CR LF line ends. True when the file was written.
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

} // namespace pramlet
