#include "config/clock_section.h"

#include <cstdint>

namespace krx {

using namespace clock_layout;

const std::array<std::string_view, kTimeZoneCount>& TimeZoneItems() {
    static constexpr std::array<std::string_view, kTimeZoneCount> kItems = {
        "(GMT-12:00)",
        "(GMT-11:00)",
        "(GMT-10:00)",
        "(GMT-9:00)",
        "(GMT-8:00)",
        "(GMT-7:00)",
        "(GMT-6:00)",
        "(GMT-5:00)",
        "(GMT-4:00)",
        "(GMT-3:00)",
        "(GMT-2:00)",
        "(GMT-1:00)",
        "(GMT) Время по Гринвичу: Дублин, Лондон",
        "(GMT+1:00)",
        "(GMT+2:00) Афины, Бейрут, Киев, Минск",
        "(GMT+3:00)",
        "(GMT+4:00) Москва, Санкт-Петербург, Тула",
        "(GMT+5:00)",
        "(GMT+6:00) Екатеринбург",
        "(GMT+7:00) Омск, Новосибирск, Алма-Ата",
        "(GMT+8:00) Красноярск",
        "(GMT+9:00) Иркутск",
        "(GMT+10:00) Якутск",
        "(GMT+11:00) Владивосток",
        "(GMT+12:00)",
        "(GMT+13:00)"};
    return kItems;
}

int TimeZoneIndex(int hoursFromUtc) {
    const int index = hoursFromUtc - kLowestTimeZone;
    return index >= 0 && index < kTimeZoneCount ? index : -1;
}

const std::array<std::string_view, kInfoInputBoxes>& InfoInCaptions() {
    static constexpr std::array<std::string_view, kInfoInputBoxes> kCaptions = {
        "Вх. 1", "Вх. 2",  "Вх. 3",  "Вх. 4",  "Вх. 5",  "Вх. 6",  "Вх. 7",  "Вх. 8",
        "Вх. 9", "Вх. 10", "Вх. 11", "Вх. 12", "Вх. 13", "Вх. 14", "Вх. 15", "Вх. 16"};
    return kCaptions;
}

const std::array<std::string_view, kInfoOutputBoxes>& InfoRCaptions() {
    static constexpr std::array<std::string_view, kInfoOutputBoxes> kCaptions = {
        "Р1", "Р2", "Вых.1", "Вых.2", "Вых.3", "Вых.4", "Вых.5"};
    return kCaptions;
}

void StoreClock(const ClockSettings& v, ConfigImage& image) {
    for (int t = 1; t <= scheduler_layout::kTaskCount; ++t) {
        StoreSchedulerTask(t, v.tasks[static_cast<std::size_t>(t - 1)], image);
    }

    std::uint16_t inputs = 0;
    for (int n = 0; n < kInfoInputBoxes; ++n) {
        if (v.infoIn[static_cast<std::size_t>(n)]) inputs |= static_cast<std::uint16_t>(1u << n);
    }
    image.setU16(kInfoIn, inputs);
    std::uint8_t outputs = 0;  // bit 7 is always written 0
    for (int n = 0; n < kInfoOutputBoxes; ++n) {
        if (v.infoR[static_cast<std::size_t>(n)]) outputs |= static_cast<std::uint8_t>(1u << n);
    }
    image.setU8(kInfoR, outputs);

    if (v.timeZone >= 0 && v.timeZone < kTimeZoneCount) {
        image.setU8(kTimeZone, static_cast<std::uint8_t>(v.timeZone + kLowestTimeZone));
    }
    image.setBit(kDst, kDstEnableBit, v.dstEnable);
}

void LoadClock(ClockSettings& v, const ConfigImage& image) {
    v.timeZone = TimeZoneIndex(static_cast<std::int8_t>(image.u8(kTimeZone)));
    v.dstEnable = image.bit(kDst, kDstEnableBit);
    const unsigned inputs = image.u16(kInfoIn);
    for (int n = 0; n < kInfoInputBoxes; ++n) {
        v.infoIn[static_cast<std::size_t>(n)] = (inputs >> n) & 1u;
    }
    for (int n = 0; n < kInfoOutputBoxes; ++n) {
        v.infoR[static_cast<std::size_t>(n)] = image.bit(kInfoR, unsigned(n));
    }
    for (int t = 1; t <= scheduler_layout::kTaskCount; ++t) {
        LoadSchedulerTask(t, v.tasks[static_cast<std::size_t>(t - 1)], image);
    }
}

}  // namespace krx

namespace krx {

void VisitSettings(ClockSettings& v, SettingVisitor& visitor) {
    visitor.choice("TimeZone", v.timeZone, ItemList(TimeZoneItems()));
    visitor.flag("DSTEnable", v.dstEnable);
    for (std::size_t i = 0; i < v.infoIn.size(); ++i)
        visitor.flag(Numbered("InfoIn", int(i) + 1), v.infoIn[i]);
    for (std::size_t i = 0; i < v.infoR.size(); ++i)
        visitor.flag(Numbered("InfoR", int(i) + 1), v.infoR[i]);
    for (std::size_t t = 0; t < v.tasks.size(); ++t) {
        PrefixedVisitor task(Numbered("SchedulerTask", int(t) + 1), visitor);
        VisitSettings(v.tasks[t], task);
    }
}

}  // namespace krx
