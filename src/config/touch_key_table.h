#pragma once
// The table of TouchMemory keys that may change the security mode: 32
// entries in the image, shown as the 32 rows of the key grid (key code as 16
// hexadecimal digits, user name).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"
#include "config/interface_texts.h"

namespace krx {

namespace touch_key_layout {
inline constexpr std::size_t kFirstEntry = 3292;
inline constexpr std::size_t kEntrySize = 32;
inline constexpr int kEntryCount = 32;
// Entry `row` (grid row 1 .. 32).
constexpr std::size_t EntryStart(int row) {
    return kFirstEntry + kEntrySize * static_cast<std::size_t>(row - 1);
}
inline constexpr std::size_t kCode = 0;  // 8 bytes, most significant first; all zero = empty
inline constexpr std::size_t kCodeSize = 8;
inline constexpr std::size_t kName = 8;  // "Имя пользователя"
inline constexpr std::size_t kNameWidth = 17;
// Bytes 25 .. 31 of an entry are not edited.
}  // namespace touch_key_layout

inline constexpr int kTouchKeyRows = touch_key_layout::kEntryCount;
inline constexpr std::size_t kKeyCodeDigits = 16;
// What column 1 of an empty row shows.
inline constexpr std::string_view kEmptyKeyCodeCell = "                ";

// One grid row: column 1 (key code) and column 2 (user name) as shown.
struct TouchKeyRow {
    std::string code;
    std::string name;

    bool operator==(const TouchKeyRow&) const = default;
};

// Rows 1 .. 32 of the grid at index 0 .. 31.
using TouchKeyTable = std::array<TouchKeyRow, kTouchKeyRows>;

// Grid headings: "№", "Код ключа TOUCH", "Имя пользователя".
const std::array<std::string_view, 3>& TouchKeyGridHeadings();

// The stored value of a key-code cell: the trimmed text read as hexadecimal
// (1 .. 16 digits, so codes whose first digit is 8 .. F keep their top bit);
// anything else is 0.
std::uint64_t KeyCodeFromCell(std::string_view cell);
// 16 upper-case hexadecimal digits, most significant first.
std::string KeyCodeCellText(std::uint64_t code);

// What column 1 keeps of a typed text: letters and digits only, letters in
// upper case, at most 16 of them.
std::string KeyCodeCellInput(std::string_view typed);

// Grid to image: every row's code (most significant byte first) and name
// (stored as typed, at most 16 characters, 17th byte 0). A row whose code is
// empty or not hexadecimal stores an all-zero code; its name is still
// written.
void StoreTouchKeyTable(const TouchKeyTable& table, ConfigImage& image);
// Image to grid: an all-zero code shows 16 blanks and no name (a stored name
// is not shown); otherwise the 16 digits and the name.
void LoadTouchKeyTable(TouchKeyTable& table, const ConfigImage& image);

// The code and the user name of every row, "TouchKey1.Code" .. "TouchKey32.Name".
void VisitSettings(TouchKeyTable& table, SettingVisitor& visitor);

// The outcome of entering a touched key into the grid.
enum class AddKeyResult { Added, AlreadyListed, MemoryFull };
struct AddKeyOutcome {
    AddKeyResult result = AddKeyResult::Added;
    int row = 0;              // grid row (1 .. 32) that holds the key; 0 when full
    std::string description;  // new text of the description line
};

// Enters the touched key `code` (16 upper-case hexadecimal digits): a row
// already holding it reports the duplicate and changes nothing; otherwise the
// first empty row takes the code and "KEY" + its row number as the name. A
// row counts as empty when its code cell holds only blanks (an erased cell
// too, since it stores as no key). With no empty row the memory is full.
// The description texts come from `messages`.
AddKeyOutcome AddTouchedKey(TouchKeyTable& table, std::string_view code,
                            const KeyTableMessages& messages = BuiltInInterfaceTexts().keyTable);

// A row dragged from grid row `from` to row `to` (both 1 .. 32): the rows in
// between shift by one towards `from`. Out-of-range rows change nothing.
void MoveTouchKeyRow(TouchKeyTable& table, int from, int to);

}  // namespace krx
