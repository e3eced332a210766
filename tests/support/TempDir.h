#pragma once
// A fresh directory under the system's temporary directory, removed with everything in it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace pramlet::test {

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pramlet-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        fPath = pattern + "/";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(fPath, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // With a trailing '/'.
    const std::string& path() const { return fPath; }

    // Writes the bytes as they are (no line-end translation); returns the full path.
    std::string write(const std::string& name, const std::string& content) const {
        const std::string full = fPath + name;
        std::ofstream(full, std::ios::binary) << content;
        return full;
    }

  private:
    std::string fPath;
};

} // namespace pramlet::test
