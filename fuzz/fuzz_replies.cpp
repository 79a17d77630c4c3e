// The reply side of the protocol: whatever bytes come back to each kind of
// request (the binary-mode preamble, a record query, a command, block reads
// and block writes), the exchange never crashes and never touches memory
// outside its buffers (the sanitizers watch that).
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "device/records.h"
#include "device/transfer_messages.h"
#include "device/transfer_protocol.h"
#include "fuzz_support.h"

using namespace krx;

namespace {

// A link whose controller answers with the fuzzer's bytes, then falls silent.
class ScriptedLink final : public SerialLink {
public:
    ScriptedLink(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    void setPortName(const QString&) override {}
    QString portName() const override { return QStringLiteral("fuzz"); }
    bool open() override { return true; }
    bool isOpen() const override { return true; }
    void close() override {}
    void purge() override {}
    void write(std::span<const std::uint8_t>) override {}
    std::size_t read(std::span<std::uint8_t> buffer) override {
        const std::size_t n = std::min(buffer.size(), size_ - at_);
        if (n > 0) std::memcpy(buffer.data(), data_ + at_, n);
        at_ += n;
        return n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t kind = data[0] % 5;
    ScriptedLink link(data + 1, size - 1);
    static const QStringList messages = TransferMessages();
    TransferChannel channel(link, messages, nullptr, false);
    switch (kind) {
        case 0: {
            std::vector<std::uint8_t> record(ident::kSize, 0xAA);
            QueryRecord(channel, 5, record);
            break;
        }
        case 1: {
            const std::uint8_t payload[9] = {};
            SendCommand(channel, 17, payload);
            break;
        }
        case 2: {
            std::vector<std::uint8_t> body(600, 0);
            ReadBlocks(channel, 1, 0, body);
            break;
        }
        case 3: {
            std::vector<std::uint8_t> body(600, 0x55);
            WriteBlocks(channel, 1, 0, body);
            break;
        }
        default:
            EnterBinaryMode(channel);
            break;
    }
    return 0;
}
