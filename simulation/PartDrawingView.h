#pragma once
// The part drawing pane: the machined part as a technical drawing, redrawn
// as it is cut. Two clicks measure the distance between them; a click on a
// step reads its diameter.
#include "simulation/PartDrawingPaint.h"

#include <QTimer>
#include <QWidget>

#include <optional>

struct CMachine;

class CPartDrawingView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 200;

    explicit CPartDrawingView(const CMachine& machine, QWidget* parent = nullptr);

    // The drawing as it stands now (the exports paint the same).
    SPartDrawingContent Content() const;
    // What the last clicks read, empty before any.
    QString Reading() const { return m_reading; }
    void SetShowProgrammed(bool on);
    void SetShowStock(bool on);
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF DrawingArea() const;
    void AddOverlaySwitch(const QString& text, void (CPartDrawingView::*set)(bool));

    const CMachine& m_machine;
    SPartDrawingContent m_content;
    std::optional<SPartPoint> m_firstClick;
    QString m_reading;
    QTimer m_refresh;
};
