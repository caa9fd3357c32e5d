#include "editor/EditList.h"

#include "editor/EditItem.h"
#include "editor/EditListGeometry.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

CEditList::CEditList(QWidget* parent) : QTableWidget(parent)
{
    setObjectName("editList");
    // Cells are edited only through our own box, never the stock editors.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QAbstractItemView::clicked, this, &CEditList::cellClicked);
}

void CEditList::insertColumn(int column, const QString& heading, int width,
                             Qt::Alignment alignment)
{
    QTableWidget::insertColumn(column);
    auto* header = new QTableWidgetItem(heading);
    header->setTextAlignment(alignment | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, header);
    setColumnWidth(column, width);
}

int CEditList::insertItem(int row, const QString& text)
{
    row = std::clamp(row, 0, rowCount());
    insertRow(row);
    setItemText(row, 0, text);
    return row;
}

void CEditList::setItemText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setTextAlignment(columnAlignment(column) | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

QString CEditList::itemText(int row, int column) const
{
    QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

Qt::Alignment CEditList::columnAlignment(int column) const
{
    QTableWidgetItem* header = horizontalHeaderItem(column);
    const Qt::Alignment alignment =
        header ? Qt::Alignment(header->textAlignment()) : Qt::Alignment(Qt::AlignLeft);
    return alignment & Qt::AlignHorizontal_Mask;
}

bool CEditList::showRowWhole(int row)
{
    QScrollBar* bar = verticalScrollBar();
    const int height = rowHeight(row);
    const int top = rowViewportPosition(row);
    if (top < 0)
        bar->setValue(bar->value() + top);
    else if (top + height > viewport()->height())
        bar->setValue(bar->value() + top + height - viewport()->height());
    const int shown = rowViewportPosition(row);
    return shown >= 0 && shown + height <= viewport()->height();
}

void CEditList::editCell(int row, int column)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (!showRowWhole(row))
        return;
    const int clientRight = viewport()->width();
    const int scroll = EditScrollFor(columnViewportPosition(column), clientRight);
    if (scroll != 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + scroll);
    // Placed from where the cell really is, since the scroll may stop short
    // at either end.
    const QRect cell = visualRect(model()->index(row, column));
    const SCellBox box = EditBoxOver({cell.left(), cell.top(), cell.left() + cell.width(),
                                      cell.top() + cell.height()},
                                     columnWidth(column), clientRight);
    auto* editor = new CEditItem(*this, row, column, itemText(row, column));
    editor->setAlignment(columnAlignment(column) | Qt::AlignVCenter);
    editor->setGeometry(box.left, box.top, box.width(), box.bottom - box.top);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    m_editItem = editor;
}

void CEditList::endLabelEdit(int row, int column, const std::optional<QString>& text)
{
    std::optional<QString> stored = text;
    if (stored && checkText)
        stored = checkText(column, *stored);
    if (row != -1 && stored)
        setItemText(row, column, *stored);
    emit labelEditEnded(row, column, stored.value_or(QString()), !stored.has_value());
}

void CEditList::cellClicked(const QModelIndex& index)
{
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    editCell(index.row(), index.column());
}

int CEditList::selectionMark() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CEditList::keyPressEvent(QKeyEvent* event)
{
    // The keypad's Delete comes with the keypad modifier; it is the same key.
    if (event->key() == Qt::Key_Delete && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (const int mark = selectionMark(); mark >= 0)
            removeRow(mark);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
