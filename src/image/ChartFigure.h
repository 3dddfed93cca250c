// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

#include "chart/Chart.h"
#include "chart/Colour.h"
#include "chart/Colouring.h"
#include "chart/RecordedSurface.h"
#include "chart/Viewport.h"

namespace nuklorama {

// How a figure differs from the one sized from its chart alone.
struct FigureOptions {
    // Of the figure's text; 0 sizes it from the chart.
    int fontPixels = 0;
    // What the legend explains: the half-life shades or the decay classes.
    Colouring colouring = Colouring::HalfLife;
};

// A chart made ready for a paper or a slide: the chart area exactly as drawn, with axis
// numbers along its top and left edges, a legend of the shades and bands at its right and an
// optional title above. The same layout gives the raster and the SVG figure. Needs a
// QGuiApplication for its font. In the decay-mode view the legend names the decay classes.
class ChartFigure {
public:
    using Options = FigureOptions;

    // For the chart seen through chart, its area at the origin: the axis numbers are the real
    // proton and neutron numbers of the cells shown.
    ChartFigure(const Viewport& chart, const Overlays& overlays, const QString& title,
                const Options& options = {});

    QSize Size() const { return size_; }
    // Where the chart's top-left pixel lies in the figure.
    QPoint ChartOrigin() const { return origin_; }
    // The chart's cells in the figure.
    Viewport Chart() const { return chart_; }

    // Paints the figure, the chart's boxes included, in figure coordinates.
    void Paint(QPainter& painter, const RecordedSurface& chart) const;
    // The figure's SVG elements, the chart's among them.
    std::string Svg(const RecordedSurface& chart) const;

private:
    enum class Anchor { Start, Middle, End };
    struct Label {
        QPointF baseline;
        Anchor anchor;
        QString text;
        bool title = false;
    };
    struct Swatch {
        QRect box;
        Colour colour;
    };

    void AddAxes();
    void AddLegend(int chartWidth, const Overlays& overlays, Colouring colouring);

    QFont font_, titleFont_;
    QSize size_;
    QPoint origin_;
    Viewport chart_;
    std::vector<Label> labels_;
    std::vector<Swatch> swatches_;
};

}  // namespace nuklorama
