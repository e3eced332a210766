#include "device/Dialogs.h"

namespace pramlet {

const char* kindName(MsgKind kind) {
    switch (kind) {
    case MsgKind::Error: return "error";
    case MsgKind::Warning: return "warning";
    case MsgKind::Information: return "information";
    }
    return "error";
}

const char* buttonName(MsgButton button) {
    switch (button) {
    case MsgButton::Ok: return "OK";
    case MsgButton::Retry: return "Retry";
    case MsgButton::Ignore: return "Ignore";
    case MsgButton::Abort: return "Abort";
    case MsgButton::Cancel: return "Cancel";
    }
    return "OK";
}

void AbortW(Dialogs& dialogs, const std::string& text) {
    dialogs.message(MsgKind::Error, text, MsgButton::Abort);
    throw ApplicationAbort(text);
}

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

void RecordingDialogs::beep() { entries.push_back({"beep", "", ""}); }

bool RecordingDialogs::nextAnswer() {
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

} // namespace pramlet
