#include "editor/GcodeEditPanelView.h"

#include "platform/KeyTyper.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace {

struct SColumn {
    const char* heading;
    int width;
    const char* fieldName;
};

const SColumn kColumns[kEditorColumns] = {
    {"行号", 45, "lineEdit"},     {" G/M代码", 82, "codeBox"},   {"P坐标", 56, "pEdit"},
    {"Q坐标", 56, "qEdit"},       {"X(U)坐标", 76, "xEdit"},     {"Z(W)坐标", 76, "zEdit"},
    {"I坐标", 56, "iEdit"},       {"K坐标", 56, "kEdit"},        {"R半径", 56, "rEdit"},
    {"F速度", 56, "fEdit"},       {"S转速", 56, "sEdit"},        {"T刀具", 56, "tEdit"},
};

constexpr int kFieldHeight = 26;

QString Q(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CGcodeEditPanelView::CGcodeEditPanelView(CVelmoraDoc& doc, CPrompter& prompter,
                                         CKeyTyper& keys, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_prompter(prompter), m_keys(keys)
{
    setObjectName("statementEditor");
    buildTable();
    buildFields();
    pushFields();
    m_doc.AddView(this);
    refreshFromDocument();
}

CGcodeEditPanelView::~CGcodeEditPanelView() { m_doc.RemoveView(this); }

void CGcodeEditPanelView::buildTable()
{
    m_table = new QTableWidget(0, kEditorColumns, this);
    m_table->setObjectName("statementTable");
    QStringList headings;
    for (const auto& column : kColumns)
        headings << QString::fromUtf8(column.heading);
    m_table->setHorizontalHeaderLabels(headings);
    for (int i = 0; i < kEditorColumns; ++i) {
        m_table->setColumnWidth(i, kColumns[i].width);
        m_table->horizontalHeaderItem(i)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->setShowGrid(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(m_table, &QTableWidget::cellClicked, this, [this](int row, int) { rowClicked(row); });
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CGcodeEditPanelView::placeFields);
    connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &CGcodeEditPanelView::placeFields);
}

void CGcodeEditPanelView::buildFields()
{
    m_code = new QComboBox(this);
    m_code->setObjectName(kColumns[1].fieldName);
    for (const std::string& code : CEditorForm::CodeList())
        m_code->addItem(Q(code));
    m_code->setMaxVisibleItems(12);
    m_code->setCurrentIndex(-1);
    connect(m_code, &QComboBox::activated, this, &CGcodeEditPanelView::codeChosen);
    for (int i = 0; i < kEditorColumns; ++i) {
        if (i == static_cast<int>(EField::Code))
            continue;
        auto* edit = new QLineEdit(this);
        edit->setObjectName(kColumns[i].fieldName);
        edit->installEventFilter(this);
        m_fields[static_cast<std::size_t>(i)] = edit;
    }
}

QLineEdit* CGcodeEditPanelView::field(EField which) const
{
    return m_fields[static_cast<std::size_t>(which)];
}

EField CGcodeEditPanelView::fieldOf(QObject* object) const
{
    for (int i = 0; i < kEditorColumns; ++i)
        if (m_fields[static_cast<std::size_t>(i)] == object)
            return static_cast<EField>(i);
    return EField::Count;
}

void CGcodeEditPanelView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_table->setGeometry(0, 0, width(), std::max(0, height() - kFieldHeight - 2));
    placeFields();
}

// Each field sits under the column it fills and follows it when the columns
// are resized or scrolled.
void CGcodeEditPanelView::placeFields()
{
    const QHeaderView* header = m_table->horizontalHeader();
    const int left = m_table->viewport()->mapTo(this, QPoint(0, 0)).x();
    const int top = height() - kFieldHeight;
    for (int i = 0; i < kEditorColumns; ++i) {
        QWidget* widget = i == static_cast<int>(EField::Code)
                              ? static_cast<QWidget*>(m_code)
                              : m_fields[static_cast<std::size_t>(i)];
        widget->setGeometry(left + header->sectionViewportPosition(i), top,
                            header->sectionSize(i), kFieldHeight);
    }
}

void CGcodeEditPanelView::pullFields()
{
    for (int i = 0; i < kEditorColumns; ++i)
        if (QLineEdit* edit = m_fields[static_cast<std::size_t>(i)])
            m_form.SetText(static_cast<EField>(i), edit->text().toStdString());
    m_form.SetText(EField::Code,
                   m_code->currentIndex() < 0 ? std::string() : m_code->currentText().toStdString());
}

void CGcodeEditPanelView::pushFields()
{
    for (int i = 0; i < kEditorColumns; ++i) {
        if (QLineEdit* edit = m_fields[static_cast<std::size_t>(i)]) {
            edit->setText(Q(m_form.Text(static_cast<EField>(i))));
            edit->setEnabled(m_form.IsEnabled(static_cast<EField>(i)));
        }
    }
    m_code->setCurrentIndex(CEditorForm::FindCode(m_form.Text(EField::Code)));
}

void CGcodeEditPanelView::codeChosen(int index)
{
    pullFields();
    m_form.ChooseCode(index < 0 ? std::string() : m_code->itemText(index).toStdString());
    pushFields();
}

void CGcodeEditPanelView::rowClicked(int row)
{
    if (row < 0 || row >= m_table->rowCount())
        return;
    TEditorRow texts;
    for (int column = 0; column < kEditorColumns; ++column)
        if (QTableWidgetItem* item = m_table->item(row, column))
            texts[static_cast<std::size_t>(column)] = item->text().toStdString();
    pullFields();
    m_form.ClickRow(texts);
    pushFields();
}

bool CGcodeEditPanelView::eventFilter(QObject* watched, QEvent* event)
{
    EField which = fieldOf(watched);
    if (which != EField::Count) {
        if (event->type() == QEvent::FocusIn) {
            m_form.FocusGained(which);
        } else if (event->type() == QEvent::FocusOut) {
            // Focus that leaves for another pane (the operator panel's keys)
            // keeps the flag, so the keypad types where the user last was.
            QWidget* next = QApplication::focusWidget();
            if (next && isAncestorOf(next) && next != watched)
                m_form.FocusLost(which);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CGcodeEditPanelView::focusTrackedField()
{
    if (auto focused = m_form.FocusedField())
        field(*focused)->setFocus(Qt::OtherFocusReason);
}

void CGcodeEditPanelView::typeCharacter(char ch, bool withShift)
{
    focusTrackedField();
    m_keys.TypeChar(ch, withShift);
}

void CGcodeEditPanelView::setRow(int row, const TEditorRow& texts)
{
    for (int column = 0; column < kEditorColumns; ++column)
        m_table->setItem(row, column,
                         new QTableWidgetItem(Q(texts[static_cast<std::size_t>(column)])));
}

void CGcodeEditPanelView::notifyOthers()
{
    m_ignoreUpdate = true;
    m_doc.UpdateAllViews();
    m_ignoreUpdate = false;
}

void CGcodeEditPanelView::insertStatement()
{
    pullFields();
    const int rows = m_table->rowCount();
    SInsertOutcome outcome = m_form.Insert(m_doc, m_prompter, rows);
    if (outcome.action == ETableAction::None)
        return;
    pushFields();
    if (outcome.action == ETableAction::AppendRow) {
        m_table->insertRow(rows);
        setRow(rows, outcome.row);
        notifyOthers();
    } else if (outcome.result == kDocInsertedAt) {
        m_doc.UpdateAllViews();
    } else {
        refreshFromDocument();
    }
}

void CGcodeEditPanelView::modifyStatement()
{
    pullFields();
    if (m_form.Modify(m_doc, m_prompter))
        m_doc.UpdateAllViews();
}

void CGcodeEditPanelView::deleteStatements()
{
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.size() > 1) {
        std::sort(rows.begin(), rows.end());
        std::vector<int> lines;
        for (int row : rows)
            if (QTableWidgetItem* item = m_table->item(row, 0))
                lines.push_back(CEditorForm::RowLineNumber(item->text().toStdString()));
        if (CEditorForm::DeleteMany(m_doc, m_prompter, lines))
            m_doc.UpdateAllViews();
        return;
    }
    pullFields();
    if (m_form.DeleteOne(m_doc, m_prompter))
        m_doc.UpdateAllViews();
}

void CGcodeEditPanelView::OnDocumentChanged()
{
    if (!m_ignoreUpdate)
        refreshFromDocument();
}

void CGcodeEditPanelView::refreshFromDocument()
{
    std::vector<TEditorRow> rows = CEditorForm::TableRows(m_doc);
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        setRow(static_cast<int>(r), rows[r]);
}
