#pragma once
// The statement table's rows for the view: packed texts, drawn only as far
// as they are seen, so a long program refreshes in one pass and a word of
// megabytes costs a cell no more than a short one.
#include "editor/TableText.h"

#include <QAbstractTableModel>
#include <QStringList>

class CStatementTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The whole text of a cell, where the display role may shorten it.
    static constexpr int kFullTextRole = Qt::UserRole;

    explicit CStatementTableModel(QStringList headings, QObject* parent = nullptr);

    void SetRows(CTableText rows);
    void AppendRow(const TEditorRow& row);
    const CTableText& Rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headings;
    CTableText m_rows;
};
