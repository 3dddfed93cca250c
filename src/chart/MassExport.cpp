// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/MassExport.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "base/Notation.h"
#include "chart/Elements.h"

namespace nuklorama {
namespace {

// A cell: its text, or nothing for not available.
using Cell = std::optional<std::string>;

// A number as JSON and CSV readers take it; nothing for one that overflowed.
Cell Number(double value, std::optional<int> decimals) {
    if (!std::isfinite(value)) return std::nullopt;
    char text[400];
    const auto end = decimals ? std::to_chars(text, text + sizeof text, value,
                                              std::chars_format::fixed, *decimals)
                              : std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

Cell Energy(const std::optional<Measured>& value, bool uncertainty = false) {
    if (!value) return std::nullopt;
    return Number(uncertainty ? value->uncertainty : value->value, 3);
}

struct Column {
    std::string name;
    bool text = false;  // quoted in JSON
};

class Rows {
public:
    explicit Rows(ExportFormat format) : json_(format == ExportFormat::Json) {}

    void Add(std::string name, bool text = false) { columns_.push_back({std::move(name), text}); }
    void Begin() {
        if (json_) {
            out_ = "[";
        } else {
            for (std::size_t i = 0; i < columns_.size(); ++i)
                out_ += (i > 0 ? "," : "") + columns_[i].name;
            out_ += "\n";
        }
    }
    void Row(const std::vector<Cell>& cells) {
        if (json_) out_ += rows_++ > 0 ? ",\n{" : "\n{";
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out_ += ",";
            if (json_) out_ += "\"" + columns_[i].name + "\":";
            if (!cells[i])
                out_ += json_ ? "null" : "";
            else if (json_ && columns_[i].text)
                out_ += "\"" + *cells[i] + "\"";
            else
                out_ += *cells[i];
        }
        out_ += json_ ? "}" : "\n";
    }
    std::string End() { return json_ ? out_ + "\n]\n" : out_; }

private:
    bool json_;
    std::vector<Column> columns_;
    std::string out_;
    int rows_ = 0;
};

std::string Stem(MassQuantity quantity) {
    std::string stem(InfoOf(quantity).name);
    for (char& c : stem)
        if (c == '-') c = '_';
    return stem;
}

std::string WithUnit(const std::string& name, std::string_view unit) {
    return unit.empty() ? name : name + "_" + std::string(unit);
}

}  // namespace

std::string ExportMasses(const NuclideTable& table, const ExtraFieldTable& extras,
                         const MassQuantities& quantities, const std::vector<MassQuantity>& which,
                         ExportFormat format) {
    Rows rows(format);
    for (const char* name : {"z", "n", "a"})
        rows.Add(name);
    rows.Add("symbol", true);
    rows.Add("half_life_s");
    rows.Add("mass_excess_keV");
    for (const MassQuantity q : which) {
        const QuantityInfo& info = InfoOf(q);
        rows.Add(WithUnit(Stem(q), info.unit));
        if (info.uncertain) rows.Add(WithUnit(Stem(q) + "_unc", info.unit));
        if (info.estimable) rows.Add(Stem(q) + "_estimated");
    }
    rows.Begin();

    std::vector<Cell> cells;
    for (int r = 1; r <= table.NuclideCount; ++r) {
        const long long z = table.ProtonNumber[std::size_t(r)];
        const long long n = table.NeutronNumber[std::size_t(r)];
        const auto element =
            z >= 0 && z <= kLastElement ? ElementOf(std::int32_t(z)) : std::nullopt;
        const auto seconds =
            HalfLifeSeconds(table.HalfLife[std::size_t(r)], table.HalfLifeUnit[std::size_t(r)]);
        cells = {std::to_string(z),
                 std::to_string(n),
                 std::to_string(z + n),
                 std::string(element ? element->symbol : ""),
                 seconds ? Number(*seconds, std::nullopt) : std::nullopt,
                 Energy(MassExcess(extras.Of(r)))};
        for (const MassQuantity q : which) {
            const QuantityInfo& info = InfoOf(q);
            const std::optional<Measured>& value = quantities.Of(r, q);
            if (info.unit == "keV")
                cells.push_back(Energy(value));
            else
                cells.push_back(value ? Number(value->value, std::nullopt) : std::nullopt);
            if (info.uncertain) cells.push_back(Energy(value, true));
            if (info.estimable)
                cells.push_back(value ? Cell(value->estimated ? "true" : "false") : std::nullopt);
        }
        rows.Row(cells);
    }
    return rows.End();
}

}  // namespace nuklorama
