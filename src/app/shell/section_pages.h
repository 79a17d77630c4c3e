#pragma once
// Which page shows which section. Several sections share one page (the eight
// connections, the four inputs, the relays and outputs, the four profiles).

#include <array>

#include "app/shell/section_tree.h"

class QStackedWidget;

namespace krx {

class SectionPanel;

struct SectionPages {
    std::array<SectionPanel*, kSectionCount> bySection{};  // owned by the stack

    SectionPanel* at(int sectionId) const {
        return sectionId >= 0 && sectionId < kSectionCount ? bySection[std::size_t(sectionId)]
                                                           : nullptr;
    }
};

// Creates every page into `stack`, which owns them.
SectionPages CreateSectionPages(QStackedWidget& stack);

}  // namespace krx
