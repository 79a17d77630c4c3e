#include "app/pages/output_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/widgets/list_binding.h"
#include "config/output_sources.h"
#include "ui_output_panel.h"

namespace krx {
namespace {

// The names hold 16 characters; the 17th byte of the field ends the text.
constexpr int kNameLength = int(output_layout::kTextWidth) - 1;

}  // namespace

OutputPanel::OutputPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::OutputPanel>()) {
    ui_->setupUi(this);
    PrepareNameList(ui_->ComboBoxReleName, ReleNameSuggestions(), kNameLength);
    PrepareNameList(ui_->ComboBoxReleNameAct, ReleStateNameSuggestions(), kNameLength);
    PrepareNameList(ui_->ComboBoxReleNameDeact, ReleStateNameSuggestions(), kNameLength);
    FillList(ui_->ComboBoxCommType, CommTypeItems());
}

OutputPanel::~OutputPanel() = default;

QLabel* OutputPanel::headerLabel() const { return ui_->Label6; }

void OutputPanel::applyTexts(const InterfaceTexts& texts) { texts_ = &texts; }

void OutputPanel::adaptToModel(SectionId section) {
    // A relay's captions speak of a relay, an output's of an output.
    const int output = OutputOf(section);
    ui_->CheckBoxReleEn->setText(FromUtf8(OutputEnableCaption(output, *texts_)));
    ui_->GroupBoxReleSources->setTitle(FromUtf8(OutputSourcesCaption(output, *texts_)));
}

OutputSettings OutputPanel::settings() const {
    OutputSettings v;
    // Stored as typed, blanks and all.
    v.releName = ui_->ComboBoxReleName->currentText().toStdString();
    v.releNameAct = ui_->ComboBoxReleNameAct->currentText().toStdString();
    v.releNameDeact = ui_->ComboBoxReleNameDeact->currentText().toStdString();
    v.commType = ui_->ComboBoxCommType->currentIndex();
    v.releEn = ui_->CheckBoxReleEn->isChecked();
    v.releInversion = ui_->CheckBoxReleInversion->isChecked();
    v.remoteControlEn = ui_->CheckBoxRemoteControlEn->isChecked();
    return v;
}

void OutputPanel::showSettings(const OutputSettings& v) {
    ui_->ComboBoxReleName->setEditText(QString::fromStdString(v.releName));
    ui_->ComboBoxReleNameAct->setEditText(QString::fromStdString(v.releNameAct));
    ui_->ComboBoxReleNameDeact->setEditText(QString::fromStdString(v.releNameDeact));
    ShowListIndex(ui_->ComboBoxCommType, v.commType);
    ui_->CheckBoxReleEn->setChecked(v.releEn);
    ui_->CheckBoxReleInversion->setChecked(v.releInversion);
    ui_->CheckBoxRemoteControlEn->setChecked(v.remoteControlEn);
}

namespace {

// The caption ends in the column names, "[Вкладка | Воздействие | Событие]":
// the list's headings read the same, in the catalogue's words.
QStringList ColumnNamesIn(const QString& heading) {
    const qsizetype open = heading.lastIndexOf(QLatin1Char('['));
    const qsizetype close = heading.lastIndexOf(QLatin1Char(']'));
    if (open < 0 || close <= open) return {};
    QStringList names;
    for (const QString& part : heading.mid(open + 1, close - open - 1).split(QLatin1Char('|'))) {
        names << part.trimmed();
    }
    return names;
}

}  // namespace

void OutputPanel::showSources(int output, const ConfigImage& image) {
    QTreeWidget* list = ui_->ListBoxReleSources;
    list->clear();
    const QStringList columns = ColumnNamesIn(ui_->GroupBoxReleSources->title());
    if (columns.size() == list->columnCount()) list->setHeaderLabels(columns);
    for (const std::string& line :
         OutputSourcesList(output, image, OutputSourceTexts::From(*texts_))) {
        // Section, reaction and event, between tabs that only align them.
        QStringList columns;
        for (const QString& part : QString::fromStdString(line).split(QLatin1Char('\t'))) {
            if (!part.isEmpty()) columns << part;
        }
        list->addTopLevelItem(new QTreeWidgetItem(columns));
    }
    for (int c = 0; c < list->columnCount(); ++c) list->resizeColumnToContents(c);
}

void OutputPanel::loadSection(SectionId section, const ConfigImage& image) {
    // Rebuilt on every load: an edit on another page shows here at once.
    showSources(OutputOf(section), image);
    OutputSettings v;
    LoadOutput(OutputOf(section), v, image);
    showSettings(v);
}

void OutputPanel::storeSection(SectionId section, ConfigImage& image) {
    StoreOutput(OutputOf(section), settings(), image);
}

}  // namespace krx
