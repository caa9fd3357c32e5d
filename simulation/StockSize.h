#pragma once
// The stock-size dialog's fields, their limits and the command's checks.
#include <optional>
#include <string>
#include <string_view>

struct SStockSize {
    double length = 0.0;        // mm
    double outerDiameter = 0.0; // mm
    double innerDiameter = 0.0; // mm, 0 for a solid bar
};

enum class EStockField { Length, OuterDiameter, InnerDiameter };

struct SStockFieldRule {
    EStockField field;
    int control;            // control id of the field's edit
    std::string_view name;  // how a message names it
    double min, max;        // allowed, both ends included
};

const SStockFieldRule& StockFieldRule(EStockField field);

// The value of a field's text, or the message that refuses it: text that is
// not a number, or a number outside the field's range.
struct SStockFieldValue {
    double value = 0.0;
    std::string error; // empty when accepted
};
SStockFieldValue ParseStockField(EStockField field, std::string_view text);

// Stock this long asks for the tailstock cone.
inline constexpr double kLongStock = 300.0;

// A bore must leave the bar a wall: the refusal, or empty when it does.
std::string StockWallError(const SStockSize& size);

struct CSimulation;
class CSimulationOutput;
enum class ESpindle;

// The stock may be changed only with the spindle stopped and the chuck open;
// otherwise the warning is raised and false returned.
bool StockMayBeChanged(const CSimulation& sim, ESpindle spindle, CSimulationOutput& out);
// Takes the dialog's values; long stock without the cone gets the reminder.
void ApplyStockSize(CSimulation& sim, const SStockSize& size, CSimulationOutput& out);
