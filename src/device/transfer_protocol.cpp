#include "device/transfer_protocol.h"

#include <algorithm>
#include <array>
#include <vector>

#include "device/frame.h"

namespace krx {
namespace {

constexpr int kAttempts = 3;

int MessageFor(ReplyVerdict verdict) {
    switch (verdict) {
        case ReplyVerdict::Short:
            return msg::kNoCorrectAnswer;
        case ReplyVerdict::Silent:
            return msg::kNoAnswer;
        case ReplyVerdict::Missing:
            return msg::kTransferCode1;
        case ReplyVerdict::BadChecksum:
            return msg::kTransferCode2;
        case ReplyVerdict::FlashFailure:
            return msg::kFlashFailure;
        case ReplyVerdict::NeedsPassword:
            return msg::kPasswordRequired;
        case ReplyVerdict::BadEcho:
        case ReplyVerdict::Accepted:
            break;
    }
    return msg::kTransferCode3;
}

// Whatever the controller sends after the mode entry (or nothing at all, when
// it is already in frame mode) is read and dropped.
void ReadPreamble(const TransferChannel& channel) {
    std::array<std::uint8_t, 1> discard{};
    channel.link().read(discard);
}

// Up to three attempts of one request; ends early once exactly
// reply.size() bytes arrived. Returns how many arrived on the last attempt.
std::size_t Exchange(const TransferChannel& channel, std::span<const std::uint8_t> request,
                     std::span<std::uint8_t> reply) {
    std::size_t received = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        channel.link().purge();
        channel.link().write(request);
        received = channel.link().read(reply);
        if (received == reply.size()) {
            break;
        }
    }
    return received;
}

// Runs `body`, turning a port failure into the port error text.
template <typename Body>
int GuardPort(const TransferChannel& channel, Body&& body) {
    try {
        return body();
    } catch (const SerialLinkError&) {
        channel.reportFailure(msg::kPortError);
        return 1;
    }
}

int Fail(const TransferChannel& channel, ReplyVerdict verdict) {
    channel.reportFailure(MessageFor(verdict));
    return 1;
}

}  // namespace

QString TransferChannel::text(int index) const {
    QString text = MessageAt(messages_, index);
    if (index == msg::kCannotOpen || index == msg::kPortError) {
        text += link_.portName();
    }
    return text;
}

void TransferChannel::report(int index, StatusColour colour) const { reportText(text(index), colour); }

void TransferChannel::reportText(const QString& text, StatusColour colour) const {
    lastText_ = text;
    lastColour_ = colour;
    if (status_ != nullptr) {
        status_->setStatus(text, colour);
    }
}

void TransferChannel::progressMaximum(int maximum) const {
    if (status_ != nullptr && drivesProgress_) {
        status_->setProgressMaximum(maximum);
    }
}

void TransferChannel::progressPosition(int position) const {
    if (status_ != nullptr && drivesProgress_) {
        status_->setProgressPosition(position);
    }
}

int EnterBinaryMode(const TransferChannel& channel) {
    return GuardPort(channel, [&] {
        channel.link().purge();
        channel.link().write(kModeEntry);
        return 0;
    });
}

int QueryRecord(const TransferChannel& channel, std::uint8_t command, std::span<std::uint8_t> record) {
    if (record.size() > kMaxFramePayload) {
        return Fail(channel, ReplyVerdict::BadEcho);
    }
    return GuardPort(channel, [&] {
        ReadPreamble(channel);
        const std::vector<std::uint8_t> request = BuildFrame(command, {});
        std::vector<std::uint8_t> reply(RecordReplySize(record.size()));
        const std::size_t n = Exchange(channel, request, reply);
        const ReplyVerdict verdict =
            CheckRecordReply(std::span(reply).first(n), command, record.size());
        if (verdict != ReplyVerdict::Accepted) {
            return Fail(channel, verdict);
        }
        std::copy_n(reply.begin() + 4, record.size(), record.begin());
        return 0;
    });
}

int SendCommand(const TransferChannel& channel, std::uint8_t command,
                std::span<const std::uint8_t> payload) {
    if (payload.size() > kMaxFramePayload) {
        return Fail(channel, ReplyVerdict::BadEcho);
    }
    return GuardPort(channel, [&] {
        ReadPreamble(channel);
        const std::vector<std::uint8_t> request = BuildFrame(command, payload);
        std::array<std::uint8_t, kCommandAckSize> reply{};
        const std::size_t n = Exchange(channel, request, reply);
        const ReplyVerdict verdict = CheckCommandAck(std::span(reply).first(n), command);
        return verdict == ReplyVerdict::Accepted ? 0 : Fail(channel, verdict);
    });
}

int WriteBlocks(const TransferChannel& channel, int area, std::uint32_t start,
                std::span<const std::uint8_t> data) {
    channel.progressPosition(0);
    channel.progressMaximum(static_cast<int>(data.size()));
    return GuardPort(channel, [&] {
        ReadPreamble(channel);
        const std::optional<std::uint8_t> command = WriteCommandForArea(area);
        if (!command) {
            channel.reportText(BadAreaMessage(), StatusColour::Red);
            return 1;
        }
        std::array<std::uint8_t, kBlockAckSize> reply{};
        for (const Block& block : SplitIntoBlocks(start, data.size())) {
            const std::vector<std::uint8_t> request =
                BuildBlockWrite(*command, block.address, data.subspan(block.offset, block.count));
            const std::size_t n = Exchange(channel, request, reply);
            const ReplyVerdict verdict =
                CheckBlockAck(std::span(reply).first(n), *command, block.address, block.count);
            if (verdict != ReplyVerdict::Accepted) {
                return Fail(channel, verdict);
            }
            channel.progressPosition(static_cast<int>(block.offset + block.count));
        }
        return 0;
    });
}

int ReadBlocks(const TransferChannel& channel, int area, std::uint32_t start,
               std::span<std::uint8_t> destination) {
    channel.progressPosition(0);
    channel.progressMaximum(static_cast<int>(destination.size()));
    return GuardPort(channel, [&] {
        ReadPreamble(channel);
        const std::optional<std::uint8_t> command = ReadCommandForArea(area);
        if (!command) {
            channel.reportText(BadAreaMessage(), StatusColour::Red);
            return 1;
        }
        std::vector<std::uint8_t> reply(BlockDataReplySize(kMaxBlockData));
        for (const Block& block : SplitIntoBlocks(start, destination.size())) {
            const std::vector<std::uint8_t> request =
                BuildBlockReadRequest(*command, block.address, block.count);
            const std::span<std::uint8_t> expected =
                std::span(reply).first(BlockDataReplySize(block.count));
            const std::size_t n = Exchange(channel, request, expected);
            const ReplyVerdict verdict =
                CheckBlockData(expected.first(n), *command, block.address, block.count);
            if (verdict != ReplyVerdict::Accepted) {
                return Fail(channel, verdict);
            }
            std::copy_n(expected.begin() + 10, block.count, destination.begin() + block.offset);
            channel.progressPosition(static_cast<int>(block.offset + block.count));
        }
        return 0;
    });
}

}  // namespace krx
