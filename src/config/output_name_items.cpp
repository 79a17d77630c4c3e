#include "config/output_name_items.h"

#include "config/interface_texts.h"

namespace krx {

const std::array<std::string_view, kOutputCount>& OutputNameItems() {
    static const std::array<std::string_view, kOutputCount> kItems = [] {
        std::array<std::string_view, kOutputCount> items;
        const auto& names = BuiltInInterfaceTexts().outputNames;
        for (int i = 0; i < kOutputCount; ++i) items[std::size_t(i)] = TextAt(names, i);
        return items;
    }();
    return kItems;
}

}  // namespace krx
