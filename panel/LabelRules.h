#pragma once
// The label control's rules that need no window: colours, the font
// description, where the text goes and which colour it is painted in.
#include <cstdint>
#include <string>

struct SRgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(SRgb, SRgb) = default;
};
inline constexpr SRgb kRgbWhite{255, 255, 255};
inline constexpr SRgb kRgbBlack{0, 0, 0};

// The static control styles that decide the text placement.
enum ELabelStyle : unsigned {
    kLabelLeft = 0,
    kLabelCentre = 0x1,
    kLabelRight = 0x2,
    kLabelCentreImage = 0x4,   // centre, and centre vertically a single line
    kLabelNoWordWrap = 0x8,
};

enum class EHAlign { Left, Centre, Right };

struct STextLayout {
    EHAlign align = EHAlign::Left;
    bool wordBreak = false;
    bool verticalCentre = false;
    bool singleLine = false;
    friend bool operator==(const STextLayout&, const STextLayout&) = default;
};

// Word-breaking left text unless the style says otherwise; right and centre
// replace it. A centred-image label forces one centred line only when the
// text holds no "\r\n", so a two-line text keeps its lines.
STextLayout LabelTextLayout(unsigned style, const std::string& text);

struct SLabelFont {
    std::string face;        // empty: the desktop's default font
    int pointSize = 0;       // 0: the default font's size
    int weight = 400;        // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    int escapement = 0;      // tenths of a degree, counter-clockwise
};

enum class EFlashKind { None, Text, Background };

struct SLabelLook {
    SRgb text = kRgbBlack;
    SRgb highlight = kRgbWhite;
    bool hasBackground = false;   // else the face colour fills the label
    SRgb background{};
    bool text3D = false;
    bool raised3D = false;
    bool rotated = false;
    bool transparent = false;
    EFlashKind flash = EFlashKind::None;
    int flashPhase = 0;
};

// The colour the text is painted in: while flashing text is in its dark
// phase the text takes the background colour and vanishes.
SRgb LabelPaintTextColour(const SLabelLook& look, SRgb faceColour);
// The colour that fills the label behind the text. Flashing background
// shows the face colour in its dark phase.
SRgb LabelFillColour(const SLabelLook& look, SRgb faceColour);

struct SOffset {
    int dx = 0, dy = 0;
    friend bool operator==(SOffset, SOffset) = default;
};
// Where the highlight copy of 3D text goes.
SOffset Label3DOffset(const SLabelLook& look);
