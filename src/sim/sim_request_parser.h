#pragma once
// How the simulated controller reads a request frame: its own minimal parser,
// written from the frame rules and sharing nothing with the code that builds
// requests, so that a misunderstanding the two had in common could not pass.
// A frame that breaks any rule is not a request: the controller ignores it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace krx::sim {

struct SimRequest {
    std::uint8_t command = 0;
    std::vector<std::uint8_t> payload;
};

// Why a frame is not a request of this controller; empty when it is one.
std::string RequestFault(std::span<const std::uint8_t> frame);

// The request in `frame`, or none when RequestFault names a fault.
std::optional<SimRequest> ParseRequest(std::span<const std::uint8_t> frame);

}  // namespace krx::sim
