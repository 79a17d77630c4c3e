// The simulated controller as the line sees it: mode entry, the
// administrative password lock, and a restart that goes deaf for a moment
// and forgets the presented password. Other tests lean on these behaviours,
// so they are pinned here against hand-built frames.

#include <QtTest>

#include <chrono>
#include <memory>
#include <vector>

#include "device/frame.h"
#include "sim/sim_controller.h"

using namespace krx;
using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

namespace {

Bytes Frame(std::uint8_t command, const Bytes& payload) { return BuildFrame(command, payload); }

Bytes PasswordPayload(const char* text) {
    Bytes payload(9, 0);
    for (std::size_t i = 0; text[i] != 0 && i < 8; ++i) {
        payload[i] = static_cast<std::uint8_t>(text[i]);
    }
    return payload;
}

Bytes BlockWrite(const Bytes& data) {
    Bytes payload = {0, 0, 0, 0, static_cast<std::uint8_t>(data.size()), 0};
    payload.insert(payload.end(), data.begin(), data.end());
    return Frame(6, payload);
}

// Status of a command acknowledgement (byte 4) or a block acknowledgement
// (byte 10); -1 when the reply is neither.
int AckStatus(const Bytes& reply) {
    if (reply.size() == 6) return reply[4];
    if (reply.size() == 13) return reply[10];
    return -1;
}

}  // namespace

class SimControllerTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void beforeModeEntry_framesAreIgnored();
    void modeEntry_answersOneByte();
    void passwordSet_guardedRequestsAnswerStatus2_data();
    void passwordSet_guardedRequestsAnswerStatus2();
    void passwordSet_queriesStillAnswered();
    void presentedPassword_unlocks_data();
    void presentedPassword_unlocks();
    void restart_goesDeafThenForgetsPassword();

private:
    Bytes send(const Bytes& bytes) { return controller_->receive(bytes, now_); }
    void enterFrameMode() {
        QCOMPARE(send(Bytes(kModeEntry.begin(), kModeEntry.end())), Bytes{0x0D});
    }

    std::unique_ptr<sim::SimController> controller_;
    sim::SimClockPoint now_;
};

void SimControllerTest::init() {
    controller_ = std::make_unique<sim::SimController>();
    now_ = std::chrono::steady_clock::now();
    enterFrameMode();
}

void SimControllerTest::beforeModeEntry_framesAreIgnored() {
    sim::SimController fresh;
    QVERIFY(fresh.receive(Frame(5, {}), now_).empty());
    QCOMPARE(fresh.modeEntries(), 0);
    QVERIFY(!fresh.inFrameMode());
}

void SimControllerTest::modeEntry_answersOneByte() {
    QVERIFY(controller_->inFrameMode());
    // Entering again while in frame mode is answered the same way.
    enterFrameMode();
    QCOMPARE(controller_->modeEntries(), 2);
}

void SimControllerTest::passwordSet_guardedRequestsAnswerStatus2_data() {
    QTest::addColumn<Bytes>("request");
    QTest::newRow("apply (15)") << Frame(15, {0});
    QTest::newRow("restart (16)") << Frame(16, {0});
    QTest::newRow("control (20)") << Frame(20, {2, 1, 1});
    QTest::newRow("block write, area 1") << BlockWrite({1, 2, 3});
}

void SimControllerTest::passwordSet_guardedRequestsAnswerStatus2() {
    QFETCH(Bytes, request);
    controller_->withDevice([](sim::SimDevice& d) {
        d.setPassword("4321");
        return 0;
    });
    const Bytes before = controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(1); });

    QCOMPARE(AckStatus(send(request)), 2);

    const Bytes after = controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(1); });
    QCOMPARE(after, before);
    QCOMPARE(controller_->withDevice([](sim::SimDevice& d) { return d.restartCount(); }), 0);
}

void SimControllerTest::passwordSet_queriesStillAnswered() {
    controller_->withDevice([](sim::SimDevice& d) {
        d.setPassword("4321");
        return 0;
    });
    const Bytes ident = send(Frame(5, {}));
    QCOMPARE(ident.size(), std::size_t{93});
    QVERIFY(FrameChecksumMatches(ident));
    const Bytes block = send(Frame(7, {0, 0, 0, 0, 16, 0, 0, 0}));
    QCOMPARE(block.size(), std::size_t{27});
}

void SimControllerTest::presentedPassword_unlocks_data() {
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<int>("passwordStatus");
    QTest::addColumn<int>("writeStatus");
    QTest::newRow("right") << QByteArray("4321") << 0 << 0;
    QTest::newRow("wrong") << QByteArray("1234") << 2 << 2;
    QTest::newRow("empty") << QByteArray("") << 2 << 2;
    QTest::newRow("longer") << QByteArray("43210") << 2 << 2;
}

void SimControllerTest::presentedPassword_unlocks() {
    QFETCH(QByteArray, given);
    QFETCH(int, passwordStatus);
    QFETCH(int, writeStatus);
    controller_->withDevice([](sim::SimDevice& d) {
        d.setPassword("4321");
        return 0;
    });

    QCOMPARE(AckStatus(send(Frame(17, PasswordPayload(given.constData())))), passwordStatus);
    QCOMPARE(AckStatus(send(BlockWrite({9, 9}))), writeStatus);
}

void SimControllerTest::restart_goesDeafThenForgetsPassword() {
    controller_->setRestartSilence(1500ms);
    controller_->withDevice([](sim::SimDevice& d) {
        d.setPassword("4321");
        return 0;
    });
    QCOMPARE(AckStatus(send(Frame(17, PasswordPayload("4321")))), 0);

    QCOMPARE(AckStatus(send(Frame(16, {0}))), 0);

    // Deaf while it restarts: not even the mode entry is heard.
    now_ += 1000ms;
    QVERIFY(send(Bytes(kModeEntry.begin(), kModeEntry.end())).empty());
    // Back in its text console afterwards: frames need a new mode entry.
    now_ += 1000ms;
    QVERIFY(send(Frame(5, {})).empty());
    enterFrameMode();
    // And the password has to be presented again.
    QCOMPARE(AckStatus(send(Frame(15, {0}))), 2);
    QCOMPARE(controller_->withDevice([](sim::SimDevice& d) { return d.restartCount(); }), 1);
}

QTEST_GUILESS_MAIN(SimControllerTest)
#include "tst_sim_controller.moc"
