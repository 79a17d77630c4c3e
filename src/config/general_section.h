#pragma once
// Section "Общие параметры соединений": passwords, PIN, SMS centre, the
// notification and SMS-control options, and balance control.

#include <array>
#include <string>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"

namespace krx {

namespace general_layout {
inline constexpr std::size_t kOptionsByte = 12;   // pause, ACK, list-only flags, dial priority
inline constexpr std::size_t kModemByte = 13;     // outdated-SMS time, data protocol
inline constexpr std::size_t kSysPassword = 20;   inline constexpr std::size_t kSysPasswordWidth = 9;
inline constexpr std::size_t kPin = 29;           inline constexpr std::size_t kPinWidth = 9;
inline constexpr std::size_t kDtmfPass = 38;      inline constexpr std::size_t kDtmfPassWidth = 5;
inline constexpr std::size_t kPassword = 43;      inline constexpr std::size_t kPasswordWidth = 9;
inline constexpr std::size_t kSmsca = 52;         inline constexpr std::size_t kSmscaWidth = 16;
inline constexpr std::size_t kBalansReqCmd = 2820; inline constexpr std::size_t kBalansReqCmdWidth = 9;
inline constexpr std::size_t kBalansIdWord = 2829; inline constexpr std::size_t kBalansIdWordWidth = 9;
inline constexpr std::size_t kBalansMinVal = 2838;  // unsigned 16
inline constexpr std::size_t kReqPeriodH = 2840;    // unsigned 8
}  // namespace general_layout

// The payload that presents the administrative password to the controller:
// the 8 password bytes as the image holds them (zero-padded) and a closing
// zero. The factory reset presents the all-zero payload instead.
inline constexpr std::size_t kPasswordPayloadSize = 9;
using PasswordPayload = std::array<std::uint8_t, kPasswordPayloadSize>;
PasswordPayload AdminPasswordPayload(const ConfigImage& image);

// What the section's editor shows. List indexes are -1 when the list shows no
// choice; the two balance numbers are the texts of their edit boxes.
struct GeneralSettings {
    bool useSysPassword = false;  // CheckBoxSysPassword: never stored, unchecked at start
    std::string sysPassword;      // MaskEditSysPassword
    std::string password;         // MaskEditPassword
    std::string smsca;            // MaskEditSMSCA (hidden for this model)
    std::string pin;              // MaskEditPIN
    std::string dtmfPass;         // MaskEditDTMFPass
    int call2CallPauseX10S = -1;  // ComboBoxCall2CallPauseX10S
    bool ack = false;             // CheckBoxACK
    bool controlOnlyList = false;      // CheckBoxControlOnlyList
    bool dtmfControlOnlyList = false;  // CheckBoxDTMFControlOnlyList
    int dialPriority = -1;        // ComboBoxDialPriority
    int outdatedMsgTime = -1;     // ComboBoxOutdatedMsgTime (hidden for this model)
    int dataProtocol = -1;        // ComboBoxDATAProtocol (hidden group)
    std::string balansReqCmd;     // MaskEditBalansReqCMD
    std::string balansIdWord;     // MaskEditBalansIdWord
    std::string balansMinVal;     // EditBalansMinVal
    std::string reqPeriodH;       // EditReqPeriodH

    bool operator==(const GeneralSettings&) const = default;
};

// Item lists of the section's drop-down lists.
const std::array<std::string_view, 8>& Call2CallPauseItems();
const std::array<std::string_view, 4>& DialPriorityItems();
inline constexpr int kDialPriorityItemsOffered = 2;  // this model offers the first two
const std::array<std::string_view, 16>& OutdatedMsgTimeItems();
const std::array<std::string_view, 2>& DataProtocolItems();

// The administrative password edit and its label are enabled exactly when the
// check box is checked; the red warning is shown then.
inline bool SysPasswordEditEnabled(const GeneralSettings& s) { return s.useSysPassword; }
extern const std::string_view kSysPasswordWarning;

// A preset that fills only the two balance texts of the editor.
struct BalanceTemplate {
    std::string_view name;
    std::string_view reqCmd;
    std::string_view idWord;
};
const std::array<BalanceTemplate, 4>& BalanceTemplates();
void ApplyBalanceTemplate(GeneralSettings& s, const BalanceTemplate& t);
extern const std::string_view kBalanceTemplatesNote;

// Editor to image. Empties the administrative password when its box is not
// checked and writes the trimmed number texts back, as the editor then shows.
void StoreGeneral(GeneralSettings& s, ConfigImage& image);
// Image to editor. Leaves `useSysPassword` as it is.
void LoadGeneral(GeneralSettings& s, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(GeneralSettings& v, SettingVisitor& visitor);

}  // namespace krx
