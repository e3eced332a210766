// The batch front end on the special driver pages: it refuses what the page's rules have
// disabled or hidden at that moment and takes what a user could set.

#include "app/cli/Cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pramlet {
namespace {

struct Result {
    int status;
    std::string out, err;
    // The items of the Import line.
    std::string imports() const {
        const size_t at = ("\n" + out).find("\nImport ");
        return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at) - at);
    }
};

Result run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--devices", PRAMLET_TEST_DATA "/p710", "--app", "Special"});
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> sets(const std::string& device, std::vector<std::string> settings) {
    std::vector<std::string> args = {"--device", device};
    for (auto& s : settings) {
        args.push_back("--set");
        args.push_back(s);
    }
    return args;
}

TEST(CliSpecialPages, RefusesWhatTheRulesDisabledOrHid) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        // Page 7: the tick timer's members wait for its import; no timer 5 with four timers.
        {sets("mega710t4", {"TickTimer3Chk=true"}), "option TickTimer3Chk is disabled"},
        {sets("mega710t4", {"TickTimerChk=true", "TickTimer5Chk=true"}),
         "option TickTimer5Chk is disabled"},
        {sets("mega710t3", {"RTCtimeBtn=true"}), "option RTCtimeBtn is disabled"},
        {sets("mega710t4", {"RTCxdataChk=true"}), "option RTCxdataChk is disabled"},
        {sets("mega710t3", {"DCFBitSpin=3"}), "option DCFBitSpin is disabled"},
        // Page 8: no TWI port; a master switches the network off; hidden UART SPI boxes.
        {sets("tiny710", {"TWImasterChk=true"}), "option TWImasterChk is disabled"},
        {sets("mega710t3", {"TWImasterChk=true", "TWInetSlaveChk=true"}),
         "option TWInetSlaveChk is disabled"},
        {sets("mega710t4", {"MSPIchk0=true"}), "option MSPIchk0 is hidden (MSPIgroup0)"},
        {sets("mega710t3", {"ComboBoxSoftPWM=PortB", "SoftPWMtmr2Chk=true"}),
         "option SoftPWMtmr2Chk is disabled"},
        // Page 9: no CAN; timer 3 of the servo only with exactly three timers.
        {sets("mega710t3", {"CANimpChk=true"}), "option CANimpChk is disabled"},
        {sets("mega710f", {"ComboBoxServoPort=PortB", "ServoTimr3Check=true"}),
         "option ServoTimr3Check is disabled"},
        {sets("mega710t3", {"LPTI2CChk=true"}), "option LPTI2CChk is disabled"},
        {sets("mega710t3", {"Port3chk=true"}), "option Port3chk is disabled"},
        // Page 10: mail and web are never offered; ROVA's timers end below the count.
        {sets("mega710f", {"TCP_IPchk=true", "TCP_HTTPchk=true"}),
         "option TCP_HTTPchk is disabled"},
        {sets("mega710t3", {"ROVAchk=true", "ROVA_TimerSpin=3"}),
         "option ROVA_TimerSpin cannot take \"3\""},
    };
    for (const auto& [args, message] : cases) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_NE(r.err.find("pramlet-cli: " + message + "\n"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << message;
    }
}

TEST(CliSpecialPages, TakesWhatAUserCouldSet) {
    const Result r = run(sets(
        "mega710t3", {"TickTimerChk=true", "TickTimer3Chk=true", "RTCsystickChk=true",
                      "RTCtimeBtn=true", "ComboBoxDCF77=PinD", "DCFBitSpin=3", "TWImasterChk=true",
                      "MSPIchk0=true", "MSPImsb0=true", "ComboBoxServoPort=PortB",
                      "ServoTimr3Check=true", "I2CexpChk=true", "Port3chk=true", "LPTTWIChk=true",
                      "LPTadrSpin=5", "ROVAchk=true", "ROVA_TimerSpin=2", "TCP_IPchk=true"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, ""); // the TCP/IP driver runs over the TWI master
    for (const char* item :
         {" RTclock,", " DCFclock,", " LPTport,", " I2Cexpand,", " MSPI_0,", " TickTimer,",
          " TWImaster,", " ServoPort,", " wzNet4,", " ROVAstack;"})
        EXPECT_NE(r.imports().find(item), std::string::npos) << item << r.imports();
}

TEST(CliSpecialPages, DependencyMessagesGoToStandardError) {
    const Result r = run(sets("mega710t3", {"I2C_7segChk=true", "TCP_IPchk=true"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "beep: \n"
                     "error: I2C_7seg Port needs either\\r\\n    I2Cport import\\r\\nor "
                     "TWImaster import\\r\\nor TWInetMaster import\\r\\nor TWInetMasterSlave "
                     "import\n"
                     "beep: \n"
                     "error: TCP/IP over TWI needs either\\r\\nTWImaster import\\r\\nor "
                     "TWInetMaster import\\r\\nor TWInetMasterSlave import\n");
    EXPECT_EQ(r.out.find("I2C_Disp7"), std::string::npos);
}

} // namespace
} // namespace pramlet
