// Footprint of section 1, from its field table.

#include "footprint.h"

namespace krx::test {

std::vector<OwnedBits> GeneralFootprint() {
    std::vector<OwnedBits> out;
    out.push_back({12, 0xFF});  // pause, ACK, two list-only flags, dial priority
    out.push_back({13, 0x1F});  // outdated-SMS time, data protocol; bits 5-7 unused
    AddBytes(out, 20, 9);       // SysPassword
    AddBytes(out, 29, 9);       // PIN
    AddBytes(out, 38, 5);       // DTMFPass
    AddBytes(out, 43, 9);       // Password
    AddBytes(out, 52, 16);      // SMSCA
    AddBytes(out, 2820, 9);     // BalansReqCMD
    AddBytes(out, 2829, 9);     // BalansIdWord
    AddBytes(out, 2838, 2);     // BalansMinVal
    AddBytes(out, 2840, 1);     // ReqPeriodH
    return out;
}

}  // namespace krx::test
