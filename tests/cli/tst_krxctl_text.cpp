// krxctl's configuration texts: dump and load give a file back byte for
// byte, a faulty text writes no file, diff names the differing settings of
// any mix of files and texts, and compare names them against the controller.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "cli_fixture.h"
#include "config/cp1251.h"
#include "config/default_image.h"

using namespace krx;
using krx::test::Cli;

namespace {

QByteArray Contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Put(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

void PutText(ConfigImage& image, std::size_t offset, std::string_view utf8, std::size_t width) {
    const std::string bytes = Utf8ToCp1251(utf8);
    for (std::size_t i = 0; i < width; ++i) image.bytes()[offset + i] = i < bytes.size() ? std::uint8_t(bytes[i]) : 0;
}

// The default body with a phone for connection 2 (record at 68 + 36), task 3
// at 08:30 (2680 + 32: hour in byte 5, minute in byte 6) and scenario 2's
// step 4 (2196 + 34 + 8), by default L2 (low, 200 ms), 2.5 s high.
ConfigImage ThreeEdits() {
    ConfigImage image = DefaultImage();
    PutText(image, 104, "+79031234567", 16);
    image.bytes()[2717] = static_cast<std::uint8_t>((image.bytes()[2717] & 0xE0) | 8);
    image.bytes()[2718] = static_cast<std::uint8_t>((image.bytes()[2718] & 0xC0) | 30);
    image.bytes()[2238] = 25;
    image.bytes()[2239] = 0x80;
    return image;
}

}  // namespace

class TestKrxctlText : public QObject {
    Q_OBJECT
private slots:
    void dumpThenLoad_givesTheFileBackByteForByte();
    void dump_jsonToStdout();
    void load_faultyText_namesTheLine_andWritesNoFile();
    void diff_namesTheChangedSettings_data();
    void diff_namesTheChangedSettings();
    void diff_unmappedByte_isListedByOffset();
    void diff_unusableFile_exit4();
    void compare_printsTheDiffAgainstTheController();
    void report_withTheControllersIdentification();
};

void TestKrxctlText::dumpThenLoad_givesTheFileBackByteForByte() {
    Cli cli;
    ConfigImage image = ThreeEdits();
    image.bytes()[3000] = 0x5A;  // a byte of the larger model
    const QString file = cli.writeFile(image, "site.cnt");
    const QString text = cli.path("site.toml");
    auto r = cli.run({"dump", file, "-o", text});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(Contents(text).contains("Phone = \"+79031234567\""));
    r = cli.run({"load", text, "-o", cli.path("back.cnt")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(Contents(cli.path("back.cnt")), Contents(file));
    // Without -o the text goes to stdout, the same as the file.
    r = cli.run({"dump", file});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.toUtf8(), Contents(text));
}

void TestKrxctlText::dump_jsonToStdout() {
    Cli cli;
    const auto r = cli.run({"dump", cli.writeFile(ThreeEdits()), "--format", "json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QJsonObject connection2 = root.value("sections").toArray().at(2).toObject();
    QCOMPARE(connection2.value("section").toString(), QStringLiteral("Соединение 2"));
    const QJsonObject phone = connection2.value("settings").toArray().at(0).toObject();
    QCOMPARE(phone.value("setting").toString(), QStringLiteral("Phone"));
    QCOMPARE(phone.value("value").toString(), QStringLiteral("+79031234567"));
    QCOMPARE(cli.run({"dump", "x.cnt", "--format", "yaml"}).exitCode, 2);
}

void TestKrxctlText::load_faultyText_namesTheLine_andWritesNoFile() {
    Cli cli;
    const QString text = cli.path("bad.toml");
    QVERIFY(cli.run({"dump", cli.writeFile(DefaultImage()), "-o", text}).exitCode == 0);
    QByteArray bytes = Contents(text);
    const qsizetype at = bytes.indexOf("ACK = true");
    QVERIFY(at > 0);
    const int line = int(bytes.left(at).count('\n')) + 1;
    bytes.replace(at, 10, "ACK = yes");
    QVERIFY(Put(text, bytes));
    const QString target = cli.path("kept.cnt");
    QVERIFY(Put(target, "what was there"));
    const auto r = cli.run({"load", text, "-o", target});
    QCOMPARE(r.exitCode, 4);
    QVERIFY2(r.err.contains(QString("line %1").arg(line)), qPrintable(r.err));
    QCOMPARE(Contents(target), QByteArray("what was there"));
    QVERIFY(!QFile::exists(cli.path("never.cnt")));
    QCOMPARE(cli.run({"load", text, "-o", cli.path("never.cnt")}).exitCode, 4);
    QVERIFY(!QFile::exists(cli.path("never.cnt")));
}

void TestKrxctlText::diff_namesTheChangedSettings_data() {
    QTest::addColumn<bool>("aAsText");
    QTest::addColumn<bool>("bAsText");
    QTest::newRow("two files") << false << false;
    QTest::newRow("file and text") << false << true;
    QTest::newRow("text and file") << true << false;
    QTest::newRow("two texts") << true << true;
}

void TestKrxctlText::diff_namesTheChangedSettings() {
    QFETCH(bool, aAsText);
    QFETCH(bool, bAsText);
    Cli cli;
    QString a = cli.writeFile(DefaultImage(), "a.cnt");
    QString b = cli.writeFile(ThreeEdits(), "b.cnt");
    if (aAsText) QCOMPARE(cli.run({"dump", a, "-o", a = cli.path("a.toml")}).exitCode, 0);
    if (bAsText) QCOMPARE(cli.run({"dump", b, "-o", b = cli.path("b.toml")}).exitCode, 0);
    const auto r = cli.run({"diff", a, b});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QStringLiteral("\"Соединение 2\"  Phone: \"\" -> \"+79031234567\"\n"
                                   "\"Часы, планировщик задач\"  SchedulerTask3.Time: \"00:00\" -> \"08:30\"\n"
                                   "\"Сценарии управления\"  Scenario2.Step4.High: false -> true\n"
                                   "\"Сценарии управления\"  Scenario2.Step4.Duration: 2 -> 25\n"));
    QCOMPARE(cli.run({"diff", a, a}).exitCode, 0);
    QCOMPARE(cli.run({"diff", a, a}).out, QString());
}

void TestKrxctlText::diff_unmappedByte_isListedByOffset() {
    Cli cli;
    ConfigImage other = DefaultImage();
    other.bytes()[3000] ^= 0x81;
    const auto r = cli.run({"diff", cli.writeFile(DefaultImage(), "a.cnt"), cli.writeFile(other, "b.cnt"), "--json"});
    QCOMPARE(r.exitCode, 1);
    const QJsonObject root = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(root.value("differences").toArray().size(), 0);
    const QJsonArray bytes = root.value("bytes").toArray();
    QCOMPARE(bytes.size(), 1);
    QCOMPARE(bytes.at(0).toObject().value("offset").toInt(), 3000);
    QCOMPARE(bytes.at(0).toObject().value("b").toInt(), DefaultImage().bytes()[3000] ^ 0x81);
}

void TestKrxctlText::diff_unusableFile_exit4() {
    Cli cli;
    const QString good = cli.writeFile(DefaultImage());
    QCOMPARE(cli.run({"diff", good, cli.path("missing.cnt")}).exitCode, 4);
    QVERIFY(Put(cli.path("junk.toml"), "not = [toml"));
    const auto r = cli.run({"diff", cli.path("junk.toml"), good});
    QCOMPARE(r.exitCode, 4);
    QVERIFY(r.err.contains("line 1"));
    QCOMPARE(cli.run({"diff", good}).exitCode, 2);
}

void TestKrxctlText::compare_printsTheDiffAgainstTheController() {
    Cli cli;
    cli.controller->setArea(1, ThreeEdits().body());
    const auto r = cli.run(cli.onPort({"compare", cli.writeFile(DefaultImage())}));
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QStringLiteral("Данные в памяти контроллера отличаются от текущих\n"));
    QVERIFY2(r.out.startsWith(QStringLiteral("\"Соединение 2\"  Phone: \"\" -> \"+79031234567\"\n")), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("SchedulerTask3.Time: \"00:00\" -> \"08:30\"")));
    // Equal: nothing but the controller's answer.
    const auto same = cli.run(cli.onPort({"compare", cli.writeFile(ThreeEdits(), "same.cnt")}));
    QCOMPARE(same.exitCode, 0);
    QVERIFY(!same.out.contains("->"));
}

void TestKrxctlText::report_withTheControllersIdentification() {
    Cli cli;
    const QString file = cli.writeFile(ThreeEdits());
    auto r = cli.run({"report", file, "-o", cli.path("r.html")});
    QCOMPARE(r.exitCode, 0);
    QString html = QString::fromUtf8(Contents(cli.path("r.html")));
    QVERIFY(html.contains(QStringLiteral("<td>Соединение 2</td><td>+79031234567</td>")));
    QVERIFY(!html.contains(QStringLiteral("Идентификация контроллера")));
    QVERIFY(cli.controller->requests().empty());  // no port given: no controller asked

    r = cli.run(cli.onPort({"report", file, "-o", cli.path("r.pdf")}));
    QCOMPARE(r.exitCode, 0);
    QVERIFY(Contents(cli.path("r.pdf")).startsWith("%PDF-"));
    QCOMPARE(cli.commands(), std::vector<std::uint8_t>{5});  // the identification only
    r = cli.run(cli.onPort({"report", file, "-o", cli.path("id.html")}));
    html = QString::fromUtf8(Contents(cli.path("id.html")));
    QVERIFY(html.contains(QStringLiteral("Идентификация контроллера")));
    QVERIFY(html.contains(QStringLiteral("<td>IMEI</td><td>") + cli.run(cli.onPort({"imei"})).out.trimmed() + "</td>"));

    QCOMPARE(cli.run({"report", file}).exitCode, 2);
    QCOMPARE(cli.run({"report", file, "-o", cli.path("r.docx")}).exitCode, 2);
    QCOMPARE(cli.run({"report", cli.path("missing.cnt"), "-o", cli.path("m.pdf")}).exitCode, 4);
    QVERIFY(!QFile::exists(cli.path("m.pdf")));
}

QTEST_MAIN(TestKrxctlText)
#include "tst_krxctl_text.moc"
