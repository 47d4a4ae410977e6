#pragma once

#include <QTableWidget>

class QKeyEvent;
class QMouseEvent;

// The rule editor's grid: 6 x 6 text cells, row 0 and column 0 being header
// cells that cannot be selected. It reports a cell "click" the way the rule
// editor needs it: when the left button is released over a non-header cell
// (that cell then being the current one), and after every keyboard move of
// the current cell. The second release of a double click reports nothing, so
// that a double click ends with the double-click handler.
class TRuleGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TRuleGrid(QWidget* parent = nullptr);

    bool IsHeaderCell(int row, int column) const { return row == 0 || column == 0; }
    // Sets up the fixed cells, sizes and behaviour of the 6 x 6 grid.
    void Setup();

signals:
    void CellClicked();
    void CellDoubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool afterDoubleClick_ = false;
};
