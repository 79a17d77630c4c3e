// Footprints of the Arm-In section, the inputs-common pair and the input
// records, from their field tables.

#include "footprint.h"

namespace krx::test {

namespace {

std::size_t InputRecord(int input) { return 360 + 92 * static_cast<std::size_t>(input - 1); }

}  // namespace

std::vector<OwnedBits> ArmInFootprint() {
    std::vector<OwnedBits> out;
    AddBytes(out, 3104, 34);  // DelayARM, ArmInMode, four reaction lists, four profile choices
    for (int input = 1; input <= 8; ++input) {
        out.push_back({InputRecord(input) + 55, 0x01});  // RestrArmMode
    }
    for (std::size_t entry = 0; entry < 32; ++entry) {
        const std::size_t e = 3292 + 32 * entry;
        AddBytes(out, e, 8);       // key code
        AddBytes(out, e + 8, 17);  // user name; the last 7 bytes are not edited
    }
    return out;
}

std::vector<OwnedBits> InputsCommonFootprint() {
    std::vector<OwnedBits> out;
    out.push_back({356, 0xFF});  // PortPwrSensAllOn, LoopPwrResetTime, NoScaningTimeAftArm
    out.push_back({357, 0x07});  // NoScaningTimeAftReset
    return out;
}

std::vector<OwnedBits> InputFootprint(int input) {
    std::vector<OwnedBits> out;
    const std::size_t r = InputRecord(input);
    AddBytes(out, r, 51);           // SensName, SensActSt, SensPassSt
    out.push_back({r + 52, 0xFF});  // AverageTime, SensActLevel, 24HZone
    out.push_back({r + 53, 0x3F});  // RecoveryTime
    out.push_back({r + 54, 0xFF});  // DelayTime, ReleToAlarm
    out.push_back({r + 55, 0x0E});  // SensType; bit 0 belongs to the Arm-In section
    AddBytes(out, r + 58, 4);       // LoBarrier, HiBarrier
    out.push_back({r + 62, 0xF7});  // ActiveTriggerNum, NotArmingAsActive, ListenNum
    out.push_back({r + 63, 0xFF});  // SensorPwrSource, AlarmTry, ActArmDisMode, PassArmDisMode
    out.push_back({r + 64, 0x1F});  // AlarmDelayTime, ActiveToGPS
    AddBytes(out, r + 68, 8);       // MinVal, MaxVal
    AddBytes(out, r + 76, 14);      // ActRele1..7, PassRele1..7
    return out;
}

}  // namespace krx::test
