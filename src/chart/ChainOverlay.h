// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "chart/DecayChain.h"
#include "chart/Frame.h"
#include "chart/Viewport.h"

namespace nuklorama {

// What a decay chain draws over the chart: each member's cell outlined, an arrow from each member
// to each daughter a followed branch feeds (dashed where its probability rests on a credit), and
// the probability of reaching each member as its label's second line.
struct ChainOverlay {
    struct Arrow {
        ChartCell from, to;
        bool estimated = false;
    };
    std::vector<ChartCell> members;
    std::vector<Arrow> arrows;
    std::map<int, std::string> probabilities;  // by record

    static ChainOverlay Of(const DecayChain& chain);
};

// Draws the chain over the frame's chart, each member's probability under its name where labels
// have two lines. The overlay must outlive the frame.
void ShowChain(Frame& frame, const ChainOverlay& overlay);

// A probability as a label shows it, in three significant digits: "64.0 %", "2.6 × 10⁻⁹ %".
std::string LabelProbability(double fraction);

// The overlay's strokes on an output of the viewport, in its pixels; only those that meet the
// viewport's area.
struct ChainShapes {
    struct Point {
        double x, y;
    };
    struct Outline {
        double left, top, side;
    };
    struct Arrow {
        Point from, to;             // the line, ending where the head begins
        std::array<Point, 3> head;  // all three at `to` in cells too small for a head
        bool dashed;
    };
    double lineWidth = 1;
    std::vector<Outline> outlines;
    std::vector<Arrow> arrows;
};
inline constexpr int kSmallestHeadedCell = 16;
ChainShapes ShapesOf(const ChainOverlay& overlay, const Viewport& view);

}  // namespace nuklorama
