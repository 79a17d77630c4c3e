#include "config/general_section.h"

#include <algorithm>

#include "config/encoding.h"

namespace krx {

using namespace general_layout;

const std::array<std::string_view, 8>& Call2CallPauseItems() {
    static constexpr std::array<std::string_view, 8> kItems = {"0",  "10", "20", "30",
                                                               "40", "50", "60", "70"};
    return kItems;
}

const std::array<std::string_view, 4>& DialPriorityItems() {
    static constexpr std::array<std::string_view, 4> kItems = {
        "Чередование от 1 до 8 по кольцу, без приоритета.",
        "Приоритет у соединения с меньшим номером.",
        "Приоритет у текущего соединения, до полной передачи.",
        "Приоритет у текущего соединения, до первой неудачи."};
    return kItems;
}

const std::array<std::string_view, 16>& OutdatedMsgTimeItems() {
    static constexpr std::array<std::string_view, 16> kItems = {
        "---",     "2 Min.",  "4 Min.",  "6 Min.",  "8 Min.",  "10 Min.", "12 Min.", "14 Min.",
        "16 Min.", "18 Min.", "20 Min.", "22 Min.", "24 Min.", "26 Min.", "28 Min.", "30 Min."};
    return kItems;
}

const std::array<std::string_view, 2>& DataProtocolItems() {
    static constexpr std::array<std::string_view, 2> kItems = {"V.32 (9600 bps)",
                                                               "V.110 (9600 bps)"};
    return kItems;
}

const std::string_view kSysPasswordWarning =
    "Административный пароль необходим для использования расширенного набора команд через SMS, а "
    "так же для защиты конфигурации устройства от модификации. После процедуры установки, запись "
    "и чтение конфигурации будут невозможны, без указания этого пароля. Действие нового пароля "
    "начнется с момента повторного запуска конфигуратора. Будьте внимательны, в случае утраты "
    "пароля его отмена возможна с помощью длительной процедуры, около 30 минут, при этом ранее "
    "настроенная конфигурация будет очищена, все параметры сбросятся к заводским. Этот пароль не "
    "сохраняется в файле конфигурации его нужно будет вводить при каждом запуске программы.";

const std::array<BalanceTemplate, 4>& BalanceTemplates() {
    static constexpr std::array<BalanceTemplate, 4> kTemplates = {{
        {"МТС", "*100#", "Баланс:"},
        {"Билайн", "*102#", "Баланс "},
        {"Мегафон", "*100#", ""},
        {"Теле 2", "*105#", "OCTATOK "},
    }};
    return kTemplates;
}

void ApplyBalanceTemplate(GeneralSettings& s, const BalanceTemplate& t) {
    s.balansReqCmd = std::string(t.reqCmd);
    s.balansIdWord = std::string(t.idWord);
}

const std::string_view kBalanceTemplatesNote =
    "Предустановленные шаблоны параметров запроса баланса могут отличаться в разных регионах. "
    "Уточните USSD команду для запроса баланса у вашего оператора. Ключевое слово - это ближайшие "
    "восемь символов слева от числового значения баланса.";

PasswordPayload AdminPasswordPayload(const ConfigImage& image) {
    PasswordPayload payload{};
    const auto& bytes = image.bytes();
    std::copy_n(bytes.begin() + kSysPassword, kPasswordPayloadSize - 1, payload.begin());
    return payload;
}

void StoreGeneral(GeneralSettings& s, ConfigImage& image) {
    // The password only exists while its box is checked.
    if (!s.useSysPassword) s.sysPassword.clear();

    image.setText(kSysPassword, kSysPasswordWidth, s.sysPassword);
    image.setText(kPassword, kPasswordWidth, s.password);
    image.setText(kSmsca, kSmscaWidth, s.smsca);
    RemoveBlanks(image, kSmsca);
    image.setText(kPin, kPinWidth, s.pin);
    image.setText(kDtmfPass, kDtmfPassWidth, s.dtmfPass);

    image.setBits(kOptionsByte, 0, 3, ListIndexToField(s.call2CallPauseX10S, 3));
    image.setBit(kOptionsByte, 3, s.ack);
    image.setBit(kOptionsByte, 4, s.controlOnlyList);
    image.setBit(kOptionsByte, 5, s.dtmfControlOnlyList);
    image.setBits(kOptionsByte, 6, 2, ListIndexToField(s.dialPriority, 2));
    image.setBits(kModemByte, 0, 4, ListIndexToField(s.outdatedMsgTime, 4));
    image.setBits(kModemByte, 4, 1, ListIndexToField(s.dataProtocol, 1));

    image.setText(kBalansReqCmd, kBalansReqCmdWidth, s.balansReqCmd, Trim::Both);
    image.setText(kBalansIdWord, kBalansIdWordWidth, s.balansIdWord, Trim::Leading);

    s.balansMinVal = TrimBlanks(s.balansMinVal);
    s.reqPeriodH = TrimBlanks(s.reqPeriodH);
    image.setU16(kBalansMinVal,
                 static_cast<std::uint16_t>(TypedNumberToField(s.balansMinVal, 0xFFFF)));
    image.setU8(kReqPeriodH, static_cast<std::uint8_t>(TypedNumberToField(s.reqPeriodH, 0xFF)));
}

void LoadGeneral(GeneralSettings& s, const ConfigImage& image) {
    s.sysPassword = image.text(kSysPassword, kSysPasswordWidth);
    s.password = image.text(kPassword, kPasswordWidth);
    s.smsca = image.text(kSmsca, kSmscaWidth);
    s.pin = image.text(kPin, kPinWidth);
    s.dtmfPass = image.text(kDtmfPass, kDtmfPassWidth);

    s.call2CallPauseX10S =
        FieldToListIndex(image.bits(kOptionsByte, 0, 3), int(Call2CallPauseItems().size()));
    s.ack = image.bit(kOptionsByte, 3);
    s.controlOnlyList = image.bit(kOptionsByte, 4);
    s.dtmfControlOnlyList = image.bit(kOptionsByte, 5);
    s.dialPriority = FieldToListIndex(image.bits(kOptionsByte, 6, 2), kDialPriorityItemsOffered);
    s.outdatedMsgTime =
        FieldToListIndex(image.bits(kModemByte, 0, 4), int(OutdatedMsgTimeItems().size()));
    s.dataProtocol = FieldToListIndex(image.bits(kModemByte, 4, 1), int(DataProtocolItems().size()));

    s.balansReqCmd = image.text(kBalansReqCmd, kBalansReqCmdWidth);
    s.balansIdWord = image.text(kBalansIdWord, kBalansIdWordWidth);
    s.balansMinVal = std::to_string(image.u16(kBalansMinVal));
    s.reqPeriodH = std::to_string(image.u8(kReqPeriodH));
}

void WriteGeneralDefaults(ConfigImage& image) {
    image.setBits(kOptionsByte, 0, 3, 1);  // pause "10" seconds
    image.setBit(kOptionsByte, 3, true);   // ACK
    image.setBit(kOptionsByte, 4, true);   // SMS control only from listed phones
    image.setBit(kOptionsByte, 5, true);   // DTMF control only from listed phones
    image.setBits(kOptionsByte, 6, 2, 0);  // ring alternation without priority
    image.setBits(kModemByte, 0, 4, 15);   // "30 Min."
    image.setBits(kModemByte, 4, 1, 1);    // V.110
    image.setText(kDtmfPass, kDtmfPassWidth, "4725");
    image.setText(kPassword, kPasswordWidth, "lorn");
    // SysPassword, PIN, SMSCA, balance texts and numbers are empty / 0.
}

}  // namespace krx

namespace krx {

void VisitSettings(GeneralSettings& v, SettingVisitor& visitor) {
    visitor.text("SysPassword", v.sysPassword);
    // A listed administrative password is meant to be stored: the check box
    // that guards it in the editor is not a setting.
    v.useSysPassword = !v.sysPassword.empty();
    visitor.text("Password", v.password);
    visitor.text("SMSCA", v.smsca);
    visitor.text("PIN", v.pin);
    visitor.text("DTMFPass", v.dtmfPass);
    visitor.choice("Call2CallPauseX10S", v.call2CallPauseX10S, ItemList(Call2CallPauseItems()));
    visitor.flag("ACK", v.ack);
    visitor.flag("ControlOnlyList", v.controlOnlyList);
    visitor.flag("DTMFControlOnlyList", v.dtmfControlOnlyList);
    visitor.choice("DialPriority", v.dialPriority, ItemList(DialPriorityItems()));
    visitor.choice("OutdatedMsgTime", v.outdatedMsgTime, ItemList(OutdatedMsgTimeItems()));
    visitor.choice("DATAProtocol", v.dataProtocol, ItemList(DataProtocolItems()));
    visitor.text("BalansReqCMD", v.balansReqCmd);
    visitor.text("BalansIdWord", v.balansIdWord);
    visitor.text("BalansMinVal", v.balansMinVal);
    visitor.text("ReqPeriodH", v.reqPeriodH);
}

}  // namespace krx
