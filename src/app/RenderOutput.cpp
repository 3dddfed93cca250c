// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RenderOutput.h"

#include <QImage>
#include <QPainter>

#include "chart/CellIndex.h"
#include "chart/CellLabel.h"
#include "image/CellLabelPainter.h"
#include "image/CellLabelText.h"
#include "image/ChartFigure.h"
#include "image/ChartFiles.h"
#include "image/Png.h"

namespace nuklorama::cli {
namespace {

// The labels as the window writes them at this cell size, into the image of the chart.
void PaintLabels(QImage& image, const DrawnPicture& d) {
    CellLabelPainter().Paint(image, d.table, CellIndex(d.table), d.colouring, d.view, 1);
}

std::string SvgLabels(const DrawnPicture& d, QPoint origin) {
    const int s = d.view.cellSize;
    return CellLabelText(s, s >= kHalfLifeLabelSize, 2)
        .Svg(d.table, CellIndex(d.table), d.colouring, d.view.At(origin.x(), origin.y()));
}

}  // namespace

QByteArray PictureBytes(const PictureOptions& o, const DrawnPicture& d) {
    const RecordedSurface& chart = d.chart;
    const int width = chart.WidthPixels(), height = chart.HeightPixels();
    const bool labels = o.labels && d.view.cellSize >= kNameLabelSize;
    if (!o.legend) {
        if (o.svg)
            return QByteArray::fromStdString(SvgDocument(
                width, height, SvgElements(chart) + (labels ? SvgLabels(d, QPoint()) : "")));
        if (!labels) return PngBytes(chart);
        QImage image(width, height, QImage::Format_RGB32);
        if (image.isNull()) return {};
        QPainter painter(&image);
        PaintChart(painter, chart, QPoint());
        painter.end();
        PaintLabels(image, d);
        return PngBytes(image);
    }
    const ChartFigure figure(d.view, o.overlays, o.title, {0, o.colouring});
    if (o.svg)
        return QByteArray::fromStdString(
            SvgDocument(figure.Size().width(), figure.Size().height(),
                        figure.Svg(chart) + (labels ? SvgLabels(d, figure.ChartOrigin()) : "")));
    if (!labels)
        return PngBytes(figure.Size(), [&](QPainter& painter) { figure.Paint(painter, chart); });
    QImage image(figure.Size(), QImage::Format_RGB32);
    if (image.isNull()) return {};
    QPainter painter(&image);
    figure.Paint(painter, chart);
    painter.end();
    // The chart's part of the figure, sharing its pixels, so that labels stop at its edges.
    const QPoint at = figure.ChartOrigin();
    QImage area(image.bits() + at.y() * image.bytesPerLine() + at.x() * 4, width, height,
                image.bytesPerLine(), QImage::Format_RGB32);
    PaintLabels(area, d);
    return PngBytes(image);
}

}  // namespace nuklorama::cli
