// Every section's load then store on an arbitrary image: never a crash, no
// byte outside the body touched, and load and store settle: after the second
// round a third changes nothing. (One round is not always enough: a scale end
// read from the controller shows with fewer digits than its float holds, and
// storing that text once moves the float onto it.)
#include <cstdint>
#include <cstring>

#include "config/body_settings.h"
#include "config/system_parameters_section.h"
#include "fuzz_support.h"

using namespace krx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ConfigImage image;
    std::memcpy(image.bytes().data(), data, std::min(size, kImageSize));
    ConfigImage once = image;
    StoreBodySettings(LoadBodySettings(once), once);
    SystemParameters sys;
    LoadSystemParameters(sys, once);
    StoreSystemParameters(sys, once);
    if (!std::equal(once.bytes().begin() + kBodySize, once.bytes().begin() + kSystemParametersOffset,
                    image.bytes().begin() + kBodySize))
        fuzz::Broken("a section store wrote the mode memory or the gap");
    const auto round = [&sys](ConfigImage& im) {
        StoreBodySettings(LoadBodySettings(im), im);
        LoadSystemParameters(sys, im);
        StoreSystemParameters(sys, im);
    };
    ConfigImage twice = once;
    round(twice);
    ConfigImage thrice = twice;
    round(thrice);
    if (!(thrice == twice)) fuzz::Broken("load and store did not settle after two rounds");
    return 0;
}
