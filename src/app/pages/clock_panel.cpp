#include "app/pages/clock_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/widgets/list_binding.h"
#include "config/output_reaction_texts.h"
#include "ui_clock_panel.h"

namespace krx {
namespace {

// Grid columns (the headers of the scheduler grid).
constexpr int kEnabledColumn = 1;
constexpr int kTimeColumn = 2;
constexpr int kFirstDayColumn = 3;
constexpr int kTestColumn = 10;
constexpr int kInfoColumn = 11;
constexpr int kActionColumn = 12;
constexpr int kExtraColumn = 13;

}  // namespace

ClockPanel::ClockPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::ClockPanel>()) {
    ui_->setupUi(this);
    FillList(ui_->ComboBoxTimeZone, TimeZoneItems());
    infoIn_ = {
        ui_->CheckBoxInfoIn1,  ui_->CheckBoxInfoIn2,  ui_->CheckBoxInfoIn3,  ui_->CheckBoxInfoIn4,
        ui_->CheckBoxInfoIn5,  ui_->CheckBoxInfoIn6,  ui_->CheckBoxInfoIn7,  ui_->CheckBoxInfoIn8,
        ui_->CheckBoxInfoIn9,  ui_->CheckBoxInfoIn10, ui_->CheckBoxInfoIn11, ui_->CheckBoxInfoIn12,
        ui_->CheckBoxInfoIn13, ui_->CheckBoxInfoIn14, ui_->CheckBoxInfoIn15, ui_->CheckBoxInfoIn16};
    infoR_ = {ui_->CheckBoxInfoR1, ui_->CheckBoxInfoR2, ui_->CheckBoxInfoR3, ui_->CheckBoxInfoR4,
              ui_->CheckBoxInfoR5, ui_->CheckBoxInfoR6, ui_->CheckBoxInfoR7};
    buildSchedulerGrid();
    clocks_ = std::make_unique<ClockDisplay>(
        ClockWidgets{ui_->MaskEditPCTime, ui_->MaskEditContrCurTime});
    // While the controller-time field has the focus the monitor leaves it
    // alone; the text it holds when the focus leaves is the time to set.
    ui_->MaskEditContrCurTime->installEventFilter(this);
    connect(ui_->Button3, &QPushButton::clicked, this, &ClockPanel::clockSyncRequested);
    connect(ui_->Button2, &QPushButton::pressed, this, &ClockPanel::clockSetRequested);
}

QString ClockPanel::pcTimeText() const {
    return ui_->MaskEditPCTime->text();
}

ClockPanel::~ClockPanel() = default;

QLabel* ClockPanel::headerLabel() const {
    return ui_->Label5;
}

void ClockPanel::buildSchedulerGrid() {
    QTableWidget* grid = ui_->StringGrid3;
    grid->setRowCount(scheduler_layout::kTaskCount);
    grid->setColumnCount(kSchedulerColumns);
    QStringList headers;
    for (std::string_view h : SchedulerHeaders()) headers << FromUtf8(h);
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    const auto newCheck = [grid](int row, int column, const QString& name) {
        auto* box = new QCheckBox(grid);
        box->setObjectName(name);
        grid->setCellWidget(row, column, box);
        return box;
    };
    static const char* const kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int r = 0; r < scheduler_layout::kTaskCount; ++r) {
        const QString task = QString::number(r + 1);
        auto* number = new QTableWidgetItem(QString::fromStdString(SchedulerRowNumber(r + 1)));
        grid->setItem(r, 0, number);
        TaskRow& row = rows_[std::size_t(r)];
        row.enabled = newCheck(r, kEnabledColumn, "CheckBoxTaskEnabled" + task);
        row.time = new QLineEdit(grid);
        row.time->setObjectName("MaskEditTaskTime" + task);
        row.time->setInputMask(QStringLiteral("99:99;-"));
        grid->setCellWidget(r, kTimeColumn, row.time);
        for (int d = 0; d < 7; ++d) {
            row.days[std::size_t(d)] = newCheck(r, kFirstDayColumn + d,
                                                QString("CheckBoxTask%1").arg(kDayNames[d]) + task);
        }
        row.test = newCheck(r, kTestColumn, "CheckBoxTaskTest" + task);
        row.info = newCheck(r, kInfoColumn, "CheckBoxTaskInfo" + task);
        row.action = new QComboBox(grid);
        row.action->setObjectName("ComboBoxTaskAction" + task);
        FillList(row.action, SchedulerActionItems());
        grid->setCellWidget(r, kActionColumn, row.action);
        // The view shows its cell widgets itself: the list that comes and
        // goes sits in a holder that stays.
        auto* holder = new QWidget(grid);
        auto* holderLayout = new QHBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        row.extra = new QComboBox(holder);
        row.extra->setObjectName("ComboBoxTaskExtra" + task);
        FillList(row.extra, OutputReactionTexts());
        holderLayout->addWidget(row.extra);
        grid->setCellWidget(r, kExtraColumn, holder);
        connect(row.action, &QComboBox::activated, this, [this, r] { onActionChosen(r); });
        showTaskRow(r, SchedulerRow{});
    }
    grid->resizeColumnsToContents();
    grid->resizeRowsToContents();
    grid->horizontalHeader()->setSectionResizeMode(kActionColumn, QHeaderView::Stretch);
    // All eight tasks in view, without a scroll bar.
    int height = grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r) height += grid->rowHeight(r);
    grid->setMinimumHeight(height);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ClockPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    // The info message of this model reports inputs 1-4 and relay 1, relay
    // 2, output 1, output 2: the larger model's boxes keep their state.
    ui_->PanelLargerModelInfoInputs->hide();
    ui_->PanelLargerModelInfoOutputs->hide();
}

SchedulerRow ClockPanel::taskRow(int r) const {
    const TaskRow& row = rows_[std::size_t(r)];
    SchedulerRow task;
    task.enabled = row.enabled->isChecked();
    task.time = row.time->text().toStdString();
    for (int d = 0; d < 7; ++d) task.days[std::size_t(d)] = row.days[std::size_t(d)]->isChecked();
    task.test = row.test->isChecked();
    task.info = row.info->isChecked();
    task.action = row.action->currentIndex();
    task.extra = row.extra->currentIndex();
    return task;
}

void ClockPanel::showTaskRow(int r, const SchedulerRow& task) {
    TaskRow& row = rows_[std::size_t(r)];
    row.enabled->setChecked(task.enabled);
    row.time->setText(QString::fromStdString(task.time));
    for (int d = 0; d < 7; ++d) row.days[std::size_t(d)]->setChecked(task.days[std::size_t(d)]);
    row.test->setChecked(task.test);
    row.info->setChecked(task.info);
    ShowListIndex(row.action, task.action);
    ShowListIndex(row.extra, task.extra);
    row.extra->setVisible(SchedulerExtraVisible(task.action));
}

void ClockPanel::onActionChosen(int r) {
    SchedulerRow task = taskRow(r);
    SelectSchedulerAction(task, task.action);
    showTaskRow(r, task);
}

ClockSettings ClockPanel::settings() const {
    ClockSettings v;
    v.timeZone = ui_->ComboBoxTimeZone->currentIndex();
    v.dstEnable = ui_->CheckBoxDSTEnable->isChecked();
    for (int i = 0; i < kInfoInputBoxes; ++i)
        v.infoIn[std::size_t(i)] = infoIn_[std::size_t(i)]->isChecked();
    for (int i = 0; i < kInfoOutputBoxes; ++i)
        v.infoR[std::size_t(i)] = infoR_[std::size_t(i)]->isChecked();
    for (int r = 0; r < scheduler_layout::kTaskCount; ++r) v.tasks[std::size_t(r)] = taskRow(r);
    return v;
}

void ClockPanel::showSettings(const ClockSettings& v) {
    ShowListIndex(ui_->ComboBoxTimeZone, v.timeZone);
    ui_->CheckBoxDSTEnable->setChecked(v.dstEnable);
    for (int i = 0; i < kInfoInputBoxes; ++i)
        infoIn_[std::size_t(i)]->setChecked(v.infoIn[std::size_t(i)]);
    for (int i = 0; i < kInfoOutputBoxes; ++i)
        infoR_[std::size_t(i)]->setChecked(v.infoR[std::size_t(i)]);
    for (int r = 0; r < scheduler_layout::kTaskCount; ++r) showTaskRow(r, v.tasks[std::size_t(r)]);
}

void ClockPanel::loadSection(SectionId section, const ConfigImage& image) {
    Q_UNUSED(section);
    ClockSettings v;
    LoadClock(v, image);
    showSettings(v);
}

void ClockPanel::storeSection(SectionId section, ConfigImage& image) {
    Q_UNUSED(section);
    StoreClock(settings(), image);
}

void ClockPanel::showPcClock(const QDateTime& now) {
    clocks_->showPcClock(now);
}

void ClockPanel::showControllerClock(const StatusValues& status) {
    // A reading that was already on its way when the user started typing
    // must not wipe what is typed.
    if (ui_->MaskEditContrCurTime->hasFocus()) return;
    clocks_->showControllerClock(status);
}

void ClockPanel::watchControllerTimeEditing(std::function<void(bool editing)> changed) {
    timeEditing_ = std::move(changed);
}

bool ClockPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->MaskEditContrCurTime) {
        if (event->type() == QEvent::FocusIn) {
            if (timeEditing_) timeEditing_(true);
        } else if (event->type() == QEvent::FocusOut) {
            // As shown, blanks included: the time is read by the fixed
            // positions of its fields, and a blank ends a field.
            pendingControllerTime_ = ui_->MaskEditContrCurTime->displayText();
            if (timeEditing_) timeEditing_(false);
        }
    }
    return SectionPanel::eventFilter(watched, event);
}

}  // namespace krx
