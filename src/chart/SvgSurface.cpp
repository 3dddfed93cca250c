// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/SvgSurface.h"

#include <cstdio>

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

std::string SvgSurface::Elements() const {
    std::string elements = Rect({0, 0, WidthPixels(), HeightPixels()}, kBackground);
    for (const auto& [box, colour] : boxes_)
        elements += Rect(box, colour);
    return elements;
}

std::string SvgSurface::Document() const {
    return SvgDocument(WidthPixels(), HeightPixels(), Elements());
}

std::string SvgDocument(int width, int height, const std::string& elements) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
           "\" shape-rendering=\"crispEdges\">\n" + elements + "</svg>\n";
}

}  // namespace nuklorama
