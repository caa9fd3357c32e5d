#pragma once
// What a running simulation tells the main window: the status bar, the
// operator panel, sounds, and warning boxes that leave the frame clock
// running.
#include "simulation/SimulationOutput.h"

class CMainFrame;
class QWidget;

class CViewOutput : public CSimulationOutput {
public:
    CViewOutput(CMainFrame& frame, QWidget& view) : m_frame(frame), m_view(view) {}

    void Status(const std::string& text) override;
    void ShowPosition(double x, double z) override;
    void PlaySound(const std::string& relativePath) override;
    void Warn(int kind, const std::string& text) override;
    void Message(const std::string& text) override;
    void StatementStarted(int lineNumber) override;

private:
    CMainFrame& m_frame;
    QWidget& m_view;
};
