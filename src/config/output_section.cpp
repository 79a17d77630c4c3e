#include "config/output_section.h"

#include "config/encoding.h"

namespace krx {

using namespace output_layout;

namespace {

bool ValidOutput(int output) { return output >= 1 && output <= kRecordCount; }

// The names are stored exactly as typed; a loaded name never runs into the
// field's last byte, which a store always leaves 0.
std::string LoadName(const ConfigImage& image, std::size_t offset) {
    return image.text(offset, kTextWidth - 1);
}

}  // namespace

const std::array<std::string_view, 6>& ReleNameSuggestions() {
    static constexpr std::array<std::string_view, 6> kItems = {
        "РЕЛЕ", "ОБОГРЕВАТЕЛЬ", "ЛАМПА", "ЗАМОК", "НАСОС", "ДВИГАТЕЛЬ"};
    return kItems;
}

const std::array<std::string_view, 6>& ReleStateNameSuggestions() {
    static constexpr std::array<std::string_view, 6> kItems = {"ВКЛ",    "ВЫКЛ", "ЗАКРЫТ",
                                                               "ОТКРЫТ", "ON",   "OFF"};
    return kItems;
}

const std::array<std::string_view, 15>& CommTypeItems() {
    static constexpr std::array<std::string_view, 15> kItems = {
        "уровень",     "сценарий 1",  "сценарий 2",  "сценарий 3",  "сценарий 4",
        "сценарий 5",  "сценарий 6",  "сценарий 7",  "сценарий 8",  "сценарий 9",
        "сценарий 10", "сценарий 11", "сценарий 12", "сценарий 13", "сценарий 14"};
    return kItems;
}

std::string_view OutputEnableCaption(int output, const InterfaceTexts& texts) {
    return TextAt(texts.permissionWords, IsRelay(output) ? 0 : 1);
}

std::string_view OutputSourcesCaption(int output, const InterfaceTexts& texts) {
    return TextAt(texts.sourceListHeadings, IsRelay(output) ? 0 : 1);
}

void StoreOutput(int output, const OutputSettings& v, ConfigImage& image) {
    if (!ValidOutput(output)) return;
    const std::size_t r = RecordStart(output);
    image.setText(r + kReleName, kTextWidth, v.releName, Trim::None);
    image.setText(r + kReleNameAct, kTextWidth, v.releNameAct, Trim::None);
    image.setText(r + kReleNameDeact, kTextWidth, v.releNameDeact, Trim::None);
    image.setBits(r + kFlags, kCommTypeFirst, kCommTypeWidth,
                  ListIndexToField(v.commType, kCommTypeWidth));
    image.setBit(r + kFlags, kReleEnBit, v.releEn);
    image.setBit(r + kFlags, kReleInversionBit, v.releInversion);
    image.setBit(r + kFlags, kRemoteControlEnBit, v.remoteControlEn);
}

void LoadOutput(int output, OutputSettings& v, const ConfigImage& image) {
    if (!ValidOutput(output)) return;
    const std::size_t r = RecordStart(output);
    v.releName = LoadName(image, r + kReleName);
    v.releNameAct = LoadName(image, r + kReleNameAct);
    v.releNameDeact = LoadName(image, r + kReleNameDeact);
    v.commType = FieldToListIndex(image.bits(r + kFlags, kCommTypeFirst, kCommTypeWidth),
                                  int(CommTypeItems().size()));
    v.releEn = image.bit(r + kFlags, kReleEnBit);
    v.releInversion = image.bit(r + kFlags, kReleInversionBit);
    v.remoteControlEn = image.bit(r + kFlags, kRemoteControlEnBit);
}

}  // namespace krx

namespace krx {

void VisitSettings(OutputSettings& v, SettingVisitor& visitor) {
    visitor.text("ReleName", v.releName);
    visitor.text("ReleNameAct", v.releNameAct);
    visitor.text("ReleNameDeact", v.releNameDeact);
    visitor.choice("CommType", v.commType, ItemList(CommTypeItems()));
    visitor.flag("ReleEn", v.releEn);
    visitor.flag("ReleInversion", v.releInversion);
    visitor.flag("RemoteControlEn", v.remoteControlEn);
}

}  // namespace krx
