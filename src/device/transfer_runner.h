#pragma once
// Runs one transfer job for a device operation and waits for its result. The
// wait keeps the caller's event loop turning, so the window repaints and its
// status texts and progress bar move while the job works on its own thread.

#include <cstdint>
#include <span>

#include "device/transfer_job_kind.h"
#include "device/transfer_outcome.h"

namespace krx {

// Where a job reports its status text. Area jobs of the operations always
// drive `ProgressBar1` as well.
enum class StatusTarget : std::uint8_t {
    ActionName,  // the visible operation status
    TmpLabel,    // the hidden label, for jobs whose text nobody reads
    PageLine,    // the system-parameter page's own message line and progress bar
};

struct TransferStep {
    TransferJobKind kind = TransferJobKind::IdentityRead;
    std::uint8_t area = 0;          // FlashArea for area jobs, 0 otherwise
    std::span<std::uint8_t> buffer;  // source or destination, owned by the caller
    std::uint32_t address = 0;       // where an area job starts in its area
    StatusTarget status = StatusTarget::ActionName;
};

class TransferRunner {
public:
    virtual ~TransferRunner() = default;
    // How the job ended; its text is also left in its label.
    virtual JobOutcome run(const TransferStep& step) = 0;
};

}  // namespace krx
