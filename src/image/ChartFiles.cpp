// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ChartFiles.h"

#include "image/ImageSurface.h"

namespace nuklorama {

void PaintChart(QPainter& painter, const RecordedSurface& chart, QPoint origin) {
    const QRect clip = painter.hasClipping()
                           ? painter.clipBoundingRect().toAlignedRect()
                           : QRect(origin, QSize(chart.WidthPixels(), chart.HeightPixels()));
    const auto fill = [&](const QRect& r, Colour colour) {
        if (r.intersects(clip)) painter.fillRect(r, QColor(ToQRgb(colour)));
    };
    fill(QRect(origin, QSize(chart.WidthPixels(), chart.HeightPixels())), kBackground);
    for (const auto& [rect, colour] : chart.Boxes())
        fill(QRect(origin + QPoint(rect.left, rect.top), QSize(rect.Width(), rect.Height())),
             colour);
}

std::string SvgOfDrawnChart(const DrawnChart& chart) {
    RecordedSurface svg(chart.widthPixels, chart.heightPixels, chart.twipsPerPixel);
    DrawAgain(chart, svg);
    return SvgDocument(chart.widthPixels, chart.heightPixels, SvgElements(svg));
}

}  // namespace nuklorama
