#include "config/input_section.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "config/barrier_rules.h"
#include "config/encoding.h"
#include "config/number_format.h"

namespace krx {

using namespace input_layout;

namespace {

bool ValidInput(int input) { return input >= 1 && input <= kRecordCount; }

// Builds a list of "<n><suffix>" texts once and keeps them for views.
std::vector<std::string_view> NumberedItems(int count, int first, int step,
                                            std::string_view suffix,
                                            std::vector<std::string>& storage) {
    for (int k = 0; k < count; ++k) {
        storage.push_back(std::to_string(first + step * k) + std::string(suffix));
    }
    return {storage.begin(), storage.end()};
}

float ToStoredFloat(double value) {
    // A number beyond the single-precision range is kept as the largest one
    // of its sign rather than becoming infinite.
    constexpr double kMax = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -kMax, kMax));
}

void StoreReactions(const std::array<int, kReactionListLength>& list, std::size_t at,
                    ConfigImage& image) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        image.setU8(at + i, static_cast<std::uint8_t>(ListIndexToField(list[i], 8)));
    }
}

void LoadReactions(std::array<int, kReactionListLength>& list, std::size_t at,
                   const ConfigImage& image) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i] = FieldToListIndex(image.u8(at + i), kOutputReactionCount);
    }
}

}  // namespace

const std::array<std::string_view, 8>& SensNameSuggestions() {
    static constexpr std::array<std::string_view, 8> kItems = {
        "КОМНАТА", "ГОСТИНАЯ", "ПРИХОЖАЯ", "ОКНО", "ДВЕРЬ", "DOOR", "WINDOW", "HALL"};
    return kItems;
}

const std::array<std::string_view, 13>& SensStateSuggestions() {
    static constexpr std::array<std::string_view, 13> kItems = {
        "ДВИЖЕНИЕ", "ДЫМ", "АКТИВЕН", "ОТКРЫТА", "ЗАКРЫТА", "НОРМА", "ON",
        "OFF",      "OPEN", "CLOSE",  "MOVE",    "SMOKE",   "CLEAR"};
    return kItems;
}

const std::array<std::string_view, 16>& AverageTimeItems() {
    static constexpr std::array<std::string_view, 16> kItems = {
        "60 mSec.",  "120 mSec.", "240 mSec.", "360 mSec.", "480 mSec.", "660 mSec.",
        "840 mSec.", "1 Sec.",    "2 Sec.",    "3 Sec.",    "4 Sec.",    "6 Sec.",
        "8 Sec.",    "10 Sec.",   "12 Sec.",   "15 Sec."};
    return kItems;
}

const std::array<std::string_view, 6>& SensActLevelItems() {
    static constexpr std::array<std::string_view, 6> kItems = {
        "Низкий (Uвх. <= Нижн. гр.) или высокий (Uвх. >= Верхн. гр.)",
        "Низкий (Uвх. <= Нижн. гр.)",
        "Свободный (Нижн. гр. <= Uвх. <= Верхн. гр.)",
        "Высокий (Uвх. >= Верхн. гр.)",
        "Низкий гистерезисный (Uвх. <= Нижн. гр.)",
        "Высокий гистерезисный (Uвх. >= Верхн. гр.)"};
    return kItems;
}

const std::vector<std::string_view>& DelayTimeItems() {
    static std::vector<std::string> storage;
    static const std::vector<std::string_view> kItems = NumberedItems(64, 0, 5, " Sec.", storage);
    return kItems;
}

const std::array<std::string_view, 3>& ReleToAlarmItems() {
    static constexpr std::array<std::string_view, 3> kItems = {
        "напрямую, сигналом на входе", "тревожным событием, с учетом блокировки",
        "тревожным событием, без учета блокировки"};
    return kItems;
}

const std::array<std::string_view, 5>& SensTypeItems() {
    static constexpr std::array<std::string_view, 5> kItems = {
        "Запрещен", "Дискретный", "Аналоговый", "Термодатчик THX-21", "Термодатчик THX-31"};
    return kItems;
}

const std::array<std::string_view, 4>& ActiveTriggerNumItems() {
    static constexpr std::array<std::string_view, 4> kItems = {"1", "2", "3", "4"};
    return kItems;
}

const std::array<std::string_view, 9>& ListenNumItems() {
    static constexpr std::array<std::string_view, 9> kItems = {" -", "1", "2", "3", "4",
                                                               "5",  "6", "7", "8"};
    return kItems;
}

const std::array<std::string_view, 3>& SensorPwrSourceItems() {
    static constexpr std::array<std::string_view, 3> kItems = {
        "Порт питания датчиков (10VS)", "По шлейфу, со сбросом питания", "Другое"};
    return kItems;
}

const std::array<std::string_view, 4>& AlarmTryItems() {
    static constexpr std::array<std::string_view, 4> kItems = {
        "без ограничения", "не более 1 раза", "не более 3 раз", "не более 7 раз"};
    return kItems;
}

const std::array<std::string_view, 4>& ArmDisModeItems() {
    static constexpr std::array<std::string_view, 4> kItems = {"не менять", "ОХРАНА",
                                                               "НАБЛЮДЕНИЕ", "Противоположный"};
    return kItems;
}

const std::vector<std::string_view>& AlarmDelayTimeItems() {
    static std::vector<std::string> storage;
    static const std::vector<std::string_view> kItems =
        NumberedItems(16, 10, 10, " Сек.", storage);
    return kItems;
}

StoredScale ScaleFromTexts(std::string_view minText, std::string_view maxText) {
    StoredScale s{ToStoredFloat(ReadDecimalNumber(minText)),
                  ToStoredFloat(ReadDecimalNumber(maxText))};
    if (s.minVal == s.maxVal) {
        s.minVal = s.minVal - 1.0f;
        s.maxVal = s.maxVal + 1.0f;
    }
    return s;
}

std::string ScaleText(float value, char decimalSeparator) {
    return FormatGeneral(value, 7, decimalSeparator);
}

void StoreInput(int input, const InputSettings& v, ConfigImage& image) {
    if (!ValidInput(input)) return;
    const std::size_t r = RecordStart(input);

    // The names are kept exactly as typed, blanks included.
    image.setText(r + kSensName, kTextWidth, v.sensName, Trim::None);
    image.setText(r + kSensActSt, kTextWidth, v.sensActSt, Trim::None);
    image.setText(r + kSensPassSt, kTextWidth, v.sensPassSt, Trim::None);

    image.setBits(r + kLevelByte, 0, 4, ListIndexToField(v.averageTime, 4));
    image.setBits(r + kLevelByte, 4, 3, ListIndexToField(v.sensActLevel, 3));
    image.setBit(r + kLevelByte, 7, v.zone24H);
    image.setBits(r + kRecoveryByte, 0, 6,
                  static_cast<unsigned>(std::clamp(v.recoveryTime, 0, kRecoveryTimeMax)));
    image.setBits(r + kDelayByte, 0, 6, ListIndexToField(v.delayTime, 6));
    image.setBits(r + kDelayByte, 6, 2, ListIndexToField(v.releToAlarm, 2));
    image.setBits(r + kTypeByte, 1, 3, ListIndexToField(v.sensType, 3));

    image.setU16(r + kLoBarrier,
                 static_cast<std::uint16_t>(std::clamp(v.loBarrier, 0, kConverterCodeMax)));
    image.setU16(r + kHiBarrier,
                 static_cast<std::uint16_t>(std::clamp(v.hiBarrier, 0, kConverterCodeMax)));

    image.setBits(r + kFilterByte, 0, 2, ListIndexToField(v.activeTriggerNum, 2));
    image.setBit(r + kFilterByte, 2, v.notArmingAsActive);
    image.setBits(r + kFilterByte, 4, 4, ListIndexToField(v.listenNum, 4));
    image.setBits(r + kSupplyByte, 0, 2, ListIndexToField(v.sensorPwrSource, 2));
    image.setBits(r + kSupplyByte, 2, 2, ListIndexToField(v.alarmTry, 2));
    image.setBits(r + kSupplyByte, 4, 2, ListIndexToField(v.actArmDisMode, 2));
    image.setBits(r + kSupplyByte, 6, 2, ListIndexToField(v.passArmDisMode, 2));
    image.setBits(r + kAlarmByte, 0, 4, ListIndexToField(v.alarmDelayTime, 4));
    image.setBit(r + kAlarmByte, 4, v.activeToGps);

    const StoredScale scale = ScaleFromTexts(v.minVal, v.maxVal);
    image.setU32(r + kMinVal, std::bit_cast<std::uint32_t>(scale.minVal));
    image.setU32(r + kMaxVal, std::bit_cast<std::uint32_t>(scale.maxVal));

    StoreReactions(v.actRele, r + kActRele, image);
    StoreReactions(v.passRele, r + kPassRele, image);
}

void LoadInput(int input, InputSettings& v, const ConfigImage& image, char decimalSeparator) {
    if (!ValidInput(input)) return;
    const std::size_t r = RecordStart(input);

    // Each name field's 17th byte is its terminator: read 16 at most.
    v.sensName = image.text(r + kSensName, kTextWidth - 1);
    v.sensActSt = image.text(r + kSensActSt, kTextWidth - 1);
    v.sensPassSt = image.text(r + kSensPassSt, kTextWidth - 1);

    v.averageTime = FieldToListIndex(image.bits(r + kLevelByte, 0, 4), int(AverageTimeItems().size()));
    v.sensActLevel =
        FieldToListIndex(image.bits(r + kLevelByte, 4, 3), int(SensActLevelItems().size()));
    v.zone24H = image.bit(r + kLevelByte, 7);
    v.recoveryTime = static_cast<int>(image.bits(r + kRecoveryByte, 0, 6));
    v.delayTime = FieldToListIndex(image.bits(r + kDelayByte, 0, 6), int(DelayTimeItems().size()));
    v.releToAlarm =
        FieldToListIndex(image.bits(r + kDelayByte, 6, 2), int(ReleToAlarmItems().size()));
    v.sensType = FieldToListIndex(image.bits(r + kTypeByte, 1, 3), int(SensTypeItems().size()));

    // The sliders hold their positions within 0 .. 4095.
    v.loBarrier = std::min<int>(image.u16(r + kLoBarrier), kConverterCodeMax);
    v.hiBarrier = std::min<int>(image.u16(r + kHiBarrier), kConverterCodeMax);

    v.activeTriggerNum =
        FieldToListIndex(image.bits(r + kFilterByte, 0, 2), int(ActiveTriggerNumItems().size()));
    v.notArmingAsActive = image.bit(r + kFilterByte, 2);
    v.listenNum = FieldToListIndex(image.bits(r + kFilterByte, 4, 4), int(ListenNumItems().size()));
    v.sensorPwrSource =
        FieldToListIndex(image.bits(r + kSupplyByte, 0, 2), int(SensorPwrSourceItems().size()));
    v.alarmTry = FieldToListIndex(image.bits(r + kSupplyByte, 2, 2), int(AlarmTryItems().size()));
    v.actArmDisMode =
        FieldToListIndex(image.bits(r + kSupplyByte, 4, 2), int(ArmDisModeItems().size()));
    v.passArmDisMode =
        FieldToListIndex(image.bits(r + kSupplyByte, 6, 2), int(ArmDisModeItems().size()));
    v.alarmDelayTime =
        FieldToListIndex(image.bits(r + kAlarmByte, 0, 4), int(AlarmDelayTimeItems().size()));
    v.activeToGps = image.bit(r + kAlarmByte, 4);

    v.minVal = ScaleText(std::bit_cast<float>(image.u32(r + kMinVal)), decimalSeparator);
    v.maxVal = ScaleText(std::bit_cast<float>(image.u32(r + kMaxVal)), decimalSeparator);

    LoadReactions(v.actRele, r + kActRele, image);
    LoadReactions(v.passRele, r + kPassRele, image);
}

void ChangeSensType(InputSettings& v, int sensType) {
    v.sensType = sensType;
    if (sensType == kSensTypeThx31) {
        v.minVal = "-50";
        v.maxVal = "150";
    }
}

bool ScaleFieldsVisible(int sensType) {
    return sensType == kSensTypeAnalog || sensType == kSensTypeThx31;
}

}  // namespace krx

namespace krx {

void VisitSettings(InputSettings& v, SettingVisitor& visitor) {
    const ItemList reactions(OutputReactionTexts());
    visitor.text("SensName", v.sensName);
    visitor.text("SensActSt", v.sensActSt);
    visitor.text("SensPassSt", v.sensPassSt);
    visitor.choice("AverageTime", v.averageTime, ItemList(AverageTimeItems()));
    visitor.choice("SensActLevel", v.sensActLevel, ItemList(SensActLevelItems()));
    visitor.flag("24HZone", v.zone24H);
    visitor.number("RecoveryTime", v.recoveryTime, 0, kRecoveryTimeMax);
    visitor.choice("DelayTime", v.delayTime, ItemList(DelayTimeItems()));
    visitor.choice("ReleToAlarm", v.releToAlarm, ItemList(ReleToAlarmItems()));
    visitor.choice("SensType", v.sensType, ItemList(SensTypeItems()));
    visitor.number("LoBarrier", v.loBarrier, 0, kConverterCodeMax);
    visitor.number("HiBarrier", v.hiBarrier, 0, kConverterCodeMax);
    visitor.choice("ActiveTriggerNum", v.activeTriggerNum, ItemList(ActiveTriggerNumItems()));
    visitor.flag("NotArmingAsActive", v.notArmingAsActive);
    visitor.choice("ListenNum", v.listenNum, ItemList(ListenNumItems()));
    visitor.choice("SensorPwrSource", v.sensorPwrSource, ItemList(SensorPwrSourceItems()));
    visitor.choice("AlarmTry", v.alarmTry, ItemList(AlarmTryItems()));
    visitor.choice("ActArmDisMode", v.actArmDisMode, ItemList(ArmDisModeItems()));
    visitor.choice("PassArmDisMode", v.passArmDisMode, ItemList(ArmDisModeItems()));
    visitor.choice("AlarmDelayTime", v.alarmDelayTime, ItemList(AlarmDelayTimeItems()));
    visitor.flag("ActiveToGPS", v.activeToGps);
    visitor.text("MinVal", v.minVal);
    visitor.text("MaxVal", v.maxVal);
    for (std::size_t i = 0; i < v.actRele.size(); ++i)
        visitor.choice(Numbered("ActRele", int(i) + 1), v.actRele[i], reactions);
    for (std::size_t i = 0; i < v.passRele.size(); ++i)
        visitor.choice(Numbered("PassRele", int(i) + 1), v.passRele[i], reactions);
}

}  // namespace krx
