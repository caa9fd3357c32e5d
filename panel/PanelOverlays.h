#pragma once
// The parts of the cabinet that change while it is shown, drawn over its
// cached pictures: the feed override dial's pointer and the screen's line of
// machining times. Each paints only itself, and only when what it shows
// has changed. The panel scales them with the rest of the cabinet.
#include "panel/PanelKeys.h"

#include <QWidget>

class CFeedDial : public QWidget {
    Q_OBJECT
public:
    explicit CFeedDial(QWidget* parent);

    int Percent() const { return m_percent; }
    void SetPercent(int percent);

signals:
    // A left click on the right half turns it one step up, on the left half
    // one step down; each notch of the wheel likewise.
    void Turned(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_percent = 100;
    int m_wheelEighths = 0; // a fine wheel's turn short of a notch
};

class CScreenTimeLine : public QWidget {
public:
    explicit CScreenTimeLine(QWidget* parent);

    const QString& RunTime() const { return m_run; }
    const QString& CycleTime() const { return m_cycle; }
    void SetTimes(const QString& runTime, const QString& cycleTime);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_run;
    QString m_cycle;
};
