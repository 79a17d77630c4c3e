#include "config/connection_section.h"

#include "config/encoding.h"
#include "config/output_name_items.h"
#include "config/output_reaction_texts.h"

namespace krx {

using namespace connection_layout;

const std::array<std::string_view, 3>& TransportPriorityItems() {
    static constexpr std::array<std::string_view, 3> kItems = {
        "Голосовое и SMS оповещения равнозначны",
        "Посылать SMS только если не доставлено голосовое оповещ.",
        "Голосовое оповещение только если не отправлено SMS"};
    return kItems;
}

const std::array<std::string_view, 8>& GroupNumItems() {
    static constexpr std::array<std::string_view, 8> kItems = {"1", "2", "3", "4",
                                                               "5", "6", "7", "8"};
    return kItems;
}

const std::array<std::string_view, 16>& TranspWaitTimeItems() {
    static constexpr std::array<std::string_view, 16> kItems = {
        "1 Min.",  "2 Min.",  "3 Min.",  "4 Min.",  "5 Min.",  "6 Min.",  "7 Min.",  "8 Min.",
        "9 Min.",  "10 Min.", "11 Min.", "12 Min.", "13 Min.", "14 Min.", "15 Min.", "16 Min."};
    return kItems;
}

const std::array<std::string_view, 4>& IncomungCallActionItems() {
    static constexpr std::array<std::string_view, 4> kItems = {
        "Принять и перейти в голосовое меню, с паролем (DTMF управление)",
        "Принять и перейти в голосовое меню, без пароля (DTMF управление)",
        "Отбить (DTMF управление невозможно)",
        "Отбить и изменить режим (ОХРАНА/НАБЛЮДЕНИЕ)"};
    return kItems;
}

const std::vector<std::string>& OnLineTimeItems() {
    static const std::vector<std::string> kItems = [] {
        std::vector<std::string> items = {"По длине сообщения", "Задается DTMF упр."};
        for (int seconds = 2; seconds <= 61; ++seconds) {
            items.push_back(std::to_string(seconds) + " Sec.");
        }
        return items;
    }();
    return kItems;
}

const std::array<std::string_view, 3>& ConnectionTypeItems() {
    static constexpr std::array<std::string_view, 3> kItems = {"Голосовое", "SentryBeacon",
                                                               "Голосовое SB"};
    return kItems;
}

const std::array<std::string_view, 2>& LangItems() {
    static constexpr std::array<std::string_view, 2> kItems = {"Английский", "Русский"};
    return kItems;
}

const std::array<std::string_view, 2>& UserIdItems() {
    static constexpr std::array<std::string_view, 2> kItems = {"Код ключа TouchMem",
                                                               "Имя пользователя"};
    return kItems;
}

std::string_view IncomungCallActionToolTip(int index) {
    if (index < 0 || index >= kIncomungCallActionItemsOffered) return {};
    return IncomungCallActionItems()[static_cast<std::size_t>(index)];
}

namespace {

bool ValidConnection(int connection) {
    return connection >= 1 && connection <= kConnectionCount;
}

// The input boxes as two masks: "any" has a bit for every box that is not
// off, "checked" one for every box that is on.
void StoreInputBoxes(const MessageSources& s, std::size_t anyOffset, std::size_t checkedOffset,
                     ConfigImage& image) {
    std::uint16_t any = 0;
    std::uint16_t checked = 0;
    for (int n = 0; n < kSourceInputBoxes; ++n) {
        const auto state = s.inputs[static_cast<std::size_t>(n)];
        if (state != InputBoxState::Off) any |= static_cast<std::uint16_t>(1u << n);
        if (state == InputBoxState::On) checked |= static_cast<std::uint16_t>(1u << n);
    }
    image.setU16(anyOffset, any);
    image.setU16(checkedOffset, checked);
}

// All boxes off, the "any" bits to the third state, then the "checked" bits
// on, so that a box in both masks shows on.
void LoadInputBoxes(MessageSources& s, std::size_t anyOffset, std::size_t checkedOffset,
                    const ConfigImage& image) {
    const unsigned any = image.u16(anyOffset);
    const unsigned checked = image.u16(checkedOffset);
    for (int n = 0; n < kSourceInputBoxes; ++n) {
        auto& state = s.inputs[static_cast<std::size_t>(n)];
        state = InputBoxState::Off;
        if (any & (1u << n)) state = InputBoxState::Third;
        if (checked & (1u << n)) state = InputBoxState::On;
    }
}

void StoreEventBits(const MessageSources& s, std::size_t modes, std::size_t events,
                    ConfigImage& image) {
    for (unsigned i = 0; i < 4; ++i) {
        image.setBit(modes, i, s.arm[i]);
        image.setBit(modes, 4 + i, s.disarm[i]);
    }
    image.setBit(events, 0, s.restrictedArm);
    image.setBit(events, 1, s.power);
    image.setBit(events, 2, s.test);
    image.setBit(events, 3, s.gps);
}

void LoadEventBits(MessageSources& s, std::size_t modes, std::size_t events,
                   const ConfigImage& image) {
    for (unsigned i = 0; i < 4; ++i) {
        s.arm[i] = image.bit(modes, i);
        s.disarm[i] = image.bit(modes, 4 + i);
    }
    s.restrictedArm = image.bit(events, 0);
    s.power = image.bit(events, 1);
    s.test = image.bit(events, 2);
    s.gps = image.bit(events, 3);
}

}  // namespace

void StoreConnection(int connection, const ConnectionSettings& v, ConfigImage& image) {
    if (!ValidConnection(connection)) return;
    const std::size_t r = RecordStart(connection);

    image.setText(r + kPhone, kPhoneWidth, v.phone, Trim::Both);
    RemoveBlanks(image, r + kPhone);

    image.setBits(r + kRouting, kTransportPriorityFirst, kTransportPriorityWidth,
                  ListIndexToField(v.transportPriority, kTransportPriorityWidth));
    image.setBits(r + kRouting, kGroupNumFirst, kGroupNumWidth,
                  ListIndexToField(v.groupNum, kGroupNumWidth));
    image.setBits(r + kCallHandling, kIncomungCallActionFirst, kIncomungCallActionWidth,
                  ListIndexToField(v.incomungCallAction, kIncomungCallActionWidth));
    image.setBits(r + kCallHandling, kDialTranspWaitTimeFirst, kDialTranspWaitTimeWidth,
                  ListIndexToField(v.dialTranspWaitTime, kDialTranspWaitTimeWidth));
    image.setBits(r + kIncomingCallReaction, kIcToOuOutFirst, kIcToOuOutWidth,
                  ListIndexToField(v.icToOuOutN, kIcToOuOutWidth));
    image.setBits(r + kIncomingCallReaction, kIcToOuScnFirst, kIcToOuScnWidth,
                  ListIndexToField(v.icToOuScnN, kIcToOuScnWidth));
    image.setBit(r + kVoice, kNotAckBit, v.notAck);
    image.setBits(r + kVoice, kOnLineTimeFirst, kOnLineTimeWidth,
                  ListIndexToField(v.onLineTime, kOnLineTimeWidth));
    image.setBit(r + kVoice, kCallEnBit, v.callEn);
    image.setBits(r + kConnectionType, 0, kConnectionTypeWidth,
                  ListIndexToField(v.connectionType, kConnectionTypeWidth));

    StoreInputBoxes(v.voice, r + kMaskDInputAny, r + kMaskDInputChecked, image);
    StoreEventBits(v.voice, r + kMaskDModes, r + kMaskDEvents, image);

    image.setBits(r + kSms, 0, kSmsTranspWaitTimeWidth,
                  ListIndexToField(v.smsTranspWaitTime, kSmsTranspWaitTimeWidth));
    image.setBits(r + kMessages, kLangFirst, kLangWidth, ListIndexToField(v.lang, kLangWidth));
    image.setBits(r + kMessages, kUserIdBit, 1, ListIndexToField(v.userId, 1));
    image.setBit(r + kMessages, kDebugModeBit, v.debugMode);
    image.setBit(r + kMessages, kSmsEnBit, v.smsEn);
    image.setBit(r + kMessages, kJointUseBit, v.jointUse);

    StoreInputBoxes(v.sms, r + kMaskSInputAny, r + kMaskSInputChecked, image);
    StoreEventBits(v.sms, r + kMaskSModes, r + kMaskSEvents, image);
}

void LoadConnection(int connection, ConnectionSettings& v, const ConfigImage& image) {
    if (!ValidConnection(connection)) return;
    const std::size_t r = RecordStart(connection);

    v.phone = image.text(r + kPhone, kPhoneWidth);

    v.transportPriority =
        FieldToListIndex(image.bits(r + kRouting, kTransportPriorityFirst, kTransportPriorityWidth),
                         int(TransportPriorityItems().size()));
    v.groupNum = FieldToListIndex(image.bits(r + kRouting, kGroupNumFirst, kGroupNumWidth),
                                  int(GroupNumItems().size()));
    v.dialTranspWaitTime = FieldToListIndex(
        image.bits(r + kCallHandling, kDialTranspWaitTimeFirst, kDialTranspWaitTimeWidth),
        int(TranspWaitTimeItems().size()));
    v.incomungCallAction = FieldToListIndex(
        image.bits(r + kCallHandling, kIncomungCallActionFirst, kIncomungCallActionWidth),
        kIncomungCallActionItemsOffered);
    v.icToOuOutN = FieldToListIndex(
        image.bits(r + kIncomingCallReaction, kIcToOuOutFirst, kIcToOuOutWidth),
        kOutputCount);
    v.icToOuScnN = FieldToListIndex(
        image.bits(r + kIncomingCallReaction, kIcToOuScnFirst, kIcToOuScnWidth),
        kOutputReactionCount);
    v.notAck = image.bit(r + kVoice, kNotAckBit);
    v.callEn = image.bit(r + kVoice, kCallEnBit);
    v.onLineTime = FieldToListIndex(image.bits(r + kVoice, kOnLineTimeFirst, kOnLineTimeWidth),
                                    int(OnLineTimeItems().size()));
    v.connectionType = FieldToListIndex(image.bits(r + kConnectionType, 0, kConnectionTypeWidth),
                                        int(ConnectionTypeItems().size()));
    v.smsTranspWaitTime = FieldToListIndex(image.bits(r + kSms, 0, kSmsTranspWaitTimeWidth),
                                           int(TranspWaitTimeItems().size()));
    v.lang = FieldToListIndex(image.bits(r + kMessages, kLangFirst, kLangWidth),
                              int(LangItems().size()));
    v.userId = FieldToListIndex(image.bits(r + kMessages, kUserIdBit, 1), int(UserIdItems().size()));
    v.debugMode = image.bit(r + kMessages, kDebugModeBit);
    v.smsEn = image.bit(r + kMessages, kSmsEnBit);
    v.jointUse = image.bit(r + kMessages, kJointUseBit);

    LoadInputBoxes(v.voice, r + kMaskDInputAny, r + kMaskDInputChecked, image);
    LoadEventBits(v.voice, r + kMaskDModes, r + kMaskDEvents, image);
    LoadInputBoxes(v.sms, r + kMaskSInputAny, r + kMaskSInputChecked, image);
    LoadEventBits(v.sms, r + kMaskSModes, r + kMaskSEvents, image);
}

}  // namespace krx

namespace krx {

const std::array<std::string_view, 3>& InputBoxStateItems() {
    static constexpr std::array<std::string_view, 3> kItems = {"не отмечен", "отмечен", "третье состояние"};
    return kItems;
}

namespace {

// One source group: "MaskD..." for voice, "MaskS..." for SMS.
void VisitSources(std::string_view mask, MessageSources& s, SettingVisitor& visitor) {
    const std::string m(mask);
    const ItemList states(InputBoxStateItems());
    for (int i = 0; i < kSourceInputBoxes; ++i) {
        int state = static_cast<int>(s.inputs[static_cast<std::size_t>(i)]);
        visitor.choice(Numbered(m + "Input", i + 1), state, states);
        // A box always shows one of its states.
        if (state >= 0) s.inputs[static_cast<std::size_t>(i)] = static_cast<InputBoxState>(state);
    }
    for (int i = 0; i < 4; ++i)
        visitor.flag(i == 0 ? m + "Arm" : Numbered(m + "Arm", i + 1), s.arm[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 4; ++i)
        visitor.flag(i == 0 ? m + "Disarm" : Numbered(m + "Disarm", i + 1),
                     s.disarm[static_cast<std::size_t>(i)]);
    visitor.flag(m + "RestrictedArm", s.restrictedArm);
    visitor.flag(m + "Power", s.power);
    visitor.flag(m + "Test", s.test);
    visitor.flag(m + "GPS", s.gps);
}

}  // namespace

void VisitSettings(ConnectionSettings& v, SettingVisitor& visitor) {
    visitor.text("Phone", v.phone);
    visitor.choice("TransportPriority", v.transportPriority, ItemList(TransportPriorityItems()));
    visitor.choice("GroupNum", v.groupNum, ItemList(GroupNumItems()));
    visitor.choice("DialTranspWaitTime", v.dialTranspWaitTime, ItemList(TranspWaitTimeItems()));
    visitor.choice("IncomungCallAction", v.incomungCallAction, ItemList(IncomungCallActionItems()));
    visitor.choice("ICToOUOutN", v.icToOuOutN, ItemList(OutputNameItems()));
    visitor.choice("ICToOUScnN", v.icToOuScnN, ItemList(OutputReactionTexts()));
    visitor.flag("NotACK", v.notAck);
    visitor.flag("CallEn", v.callEn);
    visitor.choice("OnLineTime", v.onLineTime, ItemList(OnLineTimeItems()));
    visitor.choice("ConnectionType", v.connectionType, ItemList(ConnectionTypeItems()));
    VisitSources("MaskD", v.voice, visitor);
    visitor.choice("SMSTranspWaitTime", v.smsTranspWaitTime, ItemList(TranspWaitTimeItems()));
    visitor.choice("Lang", v.lang, ItemList(LangItems()));
    visitor.choice("UserId", v.userId, ItemList(UserIdItems()));
    visitor.flag("DebugMode", v.debugMode);
    visitor.flag("SMSEn", v.smsEn);
    visitor.flag("JointUse", v.jointUse);
    VisitSources("MaskS", v.sms, visitor);
}

}  // namespace krx
