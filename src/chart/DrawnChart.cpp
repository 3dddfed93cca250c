// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DrawnChart.h"

#include <cstdio>

#include "base/Notation.h"
#include "chart/Elements.h"
#include "chart/NuclideFacts.h"
#include "chart/Viewport.h"

namespace nuklorama {
namespace {

// The half-life in the chart's notation; one whose unit the chart cannot read as read, a table's
// odd bytes visible but short.
std::string HalfLifeText(double value, const std::string& unit) {
    if (IsUnitWord(unit, "stable")) return Say(Word::Stable);
    if (IsUnitWord(unit, "un")) return Say(Word::HalfLifeUnknown);
    if (const std::string shown = PreciseHalfLife(value, unit); !shown.empty())
        return Say(Word::HalfLife, shown);
    char number[32];
    std::snprintf(number, sizeof number, "%.15g", value);
    constexpr std::size_t kShownUnit = 24;
    return Say(Word::HalfLife, number + (" " + Truncated(unit, kShownUnit)));
}

}  // namespace

CellColouring ColoursOf(const DrawnChart& chart) {
    static const ExtraFieldTable kNone;
    return ColouringOf(chart.colouring, *chart.table, chart.extras ? *chart.extras : kNone,
                       chart.quantities);
}

void DrawAgain(const DrawnChart& chart, Surface& picEl) {
    DrawChart(*chart.table, chart.cellSize, chart.overlays, picEl, ColoursOf(chart));
}

Frame FrameOf(const DrawnChart& chart, const Viewport& view) {
    Frame frame = ChartFrame(*chart.table, chart.cells.get(), ColoursOf(chart), chart.colouring,
                             chart.overlays, chart.twipsPerPixel, view);
    frame.quantities = chart.quantities.get();
    return frame;
}

std::optional<CellAt> FindCell(const DrawnChart& chart, int xPixel, int yPixel) {
    const auto shown = Viewport::Picture(chart.cellSize, chart.widthPixels, chart.heightPixels)
                           .ShownCellAt(xPixel, yPixel);
    if (!chart.table || !shown) return std::nullopt;
    CellAt cell{shown->Z, shown->N, 0};
    cell.record =
        chart.cells ? chart.cells->At(cell.Z, cell.N) : CellIndex(*chart.table).At(cell.Z, cell.N);
    return cell;
}

std::string ElementSymbol(std::int32_t Z) {
    const auto element = ElementOf(Z);
    return element ? std::string(element->symbol) : std::string();
}

std::string DescribeCell(const DrawnChart& chart, int xPixel, int yPixel) {
    const auto cell = FindCell(chart, xPixel, yPixel);
    if (!cell) return {};
    const std::string symbol = ElementSymbol(cell->Z);
    const std::string numbers =
        "Z = " + std::to_string(cell->Z) + ", N = " + std::to_string(cell->N);
    if (cell->record == 0) return symbol.empty() ? numbers : symbol + "\n" + numbers;
    const auto r = static_cast<std::size_t>(cell->record);
    const long long A = (long long)cell->Z + cell->N;
    const std::string name = symbol.empty() ? "" : Superscript(A) + symbol + "\n";
    const ExtraFields fields = chart.extras ? chart.extras->Of(cell->record) : ExtraFields{};
    // The half-life as the evaluation gives it says its limits; without it, fields 5 and 6 speak.
    const std::string given = HalfLifeFact(fields.halfLife);
    const std::string value =
        chart.quantities ? ValueFact(chart.colouring, *chart.quantities, cell->record) : "";
    return (value.empty() ? "" : value + "\n") + name + numbers + ", A = " + std::to_string(A) +
           "\n" +
           (given.empty() ? HalfLifeText(chart.table->HalfLife[r], chart.table->HalfLifeUnit[r])
                          : given) +
           DescribeExtraFields(fields, A, symbol);
}

}  // namespace nuklorama
