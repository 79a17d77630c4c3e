// The history folder: where a copy goes, how copies of one second are told
// apart, what a listing holds, and that nothing but a controller's serial
// number can name a folder.

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include "common/test_bytes.h"
#include "config/config_file.h"
#include "config/config_history.h"
#include "config/default_image.h"

using namespace krx;
namespace fs = std::filesystem;

namespace {

const std::string kSerial = "4B52583331304C5400A1B2C30000002A";

QString Name(const fs::path& p) { return QString::fromStdString(p.filename().string()); }

}  // namespace

class TestConfigHistory : public QObject {
    Q_OBJECT
private slots:
    void save_namesTheCopyByControllerTimeAndKind();
    void save_sameSecondSameKind_getsACounter();
    void save_refusesAFolderNameThatIsNoSerial_data();
    void save_refusesAFolderNameThatIsNoSerial();
    void list_sortedFilteredAndOnlyWellNamed();
};

void TestConfigHistory::save_namesTheCopyByControllerTimeAndKind() {
    QTemporaryDir dir;
    ConfigImage image = DefaultImage();
    image.body()[100] = 0x42;
    image.bytes()[20] = '7';  // an administrative password: never kept in files
    const fs::path file = SaveToHistory(image, dir.path().toStdString(), kSerial, "2026-12-10_21-18-05",
                                        HistoryKind::Programmed);
    QCOMPARE(QString::fromStdString(file.string()),
             dir.path() + "/history/" + QString::fromStdString(kSerial) + "/2026-12-10_21-18-05-programmed.cnt");
    ConfigImage back;
    QCOMPARE(ReadConfigFile(back, file.string()), 0);
    QCOMPARE(back.body()[100], std::uint8_t(0x42));
    QCOMPARE(back.bytes()[20], std::uint8_t(0));
}

void TestConfigHistory::save_sameSecondSameKind_getsACounter() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const ConfigImage image = DefaultImage();
    QCOMPARE(Name(SaveToHistory(image, root, kSerial, "2026-12-10_21-18-05", HistoryKind::Read)),
             QStringLiteral("2026-12-10_21-18-05-read.cnt"));
    QCOMPARE(Name(SaveToHistory(image, root, kSerial, "2026-12-10_21-18-05", HistoryKind::Read)),
             QStringLiteral("2026-12-10_21-18-05-read-2.cnt"));
    QCOMPARE(Name(SaveToHistory(image, root, kSerial, "2026-12-10_21-18-05", HistoryKind::Programmed)),
             QStringLiteral("2026-12-10_21-18-05-programmed.cnt"));
    QCOMPARE(ListHistory(root).size(), std::size_t(3));
}

void TestConfigHistory::save_refusesAFolderNameThatIsNoSerial_data() {
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("time");
    QTest::newRow("a path") << "../../etc" << "2026-12-10_21-18-05";
    QTest::newRow("lower case") << "4b52" << "2026-12-10_21-18-05";
    QTest::newRow("empty") << "" << "2026-12-10_21-18-05";
    QTest::newRow("a time with a slash") << "4B52" << "2026-12-10/21-18-05";
}

void TestConfigHistory::save_refusesAFolderNameThatIsNoSerial() {
    QFETCH(QString, serial);
    QFETCH(QString, time);
    QTemporaryDir dir;
    const fs::path file = SaveToHistory(DefaultImage(), dir.path().toStdString(), serial.toStdString(),
                                        time.toStdString(), HistoryKind::Read);
    QVERIFY(file.empty());
    QVERIFY(!fs::exists(fs::path(dir.path().toStdString()) / "history" / serial.toStdString()));
}

void TestConfigHistory::list_sortedFilteredAndOnlyWellNamed() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const ConfigImage image = DefaultImage();
    SaveToHistory(image, root, "BBBB", "2026-12-11_08-00-00", HistoryKind::Read);
    SaveToHistory(image, root, "AAAA", "2026-12-11_09-00-00", HistoryKind::Programmed);
    SaveToHistory(image, root, "AAAA", "2026-12-10_09-00-00", HistoryKind::Read);
    std::ofstream(root / "history" / "AAAA" / "notes.txt") << "x";
    std::ofstream(root / "history" / "AAAA" / "2026-12-10_09-00-00-edited.cnt") << "x";

    const std::vector<HistoryEntry> all = ListHistory(root);
    QCOMPARE(all.size(), std::size_t(3));
    QCOMPARE(QString::fromStdString(all[0].serial + " " + all[0].time), QStringLiteral("AAAA 2026-12-10_09-00-00"));
    QCOMPARE(all[0].kind, HistoryKind::Read);
    QCOMPARE(QString::fromStdString(all[1].serial + " " + all[1].time), QStringLiteral("AAAA 2026-12-11_09-00-00"));
    QCOMPARE(all[1].kind, HistoryKind::Programmed);
    QCOMPARE(QString::fromStdString(all[2].serial), QStringLiteral("BBBB"));

    QCOMPARE(ListHistory(root, "BBBB").size(), std::size_t(1));
    QVERIFY(ListHistory(root, "CCCC").empty());
    QVERIFY(ListHistory(root / "nowhere").empty());
}

QTEST_APPLESS_MAIN(TestConfigHistory)
#include "tst_config_history.moc"
