#pragma once
// The command codes of the operations' request frames (byte 1 of each
// frame) and the sequences the configuration operations send, shared by the
// tests of every caller of the same exchanges: the operations themselves,
// the window and krxctl.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace krx::test {

namespace code {
inline constexpr std::uint8_t kIdent = 5;
inline constexpr std::uint8_t kWriteArea1 = 6;
inline constexpr std::uint8_t kReadArea1 = 7;
inline constexpr std::uint8_t kWriteArea4 = 8;
inline constexpr std::uint8_t kReadArea4 = 9;
inline constexpr std::uint8_t kClock = 13;
inline constexpr std::uint8_t kApply = 15;
inline constexpr std::uint8_t kRestart = 16;
inline constexpr std::uint8_t kPassword = 17;
inline constexpr std::uint8_t kWriteArea5 = 18;
inline constexpr std::uint8_t kReadArea5 = 19;
inline constexpr std::uint8_t kControl = 20;
}  // namespace code

// The body travels as 21 blocks: 20 of 256 bytes and one of 172.
inline constexpr int kBodyBlocks = 21;

inline std::vector<std::uint8_t> Repeat(std::uint8_t c, int times) {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(times), c);
}

inline std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// "Считать": identification, password, the body read.
inline std::vector<std::uint8_t> ReadConfCodes() {
    using namespace code;
    return Join({{kIdent, kPassword}, Repeat(kReadArea1, kBodyBlocks)});
}
// "Программировать": identification, password, the body written and read
// back, the restart.
inline std::vector<std::uint8_t> ProgrammCodes() {
    using namespace code;
    return Join({{kIdent, kPassword}, Repeat(kWriteArea1, kBodyBlocks), Repeat(kReadArea1, kBodyBlocks), {kRestart}});
}
// "Реконфигурировать": the same with the apply step instead of the restart.
inline std::vector<std::uint8_t> ReconfigurateCodes() {
    using namespace code;
    return Join({{kIdent, kPassword}, Repeat(kWriteArea1, kBodyBlocks), Repeat(kReadArea1, kBodyBlocks), {kApply}});
}
// "Восстановить заводскую конфигурацию" on a controller without a password:
// identification, the empty password, the default body and mode memory
// written and verified, the apply step.
inline std::vector<std::uint8_t> FactoryConfigCodes() {
    using namespace code;
    return Join({{kIdent, kPassword}, Repeat(kWriteArea1, kBodyBlocks), Repeat(kReadArea1, kBodyBlocks),
                 {kWriteArea4, kReadArea4, kApply}});
}
// "Сравнить": identification and the body read, no password.
inline std::vector<std::uint8_t> CompareConfCodes() {
    using namespace code;
    return Join({{kIdent}, Repeat(kReadArea1, kBodyBlocks)});
}

}  // namespace krx::test
