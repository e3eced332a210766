#pragma once
// Dialogs for tests and benchmarks: every message, question and beep is recorded, and
// questions are answered from a script.

#include "device/Dialogs.h"

#include <string>
#include <vector>

namespace pramlet {

// Records everything; questions are answered from a script (Yes when the script is empty).
class RecordingDialogs : public Dialogs {
  public:
    struct Entry {
        std::string kind; // "error", "warning", "information", "question", "beep"
        std::string text;
        std::string button; // "OK", "Retry", "Ignore", "Abort", "Yes/No", "Yes/Abort", ""
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> entries;
    std::vector<bool> answers; // consumed front to back

    void message(MsgKind kind, const std::string& text, MsgButton button) override;
    bool askYesNo(const std::string& text) override;
    bool askYesAbort(const std::string& text) override;
    void beep() override;

  private:
    bool nextAnswer();
};

} // namespace pramlet
