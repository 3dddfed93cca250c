// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "chart/Chart.h"
#include "chart/Colour.h"
#include "chart/Colouring.h"
#include "chart/Viewport.h"
#include "image/Svg.h"

namespace nuklorama {

struct FigureOptions {
    // Of the figure's text; 0 sizes it from the chart.
    int fontPixels = 0;
    // What the legend explains: the half-life shades or the decay classes.
    Colouring colouring = Colouring::HalfLife;
};

// A chart made ready for a paper or a slide: where the chart area goes, with axis numbers along
// its top and left edges at their rows and columns, a legend of the shades and bands at its right
// and an optional title above. The renderer draws it on every surface. Needs a QGuiApplication
// for its font. In the decay-mode view the legend names the decay classes.
class ChartFigure {
public:
    using Options = FigureOptions;
    struct Text {
        QPointF baseline;
        TextAnchor anchor;
        QString text;
        bool title = false;
    };
    struct Swatch {
        QRect box;
        Colour colour;
    };

    // For the chart seen through chart, its area at the origin: the axis numbers are the real
    // proton and neutron numbers of the cells shown.
    ChartFigure(const Viewport& chart, const Overlays& overlays, const QString& title,
                const Options& options = {});

    QSize Size() const { return size_; }
    // The chart's cells in the figure.
    const Viewport& Chart() const { return chart_; }
    const std::vector<Text>& Texts() const { return texts_; }
    const std::vector<Swatch>& Swatches() const { return swatches_; }
    const QFont& FontOf(const Text& text) const { return text.title ? titleFont_ : font_; }

private:
    void AddAxes();
    void AddLegend(const Overlays& overlays, Colouring colouring);

    QFont font_, titleFont_;
    QSize size_;
    Viewport chart_;
    std::vector<Text> texts_;
    std::vector<Swatch> swatches_;
};

}  // namespace nuklorama
