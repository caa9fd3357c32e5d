#pragma once
// Where the in-place edit box of a list cell goes and how far it grows, in
// the list's client coordinates (pixels; right and bottom are exclusive).
struct SCellBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    friend bool operator==(const SCellBox&, const SCellBox&) = default;
};

// How far to scroll the list horizontally before a cell is edited: a cell
// whose left edge lies outside the client area is brought to its left
// edge; a visible one needs no scrolling (0).
int EditScrollFor(int cellLeft, int clientRight);

// The box over a cell: as wide as the column, never past the client area.
SCellBox EditBoxOver(const SCellBox& cell, int columnWidth, int clientRight);

// The box's right edge after typing: a text wider than the box (with a few
// pixels of slack) widens it up to the client area's right edge; the box
// never shrinks.
int WidenedRight(int left, int right, int textWidth, int clientRight);
