#include "config/Format.h"
#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

namespace {

// The lines of the flash loader that name the USART registers, for one serial port in one
// register scheme.
struct LoaderLines {
    const char* initTitle;
    const char* enable;
    const char* control;
    const char* baudLow;
    const char* baudHigh;
    const char* rxStatus;
    const char* rxData;
    const char* txStatus;
    const char* txData;
};

// [port 1, port 2][numbered USART registers, older scheme]
const LoaderLines kLoaderLines[2][2] = {
    {
        {
            "   ; > > SERPORT Init < <",
            "    LDI       _ACCA, 018h                   ; Rx and Tx enanable, polling",
            "    STS       ucsr0b, _ACCA                 ;",
            "    STS       UBRR0L, _ACCA                 ;",
            "    STS       UBRR0H, _ACCA                  ;",
            "    LDS       _ACCA, ucsr0a                  ; Receiver ready?",
            "    LDS       _ACCA, udr0",
            "    LDS       _ACCB, ucsr0a                 ; Transmitter ready?",
            "    STS       udr0, _ACCA",
        },
        {
            "   ; > > SERPORT Init < <",
            "    LDI       _ACCA, 01Dh                   ; Rx and Tx enanable, polling",
            "    STS       ucr1, _ACCA                   ;",
            "    STS       UBRR0L, _ACCA                 ;",
            "    STS       UBRR0H, _ACCA                  ;",
            "    LDS       _ACCA, usr1                    ; Receiver ready?",
            "    LDS       _ACCA, udr1",
            "    LDS       _ACCB, usr1                   ; Transmitter ready?",
            "    STS       udr1, _ACCA",
        },
    },
    {
        {
            "   ; > > SERPORT2 Init < <",
            "    LDI       _ACCA, 018h                   ; Rx and Tx enanable, polling",
            "    STS       ucsr1b, _ACCA                   ;",
            "    STS       UBRR1L, _ACCA                 ;",
            "    STS       UBRR1H, _ACCA                  ;",
            "    LDS       _ACCA, ucsr1a                  ; Receiver ready?",
            "    LDS       _ACCA, udr1",
            "    LDS       _ACCB, ucsr1a                 ; Transmitter ready?",
            "    STS       udr1, _ACCA",
        },
        {
            "   ; > > SERPORT2 Init < <",
            "    LDI       _ACCA, 01Dh                   ; Rx and Tx enanable, polling",
            "    STS       ucr2, _ACCA                   ;",
            "    STS       UBRR1L, _ACCA                 ;",
            "    STS       UBRR1H, _ACCA                  ;",
            "    LDS       _ACCA, usr2                    ; Receiver ready?",
            "    LDS       _ACCA, udr2",
            "    LDS       _ACCB, usr2                   ; Transmitter ready?",
            "    STS       udr2, _ACCA",
        },
    },
};

// The loader's serial port: the first one that is chosen and offered; none for the
// Ethernet loader or when no chosen port is offered.
const LoaderLines* loaderLines(const BuildInput& p) {
    const Options& o = p.opts();
    const int scheme = p.cpu().Periph.has(UARTN) ? 0 : 1;
    if (o.checked("BootSer1Chck") && o.enabled("BootSer1Chck")) return &kLoaderLines[0][scheme];
    if (o.checked("BootSer2Chck") && o.enabled("BootSer2Chck")) return &kLoaderLines[1][scheme];
    return nullptr;
}

void writeBootTest(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const int fBootIndex = p.derived().fBootIndex;

    if (o.checked("BootAppChk")) {
        out.push_back("procedure BootTest;");
        out.push_back("begin");
    } else {
        out.push_back("procedure BootTest;               // this is the first code building");
        out.push_back("begin                             // part of the boot block");
        out.push_back("                                  // this is the absolute reset entry");
        if (o.checked("BootCheckSumChk")) {
            out.push_back("  if not CalcFlashCheck_B then  // get BootBlock Checksum");
            out.push_back("    // failed");
            out.push_back("  endif;");
        }
    }

    out.push_back("  ASM;");
    out.push_back("   ; check Flash validity         // replace \"%\" by real name");
    out.push_back("    LDI       _ACCCLO, %._BOOTCHECKF AND 0FFh");
    out.push_back("    LDI       _ACCCHI, %._BOOTCHECKF SHRB 8");
    // The check word $AA55 below the boot block, low byte first. Above the first 64 KiB of
    // flash it is read with ELPM and the page in RAMPZ.
    if (fBootIndex <= 32768) {
        out.push_back("    LPM       _ACCA, Z+");
        out.push_back("    CPI       _ACCA, 055h");
        out.push_back("    BRNE      BootTestX");
        out.push_back("    LPM       _ACCA, Z+");
        out.push_back("    CPI       _ACCA, 0AAh");
    } else {
        if (fBootIndex <= 65536)
            out.push_back("    LDI       _ACCA, 1");
        else
            out.push_back("    LDI       _ACCA, 3");
        out.push_back("    STS       RAMPZ, _ACCA");
        out.push_back("    ELPM      _ACCA, Z+");
        out.push_back("    CPI       _ACCA, 055h");
        out.push_back("    BRNE      BootTestX");
        out.push_back("    ELPM      _ACCA, Z+");
        out.push_back("    CPI       _ACCA, 0AAh");
    }
    out.push_back("    BRNE      BootTestX");
    out.push_back("   ;  // normal program start");
    out.push_back("    JMP       0000h;");
    out.push_back("    BootTestX:");
    out.push_back("   ; // check failed, try to download");
    out.push_back("  ENDASM;");
    out.push_back("");
    out.push_back("  FlashDownLoader;");
    out.push_back("end;");
    out.push_back("");
}

void writeLoaderInit(const BuildInput& p, Listing& out, const LoaderLines* port) {
    const BuildValues& d = p.values();
    out.push_back("procedure FlashLoaderInit;");
    out.push_back("begin");
    if (port) {
        out.push_back("  ASM;");
        out.push_back(port->initTitle);
        out.push_back("   ; > > Baudrate " + std::to_string(p.opts().value("BootBaudSpin")) +
                      "Baud < <");
        out.push_back(port->enable);
        out.push_back(port->control);
        out.push_back("    LDI       _ACCA, " + d.ps + "                   ; Baud");
        out.push_back(port->baudLow);
        if (!d.psh.empty()) {
            out.push_back("    LDI       _ACCA, " + d.psh);
            out.push_back(port->baudHigh);
        }
        out.push_back("  ENDASM;");
    }
    out.push_back("end;");
    out.push_back("");
}

void writeLoaderRecv(Listing& out, const LoaderLines* port) {
    out.push_back("procedure FlashLoaderRecv;");
    out.push_back("begin");
    if (port) {
        out.push_back("  ASM;");
        out.push_back("FLASHLDRRX:");
        out.push_back(port->rxStatus);
        out.push_back("    SBRS      _ACCA, 7                       ; Receiver ready?");
        out.push_back("    RJMP      FLASHLDRRX                     ; if not");
        out.push_back(port->rxData);
        out.push_back("  ENDASM;");
    }
    out.push_back("end;");
    out.push_back("");
}

void writeLoaderTransm(Listing& out, const LoaderLines* port) {
    out.push_back("procedure FlashLoaderTransm;");
    out.push_back("begin");
    if (port) {
        out.push_back("  ASM;");
        out.push_back("FLASHLDRTX:");
        out.push_back(port->txStatus);
        out.push_back("    SBRS      _ACCB, 5                      ; Transmitter ready?");
        out.push_back("    RJMP      FLASHLDRTX                    ; if not");
        out.push_back(port->txData);
        out.push_back("  ENDASM;");
    }
    out.push_back("end;");
    out.push_back("");
}

} // namespace

void WriteBootBlock(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    if (!o.checked("BootBlockChk")) return;

    const bool standAlone = !o.checked("BootAppChk");
    if (standAlone)
        out.push_back("{$PHASE BootBlock $" + hexDigits(p.derived().fBootIndex, 4) + "}");

    writeBootTest(p, out);
    const LoaderLines* port = loaderLines(p);
    writeLoaderInit(p, out, port);
    writeLoaderRecv(out, port);
    writeLoaderTransm(out, port);

    out.push_back("{ optional");
    out.push_back("procedure FlashLoaderExit;");
    out.push_back("begin");
    out.push_back("  ASM: JMP    0000h;");
    out.push_back("end;");
    out.push_back("}");

    if (standAlone) out.push_back("{$DEPHASE BootBlock}");
    out.push_back("");
}

} // namespace pramlet
