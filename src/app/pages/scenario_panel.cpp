#include "app/pages/scenario_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "app/widgets/scenario_waveform.h"
#include "config/scenario_grid_rules.h"
#include "ui_scenario_panel.h"

namespace krx {
namespace {

constexpr int kTitleColumnWidth = 110;
constexpr int kHeaderRowHeight = 28;
const QColor kTrainColour(0, 0, 255);
const QColor kReturnColour(128, 0, 0);

}  // namespace

// Paints the selected row's waveform over the grid's viewport.
class ScenarioPanel::Waveform : public QWidget {
public:
    explicit Waveform(ScenarioPanel& page, QWidget* viewport) : QWidget(viewport), page_(page) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QTableWidget* table = page_.table();
        const int row = table->currentRow();
        if (row < 1) return;
        const ScenarioGrid grid = page_.grid();
        const ScenarioWaveform wave =
            WaveformOfRow(grid.cells.at(std::size_t(row)), page_.texts_->scenarioGrid);
        std::vector<QRectF> cells;
        for (int c = kFirstDurationColumn; c < kScenarioGridColumns; ++c) {
            cells.push_back(table->visualRect(table->model()->index(row, c)));
        }
        // The start of the train is on screen unless the grid is scrolled
        // past the first duration column.
        const bool startVisible = table->columnViewportPosition(kFirstDurationColumn) >=
                                  table->columnViewportPosition(0) + table->columnWidth(0) - 1;
        const WaveformGeometry g = ComputeWaveform(wave, cells, startVisible);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kTrainColour, 2));
        if (g.train.size() > 1) p.drawPolyline(g.train.data(), int(g.train.size()));
        if (g.returnLine) {
            p.setPen(QPen(kReturnColour, 1));
            p.drawLine(*g.returnLine);
            // A small arrow head at the start of the train.
            const QPointF tip = g.returnLine->p2();
            QPainterPath head;
            head.moveTo(tip);
            head.lineTo(tip + QPointF(6, -3));
            head.lineTo(tip + QPointF(6, 3));
            head.closeSubpath();
            p.fillPath(head, kReturnColour);
        }
    }

private:
    ScenarioPanel& page_;
};

// Only the cells the rules allow take typing; durations and counts take at
// most five digits.
class ScenarioPanel::CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(ScenarioPanel& page) : QStyledItemDelegate(&page), page_(page) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (!ScenarioCellTypable(page_.grid(), index.row(), index.column(),
                                 page_.texts_->scenarioGrid)) {
            return nullptr;
        }
        auto* editor = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor) {
            editor->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kDurationCellDigits)), editor));
        }
        return editor;
    }

private:
    ScenarioPanel& page_;
};

ScenarioPanel::ScenarioPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::ScenarioPanel>()) {
    ui_->setupUi(this);
    QTableWidget* t = ui_->StringGrid2;
    t->setRowCount(kScenarioGridRows);
    t->setColumnCount(kScenarioGridColumns);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setItemDelegate(new CellDelegate(*this));
    t->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::SelectedClicked);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < kScenarioGridRows; ++r) {
        for (int c = 0; c < kScenarioGridColumns; ++c) {
            auto* item = new QTableWidgetItem;
            // Row 0 and column 0 are fixed: titles, never selected or typed.
            if (r == 0 || c == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            }
            t->setItem(r, c, item);
        }
    }
    t->setColumnWidth(0, kTitleColumnWidth);
    t->setRowHeight(0, kHeaderRowHeight);
    for (int c = 1; c < kScenarioGridColumns; ++c) t->setColumnWidth(c, c < kFirstDurationColumn ? 46 : 52);
    waveform_ = new Waveform(*this, t->viewport());
    connect(t, &QTableWidget::cellChanged, this, &ScenarioPanel::onCellChanged);
    connect(t, &QTableWidget::cellDoubleClicked, this, &ScenarioPanel::onDoubleClicked);
    const auto redraw = [this] {
        waveform_->resize(ui_->StringGrid2->viewport()->size());
        waveform_->update();
    };
    connect(t, &QTableWidget::currentCellChanged, this, redraw);
    connect(t->horizontalScrollBar(), &QScrollBar::valueChanged, this, redraw);
    connect(t->verticalScrollBar(), &QScrollBar::valueChanged, this, redraw);
}

ScenarioPanel::~ScenarioPanel() = default;

QLabel* ScenarioPanel::headerLabel() const { return ui_->Label79; }
QTableWidget* ScenarioPanel::table() const { return ui_->StringGrid2; }

void ScenarioPanel::applyTexts(const InterfaceTexts& texts) { texts_ = &texts; }

void ScenarioPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    waveform_->resize(ui_->StringGrid2->viewport()->size());
}

ScenarioGrid ScenarioPanel::grid() const {
    ScenarioGrid g;
    for (int r = 0; r < kScenarioGridRows; ++r) {
        for (int c = 0; c < kScenarioGridColumns; ++c) {
            g.at(r, c) = ui_->StringGrid2->item(r, c)->text().toStdString();
        }
    }
    return g;
}

void ScenarioPanel::showRow(int r, const ScenarioGrid& g) {
    for (int c = 0; c < kScenarioGridColumns; ++c) {
        ui_->StringGrid2->item(r, c)->setText(QString::fromStdString(g.at(r, c)));
    }
}

void ScenarioPanel::showGrid(const ScenarioGrid& g) {
    filling_ = true;
    for (int r = 0; r < kScenarioGridRows; ++r) showRow(r, g);
    filling_ = false;
    waveform_->update();
}

void ScenarioPanel::onCellChanged(int row, int column) {
    Q_UNUSED(column);
    if (filling_ || row < 1) return;
    ScenarioGrid g = grid();
    // Rule 4: a count of 1 or a row without the cyclic mark loses both.
    if (ScenarioRowEdited(g, row, texts_->scenarioGrid)) {
        filling_ = true;
        showRow(row, g);
        filling_ = false;
    }
    waveform_->update();
}

void ScenarioPanel::onDoubleClicked(int row, int column) {
    if (row < 1 || (column != kCyclicColumn && column != kLevelColumn)) return;
    ScenarioGrid g = grid();
    ToggleScenarioCell(g, row, column, texts_->scenarioGrid);
    filling_ = true;
    showRow(row, g);
    filling_ = false;
    waveform_->update();
}

void ScenarioPanel::loadSection(SectionId section, const ConfigImage& image) {
    Q_UNUSED(section);
    ScenarioGrid g;
    LoadScenarios(g, image, texts_->scenarioGrid);
    showGrid(g);
}

void ScenarioPanel::storeSection(SectionId section, ConfigImage& image) {
    Q_UNUSED(section);
    StoreScenarios(grid(), image, texts_->scenarioGrid);
}

}  // namespace krx
