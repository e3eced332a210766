#pragma once
// In-memory INI document: the reader of device description files and project files.
//
// Syntax: every line is trimmed of characters with codes up to 32; empty lines and lines that
// start with ';' are skipped; "[name]" opens a section; inside a section a line with '=' is an
// entry (key before the first '=', value after it, both trimmed) and any other line is kept as a
// bare line. Lines before the first section are ignored. Section names and keys are compared
// without regard to ASCII letter case. A UTF-8 byte-order mark at the start is skipped.
//
// A section that appears twice is one section: its entries and bare lines are merged in file
// order. Of several equal keys in one section the first one wins; later ones are ignored.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pramlet {

// An integer value: decimal with an optional '+' or '-', hexadecimal after '$', or after "0x"/"0X"
// when the text is longer than two characters. Hexadecimal takes up to 32 bits and wraps into
// the signed range ($FFFFFFFF is -1); a decimal value outside the 32-bit range is no number.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// Trims leading and trailing characters with codes up to 32.
std::string_view TrimControl(std::string_view text);

std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

class TIniDocument {
  public:
    TIniDocument() = default;
    static TIniDocument FromText(std::string_view text);
    // Only the section `onlySection` (given in lower case) of the text, as the whole parse
    // would give it; the other sections are skipped without being stored.
    static TIniDocument FromText(std::string_view text, std::string_view onlySection);
    // A file that does not exist or cannot be read gives an empty document.
    static TIniDocument FromFile(const std::string& fileName);
    // The same; `error` says why a file that exists could not be read (it is not a regular
    // file, it is too large, the system refused it), and is empty otherwise.
    static TIniDocument FromFile(const std::string& fileName, std::string& error);

    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // Flag: true only when the value is exactly "true".
    bool ReadBool(std::string_view section, std::string_view key) const;
    // Missing key or a value that is not a number: fallback.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    // The value unchanged; missing key: fallback.
    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& fallback = "") const;
    // Bare lines (lines without '=') of a section in file order; empty for a missing section.
    std::vector<std::string> ReadSectionLines(std::string_view section) const;

  private:
    struct Section {
        std::map<std::string, std::string> values; // key lower-cased
        std::vector<std::string> lines;
    };
    const Section* find(std::string_view section) const;
    const std::string* findValue(std::string_view section, std::string_view key) const;

    std::map<std::string, Section> fSections; // name lower-cased
};

} // namespace pramlet
