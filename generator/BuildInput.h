#pragma once
// What the section writers read: a const view of the project's options, derived values,
// device record and port frames, and the values a build computes once before any section
// is written. Writers cannot change the project through it, so the listing of a state is
// the same whatever was built before.

#include "config/Derived.h"
#include "config/Options.h"
#include "config/PortFrame.h"
#include "device/CpuDesc.h"

#include <string>

namespace pramlet {

class Project;

// Computed once per build, before the writers run.
struct BuildValues {
    std::string AppName;
    int Current = 0;      // supply current of the fuse block
    std::string Voltage1; // supply voltage text of the fuse block
    std::string ps, psh;  // baud divisor of the flash loader: "067h"
    std::string baudWarning; // shown when the boot block is reached; empty: none
};

class BuildInput {
  public:
    BuildInput(const Project& p, const BuildValues& values);

    const Options& opts() const { return fOptions; }
    const Derived& derived() const { return fDerived; }
    const tCpuDesc& cpu() const { return fCpu; }
    const TFramePort& frame(int ordinal) const; // 1..11
    const BuildValues& values() const { return fValues; }
    const std::string& AppName() const { return fValues.AppName; }

  private:
    const Options& fOptions;
    const Derived& fDerived;
    const tCpuDesc& fCpu;
    const Project& fProject;
    const BuildValues& fValues;
};

// The values of a build of the project's current state, `name` being the application name.
BuildValues PrepareBuild(const Project& p, const std::string& name);

} // namespace pramlet
