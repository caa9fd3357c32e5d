#pragma once
// The tool setting dialog: the stock with its two touch points, a radio
// button beside each, all on a plain grey ground. Nothing reads the choice.
#include <QDialog>

class CDuiDaoPicture;
class QRadioButton;

class CDuiDao : public QDialog {
    Q_OBJECT
public:
    // The ground of the dialog and of every control on it.
    static constexpr QRgb kGround = 0xBEBEBE;

    explicit CDuiDao(QWidget* parent = nullptr);

    CDuiDaoPicture* picture() const { return m_picture; }
    QRadioButton* touchPointButton(int index) const;

private:
    CDuiDaoPicture* m_picture;
    QRadioButton* m_points[2];
};
