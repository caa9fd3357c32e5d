#pragma once
// The manual state of the machine as the operator panel sets it. The
// simulation reads it on every frame and the running program writes the
// spindle and coolant, so it lives outside the panel's widget.

enum class ECoordDisplay { Absolute, Relative };

// The mode selector starts in neither mode; only the two mode keys change it.
enum class ERefMode { None, ReferenceReturn, Jog };

struct CPanelState {
    int m_bShift = 0;                                   // 0 first legend, 1 second
    ECoordDisplay m_nCoordDisplay = ECoordDisplay::Absolute;
    double m_dTurretX = 0.0;                            // mm
    double m_dTurretZ = 0.0;                            // mm
    int m_bRapid = 1;                                   // jog steps of 30 mm instead of 10
    int m_nSpindle = 0;                                 // 0 stopped, 1 clockwise, 2 counter-clockwise
    int m_bCoolant = 0;
    ERefMode m_nRefMode = ERefMode::None;
};
