#include "app/cli/StderrDialogs.h"

namespace pramlet {

void StderrDialogs::line(const char* kind, const std::string& text) {
    fErr << kind << ": ";
    for (char c : text) {
        if (c == '\n')
            fErr << "\\n";
        else if (c == '\r')
            fErr << "\\r";
        else
            fErr << c;
    }
    fErr << '\n';
}

void StderrDialogs::message(MsgKind kind, const std::string& text, MsgButton) {
    line(kindName(kind), text);
}

bool StderrDialogs::askYesNo(const std::string& text) {
    line("question", text);
    return fAnswer;
}

bool StderrDialogs::askYesAbort(const std::string& text) {
    line("question", text);
    return fAnswer;
}

void StderrDialogs::beep() {
    line("beep", "");
}

} // namespace pramlet
