#include "editor/StatementTableModel.h"

namespace {
QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
constexpr Qt::Alignment kCellAlignment = Qt::AlignLeft | Qt::AlignVCenter;
} // namespace

CStatementTableModel::CStatementTableModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings))
{
}

void CStatementTableModel::SetRows(CTableText rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CStatementTableModel::AppendRow(const TEditorRow& row)
{
    const int at = rowCount();
    beginInsertRows({}, at, at);
    m_rows.Append(row);
    endInsertRows();
}

int CStatementTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CStatementTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kEditorColumns;
}

QVariant CStatementTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::string_view text = m_rows.Cell(static_cast<std::size_t>(index.row()), index.column());
    switch (role) {
    case Qt::DisplayRole: return FromUtf8(ShownCellText(text));
    case kFullTextRole: return FromUtf8(text);
    case Qt::TextAlignmentRole: return QVariant::fromValue(kCellAlignment);
    default: return {};
    }
}

QVariant CStatementTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headings.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_headings[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kCellAlignment);
    return {};
}
