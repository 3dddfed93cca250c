// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <functional>
#include <string>
#include <unordered_map>

#include "chart/CellIndex.h"
#include "chart/Chart.h"
#include "chart/LabelPlan.h"
#include "chart/Viewport.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// DejaVu Sans at one pixel size, unhinted so that it measures and draws alike on every surface;
// a character it lacks (the words 稳定 and 未知) comes from the font that has it. Each character's
// glyph and advance are looked up once: labels are short runs of plain characters, set from these
// directly, without shaping.
class LabelFont {
public:
    explicit LabelFont(int pixels);
    LabelFont(const LabelFont&) = delete;

    int Pixels() const { return font_.pixelSize(); }
    const QFont& Font() const { return font_; }
    const QRawFont& Raw() const { return raw_; }
    double Ascent() const { return ascent_; }
    double Height() const { return height_; }
    // 0 when DejaVu Sans lacks the character.
    quint32 GlyphOf(QChar c) const { return Of(c).index; }
    double Advance(QChar c) const { return Of(c).advance; }
    double Width(const QString& text) const;

private:
    struct Glyph {
        quint32 index;
        double advance;
    };
    const Glyph& Of(QChar c) const;

    QFont font_;
    QRawFont raw_;
    double ascent_, height_;
    mutable std::unordered_map<char16_t, Glyph> glyphs_;
};

// One line of a label as placed on the output.
struct PlacedText {
    QPointF baseline;  // of the text's left end
    const LabelFont* font;
    QString text;
    Colour colour;
};

// The one way labels are set, for every surface: the plan's lines in its fonts, a longer text
// first smaller (never below readable), then cut with "…", centred in its box inside the margins,
// in black or white, whichever stands out more from the cell's main colour.
class LabelLayout {
public:
    // The second line's text of a record; the half-life when none is given.
    using SecondLine = std::function<std::string(int record)>;

    explicit LabelLayout(const LabelPlan& plan);
    const LabelPlan& Plan() const { return plan_; }

    // Every line of every labelled cell the viewport shows, to use.
    void Place(const NuclideTable& table, const CellIndex& cells, const CellColouring& colouring,
               const Viewport& view, const SecondLine& second,
               const std::function<void(const PlacedText&)>& use) const;

private:
    struct Line {
        LabelFont font, smaller;
    };
    PlacedText Fit(const Line& line, double left, double top, double width, double height,
                   const QString& text, Colour colour) const;

    LabelPlan plan_;
    Line name_, second_;
};

}  // namespace nuklorama
