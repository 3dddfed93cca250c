// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/LabelLayout.h"

#include <QFontMetricsF>
#include <algorithm>

#include "chart/CellLabel.h"

namespace nuklorama {
namespace {

constexpr QLatin1StringView kFontFamily("DejaVu Sans");

QFont FontOfPixels(int pixels) {
    QFont font(kFontFamily);
    font.setPixelSize(std::max(pixels, 1));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

LabelFont::LabelFont(int pixels) : font_(FontOfPixels(pixels)), raw_(QRawFont::fromFont(font_)) {
    const QFontMetricsF metrics(font_);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
}

const LabelFont::Glyph& LabelFont::Of(QChar c) const {
    auto [at, added] = glyphs_.try_emplace(c.unicode(), Glyph{0, 0});
    if (added) {
        quint32 index = 0;
        int count = 1;
        raw_.glyphIndexesForChars(&c, 1, &index, &count);
        QPointF advance;
        if (index != 0)
            raw_.advancesForGlyphIndexes(&index, &advance, 1, QRawFont::UseDesignMetrics);
        // A character of another script is measured in the font that will draw it.
        at->second = {index, index != 0 ? advance.x() : QFontMetricsF(font_).horizontalAdvance(c)};
    }
    return at->second;
}

double LabelFont::Width(const QString& text) const {
    double width = 0;
    for (const QChar c : text)
        width += Of(c).advance;
    return width;
}

LabelLayout::LabelLayout(const LabelPlan& plan)
    : plan_(plan),
      name_{LabelFont(plan.nameFont),
            LabelFont(std::max(plan.nameFont * 3 / 4, plan.smallestFont))},
      second_{LabelFont(plan.secondFont),
              LabelFont(std::max(plan.secondFont * 3 / 4, plan.smallestFont))} {}

PlacedText LabelLayout::Fit(const Line& line, double left, double top, double width, double height,
                            const QString& text, Colour colour) const {
    const LabelFont* font = &line.font;
    QString shown = text;
    double wide = font->Width(shown);
    if (wide > width) wide = (font = &line.smaller)->Width(shown);
    while (!shown.isEmpty() && wide > width) {
        shown.chop(1);
        wide = font->Width(shown) + font->Advance(QChar(0x2026));
        if (wide <= width) shown += QChar(0x2026);
    }
    return {
        QPointF(left + (width - wide) / 2, top + (height - font->Height()) / 2 + font->Ascent()),
        font, shown, colour};
}

void LabelLayout::Place(const NuclideTable& table, const CellIndex& cells,
                        const CellColouring& colouring, const Viewport& view,
                        const SecondLine& second,
                        const std::function<void(const PlacedText&)>& use) const {
    if (plan_.lines == 0) return;
    const int m = plan_.margin, inside = view.cellSize - 2 * m;
    const double upper = plan_.lines == 2 ? std::floor(inside * plan_.nameShare) : inside;
    const CellSpan shown = view.Visible();
    for (std::int32_t Z = shown.firstZ; Z <= shown.lastZ; ++Z) {
        for (const CellIndex::Cell& e : cells.RowBetween(Z, shown.firstN, shown.lastN)) {
            const double left = double(view.Left(e.N) + m), top = double(view.Top(Z) + m);
            const Colour ink = LabelColour(colouring(e.record).fill);
            use(Fit(name_, left, top, inside, upper, QString::fromStdString(NuclideName(Z, e.N)),
                    ink));
            if (plan_.lines < 2) continue;
            const auto r = static_cast<std::size_t>(e.record);
            const std::string text =
                second ? second(e.record) : ShortHalfLife(table.HalfLife[r], table.HalfLifeUnit[r]);
            use(Fit(second_, left, top + upper, inside, inside - upper,
                    QString::fromStdString(text), ink));
        }
    }
}

}  // namespace nuklorama
