#pragma once
// Which page shows which section. Several sections share one page (the eight
// connections, the four inputs, the relays and outputs, the four profiles).

#include <array>

#include "config/section_id.h"

class QStackedWidget;

namespace krx {

class SectionPanel;

struct SectionPages {
    std::array<SectionPanel*, SectionId::kCount> bySection{};  // owned by the stack

    SectionPanel* at(SectionId section) const {
        return section.isValid() ? bySection[std::size_t(section.index())] : nullptr;
    }
};

// Creates every page into `stack`, which owns them.
SectionPages CreateSectionPages(QStackedWidget& stack);

}  // namespace krx
