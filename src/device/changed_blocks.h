#pragma once
// Which stretches of the configuration body differ from what the controller
// holds, in whole transfer blocks: programming only what changed writes
// these and nothing else.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace krx {

// A run of neighbouring blocks, as a byte range of the body.
struct BlockRun {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool operator==(const BlockRun&) const = default;
};

// The blocks of `blockSize` bytes (the last one shorter) in which `wanted`
// and `held` differ, neighbours merged into one run. Both spans have the
// same size.
std::vector<BlockRun> DifferingBlockRuns(std::span<const std::uint8_t> wanted,
                                         std::span<const std::uint8_t> held, std::size_t blockSize);

// How many blocks of `blockSize` the runs cover.
std::size_t BlockCount(const std::vector<BlockRun>& runs, std::size_t blockSize);

}  // namespace krx
