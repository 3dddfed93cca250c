// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ChainPainter.h"

#include <QPolygonF>

namespace nuklorama {
namespace {

std::string Number(double value) {
    return QString::number(value, 'f', 1).toStdString();
}

std::string Points(const std::array<ChainShapes::Point, 3>& head) {
    std::string points;
    for (const ChainShapes::Point& p : head)
        points += (points.empty() ? "" : " ") + Number(p.x) + "," + Number(p.y);
    return points;
}

bool Headed(const ChainShapes::Arrow& a) {
    return a.head[1].x != a.head[2].x || a.head[1].y != a.head[2].y;
}

}  // namespace

void PaintChain(QPainter& painter, const ChainShapes& shapes) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = shapes.lineWidth;
    // The white edge first, then the black over it.
    for (const bool edge : {true, false}) {
        const QColor colour = edge ? Qt::white : Qt::black;
        for (const ChainShapes::Outline& o : shapes.outlines) {
            painter.setPen(QPen(colour, edge ? w + 2 : w));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(o.left + w / 2, o.top + w / 2, o.side - w, o.side - w));
        }
        for (const ChainShapes::Arrow& a : shapes.arrows) {
            QPen pen(colour, edge ? w + 2 : w, a.dashed && !edge ? Qt::DashLine : Qt::SolidLine,
                     Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(a.from.x, a.from.y), QPointF(a.to.x, a.to.y));
            if (!Headed(a)) continue;
            painter.setPen(QPen(colour, edge ? 2.0 : 0.5));
            painter.setBrush(colour);
            painter.drawPolygon(QPolygonF{QPointF(a.head[0].x, a.head[0].y),
                                          QPointF(a.head[1].x, a.head[1].y),
                                          QPointF(a.head[2].x, a.head[2].y)});
        }
    }
    painter.restore();
}

std::string SvgChain(const ChainShapes& shapes) {
    const std::string w = Number(shapes.lineWidth), edge = Number(shapes.lineWidth + 2);
    std::string svg;
    for (const bool white : {true, false}) {
        const std::string colour = white ? "#fff" : "#000";
        svg += "<g fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + (white ? edge : w) +
               "\">\n";
        for (const ChainShapes::Outline& o : shapes.outlines)
            svg += "<rect x=\"" + Number(o.left + shapes.lineWidth / 2) + "\" y=\"" +
                   Number(o.top + shapes.lineWidth / 2) + "\" width=\"" +
                   Number(o.side - shapes.lineWidth) + "\" height=\"" +
                   Number(o.side - shapes.lineWidth) + "\"/>\n";
        for (const ChainShapes::Arrow& a : shapes.arrows)
            svg +=
                "<line x1=\"" + Number(a.from.x) + "\" y1=\"" + Number(a.from.y) + "\" x2=\"" +
                Number(a.to.x) + "\" y2=\"" + Number(a.to.y) + "\"" +
                (a.dashed && !white ? " stroke-dasharray=\"" + Number(3 * shapes.lineWidth) + "\""
                                    : "") +
                "/>\n" +
                (Headed(a)
                     ? "<polygon fill=\"" + colour + "\" points=\"" + Points(a.head) + "\"/>\n"
                     : "");
        svg += "</g>\n";
    }
    return svg;
}

}  // namespace nuklorama
