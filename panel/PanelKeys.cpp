#include "panel/PanelKeys.h"

#include <array>

namespace {

using S = EKeyStyle;
using E = EKeyEffect;

// Keypad columns and rows (left/right and top/bottom edges).
constexpr int kColL[] = {413, 447, 481, 515, 549, 583};
constexpr int kColR[] = {446, 480, 514, 548, 581, 616};
constexpr int kRowT[] = {35, 70, 105, 140};
constexpr int kRowB[] = {69, 104, 139, 174};

constexpr SPixRect Pad(int row, int col)
{
    return {kColL[col - 1], kRowT[row - 1], kColR[col - 1], kRowB[row - 1]};
}

constexpr SPanelKey Ch(int id, int row, int col, int up, int down, const char* l1,
                       const char* l2, char c0, char c1)
{
    return {id, Pad(row, col), up, down, S::Keypad, E::Character, l1, l2, c0, c1};
}

constexpr std::array<SPanelKey, 76> kKeys = {{
    // Soft keys under the screen; their captions are printed in the screen.
    {156, {26, 300, 59, 324}, 212, 214, S::SoftArrowBack, E::NoHandler, "", ""},
    {102, {76, 300, 109, 324}, 216, 215, S::Soft, E::CoordAbsolute, "绝对", ""},
    {103, {126, 300, 159, 324}, 216, 215, S::Soft, E::CoordRelative, "相对", ""},
    {157, {176, 300, 209, 324}, 216, 215, S::Soft, E::NoHandler, "综合", ""},
    {158, {226, 300, 259, 324}, 216, 215, S::Soft, E::NoHandler, "", ""},
    {159, {276, 300, 309, 324}, 216, 215, S::Soft, E::NoHandler, "操作", ""},
    {104, {326, 300, 359, 324}, 211, 213, S::SoftArrowNext, E::NoHandler, "", ""},

    // Keypad: first legend with SHIFT off, second with it on.
    Ch(105, 1, 1, 279, 276, "O", "P", 'O', 'P'),
    Ch(106, 1, 2, 275, 274, "N", "Q", 'N', 'Q'),
    Ch(107, 1, 3, 257, 256, "G", "R", 'G', 'R'),
    Ch(108, 1, 4, 233, 232, "7", "A", '7', 'A'),
    Ch(109, 1, 5, 235, 234, "8", "B", '8', 'B'),
    Ch(110, 1, 6, 237, 236, "9", "C", '9', 'C'),
    Ch(111, 2, 1, 303, 302, "X", "U", 'X', 'U'),
    Ch(112, 2, 2, 305, 304, "Y", "V", 'Y', 'V'),
    Ch(113, 2, 3, 307, 306, "Z", "W", 'Z', 'W'),
    Ch(114, 2, 4, 227, 226, "4", "[", '4', '['),
    Ch(115, 2, 5, 229, 228, "5", "]", '5', ']'),
    Ch(116, 2, 6, 231, 230, "6", "SP", '6', ' '),
    Ch(117, 3, 1, 271, 270, "M", "I", 'M', 'I'),
    Ch(118, 3, 2, 297, 294, "S", "J", 'S', 'J'),
    Ch(119, 3, 3, 299, 298, "T", "K", 'T', 'K'),
    Ch(120, 3, 4, 221, 220, "1", ",", '1', ','),
    Ch(121, 3, 5, 223, 222, "2", "#", '2', '#'),
    Ch(122, 3, 6, 225, 224, "3", "=", '3', '='),
    Ch(123, 4, 1, 255, 254, "F", "L", 'F', 'L'),
    Ch(124, 4, 2, 261, 260, "H", "D", 'H', 'D'),
    Ch(125, 4, 3, 253, 252, "EOB", "E", 'E', 'E'),
    Ch(126, 4, 4, 273, 272, "−", "+", '-', '+'),
    Ch(127, 4, 5, 218, 219, "0", "*", '0', '*'),
    Ch(128, 4, 6, 249, 248, ".", "/", '.', '/'),

    // Function keys and the cursor block.
    {160, {413, 175, 446, 209}, 285, 284, S::Function, E::NoHandler, "POS", ""},
    {161, {447, 175, 480, 209}, 287, 286, S::Function, E::NoHandler, "PROG", ""},
    {162, {481, 175, 514, 209}, 278, 277, S::Function, E::NoHandler, "OFSET\nSET", ""},
    {132, {515, 175, 548, 209}, 296, 295, S::Function, E::Shift, "SHIFT", ""},
    {163, {549, 175, 581, 209}, 243, 242, S::Function, E::NoHandler, "CAN", ""},
    {164, {583, 175, 616, 209}, 263, 262, S::Function, E::NoHandler, "INPUT", ""},
    {165, {413, 210, 446, 244}, 293, 292, S::Function, E::NoHandler, "SYSTM", ""},
    {166, {447, 210, 480, 244}, 269, 268, S::Function, E::NoHandler, "MESGE", ""},
    {167, {481, 210, 514, 244}, 245, 244, S::Function, E::NoHandler, "CUSTM\nGRAPH", ""},
    {129, {515, 210, 548, 244}, 239, 238, S::Function, E::EditorModify, "ALTER", ""},
    {130, {549, 210, 581, 244}, 265, 264, S::Function, E::EditorInsert, "INSERT", ""},
    {131, {583, 210, 616, 244}, 247, 246, S::Function, E::EditorDelete, "DELTE", ""},
    {170, {413, 245, 446, 279}, 283, 282, S::Function, E::NoHandler, "PAGE\n▲", ""},
    {171, {413, 280, 445, 315}, 281, 280, S::Function, E::NoHandler, "PAGE\n▼", ""},
    {176, {447, 263, 480, 297}, 267, 266, S::Function, E::NoHandler, "◀", ""},
    {174, {481, 245, 514, 279}, 301, 300, S::Function, E::NoHandler, "▲", ""},
    {175, {481, 280, 514, 314}, 251, 250, S::Function, E::NoHandler, "▼", ""},
    {177, {515, 263, 548, 297}, 291, 290, S::Function, E::NoHandler, "▶", ""},
    {172, {583, 245, 616, 279}, 259, 258, S::Function, E::NoHandler, "HELP", ""},
    {173, {583, 280, 616, 314}, 289, 288, S::Function, E::Reset, "RESET", ""},

    // Machine control keys; their legends are printed above them.
    {141, {25, 369, 104, 450}, 329, 328, S::EmergencyStop, E::EmergencyStop, "急停", ""},
    {145, {53, 497, 86, 521}, 327, 326, S::MachineGreen, E::NoEffect, "ON", ""},
    {146, {53, 542, 86, 566}, 318, 317, S::MachineRed, E::NoEffect, "OFF", ""},
    {147, {53, 592, 86, 616}, 331, 330, S::KeySwitch, E::NoEffect, "PROTECT", ""},
    {149, {147, 502, 180, 526}, 327, 326, S::MachineGreen, E::SingleBlock, "SBK", ""},
    {138, {191, 502, 224, 526}, 327, 326, S::MachineGreen, E::NoEffect, "DNC", ""},
    {139, {235, 502, 268, 526}, 327, 326, S::MachineGreen, E::NoEffect, "DRN", ""},
    {150, {147, 592, 180, 616}, 318, 317, S::MachineRed, E::NoEffect, "//", ""},
    {152, {191, 592, 224, 616}, 318, 317, S::MachineRed, E::FeedHold, "<stop>", ""},
    {151, {235, 592, 268, 616}, 327, 326, S::MachineGreen, E::CycleStart, "<cycle>", ""},
    {148, {303, 502, 336, 526}, 327, 326, S::MachineGreen, E::SpindleCW, "CW", ""},
    {140, {350, 502, 383, 526}, 318, 317, S::MachineRed, E::SpindleStop, "STOP", ""},
    {142, {397, 502, 430, 526}, 327, 326, S::MachineGreen, E::SpindleCCW, "CCW", ""},
    {144, {303, 592, 336, 616}, 327, 326, S::MachineGreen, E::CoolantToggle, "COOL", ""},
    {143, {350, 592, 383, 616}, 327, 326, S::MachineGreen, E::NoEffect, "TOOL", ""},
    {153, {397, 592, 430, 616}, 331, 330, S::KeySwitch, E::NoEffect, "DRIVE", ""},
    {154, {476, 502, 509, 532}, 323, 322, S::ModeJog, E::ModeJog, "JOG", ""},
    {155, {476, 592, 509, 622}, 325, 324, S::ModeReference, E::ModeReference, "REF", ""},
    {136, {521, 502, 554, 526}, 310, 309, S::JogAxis, E::JogMinusX, "-X", ""},
    {134, {476, 547, 509, 571}, 312, 311, S::JogAxis, E::JogMinusZ, "-Z", ""},
    {137, {521, 547, 554, 571}, 321, 320, S::Rapid, E::RapidToggle, "快速", ""},
    {133, {566, 547, 599, 571}, 316, 315, S::JogAxis, E::JogPlusZ, "+Z", ""},
    {135, {521, 592, 554, 616}, 314, 313, S::JogAxis, E::JogPlusX, "+X", ""},
    {178, {566, 502, 599, 526}, 216, 215, S::Soft, E::NoHandler, "", ""},
    {179, {566, 592, 599, 616}, 216, 215, S::Soft, E::NoHandler, "", ""},
}};

} // namespace

std::span<const SPanelKey> PanelKeys() { return kKeys; }

const SPanelKey* FindPanelKey(int id)
{
    for (const SPanelKey& key : kKeys)
        if (key.id == id)
            return &key;
    return nullptr;
}

char KeyCharacter(const SPanelKey& key, int shift)
{
    if (key.effect != EKeyEffect::Character)
        return 0;
    return shift == 1 ? key.second : key.first;
}

bool NeedsShiftHeld(char ch) { return ch == '#' || ch == '+' || ch == '*'; }
