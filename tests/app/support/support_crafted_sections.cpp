#include "support/crafted_sections.h"

#include <QByteArray>

namespace krx::test {

using krx::ConfigImage;

// Connection 3 with a value other than the default in every field, hidden
// ones included, and a stored incoming-call action this model does not offer.
void PutCraftedConnection(ConfigImage& image, std::size_t r) {
    const char phone[16] = "+79161234567";
    for (std::size_t i = 0; i < 16; ++i) image.setU8(r + i, std::uint8_t(phone[i]));
    image.setU8(r + 16, 0x16);  // transport priority 2, group 6 (index 5)
    image.setU8(r + 17, 0x34);  // voice wait "5 Min." (4), incoming call action 3
    image.setU8(r + 18, 0x2B);  // incoming call: output 2 (3), "сценарий 3" (5)
    image.setU8(r + 19, 0x17);  // NotACK, CallEn, on-line time "5 Sec." (index 5)
    image.setU8(r + 20, 0x02);  // connection type "Голосовое SB"
    image.setU16(r + 22, 0x0093);  // voice boxes 1, 2, 5, 8 not off
    image.setU16(r + 24, 0x0011);  // of them 1 and 5 on (2 and 8 in the third state)
    image.setU8(r + 26, 0x9B);  // arming 1, 2, 4; disarming 1, 4
    image.setU8(r + 27, 0x0D);  // restricted, test, GPS
    image.setU8(r + 28, 0x02);  // SMS wait "3 Min."
    image.setU8(r + 29, 0x38);  // English, key code, debug, SMS on, joint use
    image.setU16(r + 30, 0x0006);  // SMS boxes 2, 3 not off
    image.setU16(r + 32, 0x0004);  // of them 3 on
    image.setU8(r + 34, 0x41);  // arming 1, disarming 3
    image.setU8(r + 35, 0x06);  // system events, test
}

// Every field of the section with a value other than the default, a hidden
// info box set, and bits the section does not own set too.
void PutCraftedClock(ConfigImage& image) {
    image.setU8(2672, 0x03);    // time zone +3
    image.setU8(2673, 0x41);    // summer time; bit 6 is the controller's
    image.setU16(2676, 0x8005);  // inputs 1, 3 and (hidden) 16
    image.setU8(2678, 0x45);    // relay 1, output 1 and (hidden) output 5
    // Task 1: on, Monday and Friday at 07:05, test message, "Управление
    // Выходом 2" (kind 3, output 3) with "выключить" (2).
    image.setU8(2680 + 0, 0x01);
    image.setU8(2680 + 4, 0x11);
    image.setU8(2680 + 5, 7);
    image.setU8(2680 + 6, 5);
    image.setU8(2680 + 12, 0x0D);
    image.setU8(2680 + 13, 0x03);
    image.setU8(2680 + 14, 0x02);
    // Task 2: on, every day at 23:59, info message, "Применить профиль 3"
    // (kind 4, profile 2).
    image.setU8(2696 + 0, 0x01);
    image.setU8(2696 + 4, 0x7F);
    image.setU8(2696 + 5, 23);
    image.setU8(2696 + 6, 59);
    image.setU8(2696 + 12, 0x12);
    image.setU8(2696 + 13, 0x02);
}

// Body bytes 2808..2817 and 2842..2850 with a value other than the default
// in every field, the hidden GPS options set, and bits the section does not
// own set as well.
void PutCraftedPower(ConfigImage& image) {
    // Averaging "64 Sec." (5), no fault message, recovery "8 Min." (2), no
    // restore message.
    image.setU8(2808, 0x25);
    image.setU8(2809, 0xA1);  // GPS on power change; 0xA0 is not ours
    image.setU8(2812, 0x0F);  // second border 15 %, no message
    image.setU8(2813, 0xC6);  // first border 70 %, message
    image.setU8(2814, 0x51);  // GPS on discharge; 0x50 is not ours
    // Indicator function 2, no blinking, LEDs off with the case closed, bits
    // 4-6 foreign, active inputs on ArmOut.
    image.setU8(2817, 0xBA);
    image.setU8(2842, 0x06);  // no temperature message; 0x06 is not ours
    image.setU8(2843, 0xF6);  // lower border -10
    image.setU8(2844, 0x2D);  // upper border 45
    image.setU8(2845, 0xFB);  // low level -5
    image.setU8(2846, 0x2B);  // output 2 (index 3), reaction "сценарий 3" (5)
    image.setU8(2847, 0x1E);  // high level 30
    image.setU8(2848, 0x81);  // relay 2, reaction "сценарий 14" (16)
    image.setU8(2849, 0xE0);  // tamper off; 0xE0 is not ours
    image.setU8(2850, 0x1A);  // output 1 (index 2), reaction "сценарий 1" (3)
}

namespace {
constexpr std::size_t kProfile2 = 4316 + 122;
constexpr std::size_t kScenario14 = 2196 + 34 * 13;
}  // namespace

// Profile 2 with a value other than the default everywhere, the larger
// model's entries and reactions included.
void PutCraftedProfile(ConfigImage& image) {
    const QByteArray name("NIGHT");
    for (int i = 0; i < 17; ++i) image.setU8(kProfile2 + std::size_t(i), i < name.size() ? std::uint8_t(name[i]) : 0);
    for (int input = 1; input <= 16; ++input) {
        // Bit 0 on for odd inputs; bits 1-7 are not the section's.
        image.setU8((kProfile2 + 18 + 6 * std::size_t(input - 1)), std::uint8_t(0xA0 | (input & 1)));
        image.setU16((kProfile2 + 18 + 6 * std::size_t(input - 1)) + 2, std::uint16_t(100 * input));   // lower
        image.setU16((kProfile2 + 18 + 6 * std::size_t(input - 1)) + 4, std::uint16_t(200 * input + 50));  // upper
    }
    for (int r = 0; r < 7; ++r) image.setU8(kProfile2 + 114 + std::size_t(r), std::uint8_t(r + 3));
}

void PutCraftedOutput(ConfigImage& image) {
    constexpr std::size_t kOutput2 = 1832 + 52 * 3;
    const auto put = [&image](std::size_t at, const QByteArray& cp1251) {
        for (int i = 0; i < 17; ++i) image.setU8(at + std::size_t(i), i < cp1251.size() ? std::uint8_t(cp1251[i]) : 0);
    };
    put(kOutput2, QByteArray("\xCD\xC0\xD1\xCE\xD1  ", 7));  // "НАСОС  "
    put(kOutput2 + 17, "ON");
    put(kOutput2 + 34, "OFF");
    image.setU8(kOutput2 + 51, 0x47);
}

void PutCraftedScenario(ConfigImage& image) {
    image.setU16(kScenario14 + 0, 3);
    image.setU16(kScenario14 + 2, 0x8007);
    image.setU16(kScenario14 + 4, 0x0008);
    image.setU16(kScenario14 + 6, 0x0000);
    for (int w = 4; w <= 16; ++w) image.setU16(kScenario14 + 2 * std::size_t(w), std::uint16_t(0x1200 + w));
}

}  // namespace krx::test
