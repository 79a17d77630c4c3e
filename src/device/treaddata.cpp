#include "device/treaddata.h"

#include <QEventLoop>

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "device/frame.h"
#include "device/serial_link.h"
#include "device/transfer_protocol.h"

namespace krx {
namespace {

struct SimpleKind {
    TransferJobKind kind;
    std::uint8_t command;
    bool query;  // a record read; otherwise a command with payload
    int successMessage;
};

constexpr SimpleKind kSimpleKinds[] = {
    {TransferJobKind::IdentityRead, cmd::kReadIdent, true, msg::kVersionRead},
    {TransferJobKind::StatusRead, cmd::kReadStatus, true, msg::kDataRead},
    {TransferJobKind::ClockSet, cmd::kSetClock, false, msg::kDataSent},
    {TransferJobKind::KeyCodeRead, cmd::kReadKeyCode, true, msg::kDataRead},
    {TransferJobKind::ConfigApply, cmd::kApplyConfig, false, msg::kDataSent},
    {TransferJobKind::DeviceRestart, cmd::kRestart, false, msg::kRestartStarted},
    {TransferJobKind::PasswordSend, cmd::kPresentPassword, false, msg::kDataSent},
    {TransferJobKind::ControlCommand, cmd::kControl, false, msg::kDataSent},
    {TransferJobKind::SpareRecordRead, cmd::kReadSpareRecord, true, msg::kDataRead},
};

// Closes the link however the run ends.
struct LinkCloser {
    SerialLink* link;
    ~LinkCloser() {
        if (link != nullptr && link->isOpen()) {
            try {
                link->close();
            } catch (...) {
            }
        }
    }
};

}  // namespace

TReadData::TReadData(TransferJobKind kind, std::uint8_t area, std::span<std::uint8_t> buffer,
                     std::uint32_t startAddress, const QString& portName, StatusSink* sink,
                     QObject* parent)
    : QThread(parent),
      kind_(kind),
      area_(area),
      buffer_(buffer),
      startAddress_(startAddress),
      portName_(portName),
      sink_(sink),
      drivesProgress_(true),
      ownMessages_(TransferMessages()),
      messages_(&ownMessages_) {}

TReadData::TReadData(TransferJobKind kind, std::span<std::uint8_t> buffer, const QString& portName,
                     StatusSink* sink, QObject* parent)
    : QThread(parent),
      kind_(kind),
      area_(0),
      buffer_(buffer),
      startAddress_(0),
      portName_(portName),
      sink_(sink),
      drivesProgress_(false),
      ownMessages_(TransferMessages()),
      messages_(&ownMessages_) {}

TReadData::~TReadData() { wait(); }

void TReadData::setMessages(const QStringList* messages) {
    messages_ = messages != nullptr ? messages : &ownMessages_;
}

JobOutcome TReadData::waitOutcome() {
    wait();
    // Everything the job's thread wrote before it ended is read after this
    // acquire; the thread's end alone orders it only inside Qt.
    ended_.load(std::memory_order_acquire);
    JobOutcome out;
    out.ok = result_.load() == 0;
    out.message = lastText_;
    out.colour = lastColour_;
    out.portOpened = portOpened_;
    const bool reads = kind_ == TransferJobKind::AreaRead ||
                       kind_ == TransferJobKind::IdentityRead ||
                       kind_ == TransferJobKind::StatusRead ||
                       kind_ == TransferJobKind::KeyCodeRead ||
                       kind_ == TransferJobKind::SpareRecordRead;
    if (out.ok && reads) out.bytes.assign(buffer_.begin(), buffer_.end());
    out.held = held_;
    return out;
}

void TReadData::run() {
    runJob();
    ended_.store(true, std::memory_order_release);
}

void TReadData::runJob() {
    std::vector<std::uint8_t> scratch(buffer_.size());
    std::unique_ptr<SerialLink> link;
    try {
        link = CreateSerialLink();
    } catch (...) {
    }
    LinkCloser closer{link.get()};
    if (!link) {
        lastText_ = MessageAt(*messages_, msg::kCannotOpen) + portName_;
        lastColour_ = StatusColour::Red;
        if (sink_ != nullptr) sink_->setStatus(lastText_, lastColour_);
        return;
    }
    link->setPortName(portName_);
    TransferChannel channel(*link, *messages_, sink_, drivesProgress_);
    bool opened = false;
    try {
        opened = link->open() && link->isOpen();
    } catch (...) {
        opened = false;
    }
    if (!opened) {
        channel.reportFailure(msg::kCannotOpen);
        lastText_ = channel.lastText();
        lastColour_ = channel.lastColour();
        return;
    }
    // The port's after-open notice: the link state shows the port name.
    portOpened_ = true;
    if (sink_ != nullptr) sink_->notifyPortOpened(portName_);
    try {
        result_ = runKind(channel, scratch);
    } catch (const std::exception&) {
        // Whatever the port raised outside the exchange procedures.
        channel.reportFailure(msg::kPortError);
        result_ = 1;
    }
    lastText_ = channel.lastText();
    lastColour_ = channel.lastColour();
}

int TReadData::runKind(TransferChannel& channel, std::span<std::uint8_t> scratch) {
    const auto enter = [&] { return EnterBinaryMode(channel) == 0; };
    switch (kind_) {
        case TransferJobKind::AreaRead:
            channel.report(msg::kIdentifying, StatusColour::Black);
            channel.report(msg::kReading, StatusColour::Black);
            if (!enter() || ReadBlocks(channel, area_, startAddress_, scratch) != 0) {
                return 1;
            }
            std::copy(scratch.begin(), scratch.end(), buffer_.begin());
            channel.report(msg::kDataRead, StatusColour::Blue);
            return 0;
        case TransferJobKind::AreaWriteVerify:
            channel.report(msg::kIdentifying, StatusColour::Black);
            channel.report(msg::kSending, StatusColour::Black);
            if (!enter() || WriteBlocks(channel, area_, startAddress_, buffer_) != 0) {
                return 1;
            }
            channel.report(msg::kReading, StatusColour::Black);
            if (ReadBlocks(channel, area_, startAddress_, scratch) != 0) {
                return 1;
            }
            if (!std::equal(scratch.begin(), scratch.end(), buffer_.begin())) {
                channel.reportFailure(msg::kVerifyMismatch);
                return 1;
            }
            channel.report(msg::kProgrammed, StatusColour::Blue);
            return 0;
        case TransferJobKind::AreaCompare:
            channel.report(msg::kIdentifying, StatusColour::Black);
            channel.report(msg::kReading, StatusColour::Black);
            if (!enter() || ReadBlocks(channel, area_, startAddress_, scratch) != 0) {
                return 1;
            }
            held_.assign(scratch.begin(), scratch.end());
            if (!std::equal(scratch.begin(), scratch.end(), buffer_.begin())) {
                channel.reportFailure(msg::kCompareDifferent);
                return 1;
            }
            channel.report(msg::kCompareEqual, StatusColour::Blue);
            return 0;
        default:
            break;
    }
    for (const SimpleKind& simple : kSimpleKinds) {
        if (simple.kind != kind_) {
            continue;
        }
        if (!enter()) {
            return 1;
        }
        channel.report(msg::kIdentifying, StatusColour::Black);
        const int failed = simple.query ? QueryRecord(channel, simple.command, buffer_)
                                        : SendCommand(channel, simple.command, buffer_);
        if (failed != 0) {
            return 1;
        }
        channel.report(simple.successMessage, StatusColour::Blue);
        return 0;
    }
    // An unknown kind exchanges nothing.
    return 1;
}

JobOutcome RunJobAndWait(TReadData& job) {
    QEventLoop loop;
    QObject::connect(&job, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    // Every job runs at normal priority, whatever the caller's own is.
    job.start(QThread::NormalPriority);
    if (!job.isFinished()) {
        loop.exec();
    }
    JobOutcome outcome = job.waitOutcome();
    // A job that ended before the loop ran (or whose texts were still on
    // their way when it quit) has reports waiting: they are shown now, in
    // their order, before the caller writes anything of its own.
    if (job.sink() != nullptr) job.sink()->deliverPending();
    return outcome;
}

}  // namespace krx
