#include "editor/CutCompsteDlg.h"

#include "editor/CutCompsteRows.h"
#include "editor/EditList.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct SColumn {
    const char* heading;
    int width;
};
const SColumn kColumns[] = {{"刀补号", 80}, {"   X", 79}, {"   Z", 79}, {"   R", 79}};

// The list is narrower than its four columns, so the last ones scroll.
constexpr QSize kListSize{272, 229};

QPushButton* Button(const char* text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

CCutCompsteDlg::CCutCompsteDlg(QWidget* parent)
    : QDialog(parent),
      m_list(new CEditList(this)),
      m_ok(Button("OK", "okButton", this)),
      m_cancel(Button("Cancel", "cancelButton", this)),
      m_add(Button("Add", "addButton", this))
{
    setObjectName("cutCompensationDialog");
    setWindowTitle(QStringLiteral("刀具补偿"));
    m_list->setObjectName("compensationList");
    m_list->setFixedSize(kListSize);
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int column = 0; column < 4; ++column)
        m_list->insertColumn(column, QString::fromUtf8(kColumns[column].heading),
                             kColumns[column].width);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &CCutCompsteDlg::addRow);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addSpacing(16);
    buttons->addWidget(m_add);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    addRow();
}

void CCutCompsteDlg::addRow()
{
    const int row = m_list->rowCount();
    m_list->insertItem(row, QString::fromStdString(CutCompste::EntryLabel(row)));
    const QString zero = QString::fromUtf8(CutCompste::kZero.data(), CutCompste::kZero.size());
    for (int column = 1; column < 4; ++column)
        m_list->setItemText(row, column, zero);
}
