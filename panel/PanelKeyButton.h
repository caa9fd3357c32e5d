#pragma once
// One panel key: shows its up face, or its pressed face while held down.
// It never takes the keyboard focus, so typing on the keypad leaves the
// focus where the editor wants it.
#include <QAbstractButton>
#include <QPixmap>

class CPanelKeyButton : public QAbstractButton {
    Q_OBJECT
public:
    CPanelKeyButton(int id, const QPixmap& up, const QPixmap& down, QWidget* parent);
    int Id() const { return m_id; }
    QSize sizeHint() const override { return m_up.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_id;
    QPixmap m_up;
    QPixmap m_down;
};
