// Configuration files: the byte format, the reader's four result codes, the
// crash-safe writer and the working file.

#include <QtTest>

#include <QTemporaryDir>
#include <unistd.h>

#include "config/config_file.h"
#include "config/default_image.h"

using namespace krx;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

// A distinctive body: defaults with a pattern written over the middle.
ConfigImage PatternImage() {
    ConfigImage image = DefaultImage();
    for (std::size_t i = 400; i < 1400; ++i) image.setU8(i, std::uint8_t(i * 7));
    return image;
}

// A well-formed file built by hand: header, body, two's complement of the XOR.
QByteArray HandMadeFile(const ConfigImage& image) {
    QByteArray file("[KRXControllerConfiguration_v01.02]");
    std::uint8_t x = 0;
    for (std::size_t i = 0; i < kBodySize; ++i) {
        const std::uint8_t b = (i >= 20 && i <= 28) ? 0 : image.u8(i);
        file.append(char(b));
        x ^= b;
    }
    file.append(char(std::uint8_t(256 - x)));
    return file;
}

}  // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void write_producesHeaderBodyAndChecksum();
    void write_versionTakenFromBody_andReadBackGivesCode3();
    void write_clearsPasswordInFileOnly();
    void write_failureKeepsPreviousFileIntact();

    void read_resultCodes_data();
    void read_resultCodes();
    void read_handMadeFile_replacesBodyOnly();
    void read_ignoresBytesAfterChecksum();
    void read_missingFile_givesCode1();

    void workingFile_roundTrip();
    void workingFile_unreadableGivesDefaultBody();
    void openMessages_matchCodes();

private:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

void TestConfigFile::write_producesHeaderBodyAndChecksum() {
    const ConfigImage image = PatternImage();
    const QString p = path("a.cnt");
    QCOMPARE(WriteConfigFile(image, p.toStdString()), 0);
    const QByteArray file = ReadAll(p);
    QCOMPARE(file.size(), 5328);
    QCOMPARE(file, HandMadeFile(image));
    std::uint8_t x = 0;
    for (int i = 35; i < 35 + 5292; ++i) x ^= std::uint8_t(file[i]);
    QCOMPARE(std::uint8_t(x + std::uint8_t(file[5327])), std::uint8_t(0));
    // Nothing else is left in the folder (no temporary file).
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestConfigFile::write_versionTakenFromBody_andReadBackGivesCode3() {
    ConfigImage image = DefaultImage();
    image.setText(1, 8, "v.02.07");
    const QString p = path("v.cnt");
    QCOMPARE(WriteConfigFile(image, p.toStdString()), 0);
    QVERIFY(ReadAll(p).startsWith("[KRXControllerConfiguration_v02.07]"));
    ConfigImage target = DefaultImage();
    QCOMPARE(ReadConfigFile(target, p.toStdString()), 3);
    QCOMPARE(target, DefaultImage());
}

void TestConfigFile::write_clearsPasswordInFileOnly() {
    ConfigImage image = DefaultImage();
    image.setText(20, 9, "admin123");
    const QString p = path("p.cnt");
    QCOMPARE(WriteConfigFile(image, p.toStdString()), 0);
    QCOMPARE(ReadAll(p).mid(35 + 20, 9), QByteArray(9, '\0'));
    // The image in memory keeps it, so programming later still presents it.
    QCOMPARE(image.text(20, 9), std::string("admin123"));
}

void TestConfigFile::write_failureKeepsPreviousFileIntact() {
    const QString p = path("keep.cnt");
    QCOMPARE(WriteConfigFile(DefaultImage(), p.toStdString()), 0);
    const QByteArray before = ReadAll(p);
    // A folder that cannot take new files: the temporary file cannot be made.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool canStillWrite = QFileInfo(dir_.path()).isWritable() && ::geteuid() == 0;
    const int result = WriteConfigFile(PatternImage(), p.toStdString());
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
    if (!canStillWrite) {
        QCOMPARE(result, 1);
        QCOMPARE(ReadAll(p), before);
    }
    // A target that is a folder: the rename fails, and the folder is untouched.
    QVERIFY(QDir(dir_.path()).mkdir("sub.cnt"));
    QCOMPARE(WriteConfigFile(DefaultImage(), path("sub.cnt").toStdString()), 1);
    QVERIFY(QFileInfo(path("sub.cnt")).isDir());
    QCOMPARE(QDir(dir_.path()).entryList(QStringList() << ".*.tmp", QDir::Files | QDir::Hidden).size(), 0);
    // A folder that does not exist.
    QCOMPARE(WriteConfigFile(DefaultImage(), path("no/such/x.cnt").toStdString()), 1);
}

void TestConfigFile::read_resultCodes_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    const QByteArray good = HandMadeFile(PatternImage());
    QTest::newRow("good") << good << 0;
    QTest::newRow("empty file") << QByteArray() << 3;
    QTest::newRow("exactly the prefix") << QByteArray("[KRXControllerConfiguration_v") << 3;
    QTest::newRow("short foreign bytes") << QByteArray("hello") << 2;
    QTest::newRow("wrong prefix") << QByteArray("[KRXControllerConfiguratioX_v01.02]") + good.mid(35) << 2;
    QTest::newRow("other version") << QByteArray("[KRXControllerConfiguration_v01.03]") + good.mid(35) << 3;
    QTest::newRow("header only") << good.left(35) << 2;
    QTest::newRow("body cut short") << good.left(35 + 1000) << 2;
    QTest::newRow("checksum missing") << good.left(5327) << 2;
    QByteArray tampered = good;
    tampered[5327] = char(tampered[5327] + 1);
    QTest::newRow("last byte changed") << tampered << 2;
    QByteArray bodyTampered = good;
    bodyTampered[35 + 100] = char(bodyTampered[35 + 100] ^ 0x01);
    QTest::newRow("body byte changed") << bodyTampered << 2;
}

void TestConfigFile::read_resultCodes() {
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    const QString p = path("r.cnt");
    WriteAll(p, content);
    ConfigImage image = DefaultImage();
    image.modeMemory()[0] = 0x77;
    const ConfigImage before = image;
    QCOMPARE(ReadConfigFile(image, p.toStdString()), code);
    if (code != 0) {
        QCOMPARE(image, before);
    } else {
        QCOMPARE(image.u8(500), std::uint8_t(500 * 7));
    }
}

void TestConfigFile::read_handMadeFile_replacesBodyOnly() {
    const QString p = path("h.cnt");
    WriteAll(p, HandMadeFile(PatternImage()));
    ConfigImage image;
    image.modeMemory()[3] = 0x11;
    image.systemParameters()[5] = 0x22;
    QCOMPARE(ReadConfigFile(image, p.toStdString()), 0);
    ConfigImage expected = PatternImage();
    QVERIFY(std::equal(image.body().begin(), image.body().end(), expected.body().begin()));
    QCOMPARE(int(image.modeMemory()[3]), 0x11);
    QCOMPARE(int(image.systemParameters()[5]), 0x22);
}

void TestConfigFile::read_ignoresBytesAfterChecksum() {
    const QString p = path("long.cnt");
    WriteAll(p, HandMadeFile(DefaultImage()) + QByteArray("trailing garbage"));
    ConfigImage image;
    QCOMPARE(ReadConfigFile(image, p.toStdString()), 0);
}

void TestConfigFile::read_missingFile_givesCode1() {
    ConfigImage image = DefaultImage();
    QCOMPARE(ReadConfigFile(image, path("missing.cnt").toStdString()), 1);
    QCOMPARE(ReadConfigFile(image, dir_.path().toStdString()), 1);  // a folder
    QCOMPARE(image, DefaultImage());
}

void TestConfigFile::workingFile_roundTrip() {
    const std::string p = path("default.cnt").toStdString();
    ConfigImage edited = PatternImage();
    QCOMPARE(WriteWorkingFile(edited, p), 0);
    ConfigImage next = DefaultImage();
    ReadWorkingFile(next, p);
    QVERIFY(std::equal(next.body().begin(), next.body().end(), edited.body().begin()));
}

void TestConfigFile::workingFile_unreadableGivesDefaultBody() {
    const QString p = path("default.cnt");
    WriteAll(p, QByteArray("garbage"));
    ConfigImage image = PatternImage();
    image.systemParameters()[0] = 9;
    ReadWorkingFile(image, p.toStdString());
    QVERIFY(std::equal(image.body().begin(), image.body().end(), DefaultImage().body().begin()));
    QCOMPARE(int(image.systemParameters()[0]), 9);
}

void TestConfigFile::openMessages_matchCodes() {
    QCOMPARE(OpenResultMessage(0), std::string_view());
    QCOMPARE(OpenResultMessage(1), std::string_view("Невозможно открыть файл"));
    QCOMPARE(OpenResultMessage(2), std::string_view("Неизвестный формат файла"));
    QCOMPARE(OpenResultMessage(3),
             std::string_view("Несоответствие версий! Файл не может быть использован для "
                              "конфигурирования этого устройства."));
}

QTEST_APPLESS_MAIN(TestConfigFile)
#include "tst_config_file.moc"
