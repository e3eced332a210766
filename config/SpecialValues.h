#pragma once
// tSpecialValuesList and the value rules of the number field with special values, without
// any widget: the core reads and writes every number option exactly as the field does.

#include <stdexcept>
#include <string>
#include <vector>

namespace pramlet {

class ExceptionSpecialValuesList : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// General table error ("Invalid String ...", "Invalid Value ...").
class SpecialValuesError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class tSpecialValuesList {
  public:
    tSpecialValuesList() = default;
    explicit tSpecialValuesList(std::vector<std::string> lines) : fLines(std::move(lines)) {}

    const std::vector<std::string>& lines() const { return fLines; }
    void setLines(std::vector<std::string> lines) { fLines = std::move(lines); }
    bool empty() const { return fLines.empty(); }

    void CheckValid() const;
    bool IsValid(const std::string& pString) const;
    bool IsValid(int pVal) const;
    std::string IntToValue(int pVal) const;
    int ValueToInt(const std::string& pString) const;

  private:
    std::vector<std::string> fLines;
};

// Trims blanks and control characters at both ends.
std::string trimmed(const std::string& s);
// Decimal integer with optional sign, the whole text; false when it is none.
bool parseDecimal(const std::string& text, int& out);

// The number field's rules over its text, bounds and table.
struct SpinRules {
    int minValue = 0;
    int maxValue = 0;
    const tSpecialValuesList* special = nullptr;

    // Reading Value: a special name gives its integer, else the decimal text, else MinValue.
    int read(const std::string& text) const;
    // Writing Value: a table value shows its name, else the number clamped to the bounds
    // unless both bounds are equal.
    std::string write(int value) const;
    bool isValid(const std::string& text) const;
};

} // namespace pramlet
