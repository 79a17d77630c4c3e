// The configuration as text: what a dump says (in the section tree's order,
// with list texts and the built-in defaults), that reading it back gives the
// body byte for byte whatever the body holds, that one edited setting changes
// exactly its own bits, and that a faulty text names its line and setting.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <random>
#include <sstream>

#include "config/cp1251.h"
#include "config/default_image.h"
#include "config/readable_config.h"

using namespace krx;

namespace {

// The default body alone: a text describes the body, not the tails.
ConfigImage DefaultBody() {
    ConfigImage image = DefaultImage();
    for (std::size_t i = kBodySize; i < kImageSize; ++i) image.bytes()[i] = 0;
    return image;
}

void PutText(ConfigImage& image, std::size_t offset, std::string_view utf8) {
    const std::string bytes = Utf8ToCp1251(utf8);
    for (std::size_t i = 0; i < bytes.size(); ++i) image.bytes()[offset + i] = std::uint8_t(bytes[i]);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    return text;
}

// The index of the line `name = ...` inside section `section`, -1 if none.
int LineOf(const std::vector<std::string>& lines, const std::string& section, const std::string& name) {
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i][0] == '[') inside = lines[i] == "[\"" + section + "\"]";
        else if (inside && lines[i].rfind(name + " = ", 0) == 0) return int(i);
    }
    return -1;
}

// The text with one setting's value replaced (its comment dropped).
std::string WithSetting(const std::string& text, const std::string& section, const std::string& name,
                        const std::string& value) {
    auto lines = Lines(text);
    const int at = LineOf(lines, section, name);
    if (at < 0) return {};
    lines[std::size_t(at)] = name + " = " + value;
    return Joined(lines);
}

// A bit that must hold after an edit: byte `offset` masked by `mask` equals `value`.
struct ExpectedBits {
    int offset;
    int mask;
    int value;
};

}  // namespace

Q_DECLARE_METATYPE(ConfigImage)
Q_DECLARE_METATYPE(std::vector<ExpectedBits>)

class TestReadableConfig : public QObject {
    Q_OBJECT
private slots:
    void dump_followsTheTreeWithListTextsAndDefaults();
    void dump_json_keepsTheTreeOrder();
    void roundTrip_isByteExact_data();
    void roundTrip_isByteExact();
    void roundTrip_randomBodies_data();
    void roundTrip_randomBodies();
    void load_oneEditedSetting_changesOnlyItsBits_data();
    void load_oneEditedSetting_changesOnlyItsBits();
    void load_faultyText_namesLineAndSetting_data();
    void load_faultyText_namesLineAndSetting();
    void looksLikeConfigFile_tellsFilesFromText();
};

void TestReadableConfig::dump_followsTheTreeWithListTextsAndDefaults() {
    const std::string text = BodyAsText(DefaultBody(), TextFormat::Toml);
    const auto lines = Lines(text);
    // Sections in the tree's order, the unshown records after their kind.
    std::vector<std::string> sections;
    for (const auto& l : lines)
        if (l.rfind("[\"", 0) == 0) sections.push_back(l);
    const std::vector<std::string> expectedStart = {
        "[\"Общие параметры соединений\"]", "[\"Соединение 1\"]", "[\"Соединение 2\"]",
        "[\"Соединение 3\"]", "[\"Соединение 4\"]", "[\"Соединение 5\"]", "[\"Соединение 6\"]",
        "[\"Соединение 7\"]", "[\"Соединение 8\"]", "[\"Часы, планировщик задач\"]",
        "[\"Питание, температура, индикация, контроль вскрытия\"]", "[\"Вход [Arm In]\"]",
        "[\"Входы\"]", "[\"Вход 1\"]", "[\"Вход 2\"]", "[\"Вход 3\"]", "[\"Вход 4\"]", "[\"Вход 5\"]"};
    QVERIFY(sections.size() > expectedStart.size());
    for (std::size_t i = 0; i < expectedStart.size(); ++i)
        QCOMPARE(QString::fromStdString(sections[i]), QString::fromStdString(expectedStart[i]));
    const auto indexOf = [&](const std::string& s) {
        return std::find(sections.begin(), sections.end(), "[\"" + s + "\"]") - sections.begin();
    };
    QCOMPARE(indexOf("Вход 16") + 1, indexOf("Реле 1"));
    QCOMPARE(indexOf("Выход 2") + 1, indexOf("Выход 3"));
    QCOMPARE(indexOf("Выход 5") + 1, indexOf("Сценарии управления"));
    QCOMPARE(indexOf("Профиль 4") + 1, indexOf("Профиль 5"));
    QCOMPARE(indexOf("Профиль 8") + 1, std::ptrdiff_t(sections.size()));

    // The defaults of the general section, each list with its item's text.
    const auto line = [&](const std::string& section, const std::string& name) {
        const int at = LineOf(lines, section, name);
        return at < 0 ? QString() : QString::fromStdString(lines[std::size_t(at)]);
    };
    QCOMPARE(line("Общие параметры соединений", "Password"), QStringLiteral("Password = \"lorn\""));
    QCOMPARE(line("Общие параметры соединений", "DTMFPass"), QStringLiteral("DTMFPass = \"4725\""));
    QCOMPARE(line("Общие параметры соединений", "Call2CallPauseX10S"),
             QStringLiteral("Call2CallPauseX10S = 1  # \"10\""));
    QCOMPARE(line("Общие параметры соединений", "OutdatedMsgTime"),
             QStringLiteral("OutdatedMsgTime = 15  # \"30 Min.\""));
    QCOMPARE(line("Часы, планировщик задач", "TimeZone").left(15), QStringLiteral("TimeZone = 16  "));
    QCOMPARE(line("Питание, температура, индикация, контроль вскрытия", "DischargeAlarm"),
             QStringLiteral("DischargeAlarm = 20"));
    QCOMPARE(line("Питание, температура, индикация, контроль вскрытия", "TemperatLowBorder"),
             QStringLiteral("TemperatLowBorder = -25"));
    QCOMPARE(line("Часы, планировщик задач", "SchedulerTask3.Time"),
             QStringLiteral("SchedulerTask3.Time = \"00:00\""));

    // The header bytes belong to no setting: the marked block carries them.
    QVERIFY(text.find("Bytes that belong to no setting") != std::string::npos);
    QVERIFY(text.find("\"0000\" = \"01 76 2E 30 31 2E 30 32\"") != std::string::npos);
    // The default body needs no byte written over its settings.
    QVERIFY(text.size() > 0 && text.substr(text.size() - std::string("[verbatim]\n").size()) == "[verbatim]\n");
}

void TestReadableConfig::dump_json_keepsTheTreeOrder() {
    const std::string json = BodyAsText(DefaultBody(), TextFormat::Json);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray sections = doc.object().value("sections").toArray();
    QCOMPARE(sections.at(0).toObject().value("section").toString(), QStringLiteral("Общие параметры соединений"));
    QCOMPARE(sections.at(2).toObject().value("section").toString(), QStringLiteral("Соединение 2"));
    QCOMPARE(sections.at(9).toObject().value("section").toString(), QStringLiteral("Часы, планировщик задач"));
    const QJsonArray general = sections.at(0).toObject().value("settings").toArray();
    QCOMPARE(general.at(0).toObject().value("setting").toString(), QStringLiteral("SysPassword"));
    QCOMPARE(general.at(1).toObject().value("value").toString(), QStringLiteral("lorn"));
    QJsonObject pause;
    for (const auto& s : general)
        if (s.toObject().value("setting") == QStringLiteral("Call2CallPauseX10S")) pause = s.toObject();
    QCOMPARE(pause.value("value").toInt(), 1);
    QCOMPARE(pause.value("text").toString(), QStringLiteral("10"));
    QCOMPARE(doc.object().value("unmapped").toObject().value("0000").toString(),
             QStringLiteral("01 76 2E 30 31 2E 30 32"));
}

void TestReadableConfig::roundTrip_isByteExact_data() {
    QTest::addColumn<ConfigImage>("body");
    QTest::newRow("default body") << DefaultBody();

    // A value off its default in every section, placed by the field tables.
    ConfigImage crafted = DefaultBody();
    crafted.bytes()[12] = 0xB7;                           // general: pause 7, DialPriority 2, ...
    crafted.bytes()[13] = 0xE3;                           // outdated 3, V.32, the unused bits set
    PutText(crafted, 43, "Qwerty7");                      // Password
    PutText(crafted, 68 + 36 * 4, "+7 903 555-01-02");   // connection 5's phone, blanks kept as read
    crafted.bytes()[68 + 36 * 7 + 19] = 0xFF;             // connection 8: voice byte all ones
    crafted.bytes()[2672] = 0xF9;                         // time zone -7
    crafted.bytes()[2673] = 0xAB;                         // summer time and the controller's bits
    crafted.bytes()[2680 + 16 * 7 + 5] = 0x37;            // task 8: hour 23 and bit 5
    crafted.bytes()[2808] = 0x5A;                         // power
    crafted.bytes()[2843] = 0x90;                         // a low border out of the scale's range
    crafted.bytes()[3104] = 241;                          // Arm-In delay above the editor's 240
    PutText(crafted, 3292 + 32 * 3 + 8, "Иванов");        // a key's user name with an empty code
    crafted.bytes()[356] = 0xA5;                          // inputs
    PutText(crafted, 360 + 92, "Дверь ");                 // input 2's name with a trailing blank
    crafted.bytes()[360 + 92 * 2 + 52] = 0xFF;            // input 3's level byte
    PutText(crafted, 360 + 92 * 9, "Окно");               // input 10, not shown by this model
    PutText(crafted, 1832 + 52 * 3, "Сирена");            // output 2's name
    crafted.bytes()[1832 + 52 * 6 + 51] = 0x9E;           // output 5, not shown
    crafted.bytes()[2196 + 34 * 13] = 0;                  // scenario 14 endless
    crafted.bytes()[2196 + 34 * 13 + 2] = 0x0A;           // its first step 1 s high
    crafted.bytes()[2196 + 34 * 13 + 3] = 0x80;
    PutText(crafted, 4316 + 122 * 2, "Ночь");             // profile 3's name
    crafted.bytes()[4316 + 122 * 7 + 114] = 16;           // profile 8's first reaction
    crafted.bytes()[2900] = 0x77;                         // bytes of the larger model
    QTest::newRow("non-default in every section") << crafted;

    ConfigImage texts = DefaultBody();
    PutText(texts, 1832, "a\"b\\c\td\x01");               // quotes, backslash, control characters
    texts.bytes()[1832 + 12] = 0x98;                      // the one byte Windows-1251 leaves undefined
    for (std::size_t i = 52; i < 68; ++i) texts.bytes()[i] = 'x';  // SMSCA without its NUL
    texts.bytes()[1832 + 17 + 5] = 0;                     // a text with bytes after its end
    texts.bytes()[1832 + 17 + 9] = 'z';
    QTest::newRow("texts with quotes, controls and bytes after the end") << texts;

    ConfigImage ones;
    for (std::size_t i = 0; i < kBodySize; ++i) ones.bytes()[i] = 0xFF;
    QTest::newRow("all ones") << ones;
    QTest::newRow("all zeros") << ConfigImage();
}

void TestReadableConfig::roundTrip_isByteExact() {
    QFETCH(ConfigImage, body);
    const TextLoadResult back = BodyFromText(BodyAsText(body, TextFormat::Toml));
    QVERIFY2(back.ok, back.error.c_str());
    for (std::size_t i = 0; i < kImageSize; ++i)
        if (back.image.bytes()[i] != body.bytes()[i]) QFAIL(qPrintable(QString("byte %1 differs").arg(i)));
}

void TestReadableConfig::roundTrip_randomBodies_data() {
    QTest::addColumn<bool>("wholeBody");
    QTest::newRow("every byte random") << true;
    QTest::newRow("default settings, random bytes of no setting and unshown records") << false;
}

void TestReadableConfig::roundTrip_randomBodies() {
    QFETCH(bool, wholeBody);
    // Unshown records and the bytes the field tables give to no setting.
    const std::vector<std::pair<std::size_t, std::size_t>> unedited = {
        {9, 12},       {14, 20},      {360 + 92 * 4, 1832}, {1832 + 52 * 4, 2196}, {2674, 2676},
        {2679, 2680},  {2810, 2812},  {2815, 2817},         {2818, 2820},         {2841, 2842},
        {2851, 3104},  {3138, 3292},  {4316 + 122 * 4, kBodySize}};
    std::mt19937 random(20261211);
    for (int round = 0; round < 150; ++round) {
        ConfigImage body = DefaultBody();
        if (wholeBody) {
            for (std::size_t i = 0; i < kBodySize; ++i) body.bytes()[i] = std::uint8_t(random());
        } else {
            for (const auto& [from, to] : unedited)
                for (std::size_t i = from; i < to; ++i) body.bytes()[i] = std::uint8_t(random());
            // and the hidden settings of connection 1 and the general section
            body.bytes()[68 + 16] = std::uint8_t(random());
            body.bytes()[13] = std::uint8_t(random());
        }
        const TextLoadResult back = BodyFromText(BodyAsText(body, TextFormat::Toml));
        QVERIFY2(back.ok, back.error.c_str());
        QVERIFY2(back.image == body, qPrintable(QString("round %1").arg(round)));
    }
}

void TestReadableConfig::load_oneEditedSetting_changesOnlyItsBits_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("value");
    QTest::addColumn<std::vector<ExpectedBits>>("expected");

    // Connection 2's record starts at 68 + 36 = 104.
    std::vector<ExpectedBits> phone;
    const std::string digits = "+79161234567";
    for (std::size_t i = 0; i < digits.size(); ++i) phone.push_back({int(104 + i), 0xFF, digits[i]});
    QTest::newRow("phone of connection 2") << "Соединение 2" << "Phone" << "\"+79161234567\"" << phone;
    QTest::newRow("voice wait time of connection 2: byte 121 bits 0-3")
        << "Соединение 2" << "DialTranspWaitTime" << "3" << std::vector<ExpectedBits>{{121, 0x0F, 3}};
    // Task 3 at 2680 + 32: hour in byte 5 bits 0-4, minute in byte 6 bits 0-5.
    QTest::newRow("time of scheduler task 3")
        << "Часы, планировщик задач" << "SchedulerTask3.Time" << "\"07:45\""
        << std::vector<ExpectedBits>{{2717, 0x1F, 7}, {2718, 0x3F, 45}};
    // Scenario 2 at 2196 + 34; step 4 is word 4 at +8: 600 = 0x0258.
    QTest::newRow("duration of step 4 of scenario 2")
        << "Сценарии управления" << "Scenario2.Step4.Duration" << "600"
        << std::vector<ExpectedBits>{{2238, 0xFF, 0x58}, {2239, 0x7F, 0x02}};
    QTest::newRow("summer time: byte 2673 bit 0")
        << "Часы, планировщик задач" << "DSTEnable" << "false" << std::vector<ExpectedBits>{{2673, 0x01, 0}};
    // Profile 2 at 4316 + 122; its reaction for relay 2 at +115.
    QTest::newRow("profile 2's reaction of relay 2")
        << "Профиль 2" << "ProfileToR2" << "5" << std::vector<ExpectedBits>{{4316 + 122 + 115, 0xFF, 5}};
}

void TestReadableConfig::load_oneEditedSetting_changesOnlyItsBits() {
    QFETCH(QString, section);
    QFETCH(QString, setting);
    QFETCH(QString, value);
    QFETCH(std::vector<ExpectedBits>, expected);
    const ConfigImage before = DefaultBody();
    const std::string edited = WithSetting(BodyAsText(before, TextFormat::Toml), section.toStdString(),
                                           setting.toStdString(), value.toStdString());
    QVERIFY(!edited.empty());
    const TextLoadResult back = BodyFromText(edited);
    QVERIFY2(back.ok, back.error.c_str());
    for (std::size_t i = 0; i < kBodySize; ++i) {
        const auto e = std::find_if(expected.begin(), expected.end(),
                                    [&](const ExpectedBits& x) { return std::size_t(x.offset) == i; });
        const int was = before.bytes()[i], now = back.image.bytes()[i];
        if (e == expected.end()) {
            QVERIFY2(was == now, qPrintable(QString("byte %1 changed").arg(i)));
        } else {
            QCOMPARE(now & e->mask, e->value);
            QCOMPARE(now & ~e->mask & 0xFF, was & ~e->mask & 0xFF);
        }
    }
}

void TestReadableConfig::load_faultyText_namesLineAndSetting_data() {
    QTest::addColumn<QString>("edit");  // what the test does to the text
    QTest::addColumn<QString>("mentions");
    QTest::newRow("unknown setting") << "insert-after-connection-2:Phonee = \"1\"" << "Phonee";
    QTest::newRow("wrong kind") << "replace:ACK:ACK = 1" << "ACK";
    QTest::newRow("list index beyond the list") << "replace:OutdatedMsgTime:OutdatedMsgTime = 16"
                                               << "OutdatedMsgTime";
    QTest::newRow("number out of range") << "replace:DischargeAlarm:DischargeAlarm = 101" << "DischargeAlarm";
    QTest::newRow("missing setting") << "replace:Password:" << "Password";
    QTest::newRow("syntax") << "replace:PIN:PIN = \"12" << "";
    QTest::newRow("unknown section") << "append:[\"Соединение 9\"]" << "Соединение 9";
    QTest::newRow("unmapped offset beyond the body") << "append:\"5292\" = \"00\"" << "5292";
    QTest::newRow("unmapped bytes not hexadecimal") << "append:\"0100\" = \"0G\"" << "0100";
}

void TestReadableConfig::load_faultyText_namesLineAndSetting() {
    QFETCH(QString, edit);
    QFETCH(QString, mentions);
    auto lines = Lines(BodyAsText(DefaultBody(), TextFormat::Toml));
    const QStringList parts = edit.split(':');
    int faultLine = -1;  // 1-based, -1 when the fault has no line of its own
    if (parts[0] == "insert-after-connection-2") {
        const int at = LineOf(lines, "Соединение 2", "Phone");
        lines.insert(lines.begin() + at, parts.mid(1).join(':').toStdString());
        faultLine = at + 1;
    } else if (parts[0] == "replace") {
        const int at = LineOf(lines, "Общие параметры соединений", parts[1].toStdString());
        const int atPower = LineOf(lines, "Питание, температура, индикация, контроль вскрытия", parts[1].toStdString());
        const int where = at >= 0 ? at : atPower;
        QVERIFY(where >= 0);
        lines[std::size_t(where)] = parts.mid(2).join(':').toStdString();
        faultLine = parts.mid(2).join(':').isEmpty() ? -1 : where + 1;
    } else {
        lines.push_back(parts.mid(1).join(':').toStdString());
        faultLine = int(lines.size());
    }
    const TextLoadResult back = BodyFromText(Joined(lines));
    QVERIFY(!back.ok);
    const QString error = QString::fromStdString(back.error);
    if (faultLine > 0) {
        QCOMPARE(back.line, faultLine);
        QVERIFY2(error.startsWith(QString("line %1: ").arg(faultLine)), qPrintable(error));
    }
    QVERIFY2(error.contains(mentions), qPrintable(error));
}

void TestReadableConfig::looksLikeConfigFile_tellsFilesFromText() {
    QVERIFY(LooksLikeConfigFile("[KRXControllerConfiguration_v01.02]\x01v.01.02"));
    QVERIFY(LooksLikeConfigFile("[KRXControllerConfiguration_v02.00]"));
    QVERIFY(!LooksLikeConfigFile("# KRX310-LT configuration as text"));
    QVERIFY(!LooksLikeConfigFile(""));
}

QTEST_APPLESS_MAIN(TestReadableConfig)
#include "tst_readable_config.moc"
