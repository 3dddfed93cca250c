// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QString>
#include <string>

#include "chart/Colour.h"
#include "chart/RecordedSurface.h"

namespace nuklorama {

// The one writer of SVG: one user unit per pixel of the output.

// Text for XML: escaped, with the characters XML cannot hold left out.
std::string XmlText(const QString& text);
// A standalone SVG document of width × height user units holding the given elements.
std::string SvgDocument(int width, int height, const std::string& elements);
std::string SvgRect(const QRect& rect, Colour colour);
// The cleared background and every box, as SVG elements.
std::string SvgElements(const RecordedSurface& chart);

enum class TextAnchor { Start, Middle, End };
struct SvgFont {
    int pixels;
    bool bold = false;
};
// A text element in DejaVu Sans from its baseline's anchor.
std::string SvgText(QPointF baseline, const SvgFont& font, const QString& text, Colour colour,
                    TextAnchor anchor = TextAnchor::Start);

}  // namespace nuklorama
