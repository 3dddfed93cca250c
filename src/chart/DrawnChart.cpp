// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DrawnChart.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "chart/HalfLifeColour.h"
#include "chart/NuclideFacts.h"

namespace nuklorama {
namespace {

constexpr std::array<std::string_view, 119> kElements{
    "n",  "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si",
    "P",  "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu",
    "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru",
    "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr",
    "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",
    "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac",
    "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf",
    "Db", "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og",
};

// The mass number as superscript digits, as it stands before a symbol.
std::string Superscript(long long number) {
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (const char c : std::to_string(number))
        text += c == '-' ? "⁻" : kDigits[c - '0'];
    return text;
}

// The half-life as read, the unit word as stored; a table's odd bytes stay visible but short.
std::string HalfLifeText(double value, const std::string& unit) {
    if (IsUnitWord(unit, "stable")) return "稳定";
    if (IsUnitWord(unit, "un")) return "半衰期未知";
    char number[32];
    std::snprintf(number, sizeof number, "%.15g", value);
    constexpr std::size_t kShownUnit = 24;
    const std::string shown = unit.size() > kShownUnit ? unit.substr(0, kShownUnit) + "…" : unit;
    return std::string("半衰期 ") + number + " " + shown;
}

}  // namespace

void DrawAgain(const DrawnChart& chart, Surface& picEl) {
    static const ExtraFieldTable kNone;
    DrawChartAs(chart.colouring, *chart.table, chart.extras ? *chart.extras : kNone, chart.cellSize,
                chart.overlays, picEl);
}

std::optional<CellAt> FindCell(const DrawnChart& chart, int xPixel, int yPixel) {
    const int c = chart.cellSize;
    if (!chart.table || c <= 0 || xPixel < 0 || yPixel < 0 || xPixel >= chart.widthPixels ||
        yPixel >= chart.heightPixels)
        return std::nullopt;
    CellAt cell{yPixel / c, xPixel / c, 0};
    const NuclideTable& t = *chart.table;
    // Drawn in record order, so the last record of a cell is the one on top.
    for (int i = std::min<int>(t.NuclideCount, NuclideTable::kMaxRecords); i >= 1; --i) {
        const auto r = static_cast<std::size_t>(i);
        if (t.ProtonNumber[r] == cell.Z && t.NeutronNumber[r] == cell.N) {
            cell.record = i;
            break;
        }
    }
    return cell;
}

std::string ElementSymbol(std::int32_t Z) {
    return Z >= 0 && Z < std::int32_t(kElements.size()) ? std::string(kElements[std::size_t(Z)])
                                                        : std::string();
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
    const std::string facts =
        chart.extras ? DescribeExtraFields(chart.extras->Of(cell->record), A, symbol) : "";
    return name + numbers + ", A = " + std::to_string(A) + "\n" +
           HalfLifeText(chart.table->HalfLife[r], chart.table->HalfLifeUnit[r]) + facts;
}

}  // namespace nuklorama
