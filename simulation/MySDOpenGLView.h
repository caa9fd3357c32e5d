#pragma once
// The 3D simulation view, pane (0,0) of the main window. For now it only
// clears its picture; the scene, camera and interpreter fill it in.
#include <QOpenGLWidget>

class CMainFrame;

class CMySDOpenGLView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit CMySDOpenGLView(CMainFrame& frame, QWidget* parent = nullptr);

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    CMainFrame& m_frame;
};
