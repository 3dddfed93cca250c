// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "chart/RecordedSurface.h"

namespace nuklorama {
namespace {

std::string Rect(const PixelRect& r, Colour colour) {
    char text[128];
    std::snprintf(text, sizeof text,
                  "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#%02x%02x%02x\"/>\n",
                  r.left, r.top, r.Width(), r.Height(), RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text;
}

}  // namespace

std::string SvgElements(const RecordedSurface& chart) {
    std::string elements = Rect({0, 0, chart.WidthPixels(), chart.HeightPixels()}, kBackground);
    for (const auto& [rect, colour] : chart.Boxes())
        elements += Rect(rect, colour);
    return elements;
}

std::string SvgDocument(int width, int height, const std::string& elements) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
           "\" shape-rendering=\"crispEdges\">\n" + elements + "</svg>\n";
}

}  // namespace nuklorama
