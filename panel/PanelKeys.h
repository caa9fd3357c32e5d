#pragma once
// The operator panel's keys: where each sits in the panel's client area
// (pixels), its two faces, its legend and what a press does.
#include <span>

struct SPixRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(int x, int y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

// A key without a handler and a key with an empty handler look the same to
// the user: both only animate.
enum class EKeyEffect {
    NoHandler, NoEffect, Character, Shift,
    CoordAbsolute, CoordRelative,
    EditorModify, EditorInsert, EditorDelete,
    SpindleCW, SpindleStop, SpindleCCW, CoolantToggle,
    ModeJog, ModeReference, RapidToggle,
    JogPlusZ, JogMinusZ, JogPlusX, JogMinusX,
    CycleStart, FeedHold, SingleBlock, EmergencyStop, Reset,
};

// How the face is drawn; the artwork paints each style.
enum class EKeyStyle {
    SoftArrowBack, SoftArrowNext, Soft, Keypad, Function,
    MachineGreen, MachineRed, KeySwitch, ModeJog, ModeReference,
    JogAxis, Rapid, EmergencyStop,
};

struct SPanelKey {
    int id;
    SPixRect rect;
    int upFace;      // face numbers, shared between keys that look alike
    int downFace;
    EKeyStyle style;
    EKeyEffect effect;
    const char* legend;      // first legend (keypad), face text or the legend above the key
    const char* subLegend;   // second legend of a keypad key, else ""
    char first = 0;          // characters of a keypad key, with shift off and on
    char second = 0;
};

std::span<const SPanelKey> PanelKeys();
const SPanelKey* FindPanelKey(int id);

// The character a keypad key types in the given shift state, 0 for other keys.
char KeyCharacter(const SPanelKey& key, int shift);
// "#", "+" and "*" need Shift held on the keyboard.
bool NeedsShiftHeld(char ch);

// The panel's fixed layout in client pixels.
namespace panel_layout {
inline constexpr int kWidth = 656;
inline constexpr int kHeight = 674;
inline constexpr SPixRect kUpperArt{2, 0, 655, 332};
inline constexpr SPixRect kLowerArt{2, 328, 655, 673};
inline constexpr SPixRect kClockLabel{66, 72, 318, 100};
inline constexpr SPixRect kXLabel{66, 120, 318, 148};
inline constexpr SPixRect kZLabel{66, 168, 318, 196};
// The screen's line of machining times.
inline constexpr SPixRect kTimeLine{32, 212, 362, 226};
inline constexpr int kClockLabelId = 1000;
inline constexpr int kXLabelId = 1001;
inline constexpr int kZLabelId = 1002;
} // namespace panel_layout
