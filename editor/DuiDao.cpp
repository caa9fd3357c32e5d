#include "editor/DuiDao.h"

#include "editor/DuiDaoPicture.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kPointTexts[] = {"端面外缘", "端面中心"};
constexpr int kButtonGap = 6;
constexpr int kAreaWidth = 400;

void PaintOnGround(QWidget& widget)
{
    QPalette palette = widget.palette();
    const QColor ground(CDuiDao::kGround);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, ground);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QPushButton* Button(const char* text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

CDuiDao::CDuiDao(QWidget* parent) : QDialog(parent)
{
    setObjectName("toolSettingDialog");
    setWindowTitle(QStringLiteral("对刀"));
    PaintOnGround(*this);

    // The picture and the buttons beside its points share one area, so each
    // button can sit level with its point.
    auto* area = new QWidget(this);
    area->setObjectName("touchPointArea");
    m_picture = new CDuiDaoPicture(area);
    area->setFixedSize(kAreaWidth, m_picture->height());
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(kPointTexts[i]), area);
        button->setObjectName(QString("touchPoint%1").arg(i + 1));
        button->adjustSize();
        const QPoint at = m_picture->touchPoint(i);
        button->move(m_picture->width() + kButtonGap, at.y() - button->height() / 2);
        m_points[i] = button;
    }

    auto* ok = Button("OK", "okButton", this);
    auto* cancel = Button("Cancel", "cancelButton", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(area);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* child : findChildren<QWidget*>())
        PaintOnGround(*child);
}

QRadioButton* CDuiDao::touchPointButton(int index) const
{
    return index >= 0 && index < 2 ? m_points[index] : nullptr;
}
