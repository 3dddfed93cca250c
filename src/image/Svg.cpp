// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Svg.h"

#include <cstdio>

namespace nuklorama {
namespace {

std::string Rect(int x, int y, int width, int height, Colour colour) {
    char text[128];
    std::snprintf(text, sizeof text,
                  "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#%02x%02x%02x\"/>\n",
                  x, y, width, height, RedOf(colour), GreenOf(colour), BlueOf(colour));
    return text;
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

}  // namespace

std::string XmlText(const QString& text) {
    std::string out;
    for (const char c : text.toStdString()) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

std::string SvgDocument(int width, int height, const std::string& elements) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
           "\" shape-rendering=\"crispEdges\">\n" + elements + "</svg>\n";
}

std::string SvgRect(const QRect& r, Colour colour) {
    return Rect(r.x(), r.y(), r.width(), r.height(), colour);
}

std::string SvgElements(const RecordedSurface& chart) {
    std::string elements = Rect(0, 0, chart.WidthPixels(), chart.HeightPixels(), kBackground);
    for (const auto& [r, colour] : chart.Boxes())
        elements += Rect(r.left, r.top, r.Width(), r.Height(), colour);
    return elements;
}

std::string SvgText(QPointF baseline, const SvgFont& font, const QString& text, Colour colour,
                    TextAnchor anchor) {
    char fill[8];
    std::snprintf(fill, sizeof fill, "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    const char* anchors[] = {"start", "middle", "end"};
    return "<text x=\"" + Number(baseline.x()) + "\" y=\"" + Number(baseline.y()) +
           "\" font-family=\"DejaVu Sans, sans-serif\" font-size=\"" + std::to_string(font.pixels) +
           "\"" + (font.bold ? " font-weight=\"bold\"" : "") +
           (anchor == TextAnchor::Start
                ? std::string()
                : std::string(" text-anchor=\"") + anchors[int(anchor)] + "\"") +
           " fill=\"" + fill + "\">" + XmlText(text) + "</text>\n";
}

}  // namespace nuklorama
