#pragma once
// The operator panel, pane (0,2) of the main window: a placeholder of the
// panel's size until the keys and displays are built.
#include <QWidget>

class CMainFrame;

class CMainOperPanlView : public QWidget {
    Q_OBJECT
public:
    explicit CMainOperPanlView(CMainFrame& frame, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {656, 674}; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CMainFrame& m_frame;
};
