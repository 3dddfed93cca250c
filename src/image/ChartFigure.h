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
#include "chart/Frame.h"
#include "chart/Viewport.h"
#include "image/Svg.h"

namespace nuklorama {

// A chart made ready for a paper or a slide: where the chart area goes, with axis numbers along
// its top and left edges at their rows and columns, a legend of the shades and bands at its right
// and an optional title above. The renderer draws it on every surface. Needs a QGuiApplication
// for its font. In the decay-mode view the legend names the decay classes.
class ChartFigure {
public:
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

    // For the frame's chart, its area at the origin: the axis numbers are the real proton and
    // neutron numbers of the cells shown, the legend explains the frame's colours and overlays.
    explicit ChartFigure(const Frame& frame);

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
