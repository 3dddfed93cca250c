// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/FrameRenderer.h"

#include <QGlyphRun>
#include <algorithm>
#include <cmath>
#include <map>

#include "chart/ChainOverlay.h"
#include "chart/Region.h"
#include "image/ChainPainter.h"
#include "image/ImageSurface.h"
#include "image/Png.h"
#include "image/Svg.h"
#include "image/ViewSurface.h"

namespace nuklorama {
namespace {

QColor QColour(Colour c) {
    return QColor(ToQRgb(c));
}

// In a mass view the cells' second lines say the value.
Frame WithValues(Frame frame) {
    if (!frame.secondLine && frame.quantities && QuantityShown(frame.colours))
        frame.secondLine = [q = frame.quantities, c = frame.colours](int record) {
            return ValueInCell(c, *q, record);
        };
    return frame;
}

}  // namespace

void PaintChart(QPainter& painter, const RecordedSurface& chart, QPoint origin) {
    const QRect clip = painter.hasClipping()
                           ? painter.clipBoundingRect().toAlignedRect()
                           : QRect(origin, QSize(chart.WidthPixels(), chart.HeightPixels()));
    const auto fill = [&](const QRect& r, Colour colour) {
        if (r.intersects(clip)) painter.fillRect(r, QColour(colour));
    };
    fill(QRect(origin, QSize(chart.WidthPixels(), chart.HeightPixels())), kBackground);
    for (const auto& [rect, colour] : chart.Boxes())
        fill(QRect(origin + QPoint(rect.left, rect.top), QSize(rect.Width(), rect.Height())),
             colour);
}

void PaintSelectionMark(QPainter& painter, const Viewport& view, ChartCell cell, double ratio) {
    const int s = view.cellSize;
    const long long left = view.Left(cell.N), top = view.Top(cell.Z);
    if (left < view.left - s || top < view.top - s || left > view.left + view.width ||
        top > view.top + view.height)
        return;
    const int w = std::max(2, int(std::lround(2 * ratio)));
    const auto ring = [&painter, w](const QRect& r, Colour colour) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), QColour(colour));
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), QColour(colour));
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), QColour(colour));
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), QColour(colour));
    };
    const QRect box(int(left), int(top), s, s);
    ring(box, kSelectionColour);
    if (s >= 6 * w) ring(box.adjusted(w, w, -w, -w), kSelectionInnerColour);
}

FrameRenderer::FrameRenderer(const Frame& frame)
    : frame_(WithValues(frame)),
      chart_(frame.view),
      // Where labels are written, a split cell's second colour keeps clear of them.
      cornerSide_(frame.labels.lines > 0 ? frame.labels.cornerSide : INT16_MAX) {
    if (frame.figure.shown) {
        figure_.emplace(frame);
        chart_ = figure_->Chart();
        size_ = figure_->Size();
    } else {
        size_ = QSize(chart_.left + chart_.width, chart_.top + chart_.height);
    }
}

RecordedSurface FrameRenderer::Boxes() const {
    return DrawWindow(*frame_.table, chart_, frame_.overlays, frame_.twipsPerPixel,
                      frame_.colouring, cornerSide_);
}

void FrameRenderer::Draw(QImage& image, LabelGlyphs& glyphs) const {
    if (figure_) {
        QPainter painter(&image);
        PaintFigure(painter, QRect(QPoint(), size_));
    }
    ViewSurface surface(image, chart_, frame_.twipsPerPixel);
    surface.Cls();
    DrawChart(*frame_.table, std::int16_t(chart_.cellSize), frame_.overlays, surface,
              frame_.colouring, cornerSide_);
    if (frame_.cells)
        glyphs.Paint(image, frame_.labels, *frame_.table, *frame_.cells, frame_.colouring, chart_,
                     frame_.secondLine);
    if (frame_.chain) {
        QPainter painter(&image);
        PaintChainOver(painter);
    }
}

void FrameRenderer::PaintChainOver(QPainter& painter) const {
    if (!frame_.chain) return;
    painter.save();
    painter.setClipRect(QRect(chart_.left, chart_.top, chart_.width, chart_.height),
                        Qt::IntersectClip);
    PaintChain(painter, ShapesOf(*frame_.chain, chart_));
    painter.restore();
}

void FrameRenderer::PaintFigure(QPainter& painter, const QRect& clip) const {
    const auto fill = [&](const QRect& r, Colour colour) {
        if (r.intersects(clip)) painter.fillRect(r, QColour(colour));
    };
    fill(QRect(QPoint(), size_), kWhite);
    for (const ChartFigure::Swatch& s : figure_->Swatches())
        fill(s.box, s.colour);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    for (const ChartFigure::Text& t : figure_->Texts()) {
        const QFontMetricsF metrics(figure_->FontOf(t));
        if (t.baseline.y() + metrics.descent() < clip.top() ||
            t.baseline.y() - metrics.ascent() > clip.bottom() + 1)
            continue;
        painter.setFont(figure_->FontOf(t));
        const double width = metrics.horizontalAdvance(t.text);
        const double shift = t.anchor == TextAnchor::Start    ? 0
                             : t.anchor == TextAnchor::Middle ? width / 2
                                                              : width;
        painter.drawText(QPointF(t.baseline.x() - shift, t.baseline.y()), t.text);
    }
}

void FrameRenderer::PaintLabels(QPainter& painter) const {
    if (frame_.labels.lines == 0 || !frame_.cells) return;
    // All labels of one font and colour are one run of glyphs: a page of thousands of labels
    // is a few text objects, not thousands.
    struct Run {
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    std::map<std::pair<const LabelFont*, Colour>, Run> runs;
    painter.save();
    painter.setClipRect(QRect(chart_.left, chart_.top, chart_.width, chart_.height),
                        Qt::IntersectClip);
    const LabelLayout layout(frame_.labels);
    layout.Place(*frame_.table, *frame_.cells, frame_.colouring, chart_, frame_.secondLine,
                 [&](const PlacedText& p) {
                     const auto lacking = [&p](QChar c) { return p.font->GlyphOf(c) == 0; };
                     if (std::any_of(p.text.begin(), p.text.end(), lacking)) {
                         // Characters of another script, from the font that has them.
                         painter.setFont(p.font->Font());
                         painter.setPen(QColour(p.colour));
                         painter.drawText(p.baseline, p.text);
                         return;
                     }
                     Run& run = runs[{p.font, p.colour}];
                     QPointF at = p.baseline;
                     for (const QChar c : p.text) {
                         run.indexes << p.font->GlyphOf(c);
                         run.positions << at;
                         at.rx() += p.font->Advance(c);
                     }
                 });
    for (const auto& [key, run] : runs) {
        QGlyphRun glyphs;
        glyphs.setRawFont(key.first->Raw());
        glyphs.setGlyphIndexes(run.indexes);
        glyphs.setPositions(run.positions);
        painter.setPen(QColour(key.second));
        painter.drawGlyphRun(QPointF(), glyphs);
    }
    painter.restore();
}

void FrameRenderer::Paint(QPainter& painter) const {
    const QRect clip =
        painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect(QPoint(), size_);
    if (figure_) PaintFigure(painter, clip);
    PaintChart(painter, Boxes(), QPoint(chart_.left, chart_.top));
    PaintLabels(painter);
    PaintChainOver(painter);
}

std::string FrameRenderer::SvgChainOver() const {
    if (!frame_.chain) return {};
    const QRect a(chart_.left, chart_.top, chart_.width, chart_.height);
    return "<clipPath id=\"chain\">" + SvgRect(a, kWhite) +
           "</clipPath>\n<g clip-path=\"url(#chain)\" shape-rendering=\"geometricPrecision\">\n" +
           SvgChain(ShapesOf(*frame_.chain, chart_)) + "</g>\n";
}

std::string FrameRenderer::SvgLabels() const {
    if (frame_.labels.lines == 0 || !frame_.cells) return {};
    const QRect a(chart_.left, chart_.top, chart_.width, chart_.height);
    std::string svg = "<clipPath id=\"labels\">" + SvgRect(a, kWhite) +
                      "</clipPath>\n<g clip-path=\"url(#labels)\">\n";
    LabelLayout(frame_.labels)
        .Place(*frame_.table, *frame_.cells, frame_.colouring, chart_, frame_.secondLine,
               [&](const PlacedText& p) {
                   svg += SvgText(p.baseline, {p.font->Pixels()}, p.text, p.colour);
               });
    return svg + "</g>\n";
}

std::string FrameRenderer::Svg() const {
    const RecordedSurface boxes = Boxes();
    if (!figure_)
        return SvgDocument(size_.width(), size_.height(),
                           SvgElements(boxes) + SvgLabels() + SvgChainOver());
    std::string svg = SvgRect(QRect(QPoint(), size_), kWhite);
    svg += "<g transform=\"translate(" + std::to_string(chart_.left) + "," +
           std::to_string(chart_.top) + ")\">\n" + SvgElements(boxes) + "</g>\n";
    for (const ChartFigure::Swatch& s : figure_->Swatches())
        svg += SvgRect(s.box, s.colour);
    for (const ChartFigure::Text& t : figure_->Texts())
        svg += SvgText(t.baseline, {figure_->FontOf(t).pixelSize(), t.title}, t.text, kBlack,
                       t.anchor);
    return SvgDocument(size_.width(), size_.height(), svg + SvgLabels() + SvgChainOver());
}

QByteArray FrameRenderer::Png() const {
    if ((frame_.labels.lines == 0 || !frame_.cells) && !frame_.chain) {
        if (!figure_) return PngBytes(Boxes());
        return PngBytes(size_, [this](QPainter& painter) { Paint(painter); });
    }
    QImage image(size_, QImage::Format_RGB32);
    if (image.isNull()) return {};
    LabelGlyphs glyphs;
    Draw(image, glyphs);
    return PngBytes(image);
}

}  // namespace nuklorama
