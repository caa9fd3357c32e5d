#include "editor/DAOJUBJ.h"

#include "editor/ToolPicture.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct SField {
    const char* label;
    const char* name;
    int control;
};
const SField kFields[tool_library::kEditTexts] = {
    {"刀具长度：", "toolLength", 1025}, {"主偏角: ", "leadAngle", 1026},  {"刀尖角: ", "pointAngle", 1027},
    {"刀头宽:", "headWidth", 1016},     {"刀头长:", "headLength", 1028}, {"刀片切槽宽：", "grooveWidth", 1029},
};

QWidget* Pictures(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    const auto types = tool_library::ToolTypes();
    for (int tool = 0; tool < tool_library::kTools; ++tool) {
        auto* column = new QVBoxLayout;
        column->addWidget(new CToolPicture(tool, box));
        auto* caption = new QLabel(QString::fromUtf8(types[tool].data(), types[tool].size()), box);
        caption->setAlignment(Qt::AlignCenter);
        column->addWidget(caption);
        row->addLayout(column);
    }
    return box;
}

} // namespace

CDAOJUBJ::CDAOJUBJ(QWidget* parent) : QDialog(parent)
{
    setObjectName("toolEditDialog");
    setWindowTitle(QStringLiteral("刀具编辑"));
    auto* grid = new QGridLayout;
    for (int n = 0; n < tool_library::kEditTexts; ++n) {
        m_edits[n] = new QLineEdit(this);
        m_edits[n]->setObjectName(kFields[n].name);
        auto* label = new QLabel(QString::fromUtf8(kFields[n].label), this);
        label->setBuddy(m_edits[n]);
        grid->addWidget(label, n / 2, (n % 2) * 2);
        grid->addWidget(m_edits[n], n / 2, (n % 2) * 2 + 1);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确认"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pictures(this));
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CDAOJUBJ::setTexts(const TToolEditTexts& texts)
{
    for (int n = 0; n < tool_library::kEditTexts; ++n)
        m_edits[n]->setText(QString::fromStdString(texts[n]));
}

TToolEditTexts CDAOJUBJ::texts() const
{
    TToolEditTexts texts;
    for (int n = 0; n < tool_library::kEditTexts; ++n)
        texts[n] = m_edits[n]->text().toStdString();
    return texts;
}
