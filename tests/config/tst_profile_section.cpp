// Sections "Профиль 1" .. "Профиль 4": the profile record codec, its
// defaults, slider coupling and the barrier labels, pinned against bytes and
// texts worked out by hand from the record tables.

#include <QtTest>

#include <bit>

#include "common/test_bytes.h"
#include "config/default_image.h"
#include "config/profile_section.h"
#include "footprint_check.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

QByteArray Field17(const QByteArray& text) { return text + QByteArray(17 - text.size(), '\0'); }

ProfileSettings Loaded(int profile, const ConfigImage& image) {
    ProfileSettings v;
    LoadProfile(profile, v, image);
    return v;
}

QString Label(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : QStringLiteral("<unchanged>");
}

}  // namespace

class TestProfileSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_eightProfiles_data();
    void defaults_eightProfiles();
    void defaults_loadAsShown();
    void store_writesOnlyTheEditedBitsAndBytes();
    void load_showsRecord();
    void load_reactionBeyondList_showsNoChoiceAndStoresAllOnes();
    void load_barrierBeyondSlider_showsSliderEnd();
    void storeAndLoad_profileOutsideRange_touchNothing();
    void loadThenStore_changesOnlyTheFootprint();
    void loadThenStore_defaultImageUnchanged();
    void sliders_areCoupled_data();
    void sliders_areCoupled();
    void barrierLabel_byInputType_data();
    void barrierLabel_byInputType();
    void rowLabels_readTheInputRecord();
};

void TestProfileSection::defaults_eightProfiles_data() {
    QTest::addColumn<int>("profile");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("1") << 1 << QByteArray("\xCA\xCE\xCC\xD4\xCE\xD0\xD2");      // КОМФОРТ
    QTest::newRow("2") << 2 << QByteArray("\xDD\xCA\xCE\xCD\xCE\xCC");          // ЭКОНОМ
    QTest::newRow("3") << 3 << QByteArray("\xCF\xD0\xCE\xD4\xC8\xCB\xDC\x33");  // ПРОФИЛЬ3
    QTest::newRow("8") << 8 << QByteArray("\xCF\xD0\xCE\xD4\xC8\xCB\xDC\x38");  // ПРОФИЛЬ8
}

void TestProfileSection::defaults_eightProfiles() {
    QFETCH(int, profile);
    QFETCH(QByteArray, name);
    const ConfigImage& d = DefaultImage();
    const std::size_t r = 4316 + 122 * std::size_t(profile - 1);
    QCOMPARE(ImageBytes(d, r, 17), Field17(name));
    QCOMPARE(int(d.u8(r + 17)), 0);
    // Every input entry: not taking part, barriers 1365 (0x0555) and 2730 (0x0AAA).
    for (std::size_t i = 0; i < 16; ++i) {
        QCOMPARE(ImageBytes(d, r + 18 + 6 * i, 6), QByteArray("\x00\x00\x55\x05\xAA\x0A", 6));
    }
    QCOMPARE(ImageBytes(d, r + 114, 8), QByteArray(8, '\0'));
}

void TestProfileSection::defaults_loadAsShown() {
    const ProfileSettings v = Loaded(2, DefaultImage());
    QCOMPARE(v.profileName, std::string("ЭКОНОМ"));
    for (const ProfileInputRow& row : v.inputs) {
        QCOMPARE(row, (ProfileInputRow{false, 2730, 1365}));
    }
    QCOMPARE(v.reactions, (std::array<int, 7>{0, 0, 0, 0, 0, 0, 0}));
}

void TestProfileSection::store_writesOnlyTheEditedBitsAndBytes() {
    const ConfigImage before = test::RandomImage(7);
    ConfigImage image = before;
    ProfileSettings v;
    v.profileName = " ДОМ ";
    v.inputs = {ProfileInputRow{true, 4095, 0}, ProfileInputRow{false, 2000, 1000},
                ProfileInputRow{true, 1, 1}, ProfileInputRow{false, 3000, 3000}};
    v.reactions = {1, 16, -1, 0, 2, 3, 4};
    StoreProfile(2, v, image);

    const std::size_t r = 4438;
    QCOMPARE(ImageBytes(image, r, 17), Field17(" \xC4\xCE\xCC "));
    QCOMPARE(image.u8(r + 17), before.u8(r + 17));
    const QByteArray words[4] = {QByteArray("\x00\x00\xFF\x0F", 4), QByteArray("\xE8\x03\xD0\x07", 4),
                                 QByteArray("\x01\x00\x01\x00", 4), QByteArray("\xB8\x0B\xB8\x0B", 4)};
    const bool enabled[4] = {true, false, true, false};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t e = r + 18 + 6 * i;
        QCOMPARE(int(image.u8(e)), (before.u8(e) & 0xFE) | (enabled[i] ? 1 : 0));
        QCOMPARE(image.u8(e + 1), before.u8(e + 1));
        QCOMPARE(ImageBytes(image, e + 2, 4), words[i]);
    }
    // Entries of inputs 5..16 and the bytes around the record are not touched.
    QCOMPARE(ImageBytes(image, r + 18 + 24, 72), ImageBytes(before, r + 18 + 24, 72));
    QCOMPARE(ImageBytes(image, r + 114, 7), QByteArray("\x01\x10\xFF\x00\x02\x03\x04", 7));
    QCOMPARE(image.u8(r + 121), before.u8(r + 121));
    QCOMPARE(ImageBytes(image, 0, r), ImageBytes(before, 0, r));
    QCOMPARE(ImageBytes(image, r + 122, kImageSize - r - 122), ImageBytes(before, r + 122, kImageSize - r - 122));
}

void TestProfileSection::load_showsRecord() {
    ConfigImage image = DefaultImage();
    const std::size_t r = 4316 + 122 * 3;  // profile 4
    image.setText(r, 17, "НОЧЬ", Trim::None);
    image.setU8(r + 18 + 6, 0xFF);       // input 2 takes part (other bits set too)
    image.setU16(r + 18 + 6 + 2, 100);
    image.setU16(r + 18 + 6 + 4, 4000);
    image.setU8(r + 18 + 18, 0xFE);      // input 4: bit 0 clear
    image.setU8(r + 114 + 3, 5);
    const ProfileSettings v = Loaded(4, image);
    QCOMPARE(v.profileName, std::string("НОЧЬ"));
    QCOMPARE(v.inputs[1], (ProfileInputRow{true, 4000, 100}));
    QCOMPARE(v.inputs[3].enabled, false);
    QCOMPARE(v.reactions, (std::array<int, 7>{0, 0, 0, 5, 0, 0, 0}));
}

void TestProfileSection::load_reactionBeyondList_showsNoChoiceAndStoresAllOnes() {
    ConfigImage image = DefaultImage();
    image.setU8(4316 + 114 + 6, 17);  // ProfileToR7 of profile 1
    ProfileSettings v = Loaded(1, image);
    QCOMPARE(v.reactions[6], -1);
    StoreProfile(1, v, image);
    QCOMPARE(int(image.u8(4316 + 114 + 6)), 0xFF);
}

void TestProfileSection::load_barrierBeyondSlider_showsSliderEnd() {
    ConfigImage image = DefaultImage();
    image.setU16(4316 + 18 + 4, 5000);  // ProfHiBarrier of input 1
    const ProfileSettings v = Loaded(1, image);
    QCOMPARE(v.inputs[0].hiBarrier, 4095);
}

void TestProfileSection::storeAndLoad_profileOutsideRange_touchNothing() {
    ConfigImage image = DefaultImage();
    ProfileSettings v;
    v.profileName = "X";
    StoreProfile(0, v, image);
    StoreProfile(9, v, image);
    QVERIFY(image == DefaultImage());
    ProfileSettings shown = Loaded(1, image);
    const ProfileSettings before = shown;
    LoadProfile(9, shown, image);
    QVERIFY(shown == before);
}

void TestProfileSection::loadThenStore_changesOnlyTheFootprint() {
    for (int profile = 1; profile <= 4; ++profile) {
        const std::string where = test::LoadThenStoreStaysInFootprint(
            [profile](ConfigImage& image) {
                ProfileSettings v;
                LoadProfile(profile, v, image);
                StoreProfile(profile, v, image);
            },
            test::ProfileFootprint(profile));
        QVERIFY2(where.empty(), where.c_str());
    }
}

void TestProfileSection::loadThenStore_defaultImageUnchanged() {
    ConfigImage image = DefaultImage();
    for (int profile = 1; profile <= 8; ++profile) {
        ProfileSettings v;
        LoadProfile(profile, v, image);
        StoreProfile(profile, v, image);
    }
    QVERIFY(image == DefaultImage());
}

void TestProfileSection::sliders_areCoupled_data() {
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("lo");
    // Starting from upper 2730, lower 1365.
    QTest::newRow("upper below lower drags lower down") << true << 1000 << 1000 << 1000;
    QTest::newRow("upper above lower leaves lower") << true << 2000 << 2000 << 1365;
    QTest::newRow("lower above upper pushes upper up") << false << 3000 << 3000 << 3000;
    QTest::newRow("lower below upper leaves upper") << false << 100 << 2730 << 100;
    QTest::newRow("upper kept in range") << true << -5 << 0 << 0;
    QTest::newRow("lower kept in range") << false << 5000 << 4095 << 4095;
}

void TestProfileSection::sliders_areCoupled() {
    QFETCH(bool, upper);
    QFETCH(int, code);
    QFETCH(int, hi);
    QFETCH(int, lo);
    ProfileInputRow row{true, 2730, 1365};
    if (upper) {
        MoveProfileHiBarrier(row, code);
    } else {
        MoveProfileLoBarrier(row, code);
    }
    QCOMPARE(row, (ProfileInputRow{true, hi, lo}));
}

void TestProfileSection::barrierLabel_byInputType_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("minVal");
    QTest::addColumn<float>("maxVal");
    QTest::addColumn<QString>("label");
    QTest::newRow("disabled: volts") << 2730 << 0 << 0.0f << 10.0f << "6,67 В";
    QTest::newRow("discrete: full scale") << 4095 << 1 << 0.0f << 10.0f << "10 В";
    QTest::newRow("discrete: zero") << 0 << 1 << 0.0f << 10.0f << "0 В";
    QTest::newRow("analog: no unit") << 2048 << 2 << 0.0f << 10.0f << "5,001";
    QTest::newRow("THX-21 2730") << 2730 << 3 << 0.0f << 10.0f << "173° C";
    QTest::newRow("THX-21 0") << 0 << 3 << 0.0f << 10.0f << "-50,2° C";
    QTest::newRow("THX-21 4095") << 4095 << 3 << 0.0f << 10.0f << "284° C";
    QTest::newRow("THX-31 full scale") << 4095 << 4 << -50.0f << 150.0f << "150° C";
    QTest::newRow("THX-31 third") << 1365 << 4 << -50.0f << 150.0f << "16,67° C";
    QTest::newRow("unknown type") << 1365 << 5 << 0.0f << 10.0f << "<unchanged>";
}

void TestProfileSection::barrierLabel_byInputType() {
    QFETCH(int, code);
    QFETCH(int, type);
    QFETCH(float, minVal);
    QFETCH(float, maxVal);
    QFETCH(QString, label);
    ConfigImage image = DefaultImage();
    const std::size_t input1 = 360;
    image.setU8(input1 + 55, std::uint8_t((image.u8(input1 + 55) & 0xF1) | (type << 1)));
    image.setU32(input1 + 68, std::bit_cast<std::uint32_t>(minVal));
    image.setU32(input1 + 72, std::bit_cast<std::uint32_t>(maxVal));
    const ProfileBarrierLabels labels = ProfileRowLabels(1, {true, code, code}, image, ',');
    QCOMPARE(Label(labels.hi), label);
    QCOMPARE(Label(labels.lo), label);
}

void TestProfileSection::rowLabels_readTheInputRecord() {
    ConfigImage image = DefaultImage();
    image.setU8(452 + 55, (image.u8(452 + 55) & 0xF1) | (3 << 1));  // input 2: THX-21
    image.setU8(544 + 55, (image.u8(544 + 55) & 0xF1) | (4 << 1));  // input 3: THX-31
    image.setU32(544 + 68, std::bit_cast<std::uint32_t>(-50.0f));
    image.setU32(544 + 72, std::bit_cast<std::uint32_t>(150.0f));

    const ProfileInputRow row{true, 2730, 1365};
    const ProfileBarrierLabels thx21 = ProfileRowLabels(2, row, image, '.');
    QCOMPARE(Label(thx21.hi), QString("173° C"));
    QCOMPARE(Label(thx21.lo), QString("61.2° C"));  // (1600*1365-984100)/196 = 6121
    const ProfileBarrierLabels thx31 = ProfileRowLabels(3, row, image, '.');
    QCOMPARE(Label(thx31.hi), QString("83.33° C"));
    QCOMPARE(Label(thx31.lo), QString("16.67° C"));
}

QTEST_APPLESS_MAIN(TestProfileSection)
#include "tst_profile_section.moc"
