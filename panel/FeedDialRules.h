#pragma once
// The feed override dial on the cabinet: where it sits, its range and steps,
// and where its pointer stands. The run keeps the override; the dial shows
// it and turns it.
namespace feed_dial {
// Its centre and radius in the panel's client pixels.
inline constexpr int kCentreX = 354;
inline constexpr int kCentreY = 410;
inline constexpr int kRadius = 34;
inline constexpr int kMaxPercent = 150;
inline constexpr int kStepPercent = 10;
// The marks run clockwise from the lower left, as on the mode dial beside it;
// angles count anticlockwise from three o'clock.
inline constexpr double kSweepStartDegrees = 225.0;
inline constexpr double kSweepDegrees = 270.0;

// The pointer's angle for a percentage, held to the dial's end stops.
double PointerDegrees(int percent);
// The percentage after turning the dial by whole steps, up for positive
// ones, held to its end stops.
int Turned(int percent, int steps);
} // namespace feed_dial
