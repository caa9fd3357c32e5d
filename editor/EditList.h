#pragma once
// A report-view list whose cells are edited in place: a click on a cell
// opens a CEditItem exactly over it, pre-filled with the cell's text; Enter
// or leaving the box stores the text, Esc throws it away. Delete removes
// the selected row while no box is open.
#include "editor/EditItem.h"

#include <QPointer>
#include <QTableWidget>

#include <functional>
#include <optional>

class CEditList : public QTableWidget {
    Q_OBJECT
public:
    explicit CEditList(QWidget* parent = nullptr);

    using QTableWidget::insertColumn;

    // A column with its heading, width in pixels and text alignment (the
    // edit box aligns its text the same way).
    void insertColumn(int column, const QString& heading, int width,
                      Qt::Alignment alignment = Qt::AlignLeft);
    // A row at the given place with the text of its first column; returns
    // the row.
    int insertItem(int row, const QString& text);
    void setItemText(int row, int column, const QString& text);
    QString itemText(int row, int column) const;

    // Opens the edit box over one cell, scrolling it into view first; does
    // nothing when the row cannot be shown whole.
    void editCell(int row, int column);
    // The box of the edit in progress, if any.
    CEditItem* editItem() const { return m_editItem; }
    // Where the box reports: the text, or nothing when the edit was escaped.
    void endLabelEdit(int row, int column, const std::optional<QString>& text);

    // Set by the owner to look at a finished edit before it is stored: the
    // text to store, or nothing to keep the cell as it was.
    std::function<std::optional<QString>(int column, const QString& text)> checkText;

signals:
    // The end of an edit, for the list's owner, after the list has stored
    // the text.
    void labelEditEnded(int row, int column, const QString& text, bool escaped);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cellClicked(const QModelIndex& index);
    bool showRowWhole(int row);
    Qt::Alignment columnAlignment(int column) const;
    int selectionMark() const;

    QPointer<CEditItem> m_editItem;
};
