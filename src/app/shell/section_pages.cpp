#include "app/shell/section_pages.h"

#include <QStackedWidget>

#include "app/pages/arm_in_panel.h"
#include "app/pages/clock_panel.h"
#include "app/pages/connection_panel.h"
#include "app/pages/controller_panel.h"
#include "app/pages/general_panel.h"
#include "app/pages/input_panel.h"
#include "app/pages/inputs_common_panel.h"
#include "app/pages/output_panel.h"
#include "app/pages/outputs_panel.h"
#include "app/pages/power_panel.h"
#include "app/pages/profile_panel.h"
#include "app/pages/profiles_note_panel.h"
#include "app/pages/scenario_panel.h"
#include "app/pages/system_parameters_panel.h"

namespace krx {

namespace {

// One function per page; a page serves the sections [first, last].
struct PageSlot {
    int first;
    int last;
    SectionPanel* (*create)(QWidget* parent);
};

SectionPanel* ControllerPage(QWidget* p) { return new ControllerPanel(p); }
SectionPanel* GeneralPage(QWidget* p) { return new GeneralPanel(p); }
SectionPanel* ConnectionPage(QWidget* p) { return new ConnectionPanel(p); }
SectionPanel* ClockPage(QWidget* p) { return new ClockPanel(p); }
SectionPanel* PowerPage(QWidget* p) { return new PowerPanel(p); }
SectionPanel* ArmInPage(QWidget* p) { return new ArmInPanel(p); }
SectionPanel* InputsPage(QWidget* p) { return new InputsCommonPanel(p); }
SectionPanel* InputPage(QWidget* p) { return new InputPanel(p); }
SectionPanel* OutputsPage(QWidget* p) { return new OutputsPanel(p); }
SectionPanel* OutputPage(QWidget* p) { return new OutputPanel(p); }
SectionPanel* ScenariosPage(QWidget* p) { return new ScenarioPanel(p); }
SectionPanel* ProfilesPage(QWidget* p) { return new ProfilesNotePanel(p); }
SectionPanel* ProfilePage(QWidget* p) { return new ProfilePanel(p); }
SectionPanel* SystemPage(QWidget* p) { return new SystemParametersPanel(p); }

constexpr PageSlot kPages[] = {
    {0, 0, ControllerPage},   {1, 1, GeneralPage},    {2, 9, ConnectionPage},
    {10, 10, ClockPage},      {11, 11, PowerPage},    {12, 12, ArmInPage},
    {13, 13, InputsPage},     {14, 17, InputPage},    {18, 18, OutputsPage},
    {19, 22, OutputPage},     {23, 23, ScenariosPage}, {24, 24, ProfilesPage},
    {25, 28, ProfilePage},    {29, 29, SystemPage},
};

}  // namespace

SectionPages CreateSectionPages(QStackedWidget& stack) {
    SectionPages pages;
    for (const PageSlot& slot : kPages) {
        SectionPanel* panel = slot.create(&stack);
        stack.addWidget(panel);
        for (int id = slot.first; id <= slot.last; ++id) pages.bySection[std::size_t(id)] = panel;
    }
    return pages;
}

}  // namespace krx
