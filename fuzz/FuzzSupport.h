#pragma once
// What the fuzz targets share: a scratch folder for the files the core reads and writes, and
// dialogs that answer every question with Yes and show nothing.

#include "device/Dialogs.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pramlet::fuzz {

class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pramlet-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        fPath = pattern + "/";
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(fPath, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return fPath; }

    std::string write(const std::string& name, const void* data, std::size_t size) const {
        const std::string full = fPath + name;
        std::ofstream out(full, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) std::abort();
        return full;
    }

  private:
    std::string fPath;
};

using NullDialogs = QuietDialogs;

} // namespace pramlet::fuzz
