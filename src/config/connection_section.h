#pragma once
// Sections "Соединение 1" .. "Соединение 8": one remote party each, with its
// phone number, how it is notified by voice and SMS, what it is told about,
// and how the controller treats its incoming calls.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_image.h"
#include "config/setting_visitor.h"

namespace krx {

namespace connection_layout {
// Eight 36-byte records; connection k is section k + 1.
inline constexpr std::size_t kFirstRecord = 68;
inline constexpr std::size_t kRecordSize = 36;
inline constexpr int kConnectionCount = 8;
// Start of connection `connection` (1-based).
constexpr std::size_t RecordStart(int connection) {
    return kFirstRecord + kRecordSize * static_cast<std::size_t>(connection - 1);
}
constexpr int ConnectionOfSection(int sectionId) { return sectionId - 1; }

// Offsets inside a record.
inline constexpr std::size_t kPhone = 0;
inline constexpr std::size_t kPhoneWidth = 16;
inline constexpr std::size_t kRouting = 16;  // bits 0-1 transport priority, 2-5 group
inline constexpr unsigned kTransportPriorityFirst = 0, kTransportPriorityWidth = 2;
inline constexpr unsigned kGroupNumFirst = 2, kGroupNumWidth = 4;
inline constexpr std::size_t kCallHandling = 17;  // bits 0-3 voice wait, 4-5 incoming call
inline constexpr unsigned kDialTranspWaitTimeFirst = 0, kDialTranspWaitTimeWidth = 4;
inline constexpr unsigned kIncomungCallActionFirst = 4, kIncomungCallActionWidth = 2;
inline constexpr std::size_t kIncomingCallReaction = 18;  // bits 0-2 output, 3-7 reaction
inline constexpr unsigned kIcToOuOutFirst = 0, kIcToOuOutWidth = 3;
inline constexpr unsigned kIcToOuScnFirst = 3, kIcToOuScnWidth = 5;
inline constexpr std::size_t kVoice = 19;  // bit 0 NotACK, bit 1 CallEn, bits 2-7 on-line time
inline constexpr unsigned kNotAckBit = 0, kCallEnBit = 1;
inline constexpr unsigned kOnLineTimeFirst = 2, kOnLineTimeWidth = 6;
inline constexpr std::size_t kConnectionType = 20;  // bits 0-1
inline constexpr unsigned kConnectionTypeWidth = 2;
inline constexpr std::size_t kMaskDInputAny = 22;      // unsigned 16
inline constexpr std::size_t kMaskDInputChecked = 24;  // unsigned 16
inline constexpr std::size_t kMaskDModes = 26;   // bits 0-3 arming 1..4, 4-7 disarming 1..4
inline constexpr std::size_t kMaskDEvents = 27;  // bits 0-3: restricted, system, test, GPS
inline constexpr std::size_t kSms = 28;          // bits 0-3 SMS wait time
inline constexpr unsigned kSmsTranspWaitTimeWidth = 4;
inline constexpr std::size_t kMessages = 29;  // language, user id, debug, SMS on, joint use
inline constexpr unsigned kLangFirst = 0, kLangWidth = 2;
inline constexpr unsigned kUserIdBit = 2, kDebugModeBit = 3, kSmsEnBit = 4, kJointUseBit = 5;
inline constexpr std::size_t kMaskSInputAny = 30;      // unsigned 16
inline constexpr std::size_t kMaskSInputChecked = 32;  // unsigned 16
inline constexpr std::size_t kMaskSModes = 34;
inline constexpr std::size_t kMaskSEvents = 35;
}  // namespace connection_layout

// The three states of a message-source input box. The third state is the
// controller's business; the editor only keeps it.
enum class InputBoxState : int { Off = 0, On = 1, Third = 2 };

// What a message-source input box shows in each state, by the state's number.
const std::array<std::string_view, 3>& InputBoxStateItems();

// Only inputs 1..8 have boxes; the masks' bits 8..15 are written 0.
inline constexpr int kSourceInputBoxes = 8;

// One " Передавать сообщения от следующих источников " group (voice or SMS).
struct MessageSources {
    std::array<InputBoxState, kSourceInputBoxes> inputs{};  // "Вх.1" .. "Вх.8"
    std::array<bool, 4> arm{};     // "ОХРАНА", "ОХРАНА 2" .. "ОХРАНА 4"
    std::array<bool, 4> disarm{};  // "НАБЛЮДЕНИЕ", "НАБЛЮДЕНИЕ 2" .. "НАБЛЮДЕНИЕ 4"
    bool restrictedArm = false;    // "ЗАЩИТА"
    bool power = false;            // "Системные события"
    bool test = false;             // "Тестовое / инфо. сообщения"
    bool gps = false;              // "GPS"

    bool operator==(const MessageSources&) const = default;
};

// What a connection section shows. List indexes are -1 when the list shows no
// choice.
struct ConnectionSettings {
    std::string phone;               // MaskEditPhone
    int transportPriority = -1;      // ComboBoxTransportPriority (hidden)
    int groupNum = -1;               // ComboBoxGroupNum (hidden)
    int dialTranspWaitTime = -1;     // ComboBoxDialTranspWaitTime
    int incomungCallAction = -1;     // ComboBoxIncomungCallAction
    int icToOuOutN = -1;             // ComboBoxICToOUOutN (hidden)
    int icToOuScnN = -1;             // ComboBoxICToOUScnN (hidden)
    bool notAck = false;             // CheckBoxNotACK (hidden)
    bool callEn = false;             // CheckBoxCallEn
    int onLineTime = -1;             // ComboBoxOnLineTime
    int connectionType = -1;         // ComboBoxConnectionType (hidden)
    MessageSources voice;            // the MaskD boxes
    int smsTranspWaitTime = -1;      // ComboBoxSMSTranspWaitTime
    int lang = -1;                   // ComboBoxLang
    int userId = -1;                 // ComboBoxUserId (hidden)
    bool debugMode = false;          // CheckBoxDebugMode (hidden)
    bool smsEn = false;              // CheckBoxSMSEn
    bool jointUse = false;           // CheckBoxJointUse (hidden)
    MessageSources sms;              // the MaskS boxes

    bool operator==(const ConnectionSettings&) const = default;
};

// Item lists.
const std::array<std::string_view, 3>& TransportPriorityItems();
const std::array<std::string_view, 8>& GroupNumItems();
// "1 Min." .. "16 Min." for both the voice and the SMS wait time.
const std::array<std::string_view, 16>& TranspWaitTimeItems();
const std::array<std::string_view, 4>& IncomungCallActionItems();
inline constexpr int kIncomungCallActionItemsOffered = 3;  // this model offers the first three
// "По длине сообщения", "Задается DTMF упр.", "2 Sec." .. "61 Sec." (62 items).
const std::vector<std::string>& OnLineTimeItems();
const std::array<std::string_view, 3>& ConnectionTypeItems();
const std::array<std::string_view, 2>& LangItems();
const std::array<std::string_view, 2>& UserIdItems();
// The incoming-call output list is OutputNameItems(), its reaction list
// OutputReactionTexts().

// The incoming-call list shows its chosen item's text as its tool-tip, since
// the items are wider than the list; empty when it shows no choice.
std::string_view IncomungCallActionToolTip(int index);

// What this model's connection panel shows. Every hidden setting is still
// loaded and stored back unchanged.
namespace connection_view {
inline constexpr bool kGroupNumShown = false;
inline constexpr bool kNotAckShown = false;
inline constexpr bool kUserIdShown = false;
inline constexpr bool kDebugModeShown = false;
inline constexpr bool kTransportPriorityShown = false;
inline constexpr bool kConnectionTypeShown = false;
inline constexpr bool kJointUseShown = false;
inline constexpr bool kIncomingCallOutputShown = false;
// Each source group shows "Вх.1" .. "Вх.4", "ОХРАНА", "НАБЛЮДЕНИЕ",
// "Системные события" and "Тестовое / инфо. сообщения".
inline constexpr int kSourceInputsShown = 4;
inline constexpr bool kArmShown = true;          // arm[0]
inline constexpr bool kDisarmShown = true;       // disarm[0]
inline constexpr bool kPowerShown = true;
inline constexpr bool kTestShown = true;
inline constexpr bool kMoreArmModesShown = false;  // arm/disarm 2..4
inline constexpr bool kRestrictedArmShown = false;
inline constexpr bool kGpsShown = false;
}  // namespace connection_view

// Connection 1..8 (section 2..9). A connection number outside 1..8 touches
// nothing.
void StoreConnection(int connection, const ConnectionSettings& v, ConfigImage& image);
void LoadConnection(int connection, ConnectionSettings& v, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(ConnectionSettings& v, SettingVisitor& visitor);

}  // namespace krx
