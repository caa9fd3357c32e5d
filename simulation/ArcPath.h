#pragma once
// The circle an arc move runs on, read as a lathe control reads it: seen with
// +Z to the right and +X up, G02 turns clockwise and G03 counter-clockwise;
// I and K give the centre from the start point; a positive R takes the
// shorter arc, a negative R the longer.
#include "program/Codes.h"

#include <optional>

struct CWorkpiece;

struct SArcPath {
    double cx = 0.0, cz = 0.0; // centre
    double radius = 0.0;
    double start = 0.0;        // angle of the start point; z = cz + r cos, x = cx + r sin
    double sweep = 0.0;        // signed: positive counter-clockwise (G03)
    double Length() const;
};

struct SArcPoint {
    double x = 0.0, z = 0.0;
};

// The arc from start to end with radius r; none when no circle of that
// radius joins the two points.
std::optional<SArcPath> ArcFromRadius(ECode code, SArcPoint from, SArcPoint to, double r);
// The arc from start to end about start + (i, k); none when the end lies
// off that circle by more than 0.01 mm. The same points make a full circle.
std::optional<SArcPath> ArcFromCentre(ECode code, SArcPoint from, SArcPoint to, double i, double k);

// The point at arc length s from the start.
SArcPoint PointAlong(const SArcPath& arc, double s);

// Cuts every slice the arc passes over between arc lengths s0 and s1 to the
// arc's radius there, exactly at each slice boundary it crosses.
void CutAlongArc(CWorkpiece& work, const SArcPath& arc, double s0, double s1);
