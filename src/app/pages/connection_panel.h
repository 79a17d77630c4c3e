#pragma once
// The connection page (sections 2..9, `Panel5`): one page for "Соединение 1"
// .. "Соединение 8". The phone number, how the party is called and sent SMS,
// what each is told about (three-state input boxes), and what an incoming
// call does. The larger model's settings stay hidden but are loaded and
// stored.

#include <array>
#include <memory>

#include "app/pages/section_panel.h"
#include "config/connection_section.h"

class QCheckBox;

namespace Ui {
class ConnectionPanel;
}

namespace krx {

class ConnectionPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit ConnectionPanel(QWidget* parent = nullptr);
    ~ConnectionPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;

    ConnectionSettings settings() const;
    void showSettings(const ConnectionSettings& v);

private:
    // The boxes of one " Передавать сообщения от следующих источников " group.
    struct SourceBoxes {
        std::array<QCheckBox*, kSourceInputBoxes> inputs{};
        std::array<QCheckBox*, 4> arm{};
        std::array<QCheckBox*, 4> disarm{};
        QCheckBox* restrictedArm = nullptr;
        QCheckBox* power = nullptr;
        QCheckBox* test = nullptr;
        QCheckBox* gps = nullptr;
    };
    SourceBoxes findSources(char group, const char* restrictedName) const;
    static MessageSources sourcesOf(const SourceBoxes& boxes);
    static void showSources(const SourceBoxes& boxes, const MessageSources& v);
    void showIncomingCallToolTip();

    std::unique_ptr<Ui::ConnectionPanel> ui_;
    SourceBoxes voice_;
    SourceBoxes sms_;
};

}  // namespace krx
