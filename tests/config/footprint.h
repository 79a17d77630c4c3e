#pragma once
// Test fixture: the bytes and bits each section's store may change, written
// by hand from the section tables (not from the codecs).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace krx::test {

struct OwnedBits {
    std::size_t offset;  // absolute image offset
    std::uint8_t mask;   // bits of that byte the section owns
};

// Appends `count` whole bytes from `offset`.
inline void AddBytes(std::vector<OwnedBits>& out, std::size_t offset, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) out.push_back({offset + i, 0xFF});
}

std::vector<OwnedBits> GeneralFootprint();                  // section 1
std::vector<OwnedBits> ConnectionFootprint(int connection);  // sections 2..9, connection 1..8
std::vector<OwnedBits> ClockFootprint();                    // section 10
std::vector<OwnedBits> PowerFootprint();                    // section 11
std::vector<OwnedBits> ArmInFootprint();                    // section 12
std::vector<OwnedBits> InputsCommonFootprint();             // section 13
std::vector<OwnedBits> InputFootprint(int input);           // sections 14..17, input 1..4
std::vector<OwnedBits> OutputFootprint(int output);         // sections 19..22, output 1..4
std::vector<OwnedBits> ScenariosFootprint();                // section 23
std::vector<OwnedBits> ProfileFootprint(int profile);       // sections 25..28, profile 1..4
std::vector<OwnedBits> SystemParametersFootprint();         // section 29

}  // namespace krx::test
