#include "generator/BuildApp.h"

#include "config/Format.h"
#include "config/Project.h"
#include "generator/Sections.h"

#include <algorithm>

namespace pramlet {

namespace {

using SectionWriter = void (*)(Project&, Listing&);

// The sections in the order of the generated program.
const SectionWriter kSections[] = {
    WriteHeader,
    WriteFuseBlock,
    WriteImports,
    WriteSystemEntries,
    // The Define entries of the drivers write their lines once their driver pages have
    // rules; until then they write nothing.
    WriteSerialEntries,
    WriteCardNetEntries,
    WriteBlinkPortEntries,
    WriteI2CEntries,
    WriteSPIEntries,
    WriteDisplayEntries,
    WriteDeviceEntries,
    WriteUsesAndDeclarations,
    WriteBootBlock,
    // The skeletons come with the drivers that call them; until then nothing is written.
    WriteSkeletons,
    WriteInitPortsAndMain,
};

} // namespace

bool BuildApp(Project& p) {
    const std::string name = p.opts().text("AppNameEdit");
    if (characterCount(name) < 3) {
        p.dialogs().message(MsgKind::Error, "specify Application Name!", MsgButton::Ok);
        if (p.focusRequest) p.focusRequest("AppNameEdit");
        return false;
    }
    p.AppName = name;
    p.listing.clear();
    try {
        for (SectionWriter write : kSections)
            write(p, p.listing);
    } catch (const BuildEnded&) {
        // A partial listing must never be shown or stored.
        p.setBuilt(false);
        return false;
    }
    p.setBuilt(true);
    return true;
}

bool Build(Project& p) {
    const bool done = BuildApp(p);
    p.buttonStates();
    p.notify();
    return done;
}

} // namespace pramlet
