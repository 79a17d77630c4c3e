// Every section's load-then-store on random images touches nothing outside
// the bytes and bits its tables list, and the default image passes load then
// store of every section unchanged.

#include <QtTest>

#include <random>

#include "config/default_image.h"
#include "config/section_dispatch.h"
#include "footprint.h"

using namespace krx;
using namespace krx::test;

namespace {

std::vector<OwnedBits> FootprintOf(SectionId id) {
    using namespace section_ids;
    if (id == kGeneral) return GeneralFootprint();
    if (id >= kFirstConnection && id <= kLastConnection) return ConnectionFootprint(id - 1);
    if (id == kClock) return ClockFootprint();
    if (id == kPower) return PowerFootprint();
    if (id == kArmIn) return ArmInFootprint();
    if (id == kInputs) return InputsCommonFootprint();
    if (id >= kFirstInput && id <= kLastInput) return InputFootprint(id - 13);
    if (id >= kFirstOutput && id <= kLastOutput) return OutputFootprint(id - 18);
    if (id == kScenarios) return ScenariosFootprint();
    if (id >= kFirstProfile && id <= kLastProfile) return ProfileFootprint(id - 24);
    if (id == kSystemParameters) return SystemParametersFootprint();
    return {};
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
    void sectionsWithoutSettings_doNothing_data();
    void sectionsWithoutSettings_doNothing();
};

void TestSectionIsolation::loadThenStore_changesOnlyTheSectionsFootprint_data() {
    QTest::addColumn<int>("section");
    for (int id = 1; id <= 29; ++id) {
        if (!SectionHasSettings(id)) continue;
        QTest::addRow("section %d", id) << id;
    }
}

void TestSectionIsolation::loadThenStore_changesOnlyTheSectionsFootprint() {
    QFETCH(int, section);
    std::array<std::uint8_t, kImageSize> owned{};
    for (const OwnedBits& o : FootprintOf(section)) owned.at(o.offset) |= o.mask;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const ConfigImage before = RandomImage(seed * 7919u + std::uint32_t(section));
        ConfigImage image = before;
        EditorValues values;
        LoadSection(section, values, image);
        StoreSection(section, values, image);
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
    EditorValues values;
    LoadSection(section, values, image);
    StoreSection(section, values, image);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (image.u8(i) != DefaultImage().u8(i)) {
            QFAIL(qPrintable(QString("byte %1: %2 became %3")
                                 .arg(i)
                                 .arg(DefaultImage().u8(i))
                                 .arg(image.u8(i))));
        }
    }
}

void TestSectionIsolation::sectionsWithoutSettings_doNothing_data() {
    QTest::addColumn<int>("section");
    for (int id : {-1, 0, 18, 24, 30, 100}) QTest::addRow("section %d", id) << id;
}

void TestSectionIsolation::sectionsWithoutSettings_doNothing() {
    QFETCH(int, section);
    const ConfigImage before = RandomImage(99);
    ConfigImage image = before;
    EditorValues values;
    values.general.password = "changed";
    LoadSection(section, values, image);
    QCOMPARE(values.general.password, std::string("changed"));
    StoreSection(section, values, image);
    QVERIFY(image == before);
}

QTEST_APPLESS_MAIN(TestSectionIsolation)
#include "tst_section_isolation.moc"
