// Footprint of the connection sections, from the record table.

#include "footprint.h"

namespace krx::test {

std::vector<OwnedBits> ConnectionFootprint(int connection) {
    std::vector<OwnedBits> out;
    const std::size_t r = 68 + 36 * static_cast<std::size_t>(connection - 1);
    AddBytes(out, r, 16);           // Phone
    out.push_back({r + 16, 0x3F});  // TransportPriority, GroupNum; bits 6-7 unused
    out.push_back({r + 17, 0x3F});  // DialTranspWaitTime, IncomungCallAction; bits 6-7 unused
    out.push_back({r + 18, 0xFF});  // ICToOUOutN, ICToOUScnN
    out.push_back({r + 19, 0xFF});  // NotACK, CallEn, OnLineTime
    out.push_back({r + 20, 0x03});  // ConnectionType; bits 2-7 unused
    // r + 21 unused.
    AddBytes(out, r + 22, 2);       // MaskDInputAny (bits 8-15 written 0)
    AddBytes(out, r + 24, 2);       // MaskDInputChecked
    out.push_back({r + 26, 0xFF});  // voice arming / disarming events
    out.push_back({r + 27, 0x0F});  // restricted, system, test, GPS
    out.push_back({r + 28, 0x0F});  // SMSTranspWaitTime
    out.push_back({r + 29, 0x3F});  // Lang, UserId, DebugMode, SMSEn, JointUse
    AddBytes(out, r + 30, 2);       // MaskSInputAny
    AddBytes(out, r + 32, 2);       // MaskSInputChecked
    out.push_back({r + 34, 0xFF});  // SMS arming / disarming events
    out.push_back({r + 35, 0x0F});  // restricted, system, test, GPS
    return out;
}

}  // namespace krx::test
