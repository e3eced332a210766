#include "app/cli/StderrDialogs.h"

namespace pramlet {

std::string Printable(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (u < 32 || u == 127) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

void StderrDialogs::line(const char* kind, const std::string& text) {
    fErr << kind << ": " << Printable(text) << '\n';
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
