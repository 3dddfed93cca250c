// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/CellLabelText.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "chart/CellLabel.h"
#include "chart/HalfLifeColour.h"

namespace nuklorama {
namespace {

constexpr const char* kFontFamily = "DejaVu Sans";

QFont FontOfPixels(int pixels) {
    QFont font(kFontFamily);
    font.setPixelSize(std::max(pixels, 1));
    // Outlines as designed: the text is scaled and printed, never fitted to a screen's pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The largest size up to pixels at which the widest text fits the width.
int FittingPixels(int pixels, std::u32string_view widest, double width) {
    const QString text = QString::fromStdU32String(std::u32string(widest));
    const double wide = QFontMetricsF(FontOfPixels(pixels)).horizontalAdvance(text);
    if (wide > width) pixels = int(pixels * width / wide);
    while (pixels > 1 && QFontMetricsF(FontOfPixels(pixels)).horizontalAdvance(text) > width)
        --pixels;
    return std::max(pixels, 1);
}

std::string XmlEscaped(const QString& text) {
    std::string out;
    for (const char c : text.toStdString()) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

}  // namespace

CellLabelText::Measured::Measured(int pixels)
    : font_(FontOfPixels(pixels)), raw_(QRawFont::fromFont(font_)) {
    const QFontMetricsF metrics(font_);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
}

const CellLabelText::Measured::Glyph& CellLabelText::Measured::Of(QChar c) const {
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

double CellLabelText::Measured::Width(const QString& text) const {
    double width = 0;
    for (const QChar c : text)
        width += Of(c).advance;
    return width;
}

bool CellLabelText::Measured::AddTo(QList<quint32>& indexes, QList<QPointF>& positions,
                                    const QString& text, QPointF baseline) const {
    for (const QChar c : text)
        if (Of(c).index == 0) return false;
    for (const QChar c : text) {
        const Glyph& glyph = Of(c);
        indexes << glyph.index;
        positions << baseline;
        baseline.rx() += glyph.advance;
    }
    return true;
}

CellLabelText::Line CellLabelText::LineOf(int pixels) {
    return {Measured(pixels), Measured(pixels * 3 / 4)};
}

CellLabelText::CellLabelText(double cellSize, bool halfLives, double minMargin)
    : halfLives_(halfLives),
      margin_(std::max(minMargin, cellSize / kCellsPerMargin)),
      name_(LineOf(FittingPixels(int(cellSize * (halfLives ? kNameFontShare : kNameOnlyFontShare)),
                                 kWidestName, cellSize - 2 * margin_))),
      halfLife_(LineOf(FittingPixels(int(cellSize * kHalfLifeFontShare), kWidestHalfLife,
                                     cellSize - 2 * margin_))) {}

CellLabelText::Placed CellLabelText::Place(const Line& line, const QRectF& box, const QString& text,
                                           const LabelInk& ink) const {
    // As the window's labels: the smaller size, then elided, rather than overflowing.
    const Measured* font = &line.font;
    QString shown = text;
    double width = font->Width(shown);
    if (width > box.width()) width = (font = &line.smaller)->Width(shown);
    while (!shown.isEmpty() && width > box.width()) {
        shown.chop(1);
        width = font->Width(shown + QChar(0x2026));
        if (width <= box.width()) shown += QChar(0x2026);
    }
    const QPointF baseline(box.left() + (box.width() - width) / 2,
                           box.top() + (box.height() - font->Height()) / 2 + font->Ascent());
    const auto qColour = [](Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); };
    Placed placed{baseline, *font, shown, qColour(ink.text), std::nullopt, QColor()};
    if (ink.plate) {
        placed.plate =
            QRectF(baseline.x() - 1, baseline.y() - font->Ascent(), width + 2, font->Height()) &
            box;
        placed.plateColour = qColour(*ink.plate);
    }
    return placed;
}

template <typename Use>
void CellLabelText::ForEachLine(const NuclideTable& table, const CellIndex& cells,
                                const CellColouring& colouring, const Viewport& where,
                                const Use& use) const {
    const double s = where.cellSize;
    const CellSpan shown = where.Visible();
    for (std::int32_t Z = shown.firstZ; Z <= shown.lastZ; ++Z) {
        for (const CellIndex::Cell& e : cells.RowBetween(Z, shown.firstN, shown.lastN)) {
            const auto r = static_cast<std::size_t>(e.record);
            const QRectF inside = QRectF(double(where.Left(e.N)), double(where.Top(Z)), s, s)
                                      .adjusted(margin_, margin_, -margin_, -margin_);
            const LabelInk colour = InkFor(colouring(e.record));
            const QString name = QString::fromStdString(NuclideName(Z, e.N));
            if (!halfLives_) {
                use(Place(name_, inside, name, colour));
                continue;
            }
            const double upper = std::floor(inside.height() * 3 / 5);
            use(Place(name_, QRectF(inside.left(), inside.top(), inside.width(), upper), name,
                      colour));
            use(Place(
                halfLife_,
                QRectF(inside.left(), inside.top() + upper, inside.width(),
                       inside.height() - upper),
                QString::fromStdString(ShortHalfLife(table.HalfLife[r], table.HalfLifeUnit[r])),
                colour));
        }
    }
}

void CellLabelText::Paint(QPainter& painter, const NuclideTable& table, const CellIndex& cells,
                          const CellColouring& colouring, const Viewport& where) const {
    // All labels of one font and colour are one run of glyphs: a page of thousands of labels
    // is a few text objects, not thousands.
    struct Run {
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    std::map<std::pair<const Measured*, QRgb>, Run> runs;
    painter.save();
    painter.setClipRect(QRect(where.left, where.top, where.width, where.height), Qt::IntersectClip);
    ForEachLine(table, cells, colouring, where, [&](const Placed& p) {
        if (p.plate) painter.fillRect(*p.plate, p.plateColour);
        Run& run = runs[{&p.font, p.colour.rgb()}];
        if (p.font.AddTo(run.indexes, run.positions, p.text, p.baseline)) return;
        // Characters of another script, from the font that has them.
        painter.setFont(p.font.Font());
        painter.setPen(p.colour);
        painter.drawText(p.baseline, p.text);
    });
    for (const auto& [key, run] : runs) {
        QGlyphRun glyphs;
        glyphs.setRawFont(key.first->Raw());
        glyphs.setGlyphIndexes(run.indexes);
        glyphs.setPositions(run.positions);
        painter.setPen(QColor(key.second));
        painter.drawGlyphRun(QPointF(), glyphs);
    }
    painter.restore();
}

std::string CellLabelText::Svg(const NuclideTable& table, const CellIndex& cells,
                               const CellColouring& colouring, const Viewport& where) const {
    const QRectF a(where.left, where.top, where.width, where.height);
    std::string svg = "<clipPath id=\"labels\"><rect x=\"" + Number(a.x()) + "\" y=\"" +
                      Number(a.y()) + "\" width=\"" + Number(a.width()) + "\" height=\"" +
                      Number(a.height()) + "\"/></clipPath>\n<g clip-path=\"url(#labels)\" " +
                      "font-family=\"" + kFontFamily + ", sans-serif\">\n";
    ForEachLine(table, cells, colouring, where, [&](const Placed& p) {
        if (p.plate)
            svg += "<rect x=\"" + Number(p.plate->x()) + "\" y=\"" + Number(p.plate->y()) +
                   "\" width=\"" + Number(p.plate->width()) + "\" height=\"" +
                   Number(p.plate->height()) + "\" fill=\"" + p.plateColour.name().toStdString() +
                   "\"/>\n";
        svg += "<text x=\"" + Number(p.baseline.x()) + "\" y=\"" + Number(p.baseline.y()) +
               "\" font-size=\"" + std::to_string(p.font.Font().pixelSize()) + "\" fill=\"" +
               p.colour.name().toStdString() + "\">" + XmlEscaped(p.text) + "</text>\n";
    });
    return svg + "</g>\n";
}

}  // namespace nuklorama
