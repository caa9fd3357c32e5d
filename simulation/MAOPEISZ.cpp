#include "simulation/MAOPEISZ.h"

#include "platform/Prompter.h"
#include "simulation/TubePicture.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kFieldNames[] = {"stockLength", "stockOuterDiameter", "stockInnerDiameter"};

} // namespace

CMAOPEISZ::CMAOPEISZ(CPrompter& prompter, QWidget* parent) : QDialog(parent), m_prompter(prompter)
{
    setObjectName("stockSizeDialog");
    setWindowTitle(QStringLiteral("毛坯参数设置"));
    auto* picture = new CTubePicture(this);
    for (int n = 0; n < 3; ++n) {
        // The bore's edit sits on the tube's end; the others in the form.
        m_fields[n] = new QLineEdit(QStringLiteral("0"), n == 2 ? static_cast<QWidget*>(picture) : this);
        m_fields[n]->setObjectName(kFieldNames[n]);
    }
    m_fields[2]->setGeometry(picture->boreField());
    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("毛坯长度"), this), 0, 0);
    form->addWidget(m_fields[0], 0, 1);
    form->addWidget(new QLabel(QStringLiteral("毛坯外径"), this), 1, 0);
    form->addWidget(m_fields[1], 1, 1);
    form->addWidget(new QLabel(QStringLiteral("单位：mm"), this), 2, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &CMAOPEISZ::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addWidget(picture);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

QLineEdit* CMAOPEISZ::field(EStockField which) const { return m_fields[static_cast<int>(which)]; }

void CMAOPEISZ::accept()
{
    SStockSize values;
    double* targets[] = {&values.length, &values.outerDiameter, &values.innerDiameter};
    for (int n = 0; n < 3; ++n) {
        const auto which = static_cast<EStockField>(n);
        const SStockFieldValue parsed = ParseStockField(which, m_fields[n]->text().toStdString());
        if (!parsed.error.empty()) {
            // The refused field takes the focus and the dialog stays open.
            m_prompter.Tell(parsed.error, EPromptIcon::Warning);
            m_fields[n]->setFocus();
            m_fields[n]->selectAll();
            return;
        }
        *targets[n] = parsed.value;
    }
    if (const std::string wall = StockWallError(values); !wall.empty()) {
        auto* bore = field(EStockField::InnerDiameter);
        m_prompter.Tell(wall, EPromptIcon::Warning);
        bore->setFocus();
        bore->selectAll();
        return;
    }
    m_values = values;
    QDialog::accept();
}
