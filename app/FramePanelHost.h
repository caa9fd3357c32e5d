#pragma once
// The operator panel in the main window: its host is the frame (status bar,
// commands) and the statement editor pane beside it.
class CMainFrame;
class CMainOperPanlView;
class QWidget;

QWidget* CreateOperatorPanel(CMainFrame& frame);
// Pane (0,2), or null when the frame holds another widget there (tests).
CMainOperPanlView* OperatorPanel(const CMainFrame& frame);
