#include "config/output_name_items.h"

namespace krx {

const std::array<std::string_view, kOutputCount>& OutputNameItems() {
    static constexpr std::array<std::string_view, kOutputCount> kItems = {
        "Реле 1", "Реле 2", "Выход 1", "Выход 2", "Выход 3", "Выход 4", "Выход 5"};
    return kItems;
}

}  // namespace krx
