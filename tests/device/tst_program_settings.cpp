// The program settings file: its 24 bytes, what reading accepts and refuses,
// the port-name rule of this system, and a rewrite that never leaves a
// half-written file behind.

#include <QtTest>

#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "device/program_settings.h"
#include "device/serial_link.h"

using namespace krx;

namespace {

// "[KRXProgCfg]" + "COM12" padded to 8 bytes + 0x20B84286 little-endian.
const QByteArray kCom12File = QByteArray::fromHex(
    "5B 4B 52 58 50 72 6F 67 43 66 67 5D"
    "43 4F 4D 31 32 00 00 00"
    "86 42 B8 20");

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadRaw(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace

class ProgramSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void write_producesTheTwentyFourBytes_data();
    void write_producesTheTwentyFourBytes();
    void read_soundFile_givesItsPort();
    void read_damagedFile_failsAndKeepsName_data();
    void read_damagedFile_failsAndKeepsName();
    void roundTrip_keepsTheName_data();
    void roundTrip_keepsTheName();
    void portNameRule_data();
    void portNameRule();
    void rewrite_neverTruncatesTheOldFileInPlace();
    void writeIntoMissingFolder_failsWithoutFile();
    void path_isTheFileInTheGivenFolder();
    void defaultPort_isFirstListedElseTtyS0();

private:
    QTemporaryDir dir_;
    QString path_;
};

void ProgramSettingsTest::init() {
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("KRXConfig.cfg"));
    QFile::remove(path_);
}

void ProgramSettingsTest::write_producesTheTwentyFourBytes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("COM12") << QStringLiteral("COM12") << kCom12File;
    // Eight characters: only seven are kept, byte 19 stays 0.
    QTest::newRow("ttyUSB10 cut to seven") << QStringLiteral("ttyUSB10")
                                           << QByteArray::fromHex(
                                                  "5B 4B 52 58 50 72 6F 67 43 66 67 5D"
                                                  "74 74 79 55 53 42 31 00"
                                                  "86 42 B8 20");
    QTest::newRow("pts/3") << QStringLiteral("pts/3")
                           << QByteArray::fromHex(
                                  "5B 4B 52 58 50 72 6F 67 43 66 67 5D"
                                  "70 74 73 2F 33 00 00 00"
                                  "86 42 B8 20");
}

void ProgramSettingsTest::write_producesTheTwentyFourBytes() {
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);
    QVERIFY(WriteProgramSettings(path_, name));
    QCOMPARE(ReadRaw(path_), expected);
}

void ProgramSettingsTest::read_soundFile_givesItsPort() {
    WriteRaw(path_, kCom12File);
    QString port = QStringLiteral("unchanged");
    QVERIFY(ReadProgramSettings(path_, port));
    QCOMPARE(port, QStringLiteral("COM12"));
}

void ProgramSettingsTest::read_damagedFile_failsAndKeepsName_data() {
    QTest::addColumn<QByteArray>("bytes");
    QByteArray otherConstant = kCom12File;
    otherConstant[23] = 0x21;
    QByteArray otherHeader = kCom12File;
    otherHeader[1] = 'k';
    QByteArray emptyName = kCom12File;
    emptyName.replace(12, 5, QByteArray(5, '\0'));
    QByteArray controlChar = kCom12File;
    controlChar[14] = '\x07';
    QTest::newRow("last four bytes changed") << otherConstant;
    QTest::newRow("foreign header") << otherHeader;
    QTest::newRow("short by one byte") << kCom12File.left(23);
    QTest::newRow("header only") << kCom12File.left(12);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("empty port name") << emptyName;
    QTest::newRow("control character in name") << controlChar;
}

void ProgramSettingsTest::read_damagedFile_failsAndKeepsName() {
    QFETCH(QByteArray, bytes);
    WriteRaw(path_, bytes);
    QString port = QStringLiteral("unchanged");
    QVERIFY(!ReadProgramSettings(path_, port));
    QCOMPARE(port, QStringLiteral("unchanged"));
}

void ProgramSettingsTest::roundTrip_keepsTheName_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("COM3") << QStringLiteral("COM3");
#ifndef Q_OS_WIN
    QTest::newRow("ttyUSB0") << QStringLiteral("ttyUSB0");
    QTest::newRow("ttyACM0") << QStringLiteral("ttyACM0");
    QTest::newRow("pts/3") << QStringLiteral("pts/3");
#endif
}

void ProgramSettingsTest::roundTrip_keepsTheName() {
    QFETCH(QString, name);
    QVERIFY(WriteProgramSettings(path_, name));
    QString port;
    QVERIFY(ReadProgramSettings(path_, port));
    QCOMPARE(port, name);
}

void ProgramSettingsTest::portNameRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
#ifdef Q_OS_WIN
    QTest::newRow("COM3") << QStringLiteral("COM3") << true;
    QTest::newRow("letters in other order") << QStringLiteral("MOC") << true;
    QTest::newRow("lower case") << QStringLiteral("com3") << false;
    QTest::newRow("no M") << QStringLiteral("CO3") << false;
#else
    QTest::newRow("ttyUSB0") << QStringLiteral("ttyUSB0") << true;
    QTest::newRow("ttyACM0") << QStringLiteral("ttyACM0") << true;
    QTest::newRow("pts/3") << QStringLiteral("pts/3") << true;
    QTest::newRow("ttyS0") << QStringLiteral("ttyS0") << true;
    QTest::newRow("COM1 is plain ASCII too") << QStringLiteral("COM1") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("tab") << QStringLiteral("tty\tS0") << false;
    QTest::newRow("not ASCII") << QStringLiteral("ttyЮ") << false;
    QTest::newRow("DEL") << QStringLiteral("tty\x7f") << false;
#endif
}

void ProgramSettingsTest::portNameRule() {
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QCOMPARE(IsAcceptablePortName(name), accepted);
}

void ProgramSettingsTest::rewrite_neverTruncatesTheOldFileInPlace() {
    WriteRaw(path_, kCom12File);
    // A second name for the old file's contents: if the new settings were
    // written into the old file, this name would see them (or a torn mix).
    const QString oldContents = dir_.filePath(QStringLiteral("old-contents"));
    QCOMPARE(::link(QFile::encodeName(path_).constData(), QFile::encodeName(oldContents).constData()),
             0);

    QVERIFY(WriteProgramSettings(path_, QStringLiteral("ttyUSB0")));

    QCOMPARE(ReadRaw(oldContents), kCom12File);
    QString port;
    QVERIFY(ReadProgramSettings(path_, port));
    QCOMPARE(port, QStringLiteral("ttyUSB0"));
    // Nothing else was left lying in the folder.
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void ProgramSettingsTest::writeIntoMissingFolder_failsWithoutFile() {
    const QString path = dir_.filePath(QStringLiteral("absent/KRXConfig.cfg"));
    QVERIFY(!WriteProgramSettings(path, QStringLiteral("COM1")));
    QVERIFY(!QFile::exists(path));
}

void ProgramSettingsTest::path_isTheFileInTheGivenFolder() {
    QCOMPARE(ProgramSettingsPath(QString()), QStringLiteral("KRXConfig.cfg"));
    QCOMPARE(ProgramSettingsPath(QStringLiteral("/home/tech/krx")),
             QStringLiteral("/home/tech/krx/KRXConfig.cfg"));
}

void ProgramSettingsTest::defaultPort_isFirstListedElseTtyS0() {
#ifdef Q_OS_WIN
    QCOMPARE(DefaultPortName(), QStringLiteral("COM1"));
#else
    const QStringList present = AvailablePortNames();
    QCOMPARE(DefaultPortName(), present.isEmpty() ? QStringLiteral("ttyS0") : present.first());
#endif
}

QTEST_GUILESS_MAIN(ProgramSettingsTest)
#include "tst_program_settings.moc"
