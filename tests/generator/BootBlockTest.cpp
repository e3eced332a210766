#include "PortFuseGeneratorFixture.h"
#include "tests/support/RecordingDialogs.h"

namespace pramlet::test {
namespace {

using BootBlockTest = PortFuseGeneratorTest;

// pfmega: numbered USART registers, boot area 0 at $F000; 16 MHz and 9600 baud by default.
TEST_F(BootBlockTest, StandAloneBlockOnTheFirstPort) {
    openBoot("pfmega");
    const Listing expected = {
        "{$PHASE BootBlock $F000}",
        "procedure BootTest;               // this is the first code building",
        "begin                             // part of the boot block",
        "                                  // this is the absolute reset entry",
        "  ASM;",
        "   ; check Flash validity         // replace \"%\" by real name",
        "    LDI       _ACCCLO, %._BOOTCHECKF AND 0FFh",
        "    LDI       _ACCCHI, %._BOOTCHECKF SHRB 8",
        "    LDI       _ACCA, 1",
        "    STS       RAMPZ, _ACCA",
        "    ELPM      _ACCA, Z+",
        "    CPI       _ACCA, 055h",
        "    BRNE      BootTestX",
        "    ELPM      _ACCA, Z+",
        "    CPI       _ACCA, 0AAh",
        "    BRNE      BootTestX",
        "   ;  // normal program start",
        "    JMP       0000h;",
        "    BootTestX:",
        "   ; // check failed, try to download",
        "  ENDASM;",
        "",
        "  FlashDownLoader;",
        "end;",
        "",
        "procedure FlashLoaderInit;",
        "begin",
        "  ASM;",
        "   ; > > SERPORT Init < <",
        "   ; > > Baudrate 9600Baud < <",
        "    LDI       _ACCA, 018h                   ; Rx and Tx enanable, polling",
        "    STS       ucsr0b, _ACCA                 ;",
        "    LDI       _ACCA, 067h                   ; Baud",
        "    STS       UBRR0L, _ACCA                 ;",
        "  ENDASM;",
        "end;",
        "",
        "procedure FlashLoaderRecv;",
        "begin",
        "  ASM;",
        "FLASHLDRRX:",
        "    LDS       _ACCA, ucsr0a                  ; Receiver ready?",
        "    SBRS      _ACCA, 7                       ; Receiver ready?",
        "    RJMP      FLASHLDRRX                     ; if not",
        "    LDS       _ACCA, udr0",
        "  ENDASM;",
        "end;",
        "",
        "procedure FlashLoaderTransm;",
        "begin",
        "  ASM;",
        "FLASHLDRTX:",
        "    LDS       _ACCB, ucsr0a                 ; Transmitter ready?",
        "    SBRS      _ACCB, 5                      ; Transmitter ready?",
        "    RJMP      FLASHLDRTX                    ; if not",
        "    STS       udr0, _ACCA",
        "  ENDASM;",
        "end;",
        "",
        "{ optional",
        "procedure FlashLoaderExit;",
        "begin",
        "  ASM: JMP    0000h;",
        "end;",
        "}",
        "{$DEPHASE BootBlock}",
        "",
    };
    EXPECT_EQ(only(WriteBootBlock), expected);
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(BootBlockTest, MarkerTestFollowsTheBootAddress) {
    openBoot("pfmega");
    const Listing lpm = {
        "    LDI       _ACCCHI, %._BOOTCHECKF SHRB 8",
        "    LPM       _ACCA, Z+",
        "    CPI       _ACCA, 055h",
        "    BRNE      BootTestX",
        "    LPM       _ACCA, Z+",
        "    CPI       _ACCA, 0AAh",
        "    BRNE      BootTestX",
    };
    const auto elpm = [](const char* page) {
        return Listing{
            "    LDI       _ACCCHI, %._BOOTCHECKF SHRB 8",
            page,
            "    STS       RAMPZ, _ACCA",
            "    ELPM      _ACCA, Z+",
            "    CPI       _ACCA, 055h",
            "    BRNE      BootTestX",
            "    ELPM      _ACCA, Z+",
            "    CPI       _ACCA, 0AAh",
            "    BRNE      BootTestX",
        };
    };
    struct Case {
        int index;
        const char* phase;
        Listing marker;
    };
    const Case cases[] = {
        {7680, "{$PHASE BootBlock $1E00}", lpm},
        {32768, "{$PHASE BootBlock $8000}", lpm},
        {32769, "{$PHASE BootBlock $8001}", elpm("    LDI       _ACCA, 1")},
        {65536, "{$PHASE BootBlock $10000}", elpm("    LDI       _ACCA, 1")},
        {65537, "{$PHASE BootBlock $10001}", elpm("    LDI       _ACCA, 3")},
    };
    for (const Case& c : cases) {
        d().fBootIndex = c.index;
        const Listing out = only(WriteBootBlock);
        EXPECT_EQ(out.at(0), c.phase) << c.index;
        EXPECT_EQ(slice(out, "    LDI       _ACCCHI", c.marker.size()), c.marker) << c.index;
    }
}

TEST_F(BootBlockTest, BootAreaChoiceReachesTheMarkerTest) {
    // Areas 1 and 2 of pfmega start at $8001 and $8000.
    openWith("pfmega", [this] {
        p.userCheck("BootBlockChk", true);
        p.userSelect("ComboBoxBootArea", 2);
    });
    Listing out = only(WriteBootBlock);
    EXPECT_EQ(out.at(0), "{$PHASE BootBlock $8000}");
    EXPECT_EQ(find(out, "    LPM       _ACCA, Z+"), 8);
    p.userSelect("ComboBoxBootArea", 1);
    out = only(WriteBootBlock);
    EXPECT_EQ(out.at(8), "    LDI       _ACCA, 1");
}

TEST_F(BootBlockTest, ChecksumTestOnlyInTheStandAloneBlock) {
    openWith("pfmega", [this] {
        p.userCheck("BootBlockChk", true);
        p.userCheck("BootCheckSumChk", true);
    });
    const Listing head = {
        "{$PHASE BootBlock $F000}",
        "procedure BootTest;               // this is the first code building",
        "begin                             // part of the boot block",
        "                                  // this is the absolute reset entry",
        "  if not CalcFlashCheck_B then  // get BootBlock Checksum",
        "    // failed",
        "  endif;",
        "  ASM;",
    };
    EXPECT_EQ(slice(only(WriteBootBlock), "{$PHASE", head.size()), head);
}

TEST_F(BootBlockTest, BootApplicationHasNoPlacementAndAShortHead) {
    openWith("pfmega", [this] {
        p.userCheck("BootBlockChk", true);
        p.userCheck("BootAppChk", true);
    });
    o().setChecked("BootCheckSumChk", true); // the rules lock it; the block ignores it anyway
    const Listing out = only(WriteBootBlock);
    const Listing head = {"procedure BootTest;", "begin", "  ASM;"};
    EXPECT_EQ(Listing(out.begin(), out.begin() + 3), head);
    const Listing tail = {"  ASM: JMP    0000h;", "end;", "}", ""};
    EXPECT_EQ(Listing(out.end() - 4, out.end()), tail);
    EXPECT_EQ(find(out, "{$PHASE"), -1);
    EXPECT_EQ(find(out, "{$DEPHASE"), -1);
    EXPECT_EQ(find(out, "  if not CalcFlashCheck_B"), -1);
}

// The three serial procedures without a usable serial port.
const Listing kEmptyLoader = {
    "procedure FlashLoaderInit;",
    "begin",
    "end;",
    "",
    "procedure FlashLoaderRecv;",
    "begin",
    "end;",
    "",
    "procedure FlashLoaderTransm;",
    "begin",
    "end;",
    "",
    "{ optional",
};

TEST_F(BootBlockTest, EthernetLoaderGetsEmptyBodies) {
    openWith("pfmega", [this] {
        p.userCheck("BootBlockChk", true);
        p.userChoose("BootENCChck");
    });
    const Listing out = only(WriteBootBlock);
    EXPECT_EQ(slice(out, "procedure FlashLoaderInit;", kEmptyLoader.size()), kEmptyLoader);
    EXPECT_NE(find(out, "  FlashDownLoader;"), -1); // BootTest stays complete
}

TEST_F(BootBlockTest, DisabledSerialPortGivesEmptyBodies) {
    openBoot("pfmega");
    o().setEnabled("BootSer1Chck", false);
    ASSERT_TRUE(o().checked("BootSer1Chck"));
    ASSERT_FALSE(o().checked("BootSer2Chck"));
    EXPECT_EQ(slice(only(WriteBootBlock), "procedure FlashLoaderInit;", kEmptyLoader.size()),
              kEmptyLoader);
}

// pftiny: older register names, boot area at $0C00.
TEST_F(BootBlockTest, OlderSchemeSecondPortWithHighDivisorByte) {
    openWith("pftiny", [this] {
        p.userCheck("BootBlockChk", true);
        p.userChoose("BootSer2Chck");
    });
    o().setValue("BootBaudSpin", 300); // divisor 3332 = 0D04h
    const Listing expected = {
        "procedure FlashLoaderInit;",
        "begin",
        "  ASM;",
        "   ; > > SERPORT2 Init < <",
        "   ; > > Baudrate 300Baud < <",
        "    LDI       _ACCA, 01Dh                   ; Rx and Tx enanable, polling",
        "    STS       ucr2, _ACCA                   ;",
        "    LDI       _ACCA, 004h                   ; Baud",
        "    STS       UBRR1L, _ACCA                 ;",
        "    LDI       _ACCA, 00Dh",
        "    STS       UBRR1H, _ACCA                  ;",
        "  ENDASM;",
        "end;",
        "",
        "procedure FlashLoaderRecv;",
        "begin",
        "  ASM;",
        "FLASHLDRRX:",
        "    LDS       _ACCA, usr2                    ; Receiver ready?",
        "    SBRS      _ACCA, 7                       ; Receiver ready?",
        "    RJMP      FLASHLDRRX                     ; if not",
        "    LDS       _ACCA, udr2",
        "  ENDASM;",
        "end;",
        "",
        "procedure FlashLoaderTransm;",
        "begin",
        "  ASM;",
        "FLASHLDRTX:",
        "    LDS       _ACCB, usr2                   ; Transmitter ready?",
        "    SBRS      _ACCB, 5                      ; Transmitter ready?",
        "    RJMP      FLASHLDRTX                    ; if not",
        "    STS       udr2, _ACCA",
        "  ENDASM;",
        "end;",
        "",
    };
    const Listing out = only(WriteBootBlock);
    EXPECT_EQ(slice(out, "procedure FlashLoaderInit;", expected.size()), expected);
    EXPECT_EQ(out.at(0), "{$PHASE BootBlock $0C00}");
    EXPECT_EQ(find(out, "    LPM       _ACCA, Z+"), 8);
}

TEST_F(BootBlockTest, RegisterNamesOfTheOtherTwoCombinations) {
    struct Case {
        const char* device;
        const char* port;
        Listing lines; // control, status (receive), data (receive), status (send), data (send)
    };
    const Case cases[] = {
        {"pfmega",
         "BootSer2Chck",
         {"    STS       ucsr1b, _ACCA                   ;",
          "    LDS       _ACCA, ucsr1a                  ; Receiver ready?",
          "    LDS       _ACCA, udr1",
          "    LDS       _ACCB, ucsr1a                 ; Transmitter ready?",
          "    STS       udr1, _ACCA"}},
        {"pftiny",
         "BootSer1Chck",
         {"    STS       ucr1, _ACCA                   ;",
          "    LDS       _ACCA, usr1                    ; Receiver ready?",
          "    LDS       _ACCA, udr1",
          "    LDS       _ACCB, usr1                   ; Transmitter ready?",
          "    STS       udr1, _ACCA"}},
    };
    for (const Case& c : cases) {
        openWith(c.device, [&] {
            p.userCheck("BootBlockChk", true);
            p.userChoose(OptName::lookup(c.port));
        });
        const Listing out = only(WriteBootBlock);
        const int init = find(out, "procedure FlashLoaderInit;");
        const int recv = find(out, "procedure FlashLoaderRecv;");
        const int send = find(out, "procedure FlashLoaderTransm;");
        ASSERT_TRUE(init >= 0 && recv >= 0 && send >= 0) << c.device;
        const Listing got = {out.at(init + 6), out.at(recv + 4), out.at(recv + 7), out.at(send + 4),
                             out.at(send + 7)};
        EXPECT_EQ(got, c.lines) << c.device;
        const char* low = c.port == std::string("BootSer2Chck")
                              ? "    STS       UBRR1L, _ACCA                 ;"
                              : "    STS       UBRR0L, _ACCA                 ;";
        EXPECT_EQ(out.at(init + 8), low) << c.device;
        // Back to the first page for the next controller.
        while (p.page() > 0)
            p.prev();
    }
}

TEST_F(BootBlockTest, BaudWarningDoesNotStopTheBuild) {
    openBoot("pfmega");
    o().setValue("BootBaudSpin", 115200);
    const Listing& out = build();
    EXPECT_TRUE(p.built());
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0],
              (RecordingDialogs::Entry{"error", "Baudrate error : -3.680% too high", "Ignore"}));
    EXPECT_TRUE(contains(out, "    LDI       _ACCA, 008h                   ; Baud"));

    // A new rate reaches the next build.
    o().setValue("BootBaudSpin", 1);
    dialogs.entries.clear();
    const Listing& again = build();
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0].text, "Baudrate is too low!!");
    const Listing high = {"    LDI       _ACCA, 0FFh                   ; Baud",
                          "    STS       UBRR0L, _ACCA                 ;",
                          "    LDI       _ACCA, 00Fh",
                          "    STS       UBRR0H, _ACCA                  ;"};
    EXPECT_EQ(slice(again, "    LDI       _ACCA, 0FFh", high.size()), high);
}

TEST_F(BootBlockTest, NothingWithoutABootBlock) {
    openWith("pfmega", [] {});
    o().setValue("BootBaudSpin", 0);
    EXPECT_TRUE(only(WriteBootBlock).empty());
    EXPECT_TRUE(dialogs.entries.empty()); // no divisor computed either
}

} // namespace
} // namespace pramlet::test
