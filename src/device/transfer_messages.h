#pragma once
// The twenty status texts a transfer job reports, by index, and the colours
// they are shown in.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace krx {

namespace msg {
inline constexpr int kCannotOpen = 0;  // followed by the port name
inline constexpr int kIdentifying = 1;
inline constexpr int kSending = 2;
inline constexpr int kPortError = 3;  // followed by the port name
inline constexpr int kReading = 4;
inline constexpr int kProgrammed = 5;
inline constexpr int kVerifyMismatch = 6;
inline constexpr int kDataRead = 7;
inline constexpr int kCompareEqual = 8;
inline constexpr int kCompareDifferent = 9;
inline constexpr int kVersionRead = 10;
inline constexpr int kDataSent = 11;
inline constexpr int kRestartStarted = 12;
inline constexpr int kNoCorrectAnswer = 13;
inline constexpr int kNoAnswer = 14;
inline constexpr int kTransferCode1 = 15;
inline constexpr int kTransferCode2 = 16;
inline constexpr int kTransferCode3 = 17;
inline constexpr int kFlashFailure = 18;
inline constexpr int kPasswordRequired = 19;
inline constexpr int kCount = 20;
}  // namespace msg

// The default texts, in index order.
QStringList TransferMessages();

// Reported, not from the list, when a block transfer names no known area.
QString BadAreaMessage();

enum class StatusColour : std::uint8_t { Black, Blue, Red };

// 0xRRGGBB: black 000000, blue 0000FF, red FF0000.
std::uint32_t StatusColourRgb(StatusColour colour);

// The text at `index` of `messages`; an index the list lacks gives an empty
// text, as an empty entry does.
QString MessageAt(const QStringList& messages, int index);

}  // namespace krx
