#include "config/system_parameters_section.h"

#include "config/encoding.h"

namespace krx {

using namespace system_parameters_layout;

const std::array<std::string_view, 2>& CalDirItems() {
    static constexpr std::array<std::string_view, 2> kItems = {"добавить 1 секунду",
                                                               "вычесть 1 секунду"};
    return kItems;
}

const std::array<std::string_view, 2>& BatteryTypeItems() {
    static constexpr std::array<std::string_view, 2> kItems = {
        "Литий-фосфатная LiFePO4 - (12В; 1,3 А/ч)", "Свинцово-кислотная Pb (12В; от 3,5 А/ч)"};
    return kItems;
}

const std::array<std::string_view, 3>& SystemParametersWarning() {
    static constexpr std::array<std::string_view, 3> kTexts = {
        "Системные параметры имеют индивидуальные значения для каждого экземпляра устройства и "
        "устанавливаются при производстве. Если необходимо изменить любой из этих параметров, "
        "считайте предустановленные значения, после изменения запрограммируйте.",
        "Для того, что бы новые значения вступили в силу необходимо перезапустить устройство. Для "
        "этого отключите и включите питание устройства или нажмите кнопку [Перезапустить].",
        "Эти значения не сохраняются в файле конфигурации и ни как не связанны с конфигурационными "
        "параметрами. Программирование доступно только из этого режима и ни как не влияет на "
        "конфигурацию прибора, так же как и конфигурирование не изменяет эти значения."};
    return kTexts;
}

void StoreSystemParameters(SystemParameters& v, ConfigImage& image) {
    v.calVal = TrimBlanks(v.calVal);
    const auto calVal = static_cast<std::uint32_t>(TypedNumberToField(v.calVal, kCalValMax));
    const std::uint32_t calDirMask = 1u << kCalDirBit;
    std::uint32_t word = image.u32(kCalibrationWord);
    word = (word & ~kCalValMask) | calVal;
    word = (word & ~calDirMask) | (ListIndexToField(v.calDir, 1) << kCalDirBit);
    image.setU32(kCalibrationWord, word);

    image.setBits(kBatteryType, 0, 1, ListIndexToField(v.batteryType, 1));
    image.setBit(kFWUpdateEnable, 0, v.fwUpdateEnable);
    image.setBit(kCRCCheckDisable, 0, v.crcCheckDisable);
}

void LoadSystemParameters(SystemParameters& v, const ConfigImage& image) {
    const std::uint32_t word = image.u32(kCalibrationWord);
    v.calVal = std::to_string(word & kCalValMask);
    v.calDir = FieldToListIndex((word >> kCalDirBit) & 1u, int(CalDirItems().size()));
    v.batteryType = FieldToListIndex(image.bits(kBatteryType, 0, 1), int(BatteryTypeItems().size()));
    v.fwUpdateEnable = image.bit(kFWUpdateEnable, 0);
    v.crcCheckDisable = image.bit(kCRCCheckDisable, 0);
}

}  // namespace krx
