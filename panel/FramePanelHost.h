#pragma once
// The operator panel in the main window: its host is the frame (status bar,
// commands) and the statement editor pane beside it.
class CMainFrame;
class QWidget;

QWidget* CreateOperatorPanel(CMainFrame& frame);
