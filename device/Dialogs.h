#pragma once
// The core's only way to talk to the user: message boxes, questions and the beep.
// The window shows them as modal dialogs, the batch front end prints them to stderr,
// tests record them (tests/support/RecordingDialogs.h).

#include <stdexcept>
#include <string>
#include <vector>

namespace pramlet {

enum class MsgKind { Error, Warning, Information };
enum class MsgButton { Ok, Retry, Ignore, Abort, Cancel };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal message box with one button.
    virtual void message(MsgKind kind, const std::string& text, MsgButton button) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // A question with the buttons Yes and Abort; true for Yes.
    virtual bool askYesAbort(const std::string& text) = 0;
    virtual void beep() = 0;
};

// Shows nothing and answers every question with yes: for work done apart from the user, such
// as a replay on a copy of the project or a scan on another thread, whose findings are
// reported otherwise.
class QuietDialogs : public Dialogs {
  public:
    void message(MsgKind, const std::string&, MsgButton) override {}
    bool askYesNo(const std::string&) override { return true; }
    bool askYesAbort(const std::string&) override { return true; }
    void beep() override {}
};

// Thrown after a fatal message has been shown: the program must end. The window quits,
// the batch front end exits with status 2.
class ApplicationAbort : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Shows the message in an error box with the single button Abort, then ends the program
// by throwing ApplicationAbort.
[[noreturn]] void AbortW(Dialogs& dialogs, const std::string& text);

// The kind and the button as the recorded and the printed messages name them.
const char* kindName(MsgKind kind);
const char* buttonName(MsgButton button);

} // namespace pramlet
