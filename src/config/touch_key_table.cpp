#include "config/touch_key_table.h"

#include <algorithm>

#include "config/encoding.h"

namespace krx {

using namespace touch_key_layout;

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool OnlyBlanks(std::string_view cell) { return TrimBlanks(cell).empty(); }

}  // namespace

const std::array<std::string_view, 3>& TouchKeyGridHeadings() {
    static constexpr std::array<std::string_view, 3> kHeadings = {"№", "Код ключа TOUCH",
                                                                  "Имя пользователя"};
    return kHeadings;
}

std::uint64_t KeyCodeFromCell(std::string_view cell) {
    const std::string digits = TrimBlanks(cell);
    // Read as an unsigned 64-bit number: a signed reading would refuse
    // (or wrap) every code whose first digit is 8 .. F.
    if (digits.empty() || digits.size() > kKeyCodeDigits) return 0;
    std::uint64_t code = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0) return 0;
        code = (code << 4) | static_cast<std::uint64_t>(d);
    }
    return code;
}

std::string KeyCodeCellText(std::uint64_t code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(kKeyCodeDigits, '0');
    for (std::size_t i = 0; i < kKeyCodeDigits; ++i) {
        text[kKeyCodeDigits - 1 - i] = kDigits[(code >> (4 * i)) & 0xF];
    }
    return text;
}

std::string KeyCodeCellInput(std::string_view typed) {
    std::string out;
    for (char c : typed) {
        if (out.size() == kKeyCodeDigits) break;
        if (!IsAsciiLetterOrDigit(c)) continue;
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

void StoreTouchKeyTable(const TouchKeyTable& table, ConfigImage& image) {
    for (int row = 1; row <= kTouchKeyRows; ++row) {
        const TouchKeyRow& r = table[static_cast<std::size_t>(row - 1)];
        const std::size_t e = EntryStart(row);
        const std::uint64_t code = KeyCodeFromCell(r.code);
        for (std::size_t j = 0; j < kCodeSize; ++j) {
            image.setU8(e + kCode + j, static_cast<std::uint8_t>(code >> (8 * (kCodeSize - 1 - j))));
        }
        image.setText(e + kName, kNameWidth, r.name, Trim::None);
    }
}

void LoadTouchKeyTable(TouchKeyTable& table, const ConfigImage& image) {
    for (int row = 1; row <= kTouchKeyRows; ++row) {
        TouchKeyRow& r = table[static_cast<std::size_t>(row - 1)];
        const std::size_t e = EntryStart(row);
        std::uint64_t code = 0;
        for (std::size_t j = 0; j < kCodeSize; ++j) code = (code << 8) | image.u8(e + kCode + j);
        if (code == 0) {
            r.code = std::string(kEmptyKeyCodeCell);
            r.name.clear();
        } else {
            r.code = KeyCodeCellText(code);
            // The name field's 17th byte is its terminator: read 16 at most.
            r.name = image.text(e + kName, kNameWidth - 1);
        }
    }
}

AddKeyOutcome AddTouchedKey(TouchKeyTable& table, std::string_view code,
                            const KeyTableMessages& messages) {
    for (int row = 1; row <= kTouchKeyRows; ++row) {
        if (table[static_cast<std::size_t>(row - 1)].code == code) {
            return {AddKeyResult::AlreadyListed, row,
                    messages.alreadyListedPrefix + std::string(code) +
                        messages.alreadyListedSuffix};
        }
    }
    for (int row = 1; row <= kTouchKeyRows; ++row) {
        TouchKeyRow& r = table[static_cast<std::size_t>(row - 1)];
        if (OnlyBlanks(r.code)) {
            r.code = std::string(code);
            r.name = "KEY" + std::to_string(row);
            return {AddKeyResult::Added, row, {}};
        }
    }
    return {AddKeyResult::MemoryFull, 0, messages.memoryFull};
}

void MoveTouchKeyRow(TouchKeyTable& table, int from, int to) {
    if (from < 1 || from > kTouchKeyRows || to < 1 || to > kTouchKeyRows || from == to) return;
    const auto first = table.begin();
    if (from < to) {
        std::rotate(first + (from - 1), first + from, first + to);
    } else {
        std::rotate(first + (to - 1), first + (from - 1), first + from);
    }
}

}  // namespace krx

namespace krx {

void VisitSettings(TouchKeyTable& table, SettingVisitor& visitor) {
    for (int row = 1; row <= kTouchKeyRows; ++row) {
        PrefixedVisitor key(Numbered("TouchKey", row), visitor);
        TouchKeyRow& r = table[static_cast<std::size_t>(row - 1)];
        key.text("Code", r.code);
        key.text("Name", r.name);
    }
}

}  // namespace krx
