#include "config/Format.h"
#include "generator/BuildInput.h"
#include "generator/Sections.h"

#include <cstdint>

namespace pramlet {

namespace {

const char* const kBanner = "{--------------------------------------------------------------}";

struct Unit {
    const char* name; // with its trailing ", "
    OptName check;
};

const Unit kNetUnits[] = {
    {"wzDNS, ", "TCP_DNSchk"},       {"wzSNTP, ", "TCP_SNTPchk"}, {"wzSMTP, ", "TCP_SMTPchk"},
    {"wzTelnet, ", "TCP_TelnetChk"}, {"wzHTTP, ", "TCP_HTTPchk"},
};

} // namespace

void WriteUsesAndDeclarations(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();

    if (o.checked("FAT16chk")) {
        out.push_back("");
        out.push_back("uses UFAT16;");
    }
    if (o.checked("DSS10chk")) {
        out.push_back("");
        out.push_back("uses UDDS10;");
    }
    if (o.checked("TCP_IPchk")) {
        std::string uses = "uses WzKernel, ";
        for (const Unit& u : kNetUnits)
            if (o.checked(u.check)) uses += u.name;
        uses.resize(uses.size() - 2);
        out.push_back("");
        out.push_back(uses + ";");
    }

    out.push_back("");
    out.push_back("Implementation");
    out.push_back("");
    out.push_back("{$IDATA}");
    out.push_back("");

    out.push_back(kBanner);
    out.push_back("{ Type Declarations }");
    out.push_back("");
    out.push_back("type");
    out.push_back("");
    out.push_back("");

    out.push_back(kBanner);
    out.push_back("{ Const Declarations }");
    if (o.checked("BootBlockChk")) {
        // The check word sits just below the boot block, below the checksum when there is one.
        // In bytes: twice the word address, computed wide so that no boot start overflows.
        const std::int64_t fBootIndex = p.derived().fBootIndex;
        const std::int64_t check = 2 * fBootIndex - (o.checked("AppCheckSumChk") ? 4 : 2);
        out.push_back("const");
        if (o.checked("BootAppChk"))
            out.push_back("  _BootCheckF[BootEntry -2]  : word    = $AA55;");
        else
            out.push_back("  _BootCheckF[@$" + hexDigits(check, 4) + "]  : word    = $AA55;");
    }
    out.push_back("");

    out.push_back(kBanner);
    out.push_back("{ Var Declarations }");
    if (o.value("UsrDatDevSpin") != 0) {
        out.push_back("{$UDATA}");
        out.push_back("");
    }
    out.push_back("{$IDATA}");
    if (o.checked("WiegandChk")) {
        out.push_back("var");
        out.push_back("  WiegandData : array[0..4] of byte;");
    } else {
        out.push_back("");
    }
    out.push_back("");

    out.push_back(kBanner);
    out.push_back("{ functions }");
    out.push_back("");
}

} // namespace pramlet
