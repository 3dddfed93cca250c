// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/LabelGlyphs.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>

#include "image/ImageSurface.h"

namespace nuklorama {
const LabelGlyphs::Glyph& LabelGlyphs::Of(const LabelFont& font, QChar c) {
    const quint64 key = quint64(font.Pixels()) << 16 | c.unicode();
    const auto found = glyphs_.find(key);
    if (found != glyphs_.end()) return found->second;
    // Drawn as the painter draws the same text: the same outline, one pixel of room around it.
    const QRect bounds =
        QFontMetricsF(font.Font()).boundingRect(QString(c)).toAlignedRect().adjusted(-1, -1, 1, 1);
    QImage drawn(bounds.size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setPen(Qt::white);
    if (const quint32 index = font.GlyphOf(c)) {
        QGlyphRun run;
        run.setRawFont(font.Raw());
        run.setGlyphIndexes({index});
        run.setPositions({QPointF(-bounds.left(), -bounds.top())});
        painter.drawGlyphRun(QPointF(), run);
    } else {
        painter.setFont(font.Font());
        painter.drawText(QPointF(-bounds.left(), -bounds.top()), QString(c));
    }
    painter.end();
    return glyphs_[key] = {drawn.convertToFormat(QImage::Format_Alpha8), bounds.topLeft()};
}

void LabelGlyphs::Write(QImage& image, const PlacedText& text, const QRect& clip) {
    const QRgb colour = ToQRgb(text.colour);
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    double x = text.baseline.x();
    const int y = int(std::lround(text.baseline.y()));
    for (const QChar c : text.text) {
        const Glyph& glyph = Of(*text.font, c);
        const QPoint pen(int(std::lround(x)), y);
        x += text.font->Advance(c);
        const QRect area = QRect(pen + glyph.corner, glyph.mask.size()) & clip;
        for (int row = area.top(); row <= area.bottom(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
            const uchar* cover = glyph.mask.constScanLine(row - pen.y() - glyph.corner.y());
            for (int column = area.left(); column <= area.right(); ++column) {
                const int a = cover[column - pen.x() - glyph.corner.x()];
                if (a == 0) continue;
                const QRgb d = line[column];
                line[column] =
                    qRgb(qRed(d) + (r - qRed(d)) * a / 255, qGreen(d) + (g - qGreen(d)) * a / 255,
                         qBlue(d) + (b - qBlue(d)) * a / 255);
            }
        }
    }
}

void LabelGlyphs::Paint(QImage& image, const LabelPlan& plan, const NuclideTable& table,
                        const CellIndex& cells, const CellColouring& colouring,
                        const Viewport& view, const LabelLayout::SecondLine& second) {
    if (plan.lines == 0) return;
    if (!layout_ || !(layout_->Plan() == plan)) layout_.emplace(plan);
    const QRect clip = QRect(view.left, view.top, view.width, view.height) & image.rect();
    layout_->Place(table, cells, colouring, view, second,
                   [&](const PlacedText& text) { Write(image, text, clip); });
}

}  // namespace nuklorama
