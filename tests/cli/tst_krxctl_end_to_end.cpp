// The krxctl program itself against the simulated controller program
// (krx-sim) on a pseudo-terminal: a real serial port to both, the exit codes
// a script sees, stdout and stderr apart, and a language file in the
// working directory.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "common/sim_process.h"
#include "config/config_file.h"
#include "config/default_image.h"

using namespace krx;

namespace {

using test::BuiltProgram;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

}  // namespace

class TestKrxctlEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readProgramCompare_throughPty();
    void json_onStdoutMessagesOnStderr();
    void usageAndHelp_exitCodes();
    void languageFile_givesTheJobsTexts();
    void cablePulled_midTransfer_failsInTime_data();
    void cablePulled_midTransfer_failsInTime();

private:
    Run krxctl(const QStringList& args, const QString& directory = {}) const;

    QTemporaryDir dir_;
    QProcess simulator_;
    QString port_;
};

void TestKrxctlEndToEnd::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY2(QFileInfo(BuiltProgram("KRXCTL_PROGRAM", "../src/cli/krxctl")).isExecutable(), "krxctl not built");
    // A restarted controller answers again at once here.
    QString why;
    port_ = test::StartSimulatorProcess(simulator_, {"--restart-silence", "0"}, why);
    QVERIFY2(!port_.isEmpty(), qPrintable(why));
}

void TestKrxctlEndToEnd::cleanupTestCase() {
    test::StopSimulatorProcess(simulator_);
}

Run TestKrxctlEndToEnd::krxctl(const QStringList& args, const QString& directory) const {
    QProcess p;
    p.setProgram(BuiltProgram("KRXCTL_PROGRAM", "../src/cli/krxctl"));
    p.setArguments(args);
    p.setWorkingDirectory(directory.isEmpty() ? dir_.path() : directory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("KRX_PASSWORD");
    p.setProcessEnvironment(environment);
    p.start();
    Run r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void TestKrxctlEndToEnd::readProgramCompare_throughPty() {
    const QString read = dir_.filePath("read.cnt");
    Run r = krxctl({"read", "-p", port_, "-o", read});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QStringLiteral("Данные считаны\n"));
    ConfigImage image;
    QCOMPARE(ReadConfigFile(image, read.toStdString()), 0);

    image.body()[3000] ^= 0x5A;
    const QString edited = dir_.filePath("edited.cnt");
    QCOMPARE(WriteConfigFile(image, edited.toStdString()), 0);
    r = krxctl({"program", "-p", port_, edited});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QStringLiteral("Перезагрузка устройства инициированна\n"));

    QTRY_COMPARE_WITH_TIMEOUT(krxctl({"compare", "-p", port_, edited}).exitCode, 0, 10000);
    r = krxctl({"compare", "-p", port_, read});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QStringLiteral("Данные в памяти контроллера отличаются от текущих\n"));
}

void TestKrxctlEndToEnd::json_onStdoutMessagesOnStderr() {
    const Run r = krxctl({"identify", "-p", port_, "--json"});
    QCOMPARE(r.exitCode, 0);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.value("deviceName").toString(), QStringLiteral("KRX310"));
    QCOMPARE(json.value("supported").toBool(), true);
}

void TestKrxctlEndToEnd::usageAndHelp_exitCodes() {
    Run r = krxctl({"--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("Usage: krxctl COMMAND"));
    r = krxctl({"compare", "--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith("Usage: krxctl compare [options]"));
    r = krxctl({"compare", "-p", port_});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(!r.err.isEmpty());
    r = krxctl({"read", "-p", "ttyNOSUCHPORT", "-o", dir_.filePath("x.cnt")});
    QCOMPARE(r.exitCode, 3);
    QVERIFY2(r.err.startsWith("Невозможно открыть "), qPrintable(r.err));
}

void TestKrxctlEndToEnd::languageFile_givesTheJobsTexts() {
    QTemporaryDir english;
    QVERIFY(QFile::copy(QStringLiteral(KRX_PROJECT_DIR "/lang/lng-en.txt"), english.filePath("lng.txt")));
    const Run r = krxctl({"read", "-p", port_, "-o", english.filePath("r.cnt")}, english.path());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QStringLiteral("Data read\n"));
}

void TestKrxctlEndToEnd::cablePulled_midTransfer_failsInTime_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("read") << QStringList{"read", "-o", "pulled.cnt"};
    QTest::newRow("program") << QStringList{"program", "in.cnt"};
    QTest::newRow("program --changed-only") << QStringList{"program", "in.cnt", "--changed-only"};
}

void TestKrxctlEndToEnd::cablePulled_midTransfer_failsInTime() {
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    ConfigImage edited = DefaultImage();
    for (std::size_t i = 0; i < kBodySize; i += 256) edited.body()[i] ^= 0x01;  // every block differs
    QCOMPARE(WriteConfigFile(edited, dir.filePath("in.cnt").toStdString()), 0);
    // A controller of its own, at the real line rate, so the transfer takes seconds.
    QProcess controller;
    QString why;
    const QString port = test::StartSimulatorProcess(controller, {"--pace", "--restart-silence", "0"}, why);
    QVERIFY2(!port.isEmpty(), qPrintable(why));
    QProcess p;
    p.setProgram(BuiltProgram("KRXCTL_PROGRAM", "../src/cli/krxctl"));
    p.setArguments(args << "-p" << port);
    p.setWorkingDirectory(dir.path());
    p.start();
    QVERIFY(p.waitForStarted(5000));
    // Pulled in the middle of the blocks: the other end of the terminal closes.
    QTest::qWait(1500);
    QCOMPARE(p.state(), QProcess::Running);
    controller.kill();
    controller.waitForFinished(3000);
    QElapsedTimer clock;
    clock.start();
    // Within the protocol's time-outs: three attempts of at most a few
    // hundred milliseconds each, for the block under way.
    QVERIFY2(p.waitForFinished(10000), "krxctl hangs after the cable was pulled");
    const qint64 ms = clock.elapsed();
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 3);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral("Ошибка порта")) || err.contains(QStringLiteral("Нет ответа от устройства")) ||
                 err.contains(QStringLiteral("Ошибка передачи данных")) ||
                 err.contains(QStringLiteral("Нет корректного ответа")),
             qPrintable(err));
    QVERIFY(!QFile::exists(dir.filePath("pulled.cnt")));
    qInfo("%s: failed %lld ms after the cable was pulled: %s", qPrintable(args.first()), ms,
          qPrintable(err.trimmed().section('\n', -1)));
}

QTEST_GUILESS_MAIN(TestKrxctlEndToEnd)
#include "tst_krxctl_end_to_end.moc"
