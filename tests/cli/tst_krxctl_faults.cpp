// krxctl under the simulated controller's faults: read, program and
// program --changed-only never exit 0 when a step they examine was spoiled,
// always say why on stderr, and a failed read writes no file.

#include <QFile>
#include <QtTest>

#include "cli_fixture.h"
#include "common/operation_frames.h"
#include "config/default_image.h"

using namespace krx;
using namespace krx::test::code;
using krx::test::Cli;

Q_DECLARE_METATYPE(sim::SimFaults)

namespace {

sim::SimFaults Reply(sim::ReplyFault fault, std::uint8_t command) {
    sim::SimFaults f;
    f.reply = fault;
    f.onlyCommand = command;
    return f;
}

}  // namespace

class TestKrxctlFaults : public QObject {
    Q_OBJECT
private slots:
    void spoiledStep_exitsNonZero_data();
    void spoiledStep_exitsNonZero();
};

void TestKrxctlFaults::spoiledStep_exitsNonZero_data() {
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<sim::SimFaults>("faults");
    using sim::ReplyFault;
    const std::pair<const char*, QStringList> commands[] = {
        {"read", {"read", "-o", "out.cnt"}},
        {"program", {"program", "in.cnt"}},
        {"program --changed-only", {"program", "in.cnt", "--changed-only"}},
        {"program --no-restart", {"program", "in.cnt", "--no-restart"}},
    };
    for (const auto& [name, args] : commands) {
        const bool writes = args.first() == "program";
        sim::SimFaults silentMiddle;
        silentMiddle.silentAfterBlocks = 10;
        sim::SimFaults status2 = Reply(ReplyFault::None, kWriteArea1);
        status2.ackStatus = 2;
        sim::SimFaults corrupt;
        corrupt.corruptReadOffset = 2600;
        const std::pair<const char*, sim::SimFaults> faults[] = {
            {"silent at the identification", Reply(ReplyFault::Silence, kIdent)},
            {"bad checksum at the password", Reply(ReplyFault::BadChecksum, kPassword)},
            {"short first block", Reply(ReplyFault::ShortReply, writes ? kWriteArea1 : kReadArea1)},
            {"silent after 10 blocks", silentMiddle},
        };
        for (const auto& [fault, f] : faults) QTest::newRow(qPrintable(QString("%1, %2").arg(name, fault))) << args << f;
        if (writes) {
            QTest::newRow(qPrintable(QString("%1, block write status 2").arg(name))) << args << status2;
            QTest::newRow(qPrintable(QString("%1, read-back corrupted").arg(name))) << args << corrupt;
        }
    }
}

void TestKrxctlFaults::spoiledStep_exitsNonZero() {
    QFETCH(QStringList, command);
    QFETCH(sim::SimFaults, faults);
    Cli cli;
    ConfigImage edited = DefaultImage();
    edited.body()[3000] ^= 0x5A;
    cli.writeFile(edited, "in.cnt");
    for (QString& a : command)
        if (a.endsWith(".cnt")) a = cli.path(a);
    cli.controller->setFaults(faults);
    const auto r = cli.run(cli.onPort(command));
    QCOMPARE(r.exitCode, 3);
    QVERIFY(!r.err.trimmed().isEmpty());
    QVERIFY(!QFile::exists(cli.path("out.cnt")));
}

QTEST_GUILESS_MAIN(TestKrxctlFaults)
#include "tst_krxctl_faults.moc"
