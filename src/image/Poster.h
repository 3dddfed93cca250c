// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <optional>

#include "chart/ChainOverlay.h"
#include "chart/Chart.h"
#include "chart/Region.h"
#include "image/ChartFigure.h"

namespace nuklorama {

// A paper size by its usual name: A4, A3, A2, A1, A0, letter or legal, case aside.
std::optional<QPageSize> PaperNamed(const QString& name);

// One page of print: a region of the chart, alone or as a figure, fitted inside the page's
// margins with square cells of whole dots, the largest that fit.
class Poster {
public:
    struct Page {
        QPageSize paper;
        // Nothing: the orientation that gives the larger cells.
        std::optional<bool> landscape;
    };
    struct Figure {
        bool shown = false;
        QString title;
        Colouring colouring = Colouring::HalfLife;
        // A mass view's values, for its legend and labels.
        const MassQuantities* quantities = nullptr;
    };

    Poster(const Page& page, const Region& region, const Overlays& overlays, const Figure& figure);

    // Of one cell in dots of the PDF; 0 when the region does not fit the page.
    std::int16_t CellSize() const { return cellSize_; }
    double CellMm() const;
    // Whether the cells are large enough for their labels.
    bool FitsLabels() const;
    float TwipsPerDot() const;

    // The PDF of the region as drawn at CellSize(), with the cells' labels when asked and the
    // cells are large enough for readable ones.
    QByteArray Pdf(const NuclideTable& table, const CellColouring& colouring, bool labels,
                   const ChainOverlay* chain = nullptr) const;

private:
    struct Fit {
        bool landscape;
        std::int16_t cellSize;
        int fontDots = 0;
    };
    Fit FitTo(bool landscape) const;
    // The page's frame at the cell size, its figure's text fontDots high, without the chart's
    // table and colours.
    Frame FrameOf(std::int16_t cellSize, int fontDots) const;

    Page page_;
    Region region_;
    Overlays overlays_;
    Figure figure_;
    bool landscape_ = false;
    std::int16_t cellSize_ = 0;
    int fontDots_ = 0;
};

}  // namespace nuklorama
