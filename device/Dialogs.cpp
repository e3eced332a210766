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

} // namespace pramlet
