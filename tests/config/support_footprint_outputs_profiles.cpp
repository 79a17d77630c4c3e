// Footprints of the output, scenario, profile and system parameter sections,
// from their record tables.

#include "footprint.h"

namespace krx::test {

std::vector<OwnedBits> OutputFootprint(int output) {
    std::vector<OwnedBits> out;
    const std::size_t r = 1832 + 52 * static_cast<std::size_t>(output - 1);
    AddBytes(out, r, 17);       // ReleName
    AddBytes(out, r + 17, 17);  // ReleNameAct
    AddBytes(out, r + 34, 17);  // ReleNameDeact
    out.push_back({r + 51, 0xFF});  // CommType, ReleEn, ReleInversion, RemoteControlEn
    return out;
}

std::vector<OwnedBits> ScenariosFootprint() {
    std::vector<OwnedBits> out;
    AddBytes(out, 2196, 14 * 34);  // fourteen scenarios of 17 words
    return out;
}

std::vector<OwnedBits> ProfileFootprint(int profile) {
    std::vector<OwnedBits> out;
    const std::size_t r = 4316 + 122 * static_cast<std::size_t>(profile - 1);
    AddBytes(out, r, 17);  // ProfileName
    for (std::size_t i = 0; i < 4; ++i) {  // entries of inputs 1..4
        const std::size_t e = r + 18 + 6 * i;
        out.push_back({e, 0x01});  // ProfInput
        AddBytes(out, e + 2, 2);   // ProfLoBarrier
        AddBytes(out, e + 4, 2);   // ProfHiBarrier
    }
    AddBytes(out, r + 114, 7);  // ProfileToR1 .. ProfileToR7
    return out;
}

std::vector<OwnedBits> SystemParametersFootprint() {
    return {
        {5304, 0xFF},  // CALVAL bits 0-7
        {5305, 0xFF},  // CALVAL bits 8-15
        {5306, 0x03},  // CALVAL bit 16, CALDIR bit 17
        {5308, 0x01},  // BatteryType
        {5309, 0x01},  // FWUpdateEnable
        {5310, 0x01},  // CRCCheckDisable
    };
}

}  // namespace krx::test
