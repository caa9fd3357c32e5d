#include "editor/GcodeEditPanelView.h"

#include "editor/StatementTableModel.h"
#include "platform/KeyTyper.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

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
    QStringList headings;
    for (const auto& column : kColumns)
        headings << QString::fromUtf8(column.heading);
    m_model = new CStatementTableModel(headings, this);
    m_table = new QTableView(this);
    m_table->setObjectName("statementTable");
    m_table->setModel(m_model);
    for (int i = 0; i < kEditorColumns; ++i)
        m_table->setColumnWidth(i, kColumns[i].width);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->setShowGrid(true);
    m_table->setWordWrap(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(m_table, &QTableView::clicked, this,
            [this](const QModelIndex& index) { rowClicked(index.row()); });
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CGcodeEditPanelView::placeFields);
    connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &CGcodeEditPanelView::placeFields);
}

int CGcodeEditPanelView::rowCount() const { return m_model->rowCount(); }

QString CGcodeEditPanelView::cellText(int row, int column) const
{
    return m_model->index(row, column).data().toString();
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
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        QLineEdit* edit = m_fields[i];
        // A field the user left alone keeps the form's whole word, which
        // may be longer than an edit control holds.
        if (edit && edit->text() != m_pushed[i])
            m_form.SetText(static_cast<EField>(i), edit->text().toStdString());
    }
    m_form.SetText(EField::Code,
                   m_code->currentIndex() < 0 ? std::string() : m_code->currentText().toStdString());
}

void CGcodeEditPanelView::pushFields()
{
    for (int i = 0; i < kEditorColumns; ++i) {
        if (QLineEdit* edit = m_fields[static_cast<std::size_t>(i)]) {
            edit->setText(Q(m_form.Text(static_cast<EField>(i))));
            m_pushed[static_cast<std::size_t>(i)] = edit->text();
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
    if (row < 0 || row >= rowCount())
        return;
    // The whole words, however short the cells show them.
    const TEditorRow texts = m_model->Rows().Row(static_cast<std::size_t>(row));
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
            // Only another control of this pane takes the flag away. Focus
            // that leaves for another pane, or goes to the pane itself (the
            // operator panel hands it over before each key), keeps it, so
            // the keypad types where the user last was.
            QWidget* next = QApplication::focusWidget();
            if (next && next != this && next != watched && isAncestorOf(next))
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

void CGcodeEditPanelView::notifyOthers()
{
    m_ignoreUpdate = true;
    m_doc.UpdateAllViews();
    m_ignoreUpdate = false;
}

void CGcodeEditPanelView::insertStatement()
{
    pullFields();
    const int rows = rowCount();
    SInsertOutcome outcome = m_form.Insert(m_doc, m_prompter, rows);
    if (outcome.action == ETableAction::None)
        return;
    pushFields();
    if (outcome.action == ETableAction::AppendRow) {
        m_model->AppendRow(outcome.row);
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
    std::vector<int> rows = selectedRows();
    if (rows.size() > 1) {
        std::vector<int> lines;
        lines.reserve(rows.size());
        for (int row : rows)
            lines.push_back(CEditorForm::RowLineNumber(
                std::string(m_model->Rows().Cell(static_cast<std::size_t>(row), 0))));
        if (CEditorForm::DeleteMany(m_doc, m_prompter, lines))
            m_doc.UpdateAllViews();
        return;
    }
    pullFields();
    if (m_form.DeleteOne(m_doc, m_prompter))
        m_doc.UpdateAllViews();
}

// Read from the selection's ranges: a whole program selected is one range,
// not a row-by-row search.
std::vector<int> CGcodeEditPanelView::selectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_table->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CGcodeEditPanelView::OnDocumentChanged()
{
    if (!m_ignoreUpdate)
        refreshFromDocument();
}

void CGcodeEditPanelView::refreshFromDocument()
{
    m_model->SetRows(CEditorForm::TableRows(m_doc));
}
