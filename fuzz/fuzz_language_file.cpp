// The language file reader and the vocabulary it applies, on any bytes.
#include <cstdint>
#include <string_view>

#include "config/language_file.h"
#include "fuzz_support.h"

using namespace krx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<LanguageLines> lines =
        ReadLanguageFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!lines) return 0;
    const InterfaceTexts texts = ApplyLanguageVocabulary(*lines, BuiltInInterfaceTexts());
    // The lists the rules index keep their lengths whatever the file says.
    const InterfaceTexts& built = BuiltInInterfaceTexts();
    if (texts.outputNames.size() != built.outputNames.size() ||
        texts.transferMessages.size() != built.transferMessages.size() ||
        texts.sectionTree.size() != built.sectionTree.size())
        fuzz::Broken("a language file changed a list's length");
    return 0;
}
