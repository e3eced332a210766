#include "tests/support/RecordingDialogs.h"

namespace pramlet {

void RecordingDialogs::message(MsgKind kind, const std::string& text, MsgButton button) {
    entries.push_back({kindName(kind), text, buttonName(button)});
}

bool RecordingDialogs::askYesNo(const std::string& text) {
    entries.push_back({"question", text, "Yes/No"});
    return nextAnswer();
}

bool RecordingDialogs::askYesAbort(const std::string& text) {
    entries.push_back({"question", text, "Yes/Abort"});
    return nextAnswer();
}

void RecordingDialogs::beep() {
    entries.push_back({"beep", "", ""});
}

bool RecordingDialogs::nextAnswer() {
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

} // namespace pramlet
