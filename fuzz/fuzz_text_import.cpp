// The text import on any text: never a crash; what it accepts describes a
// body whose own text reads back to the same body.
#include <cstdint>
#include <string_view>

#include "config/readable_config.h"
#include "fuzz_support.h"

using namespace krx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TextLoadResult read = BodyFromText(text);
    if (!read.ok) {
        if (read.error.empty()) fuzz::Broken("a refusal without a reason");
        return 0;
    }
    const TextLoadResult again = BodyFromText(BodyAsText(read.image, TextFormat::Toml));
    if (!again.ok || !(again.image == read.image)) fuzz::Broken("dump then load is not the identity");
    return 0;
}
