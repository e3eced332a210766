#pragma once
// Saving a project's settings as a settings file, with the safe write of the listing: the
// old file is replaced only once the new text is on disk.

#include "output/StoreListing.h"

#include <string>
#include <vector>

namespace pramlet {

class Project;

// Writes FormatSettings(p) to `path` (LF line ends). False with the reason in `failure`;
// the file at `path` is then as it was. `unsaved`, when given, receives the options whose
// value the file cannot bring back (see FormatSettings).
bool writeSettingsFile(const Project& p, const std::string& path, StoreFailure& failure,
                       std::vector<std::string>* unsaved = nullptr, const ByteWriter& writer = {});

} // namespace pramlet
