// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Colouring.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "base/Notation.h"
#include "base/Words.h"
#include "chart/DecayPalette.h"
#include "chart/MassColours.h"

namespace nuklorama {
namespace {

constexpr int kFirstMassView = int(Colouring::BindingEnergy);

// How the tool tip names each quantity, in MassQuantity's order; the last two in words.
constexpr std::array<const char*, kMassQuantityCount> kSymbols{
    "B/A",  "S_n",  "S_p",    "S_2n",   "S_2p", "Q_α", "Q_β⁻", "Q_EC",
    "δ_2n", "δ_2p", "Δ_n(3)", "Δ_p(3)", "σ(Δ)", "",    ""};

// In the legend's font; the figure translates those in words.
#define QT_TRANSLATE_NOOP(context, text) text
constexpr std::array<const char*, kMassQuantityCount> kHeadings{
    "B/A, MeV",
    "S_n, MeV",
    "S_p, MeV",
    "S_2n, MeV",
    "S_2p, MeV",
    "Q_α, MeV",
    "Q_β⁻, MeV",
    "Q_EC, MeV",
    "δ_2n, MeV",
    "δ_2p, MeV",
    "Δ_n(3), MeV",
    "Δ_p(3), MeV",
    QT_TRANSLATE_NOOP("ChartFigure", "质量不确定度，keV"),
    QT_TRANSLATE_NOOP("ChartFigure", "发现年份"),
    QT_TRANSLATE_NOOP("ChartFigure", "天然丰度，%"),
};

std::string UnitOf(MassQuantity q) {
    if (q == MassQuantity::DiscoveryYear) return "";
    if (q == MassQuantity::Abundance) return " %";
    return q == MassQuantity::MassUncertainty ? " keV" : " MeV";
}

}  // namespace

std::string QuantityNumber(MassQuantity q, double value) {
    char text[48];
    if (q == MassQuantity::DiscoveryYear)
        std::snprintf(text, sizeof text, "%.0f", value);
    else if (q == MassQuantity::MassUncertainty || q == MassQuantity::Abundance)
        std::snprintf(text, sizeof text, "%.4g", value);
    else
        std::snprintf(text, sizeof text, "%.3f", value / 1000);
    return text;
}

std::string QuantityHeading(MassQuantity quantity) {
    return kHeadings[std::size_t(quantity)];
}

std::optional<MassQuantity> QuantityShown(Colouring colouring) {
    if (int(colouring) < kFirstMassView) return std::nullopt;
    return MassQuantity(int(colouring) - kFirstMassView);
}

Colouring ViewOf(MassQuantity quantity) {
    return Colouring(int(quantity) + kFirstMassView);
}

std::optional<Colouring> ColouringNamed(std::string_view name) {
    if (name == "halflife") return Colouring::HalfLife;
    if (name == "decay") return Colouring::Decay;
    if (const auto q = QuantityNamed(name)) return ViewOf(*q);
    return std::nullopt;
}

CellColouring DecayColouring(const NuclideTable& table, const ExtraFieldTable& extras) {
    return [&table, &extras](int record) {
        const CellDecay decay = ClassifyDecay(
            extras.Decay(record), IsUnitWord(table.HalfLifeUnit[std::size_t(record)], "stable"));
        CellColours colours{DecayColour(decay.dominant), std::nullopt};
        if (decay.secondary) colours.corner = DecayColour(*decay.secondary);
        return colours;
    };
}

std::shared_ptr<const MassQuantities> QuantitiesFor(Colouring colouring, const Overlays& overlays,
                                                    const NuclideTable& table,
                                                    const ExtraFieldTable& extras,
                                                    std::shared_ptr<const MassQuantities> have) {
    std::vector<MassQuantity> needed;
    if (const auto q = QuantityShown(colouring)) needed.push_back(*q);
    if (overlays.drip)
        for (const MassQuantity q :
             {MassQuantity::Sn, MassQuantity::S2n, MassQuantity::Sp, MassQuantity::S2p})
            needed.push_back(q);
    if (needed.empty()) return nullptr;
    const auto held = [&have](MassQuantity q) { return have && have->Holds(q); };
    if (std::all_of(needed.begin(), needed.end(), held)) return have;
    return std::make_shared<const MassQuantities>(table, extras, needed);
}

CellColouring ColouringOf(Colouring colouring, const NuclideTable& table,
                          const ExtraFieldTable& extras,
                          std::shared_ptr<const MassQuantities> quantities) {
    const auto q = QuantityShown(colouring);
    if (!q)
        return colouring == Colouring::Decay ? DecayColouring(table, extras)
                                             : HalfLifeColouring(table);
    quantities = QuantitiesFor(colouring, {}, table, extras, std::move(quantities));
    return [quantities, q = *q](int record) {
        const auto& value = quantities->Of(record, q);
        return CellColours{MassColour(*quantities, record, q), std::nullopt,
                           value && value->estimated};
    };
}

std::string ValueInCell(Colouring colouring, const MassQuantities& quantities, int record) {
    const auto q = QuantityShown(colouring);
    if (!q) return {};
    const auto& value = quantities.Of(record, *q);
    return value ? QuantityNumber(*q, value->value) : "–";
}

std::string ValueFact(Colouring colouring, const MassQuantities& quantities, int record) {
    const auto q = QuantityShown(colouring);
    if (!q) return {};
    const std::string symbol = *q == MassQuantity::DiscoveryYear ? Say(Word::YearFound)
                               : *q == MassQuantity::Abundance   ? Say(Word::NaturalShare)
                                                                 : kSymbols[std::size_t(*q)];
    const auto& value = quantities.Of(record, *q);
    if (!value) return Say(Word::NoValue, symbol);
    std::string fact = symbol + " = " + QuantityNumber(*q, value->value);
    if (InfoOf(*q).uncertain) fact += " ± " + QuantityNumber(*q, value->uncertainty);
    return fact + UnitOf(*q) + (value->estimated ? Say(Word::Estimated) : "");
}

void DrawChartAs(Colouring colouring, const NuclideTable& table, const ExtraFieldTable& extras,
                 std::int16_t cellSize, const Overlays& overlays, Surface& picEl,
                 std::shared_ptr<const MassQuantities> quantities) {
    DrawChart(table, cellSize, overlays, picEl,
              ColouringOf(colouring, table, extras, std::move(quantities)));
}

}  // namespace nuklorama
