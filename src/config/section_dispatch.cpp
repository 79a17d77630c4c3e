#include "config/section_dispatch.h"

namespace krx {

using namespace section_ids;

bool SectionHasSettings(SectionId id) {
    return id >= kGeneral && id <= kSystemParameters && id != kOutputs && id != kProfiles;
}

void StoreSection(SectionId id, EditorValues& v, ConfigImage& image) {
    if (!SectionHasSettings(id)) return;
    if (id == kGeneral) {
        StoreGeneral(v.general, image);
    } else if (id <= kLastConnection) {
        StoreConnection(id - kFirstConnection + 1, v.connections[id - kFirstConnection], image);
    } else if (id == kClock) {
        StoreClock(v.clock, image);
    } else if (id == kPower) {
        StorePower(v.power, image);
    } else if (id == kArmIn) {
        StoreArmIn(v.armIn, image);
    } else if (id == kInputs) {
        StoreInputsCommon(v.inputsCommon, image);
    } else if (id <= kLastInput) {
        StoreInput(id - kFirstInput + 1, v.inputs[id - kFirstInput], image);
    } else if (id <= kLastOutput) {
        StoreOutput(id - kFirstOutput + 1, v.outputs[id - kFirstOutput], image);
    } else if (id == kScenarios) {
        StoreScenarios(v.scenarios, image);
    } else if (id <= kLastProfile) {
        StoreProfile(id - kFirstProfile + 1, v.profiles[id - kFirstProfile], image);
    } else {
        StoreSystemParameters(v.systemParameters, image);
    }
}

void LoadSection(SectionId id, EditorValues& v, const ConfigImage& image, char decimalSeparator) {
    if (!SectionHasSettings(id)) return;
    if (id == kGeneral) {
        LoadGeneral(v.general, image);
    } else if (id <= kLastConnection) {
        LoadConnection(id - kFirstConnection + 1, v.connections[id - kFirstConnection], image);
    } else if (id == kClock) {
        LoadClock(v.clock, image);
    } else if (id == kPower) {
        LoadPower(v.power, image);
    } else if (id == kArmIn) {
        LoadArmIn(v.armIn, image);
    } else if (id == kInputs) {
        LoadInputsCommon(v.inputsCommon, image);
    } else if (id <= kLastInput) {
        LoadInput(id - kFirstInput + 1, v.inputs[id - kFirstInput], image, decimalSeparator);
    } else if (id <= kLastOutput) {
        LoadOutput(id - kFirstOutput + 1, v.outputs[id - kFirstOutput], image);
    } else if (id == kScenarios) {
        LoadScenarios(v.scenarios, image);
    } else if (id <= kLastProfile) {
        LoadProfile(id - kFirstProfile + 1, v.profiles[id - kFirstProfile], image);
    } else {
        LoadSystemParameters(v.systemParameters, image);
    }
}

}  // namespace krx
