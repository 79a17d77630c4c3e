#include <bit>
#include <string>

#include "config/input_section.h"
#include "config/inputs_common_section.h"
#include "config/section_defaults.h"

namespace krx {

void WriteInputDefaults(ConfigImage& image) {
    using namespace input_layout;
    namespace common = inputs_common_layout;

    image.setBits(common::kSupplyByte, 0, 1, 1);  // "Питание всегда подано"
    image.setBits(common::kSupplyByte, 1, 3, 3);  // "40  Sec."
    image.setBits(common::kSupplyByte, 4, 4, 0);  // "0  Sec."
    image.setBits(common::kStartByte, 0, 3, 0);   // "0 Sec."

    for (int input = 1; input <= kRecordCount; ++input) {
        const std::size_t r = RecordStart(input);
        image.setText(r + kSensName, kTextWidth, "ВХОД" + std::to_string(input));
        image.setText(r + kSensActSt, kTextWidth, "АКТИВЕН");
        image.setText(r + kSensPassSt, kTextWidth, "НЕАКТИВЕН");
        image.setBits(r + kLevelByte, 0, 4, 2);  // AverageTime "240 mSec."
        image.setBits(r + kLevelByte, 4, 3, 2);  // SensActLevel: between the barriers
        image.setBits(r + kDelayByte, 6, 2, 1);  // ReleToAlarm: by the alarm event, with block
        image.setBits(r + kTypeByte, 1, 3, 1);   // SensType "Дискретный"
        image.setU16(r + kLoBarrier, 1365);
        image.setU16(r + kHiBarrier, 2730);
        image.setBits(r + kSupplyByte, 0, 2, 2);  // SensorPwrSource "Другое"
        image.setU32(r + kMinVal, std::bit_cast<std::uint32_t>(0.0f));
        image.setU32(r + kMaxVal, std::bit_cast<std::uint32_t>(10.0f));
        // Everything else of the record, the reactions included, is 0.
    }
}

}  // namespace krx
