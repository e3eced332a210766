#pragma once
// Messages of the batch front end: one line per message box, question or beep on the error
// stream, "<kind>: <text>", with line breaks inside the text written as \n (and \r) and any
// other control character as \xNN, so that no text from a file or the command line can
// reach the terminal as a control sequence.

#include "device/Dialogs.h"

#include <ostream>
#include <string>

namespace pramlet {

// The text with \n, \r and \xNN in place of control characters.
std::string Printable(const std::string& text);

class StderrDialogs : public Dialogs {
  public:
    // Questions get the answer `answer` (nobody is there to ask).
    explicit StderrDialogs(std::ostream& err, bool answer = true) : fErr(err), fAnswer(answer) {}

    void message(MsgKind kind, const std::string& text, MsgButton button) override;
    bool askYesNo(const std::string& text) override;
    bool askYesAbort(const std::string& text) override;
    void beep() override;

  private:
    void line(const char* kind, const std::string& text);

    std::ostream& fErr;
    bool fAnswer;
};

} // namespace pramlet
