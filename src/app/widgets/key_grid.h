#pragma once
// The touch-key table of the Arm-In page (`StringGrid1`): a heading row
// ("№", "Код ключа TOUCH", "Имя пользователя") and 32 key rows numbered in
// column 0. Only the key code and the user name are edited; a key code is
// upper-cased as it is typed; both take at most 16 letters or digits. A row
// is dragged by its number to a new place.

#include <QTableWidget>

namespace krx {

class KeyGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kKeyRows = 32;
    static constexpr int kCodeColumn = 1;
    static constexpr int kNameColumn = 2;

    explicit KeyGrid(QWidget* parent = nullptr);

    // Rows are numbered 1 .. 32 as on screen.
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // Writes " 1" .. " 32" into column 0.
    void renumber();

signals:
    // The user dropped row `from` onto row `to` (both 1 .. 32, different).
    void rowDragged(int from, int to);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitColumns();
    int dropRowAt(int y) const;

    int dragRow_ = -1;  // 0-based table row being dragged, -1 when none
};

}  // namespace krx
