#include "editor/CutCompsteDlg.h"

#include "editor/CutCompsteRows.h"
#include "editor/EditList.h"
#include "platform/Prompter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
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

CCutCompsteDlg::CCutCompsteDlg(CPrompter& prompter, QWidget* parent)
    : QDialog(parent),
      m_prompter(prompter),
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
    m_list->checkText = [this](int column, const QString& text) { return checkOffset(column, text); };
    if (!loadRows())
        addRow();
}

std::optional<QString> CCutCompsteDlg::checkOffset(int column, const QString& text)
{
    if (column == 0)
        return text;
    if (auto offset = CutCompste::OffsetText(text.toStdString()))
        return QString::fromStdString(*offset);
    m_prompter.Ask(CutCompste::kNotANumber, EPromptButtons::Ok, EPromptIcon::Warning);
    return std::nullopt;
}

bool CCutCompsteDlg::loadRows()
{
    QSettings settings;
    const int rows = settings.beginReadArray(kSettingsGroup);
    for (int row = 0; row < rows; ++row) {
        settings.setArrayIndex(row);
        const QStringList cells = settings.value("cells").toStringList();
        m_list->insertItem(row, cells.value(0));
        for (int column = 1; column < 4; ++column)
            m_list->setItemText(row, column, cells.value(column));
    }
    settings.endArray();
    return rows > 0;
}

void CCutCompsteDlg::accept()
{
    QSettings settings;
    settings.remove(kSettingsGroup);
    settings.beginWriteArray(kSettingsGroup, m_list->rowCount());
    for (int row = 0; row < m_list->rowCount(); ++row) {
        settings.setArrayIndex(row);
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << m_list->itemText(row, column);
        settings.setValue("cells", cells);
    }
    settings.endArray();
    QDialog::accept();
}

void CCutCompsteDlg::addRow()
{
    const int row = m_list->rowCount();
    m_list->insertItem(row, QString::fromStdString(CutCompste::EntryLabel(row)));
    const QString zero = QString::fromUtf8(CutCompste::kZero.data(), CutCompste::kZero.size());
    for (int column = 1; column < 4; ++column)
        m_list->setItemText(row, column, zero);
}
