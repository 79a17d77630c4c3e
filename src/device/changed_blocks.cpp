#include "device/changed_blocks.h"

#include <algorithm>

namespace krx {

std::vector<BlockRun> DifferingBlockRuns(std::span<const std::uint8_t> wanted,
                                         std::span<const std::uint8_t> held, std::size_t blockSize) {
    std::vector<BlockRun> runs;
    const std::size_t size = std::min(wanted.size(), held.size());
    if (blockSize == 0) return runs;
    for (std::size_t offset = 0; offset < size; offset += blockSize) {
        const std::size_t length = std::min(blockSize, size - offset);
        if (std::equal(wanted.begin() + offset, wanted.begin() + offset + length, held.begin() + offset)) continue;
        if (!runs.empty() && runs.back().offset + runs.back().length == offset) {
            runs.back().length += length;
        } else {
            runs.push_back({offset, length});
        }
    }
    return runs;
}

std::size_t BlockCount(const std::vector<BlockRun>& runs, std::size_t blockSize) {
    std::size_t count = 0;
    for (const BlockRun& run : runs) count += (run.length + blockSize - 1) / blockSize;
    return count;
}

}  // namespace krx
