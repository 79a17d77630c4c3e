// Any body dumps to a text that loads back to the same body, byte for byte.
#include <cstdint>
#include <cstring>

#include "config/readable_config.h"
#include "fuzz_support.h"

using namespace krx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ConfigImage body;
    std::memcpy(body.bytes().data(), data, std::min(size, kBodySize));
    const TextLoadResult back = BodyFromText(BodyAsText(body, TextFormat::Toml));
    if (!back.ok) fuzz::Broken("a dump does not load");
    if (!(back.image == body)) fuzz::Broken("dump then load changed the body");
    return 0;
}
