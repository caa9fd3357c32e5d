#pragma once
// The stock dialog's picture of a tube: a short length of it seen at an
// angle, its bore marked, with room in the bore's end for the inner
// diameter's edit.
#include <QWidget>

class CTubePicture : public QWidget {
    Q_OBJECT
public:
    explicit CTubePicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {260, 150}; }
    // Where the inner diameter's edit sits: on the bore of the end face.
    QRect boreField() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
