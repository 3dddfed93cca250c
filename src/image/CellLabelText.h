// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <QRectF>
#include <string>
#include <unordered_map>

#include "chart/CellIndex.h"
#include "chart/CellLabel.h"
#include "chart/Chart.h"
#include "chart/Viewport.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// The cells' labels as text, for the outputs that keep text as text (SVG, PDF, print): the same
// words, colours and proportions as the window's labels, in DejaVu Sans. Needs a
// QGuiApplication for the fonts.
class CellLabelText {
public:
    // For cells of cellSize units, with the half-life under the name when asked; margins of at
    // least minMargin units.
    CellLabelText(double cellSize, bool halfLives, double minMargin);

    void Paint(QPainter& painter, const NuclideTable& table, const CellIndex& cells,
               const CellColouring& colouring, const Viewport& where) const;
    // SVG text elements, clipped to the area.
    std::string Svg(const NuclideTable& table, const CellIndex& cells,
                    const CellColouring& colouring, const Viewport& where) const;

private:
    // A font with the glyph and advance of each character it has met: labels are short runs of
    // plain characters, so they are set from these directly, without shaping each one.
    class Measured {
    public:
        explicit Measured(int pixels);
        const QFont& Font() const { return font_; }
        double Width(const QString& text) const;
        double Ascent() const { return ascent_; }
        double Height() const { return height_; }
        const QRawFont& Raw() const { return raw_; }
        // Adds the text's glyphs, set from its left end on the baseline, to the run's indexes and
        // positions; false, adding nothing, when the font lacks one of them.
        bool AddTo(QList<quint32>& indexes, QList<QPointF>& positions, const QString& text,
                   QPointF baseline) const;

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
    struct Line {
        Measured font, smaller;
    };
    struct Placed {
        QPointF baseline;  // of the text's left end
        const Measured& font;
        QString text;
        QColor colour;
        std::optional<QRectF> plate;  // under the text, in plateColour
        QColor plateColour;
    };
    static Line LineOf(int pixels);
    template <typename Use>
    void ForEachLine(const NuclideTable& table, const CellIndex& cells,
                     const CellColouring& colouring, const Viewport& where, const Use& use) const;
    Placed Place(const Line& line, const QRectF& box, const QString& text,
                 const LabelInk& ink) const;

    bool halfLives_;
    double margin_;
    Line name_, halfLife_;
};

}  // namespace nuklorama
