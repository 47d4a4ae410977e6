#include "dialogs/RuleGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int Cells = 6;
constexpr int CellWidth = 50;   // plus one pixel of grid line
constexpr int CellHeight = 24;  // plus one pixel of grid line
}  // namespace

TRuleGrid::TRuleGrid(QWidget* parent) : QTableWidget(parent) { Setup(); }

void TRuleGrid::Setup() {
    setRowCount(Cells);
    setColumnCount(Cells);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    // Each cell is followed by its grid line; the last line falls under the
    // frame, so the lines show between the cells only.
    for (int i = 0; i < Cells; ++i) {
        setColumnWidth(i, CellWidth + 1);
        setRowHeight(i, CellHeight + 1);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setDragEnabled(false);
    setAutoScroll(false);
    setWordWrap(false);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);

    // Header cells in the classic face colour of fixed cells.
    const QBrush fixed(QColor(212, 208, 200));
    const QBrush fixedText(Qt::black);
    for (int r = 0; r < Cells; ++r) {
        for (int c = 0; c < Cells; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (IsHeaderCell(r, c)) {
                // Not enabled: the view neither selects nor moves onto it.
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(fixed);
                item->setForeground(fixedText);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(r, c, item);
        }
    }
    setCurrentCell(1, 1);
}

void TRuleGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    // Tab on the last cell: the view wraps into the header row, which cannot
    // be selected, and would hand the focus on to the next control. Like
    // Shift+Tab on the first cell, it wraps to the first rule cell instead.
    const bool forwardTab = event->key() == Qt::Key_Tab &&
                            !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if (forwardTab && tabKeyNavigation() && currentIndex() == before) {
        setCurrentCell(1, 1);
        event->accept();
    }
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && !IsHeaderCell(after.row(), after.column())) emit CellClicked();
}

void TRuleGrid::mousePressEvent(QMouseEvent* event) {
    // Only the left button selects a cell; a cell selected by another button
    // would take no rule, yet the next key would move on from it.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    afterDoubleClick_ = false;
    QTableWidget::mousePressEvent(event);
}

void TRuleGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    if (afterDoubleClick_) {
        afterDoubleClick_ = false;
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || IsHeaderCell(index.row(), index.column())) return;
    if (currentIndex() != index) setCurrentIndex(index);
    emit CellClicked();
}

void TRuleGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    afterDoubleClick_ = true;
    emit CellDoubleClicked();
}
