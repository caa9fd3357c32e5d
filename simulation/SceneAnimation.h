#pragma once
// What the drawing changes from frame to frame: spindle and turret angles,
// jaw travel, the carriage's copy of the manual position, the coolant
// stream's phase and the chips. It persists across frames and runs.

struct CChip {
    double t = 0.0; // travel
    double h = 0.0; // height
    double w = 0.0; // side offset
};

struct CSceneAnimation {
    int spin_angle = 0;       // spindle angle while no simulation is shown
    int spin_angle_run = 0;   // spindle angle while a simulation is shown
    double jaw_open = 0.0;    // radial opening of the chuck jaws, 0 to 10
    double turret_angle = 0.0; // present indexing angle, 0 down to -180
    double manual_x = 0.0;    // the panel's manual turret position, taken every frame
    double manual_z = 0.0;
    double stream_phase = 0.0;
    double chip_angle = 0.0;
    CChip chips[6];
};
