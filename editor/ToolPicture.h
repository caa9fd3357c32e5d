#pragma once
// A picture of one of the lathe's three tools, seen from above: the shank
// and its cutting tip (turning, grooving or threading).
#include <QWidget>

class CToolPicture : public QWidget {
    Q_OBJECT
public:
    // Row of the tool in the library: 0 turning, 1 grooving, 2 threading.
    explicit CToolPicture(int tool, QWidget* parent = nullptr);
    int tool() const { return m_tool; }
    QSize sizeHint() const override { return {110, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_tool;
};
