// Every section's load-then-store, through its codec with the record its
// section id names, on random images touches nothing outside
// the bytes and bits its tables list, and the default image passes load then
// store of every section unchanged.

#include <QtTest>

#include <random>

#include "config/default_image.h"
#include "config/armin_section.h"
#include "config/clock_section.h"
#include "config/connection_section.h"
#include "config/general_section.h"
#include "config/input_section.h"
#include "config/inputs_common_section.h"
#include "config/output_section.h"
#include "config/power_section.h"
#include "config/profile_section.h"
#include "config/scenario_section.h"
#include "config/section_id.h"
#include "config/system_parameters_section.h"
#include "footprint.h"

using namespace krx;
using namespace krx::test;

namespace {

std::vector<OwnedBits> FootprintOf(SectionId id) {
    switch (id.kind()) {
        case SectionKind::General:
            return GeneralFootprint();
        case SectionKind::Connection:
            return ConnectionFootprint(id.record());
        case SectionKind::Clock:
            return ClockFootprint();
        case SectionKind::Power:
            return PowerFootprint();
        case SectionKind::ArmIn:
            return ArmInFootprint();
        case SectionKind::InputsCommon:
            return InputsCommonFootprint();
        case SectionKind::Input:
            return InputFootprint(id.record());
        case SectionKind::Output:
            return OutputFootprint(id.record() + 1);
        case SectionKind::Scenarios:
            return ScenariosFootprint();
        case SectionKind::Profile:
            return ProfileFootprint(id.record());
        case SectionKind::SystemParameters:
            return SystemParametersFootprint();
        default:
            return {};
    }
}

// Load then store of one section through its codec, with the record the
// section id names.
template <typename Settings, typename Load, typename Store>
void RoundTrip(ConfigImage& image, Load load, Store store) {
    Settings values{};
    load(values);
    store(values);
}

void LoadThenStore(SectionId id, ConfigImage& image) {
    const int n = id.record();
    switch (id.kind()) {
        case SectionKind::General:
            return RoundTrip<GeneralSettings>(
                image, [&](auto& v) { LoadGeneral(v, image); },
                [&](auto& v) { StoreGeneral(v, image); });
        case SectionKind::Connection:
            return RoundTrip<ConnectionSettings>(
                image, [&](auto& v) { LoadConnection(n, v, image); },
                [&](auto& v) { StoreConnection(n, v, image); });
        case SectionKind::Clock:
            return RoundTrip<ClockSettings>(
                image, [&](auto& v) { LoadClock(v, image); },
                [&](auto& v) { StoreClock(v, image); });
        case SectionKind::Power:
            return RoundTrip<PowerSettings>(
                image, [&](auto& v) { LoadPower(v, image); },
                [&](auto& v) { StorePower(v, image); });
        case SectionKind::ArmIn:
            return RoundTrip<ArmInSettings>(
                image, [&](auto& v) { LoadArmIn(v, image); },
                [&](auto& v) { StoreArmIn(v, image); });
        case SectionKind::InputsCommon:
            return RoundTrip<InputsCommonSettings>(
                image, [&](auto& v) { LoadInputsCommon(v, image); },
                [&](auto& v) { StoreInputsCommon(v, image); });
        case SectionKind::Input:
            return RoundTrip<InputSettings>(
                image, [&](auto& v) { LoadInput(n, v, image, ','); },
                [&](auto& v) { StoreInput(n, v, image); });
        case SectionKind::Output:
            return RoundTrip<OutputSettings>(
                image, [&](auto& v) { LoadOutput(n + 1, v, image); },
                [&](auto& v) { StoreOutput(n + 1, v, image); });
        case SectionKind::Scenarios:
            return RoundTrip<ScenarioGrid>(
                image, [&](auto& v) { LoadScenarios(v, image); },
                [&](auto& v) { StoreScenarios(v, image); });
        case SectionKind::Profile:
            return RoundTrip<ProfileSettings>(
                image, [&](auto& v) { LoadProfile(n, v, image); },
                [&](auto& v) { StoreProfile(n, v, image); });
        case SectionKind::SystemParameters:
            return RoundTrip<SystemParameters>(
                image, [&](auto& v) { LoadSystemParameters(v, image); },
                [&](auto& v) { StoreSystemParameters(v, image); });
        default:
            return;
    }
}

ConfigImage RandomImage(std::uint32_t seed) {
    std::mt19937 rng(seed);
    ConfigImage image;
    for (auto& b : image.bytes()) b = static_cast<std::uint8_t>(rng());
    return image;
}

}  // namespace

class TestSectionIsolation : public QObject {
    Q_OBJECT
private slots:
    void loadThenStore_changesOnlyTheSectionsFootprint_data();
    void loadThenStore_changesOnlyTheSectionsFootprint();
    void defaultImage_survivesLoadThenStoreOfEverySection_data();
    void defaultImage_survivesLoadThenStoreOfEverySection();
};

void TestSectionIsolation::loadThenStore_changesOnlyTheSectionsFootprint_data() {
    QTest::addColumn<int>("section");
    for (int id = 1; id <= 29; ++id) {
        const SectionKind kind = SectionId::FromIndex(id).kind();
        if (kind == SectionKind::Outputs || kind == SectionKind::Profiles) continue;
        QTest::addRow("section %d", id) << id;
    }
}

void TestSectionIsolation::loadThenStore_changesOnlyTheSectionsFootprint() {
    QFETCH(int, section);
    std::array<std::uint8_t, kImageSize> owned{};
    for (const OwnedBits& o : FootprintOf(SectionId::FromIndex(section))) owned.at(o.offset) |= o.mask;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const ConfigImage before = RandomImage(seed * 7919u + std::uint32_t(section));
        ConfigImage image = before;
        LoadThenStore(SectionId::FromIndex(section), image);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const std::uint8_t changed = before.u8(i) ^ image.u8(i);
            if ((changed & ~owned[i]) != 0) {
                QFAIL(qPrintable(QString("seed %1: byte %2 changed bits %3 outside the section")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(changed & ~owned[i], 2, 16, QChar('0'))));
            }
        }
    }
}

void TestSectionIsolation::defaultImage_survivesLoadThenStoreOfEverySection_data() {
    loadThenStore_changesOnlyTheSectionsFootprint_data();
}

void TestSectionIsolation::defaultImage_survivesLoadThenStoreOfEverySection() {
    QFETCH(int, section);
    ConfigImage image = DefaultImage();
    LoadThenStore(SectionId::FromIndex(section), image);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (image.u8(i) != DefaultImage().u8(i)) {
            QFAIL(qPrintable(QString("byte %1: %2 became %3")
                                 .arg(i)
                                 .arg(DefaultImage().u8(i))
                                 .arg(image.u8(i))));
        }
    }
}

QTEST_APPLESS_MAIN(TestSectionIsolation)
#include "tst_section_isolation.moc"
