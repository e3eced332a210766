#include "generator/BuildApp.h"

#include "config/Format.h"
#include "config/Project.h"
#include "generator/BuildInput.h"
#include "generator/Sections.h"

#include <algorithm>
#include <utility>

namespace pramlet {

namespace {

using SectionWriter = void (*)(const BuildInput&, Listing&);

// The sections in the order of the generated program.
// clang-format off
const SectionWriter kSections[] = {
    WriteHeader,
    WriteFuseBlock,
    WriteImports,
    WriteSystemEntries,
    WriteSerialEntries,
    WriteCardNetEntries,
    WriteBlinkPortEntries,
    WriteI2CEntries,
    WriteSPIEntries,
    WriteDisplayEntries,
    WriteDeviceEntries,
    WriteUsesAndDeclarations,
    WriteBootBlock,
    WriteSkeletons,
    WriteInitPortsAndMain,
};
// clang-format on

// Keeps the texts of the messages instead of showing them; questions are answered No.
class KeptMessages : public Dialogs {
  public:
    std::vector<std::string> texts;
    void message(MsgKind, const std::string& text, MsgButton) override { texts.push_back(text); }
    bool askYesNo(const std::string& text) override {
        texts.push_back(text);
        return false;
    }
    bool askYesAbort(const std::string& text) override {
        texts.push_back(text);
        return false;
    }
    void beep() override {}
};

} // namespace

std::string AppNameProblem(const std::string& name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            return "no control characters in name possible!";
    if (characterCount(name) > kMaxAppNameLength)
        return "name too long! at most " + std::to_string(kMaxAppNameLength) + " characters";
    return {};
}

WrittenProgram WriteProgram(const Project& p, const std::string& name) {
    // Everything the sections need beyond the project's state is computed here, once, so that
    // the writers only read.
    const BuildValues values = PrepareBuild(p, name);
    const BuildInput in(p, values);
    WrittenProgram program;
    try {
        for (SectionWriter write : kSections) {
            if (write == WriteBootBlock) program.warning = values.baudWarning;
            write(in, program.lines);
        }
    } catch (const BuildEnded& ended) {
        program.ended = ended.what();
    }
    return program;
}

WrittenProgram WriteProgramAhead(const Project& p, const std::string& name) {
    if (p.page() >= kPageCount - 1) return WriteProgram(p, name);
    KeptMessages said;
    Project ahead(p, said);
    while (ahead.page() < kPageCount - 1 && ahead.next()) {
    }
    WrittenProgram program = WriteProgram(ahead, name);
    program.onTheWay = std::move(said.texts);
    return program;
}

bool BuildApp(Project& p) {
    const std::string name = p.opts().text("AppNameEdit");
    if (characterCount(name) < 3) {
        p.dialogs().message(MsgKind::Error, "specify Application Name!", MsgButton::Ok);
        p.requestFocus("AppNameEdit");
        return false;
    }
    if (const std::string problem = AppNameProblem(name); !problem.empty()) {
        p.dialogs().message(MsgKind::Error, problem, MsgButton::Ok);
        p.requestFocus("AppNameEdit");
        return false;
    }
    p.setAppName(name);
    WrittenProgram program = WriteProgram(p, name);
    // The values the build computed stay with the project, as the fuse and serial pages
    // leave theirs.
    const BuildValues values = PrepareBuild(p, name);
    Derived& d = p.derived();
    d.Current = values.Current;
    d.Voltage1 = values.Voltage1;
    d.ps = values.ps;
    d.psh = values.psh;
    // The divisor's warning comes when the boot block is reached; it does not stop the build.
    if (!program.warning.empty())
        p.dialogs().message(MsgKind::Error, program.warning, MsgButton::Ignore);
    p.setListing(std::move(program.lines));
    if (!program.ended.empty()) {
        p.dialogs().message(MsgKind::Error, program.ended, MsgButton::Retry);
        // A partial listing must never be shown or stored.
        p.setBuilt(false);
        return false;
    }
    p.setBuilt(true);
    return true;
}

bool Build(Project& p) {
    bool done = false;
    p.act([&] {
        done = BuildApp(p);
        p.buttonStates();
    });
    return done;
}

} // namespace pramlet
