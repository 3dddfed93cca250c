// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "chart/CellIndex.h"
#include "chart/Chart.h"
#include "chart/Colouring.h"
#include "chart/LabelPlan.h"
#include "chart/Viewport.h"
#include "table/NuclideTable.h"

namespace nuklorama {

struct ChainOverlay;

// What one picture shows, on whatever surface: the chart as Draw draws it, coloured, seen through
// a viewport; the cells' labels as planned for their size; and, when asked, the figure around it
// (axis numbers, legend, title), and a decay chain over it when asked. Every surface draws a frame
// the same way.
struct Frame {
    const NuclideTable* table = nullptr;
    // Which record lies on top of each cell, for the labels.
    const CellIndex* cells = nullptr;
    CellColouring colouring;
    // What the colours say, for the legend.
    Colouring colours = Colouring::HalfLife;
    // The values a mass view shows, for its legend and labels.
    const MassQuantities* quantities = nullptr;
    Overlays overlays;
    float twipsPerPixel = 15;
    // The chart's cells on the output; a figure moves the chart's area to its place in it.
    Viewport view;
    // No lines: no labels.
    LabelPlan labels;
    // The text under a name when the plan has two lines; the half-life when empty, the value in
    // a mass view.
    std::function<std::string(int record)> secondLine;
    // A decay chain drawn over the chart; none by default.
    const ChainOverlay* chain = nullptr;
    struct Figure {
        bool shown = false;
        std::string title;
        // Of the figure's text; 0 sizes it from the chart.
        int fontPixels = 0;
    } figure;
};

// The table's chart through view, coloured so, without labels or figure; cells, when given,
// for the labels.
inline Frame ChartFrame(const NuclideTable& table, const CellIndex* cells, CellColouring colouring,
                        Colouring colours, const Overlays& overlays, float twipsPerPixel,
                        const Viewport& view) {
    Frame frame;
    frame.table = &table;
    frame.cells = cells;
    frame.colouring = std::move(colouring);
    frame.colours = colours;
    frame.overlays = overlays;
    frame.twipsPerPixel = twipsPerPixel;
    frame.view = view;
    return frame;
}

}  // namespace nuklorama
