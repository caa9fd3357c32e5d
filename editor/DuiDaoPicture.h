#pragma once
// The tool setting dialog's picture: a round stock bar held in the chuck,
// with two marked touch points on its right end, one above the other, and
// leader lines running from them to the picture's right edge, where the
// dialog puts their radio buttons.
#include <QWidget>

class CDuiDaoPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPoints = 2;

    explicit CDuiDaoPicture(QWidget* parent = nullptr);

    // A touch point in the picture's coordinates: 0 the outer edge of the
    // end face, 1 its centre.
    QPoint touchPoint(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
