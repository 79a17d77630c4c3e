// The fault matrix: every operation of the headless session against the
// simulated controller, with each of its fault switches striking at the
// identification, the password, the first, a middle or the last block, or
// the operation's own command. For every case:
// - no false success: an operation that says it succeeded did what it says
//   (the controller holds the image, the image holds the controller's body),
//   and one whose examined step was spoiled ends red;
// - a failed operation leaves the image as it was, and the controller's
//   memory as it was unless the failure came after the first write;
// - one final status, the device gate free, and a bounded time.

#include <QElapsedTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

#include "common/operation_frames.h"
#include "config/default_image.h"
#include "device/clock_command.h"
#include "device/control_command.h"
#include "device/controller_session.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;
using namespace krx::test::code;
using Bytes = std::vector<std::uint8_t>;

namespace {

enum class Op {
    ReadConf,
    Programm,
    Reconfigurate,
    ProgramChanged,
    CompareConf,
    Reset,
    FactoryConfig,
    ReadSystemParameters,
    ProgramSystemParameters,
    Control,
    Clock,
};

struct OpInfo {
    Op op;
    const char* name;
    Bytes examined;  // the commands whose answers the operation examines
    bool writesBody;
    bool writesSystemParameters;
    bool clearModeMemory = false;  // "При программировании очистить память режимов"
};

const std::vector<OpInfo>& Ops() {
    static const std::vector<OpInfo> ops = {
        {Op::ReadConf, "ReadConf", {kIdent, kPassword, kReadArea1}, false, false},
        {Op::Programm, "Programm", {kIdent, kPassword, kWriteArea1, kReadArea1}, true, false},
        {Op::Reconfigurate, "Reconfigurate", {kIdent, kPassword, kWriteArea1, kReadArea1}, true, false},
        {Op::Programm, "Programm clearing the mode memory",
         {kIdent, kPassword, kWriteArea1, kReadArea1, kWriteArea4, kReadArea4}, true, false, true},
        {Op::Reconfigurate, "Reconfigurate clearing the mode memory",
         {kIdent, kPassword, kWriteArea1, kReadArea1, kWriteArea4, kReadArea4}, true, false, true},
        {Op::ProgramChanged, "program --changed-only", {kIdent, kPassword, kReadArea1, kWriteArea1}, true, false},
        {Op::CompareConf, "CompareConf", {kIdent, kReadArea1}, false, false},
        {Op::Reset, "Reset", {kIdent, kPassword}, false, false},
        // A refused empty password leads to the countdown, not to a failure.
        {Op::FactoryConfig, "FactoryConfig", {kIdent, kWriteArea1, kReadArea1, kWriteArea4, kReadArea4}, true, false},
        {Op::ReadSystemParameters, "system parameters read", {kIdent, kPassword, kReadArea5}, false, false},
        {Op::ProgramSystemParameters, "system parameters program", {kIdent, kPassword, kWriteArea5, kReadArea5},
         false, true},
        {Op::Control, "control command", {kIdent, kPassword, kControl}, false, false},
        {Op::Clock, "clock set", {kIdent, kClock}, false, false},
    };
    return ops;
}

struct FaultInfo {
    const char* name;
    std::function<void(sim::SimFaults&)> apply;
};

// The reply faults and acknowledgement statuses, each aimed at one command.
std::vector<FaultInfo> ReplyFaults() {
    using sim::ReplyFault;
    std::vector<FaultInfo> f;
    const std::pair<const char*, ReplyFault> kinds[] = {{"silence", ReplyFault::Silence},
                                                        {"one byte short", ReplyFault::ShortReply},
                                                        {"bad checksum", ReplyFault::BadChecksum},
                                                        {"wrong echo", ReplyFault::WrongCommand},
                                                        {"wrong length", ReplyFault::WrongLength}};
    for (const auto& [name, kind] : kinds) {
        f.push_back({name, [kind = kind](sim::SimFaults& s) { s.reply = kind; }});
    }
    for (int status : {1, 2, 3}) {
        static const char* names[] = {"", "status 1", "status 2", "status 3"};
        f.push_back({names[status], [status](sim::SimFaults& s) { s.ackStatus = status; }});
    }
    return f;
}

bool IsAck(std::uint8_t command) {
    return command == kPassword || command == kWriteArea1 || command == kWriteArea4 || command == kWriteArea5 ||
           command == kControl || command == kClock || command == kRestart || command == kApply;
}

bool Contains(const Bytes& codes, std::uint8_t c) { return std::find(codes.begin(), codes.end(), c) != codes.end(); }

// A body the program accepts, other than the default one.
ConfigImage EditedImage() {
    ConfigImage image = DefaultImage();
    image.body()[12] ^= 0x07;
    image.body()[3000] = 0x5A;
    image.body()[5291] = 0xC3;
    return image;
}

struct Case {
    const OpInfo* op;
    std::string name;
    sim::SimFaults faults;
    std::uint8_t target = 0;  // the command the fault is aimed at, 0 for a block position
    bool expectFailure = false;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const OpInfo& op : Ops()) {
        // Reply faults and statuses at the identification, the password, the
        // first block of each kind and the operation's own command.
        Bytes targets = {kIdent, kPassword};
        for (std::uint8_t c : op.examined)
            if (!Contains(targets, c)) targets.push_back(c);
        for (std::uint8_t target : targets) {
            for (const FaultInfo& f : ReplyFaults()) {
                sim::SimFaults s;
                f.apply(s);
                s.onlyCommand = target;
                const bool statusFault = s.ackStatus >= 0;
                if (statusFault && !IsAck(target)) continue;
                // A reply whose length field is wrong but whose size and
                // checksum are right is accepted by the protocol.
                const bool accepted = s.reply == sim::ReplyFault::WrongLength;
                Case c{&op, std::string(op.name) + ", " + f.name + " at command " + std::to_string(target), s, target,
                       Contains(op.examined, target) && !accepted};
                cases.push_back(c);
            }
        }
        // The cable pulled at the first, a middle and the last block.
        const bool blocks = Contains(op.examined, kReadArea1) || Contains(op.examined, kReadArea5);
        if (blocks) {
            const int blockCount = Contains(op.examined, kReadArea5) ? 1 : krx::test::kBodyBlocks;
            for (int after : {0, blockCount / 2, blockCount - 1}) {
                sim::SimFaults s;
                s.silentAfterBlocks = after;
                cases.push_back({&op, std::string(op.name) + ", silent after " + std::to_string(after) + " blocks", s, 0,
                                 true});
            }
        }
        // A byte of the read-back corrupted: first, middle, last block.
        if (op.writesBody || op.writesSystemParameters) {
            const std::vector<long> offsets =
                op.writesSystemParameters ? std::vector<long>{0, 7} : std::vector<long>{0, 2600, 5291};
            for (long offset : offsets) {
                sim::SimFaults s;
                s.corruptReadOffset = offset;
                cases.push_back({&op, std::string(op.name) + ", read-back byte " + std::to_string(offset) + " corrupted",
                                 s, 0, true});
            }
        }
    }
    return cases;
}

OperationOutcome RunOp(Op op, ControllerSession& session) {
    switch (op) {
        case Op::ReadConf: return session.ReadConf();
        case Op::Programm: return session.Programm();
        case Op::Reconfigurate: return session.Reconfigurate();
        case Op::ProgramChanged: return session.ProgramChanged(true);
        case Op::CompareConf: return session.CompareConf();
        case Op::Reset: return session.Reset();
        case Op::FactoryConfig: return session.FactoryConfig();
        case Op::ReadSystemParameters: return session.ReadSystemParameters();
        case Op::ProgramSystemParameters: return session.ProgramSystemParameters();
        case Op::Control: return session.ControlCommand(ModeChangePayload(SecurityMode::Armed));
        case Op::Clock: return session.SetClock(ClockPayloadFromText(u"11.12.26 10:20:30"));
    }
    return {};
}

}  // namespace

Q_DECLARE_METATYPE(sim::SimFaults)

class TestFaultMatrix : public QObject {
    Q_OBJECT
private slots:
    void everyOperationUnderEveryFault_data();
    void everyOperationUnderEveryFault();
};

void TestFaultMatrix::everyOperationUnderEveryFault_data() {
    QTest::addColumn<int>("index");
    const std::vector<Case> cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) QTest::newRow(cases[i].name.c_str()) << int(i);
}

void TestFaultMatrix::everyOperationUnderEveryFault() {
    QFETCH(int, index);
    static const std::vector<Case> cases = Cases();
    const Case& c = cases[std::size_t(index)];

    auto controller = std::make_shared<sim::SimController>();
    sim::ScopedSimLinks links{controller};
    controller->setRestartSilence(std::chrono::milliseconds(0));
    // The controller holds one body and the editor another.
    const ConfigImage held = DefaultImage();
    controller->setArea(1, held.body());
    const Bytes heldSystem = {1, 2, 3, 4, 5, 6, 7, 8};
    controller->setArea(5, heldSystem);
    const bool clearModes = c.op->clearModeMemory;
    ControllerSession session({[] { return QString::fromLatin1(sim::kSimPortName); }, {}, [] { return true; },
                               [clearModes] { return clearModes; }});
    const ConfigImage edited = EditedImage();
    std::copy(edited.bytes().begin(), edited.bytes().end(), session.image().bytes().begin());
    for (std::size_t i = 0; i < 8; ++i) session.image().systemParameters()[i] = std::uint8_t(0x40 + i);
    const ConfigImage before = session.image();
    controller->setFaults(c.faults);

    QElapsedTimer clock;
    clock.start();
    const OperationOutcome out = RunOp(c.op->op, session);
    const qint64 ms = clock.elapsed();

    // A bounded time, one final status, the gate free.
    QVERIFY2(ms < 20000, qPrintable(QString("took %1 ms").arg(ms)));
    QVERIFY(out.started);
    QVERIFY(!out.message.isEmpty());
    QVERIFY(!session.gate().busy());
    // Every request the program sent, faults or not, reads as one by the
    // controller's own rules.
    const std::vector<std::string> refused = controller->refusedRequests();
    QVERIFY2(refused.empty(), refused.empty() ? "" : refused.front().c_str());

    // Whether the spoiled command was heard at all.
    bool struck = c.target == 0;
    if (c.target != 0)
        for (const auto& f : controller->requests()) struck = struck || f.at(1) == c.target;
    if (c.expectFailure && struck) {
        QVERIFY2(!out.ok, qPrintable("false success: " + out.message));
    }

    if (!out.ok) {
        QCOMPARE(out.colour, StatusColour::Red);
        // A failed operation does not change the editor's configuration,
        // except the factory reset, which puts the defaults in before writing.
        if (c.op->op != Op::FactoryConfig) QVERIFY(session.image() == before);
        // Nothing reached the controller before the first write's answer.
        if (c.target == kIdent || c.target == kPassword || !(c.op->writesBody || c.op->writesSystemParameters)) {
            QCOMPARE(controller->area(1), Bytes(held.body().begin(), held.body().end()));
            QCOMPARE(controller->area(5), heldSystem);
        }
        return;
    }
    // What a success says is true.
    const Bytes imageBody(session.image().body().begin(), session.image().body().end());
    const Bytes imageSystem(session.image().systemParameters().begin(), session.image().systemParameters().end());
    switch (c.op->op) {
        case Op::ReadConf:
            QCOMPARE(imageBody, controller->area(1));
            break;
        case Op::Programm:
        case Op::Reconfigurate:
        case Op::ProgramChanged:
        case Op::FactoryConfig:
            QCOMPARE(controller->area(1), imageBody);
            break;
        case Op::CompareConf:
            QCOMPARE(controller->area(1), imageBody);
            break;
        case Op::ReadSystemParameters:
            QCOMPARE(imageSystem, controller->area(5));
            break;
        case Op::ProgramSystemParameters:
            QCOMPARE(controller->area(5), imageSystem);
            break;
        default:
            break;
    }
}

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_fault_matrix.moc"
