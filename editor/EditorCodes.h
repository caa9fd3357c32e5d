#pragma once
// Data tables of the statement editor: the code list and, per code, the
// fields it enables.
#include "editor/EditorForm.h"
#include "program/Codes.h"

#include <span>
#include <string_view>

struct SPreset {
    EField field = EField::Line;
    const char* text = nullptr;
};

// On choosing a code: enable these, disable those (the rest keep their
// state), preset texts.
struct SCodeEnabling {
    unsigned enable = 0;
    unsigned disable = 0;
    SPreset presets[10] = {};
};

// One entry of the editor's code list. The editor names the two lines of a
// roughing cycle apart ("G71(1)", "G71(2)") and offers a tool entry "T", so
// it keeps its own texts beside the code each stands for.
struct SCodeRow {
    std::string_view code; // the list text
    ECode id = ECode::None; // none for the tool entry
    SCodeEnabling chosen; // when the code is chosen in the list box
    unsigned clicked = 0; // when a row of the code is clicked: enabled, all other word fields disabled
};

unsigned FieldBit(EField field);
unsigned AllWordFields();
std::span<const SCodeRow> CodeRows();
const SCodeRow* FindCodeRow(std::string_view code);
// First entry that begins with code, ignoring case; -1 for none or empty code.
int FindCodePrefix(std::string_view code);
