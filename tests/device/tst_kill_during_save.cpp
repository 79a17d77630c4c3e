// Killed during a save: a process that writes a configuration file,
// "default.cnt", KRXConfig.cfg or history copies over and over is killed at
// random moments, 1000 times in all. After every kill the file is one whole
// version, the old or the new, never empty or cut; a history listing holds
// only whole copies.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <random>

#include "common/save_loop_contents.h"
#include "config/config_file.h"
#include "config/config_history.h"
#include "device/program_settings.h"

using namespace krx;

namespace {

constexpr int kKillsPerKind = 250;  // four kinds: 1000 kills in all

// Starts the writer, lets it run for `microseconds`, then kills it outright.
bool RunAndKill(const QString& kind, const QString& dir, int microseconds) {
    QProcess writer;
    writer.start(QStringLiteral(KRX_SAVE_LOOP), {kind, dir});
    if (!writer.waitForStarted(5000)) return false;
    QThread::usleep(static_cast<unsigned long>(microseconds));
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    return writer.waitForFinished(5000) && writer.exitStatus() == QProcess::CrashExit;
}

int Version(const ConfigImage& image) {
    for (int v = 0; v < 2; ++v) {
        if (std::equal(image.body().begin(), image.body().end(), test::SaveLoopImage(v).body().begin())) return v;
    }
    return -1;
}

// How many temporary files kills left beside `target`: kills that struck in
// the middle of a write.
int Leftovers(const QString& dir, const QString& target) {
    return int(QDir(dir).entryList(QDir::Files | QDir::Hidden).size()) - (QFile::exists(dir + "/" + target) ? 1 : 0);
}

}  // namespace

class TestKillDuringSave : public QObject {
    Q_OBJECT
private slots:
    void killed_leavesTheOldOrTheNewFile_data();
    void killed_leavesTheOldOrTheNewFile();
    void killed_historyListsOnlyWholeCopies();
};

void TestKillDuringSave::killed_leavesTheOldOrTheNewFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("configuration file") << "cnt";
    QTest::newRow("default.cnt") << "working";
    QTest::newRow("KRXConfig.cfg") << "settings";
}

void TestKillDuringSave::killed_leavesTheOldOrTheNewFile() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const QString cnt = dir.filePath(kind == "cnt" ? test::kSaveLoopCnt : "default.cnt");
    const QString cfg = dir.filePath("KRXConfig.cfg");
    // The old file, whole, before the first writer starts.
    if (kind == "settings") QVERIFY(WriteProgramSettings(cfg, test::SaveLoopPortName(0)));
    else QCOMPARE(WriteConfigFile(test::SaveLoopImage(0), cnt.toStdString()), 0);

    std::mt19937 random(17);
    int seen[2] = {0, 0};
    for (int k = 0; k < kKillsPerKind; ++k) {
        QVERIFY(RunAndKill(kind, dir.path(), int(random() % 12000)));
        if (kind == "settings") {
            QString name;
            QVERIFY2(ReadProgramSettings(cfg, name), qPrintable(QString("kill %1").arg(k)));
            QVERIFY(name == test::SaveLoopPortName(0) || name == test::SaveLoopPortName(1));
            ++seen[name == test::SaveLoopPortName(1) ? 1 : 0];
        } else {
            ConfigImage image;
            QCOMPARE(ReadConfigFile(image, cnt.toStdString()), 0);
            const int v = Version(image);
            QVERIFY2(v >= 0, qPrintable(QString("kill %1 left a body of neither version").arg(k)));
            ++seen[v];
        }
    }
    // Both versions were seen: the kills struck while the writer was writing.
    QVERIFY(seen[0] > 0 && seen[1] > 0);
    qInfo("%s: %d kills, old %d, new %d, %d cut writes left a temporary file", qPrintable(kind), kKillsPerKind,
          seen[0], seen[1], Leftovers(dir.path(), QFileInfo(kind == "settings" ? cfg : cnt).fileName()));
}

void TestKillDuringSave::killed_historyListsOnlyWholeCopies() {
    QTemporaryDir dir;
    std::mt19937 random(23);
    for (int k = 0; k < kKillsPerKind; ++k) QVERIFY(RunAndKill("history", dir.path(), int(random() % 12000)));
    const std::vector<HistoryEntry> entries = ListHistory(dir.path().toStdString());
    QVERIFY(!entries.empty());
    for (const HistoryEntry& e : entries) {
        ConfigImage image;
        QVERIFY2(ReadConfigFile(image, e.file.string()) == 0, e.file.string().c_str());
        QVERIFY(Version(image) >= 0);
    }
    qInfo("history: %d kills, %d whole copies listed", kKillsPerKind, int(entries.size()));
}

QTEST_GUILESS_MAIN(TestKillDuringSave)
#include "tst_kill_during_save.moc"
