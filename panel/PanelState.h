#pragma once
// The manual state of the machine as the operator panel sets it. The
// simulation reads it on every frame and the running program writes the
// spindle and coolant, so it lives in the machine, not in the panel's widget.

enum class ECoordDisplay { Absolute, Relative };

// The spindle's turning, as M03, M04 and M05 and the panel's keys set it.
enum class ESpindle { Stopped, Clockwise, CounterClockwise };

// The mode selector starts in neither mode; only the two mode keys change it.
enum class ERefMode { None, ReferenceReturn, Jog };

struct CPanelState {
    int m_bShift = 0;                                   // 0 first legend, 1 second
    ECoordDisplay m_nCoordDisplay = ECoordDisplay::Absolute;
    double m_dTurretX = 0.0;                            // mm
    double m_dTurretZ = 0.0;                            // mm
    int m_bRapid = 1;                                   // jog steps of 30 mm instead of 10
    ESpindle m_nSpindle = ESpindle::Stopped;
    int m_bCoolant = 0;
    ERefMode m_nRefMode = ERefMode::None;
    bool m_bDiameter = false;                           // the display names X as a diameter
};
