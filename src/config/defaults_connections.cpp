#include "config/connection_section.h"
#include "config/section_defaults.h"

namespace krx {

using namespace connection_layout;

void WriteConnectionDefaults(ConfigImage& image) {
    for (int k = 1; k <= kConnectionCount; ++k) {
        const std::size_t r = RecordStart(k);
        // Connection k belongs to group k.
        image.setBits(r + kRouting, kGroupNumFirst, kGroupNumWidth, unsigned(k - 1));
        image.setBits(r + kCallHandling, kDialTranspWaitTimeFirst, kDialTranspWaitTimeWidth,
                      9);                                         // "10 Min."
        image.setBits(r + kSms, 0, kSmsTranspWaitTimeWidth, 9);    // "10 Min."
        image.setBits(r + kMessages, kLangFirst, kLangWidth, 1);   // "Русский"
        image.setBits(r + kMessages, kUserIdBit, 1, 1);            // "Имя пользователя"
        // Phone empty, voice and SMS off, no sources, no incoming-call reaction.
    }
}

}  // namespace krx
