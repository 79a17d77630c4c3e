// The .cnt reader on any file: never a crash, and the image is replaced only
// by a file it accepts; an accepted file's body writes back to the same file.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "config/config_file.h"
#include "config/default_image.h"
#include "fuzz_support.h"

using namespace krx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& file = fuzz::ScratchFile(data, size);
    ConfigImage image = DefaultImage();
    const ConfigImage before = image;
    const int result = ReadConfigFile(image, file);
    if (result != kConfigFileOk) {
        if (!(image == before)) fuzz::Broken("a refused file changed the image");
        return 0;
    }
    if (size != kConfigFileSize) fuzz::Broken("a file of the wrong size was accepted");
    // The tails are not part of a file.
    if (!std::equal(image.bytes().begin() + kBodySize, image.bytes().end(), before.bytes().begin() + kBodySize))
        fuzz::Broken("opening a file changed the tails");
    // A file holds no administrative password: what was read writes back whole.
    bool passwordEmpty = true;
    for (std::size_t i = 20; i < 29; ++i) passwordEmpty = passwordEmpty && image.bytes()[i] == 0;
    if (passwordEmpty && std::memcmp(data + kConfigFileHeaderSize, image.bytes().data(), kBodySize) != 0)
        fuzz::Broken("the body read differs from the file's");
    return 0;
}
