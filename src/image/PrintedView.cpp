// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PrintedView.h"

#include <algorithm>

#include "chart/CellLabel.h"
#include "image/CellLabelText.h"
#include "image/ChartFigure.h"

namespace nuklorama {

void PaintViewOnPage(QPainter& painter, const QRectF& page, const DrawnChart& drawn,
                     const ShownView& view) {
    const VisiblePart& w = view.window;
    const CellColouring colouring = ColoursOf(drawn);
    const RecordedSurface chart =
        DrawWindow(*drawn.table, view.cellSize, drawn.overlays, drawn.twipsPerPixel, w, colouring);
    const ChartFigure figure(w.width, w.height, view.cellSize, drawn.overlays, QString(),
                             {0, w.offsetX, w.offsetY, drawn.colouring});
    const QSizeF size = figure.Size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    figure.Paint(painter, chart);
    const double s = view.cellSize;
    if (view.zoomed && s >= kNameLabelSize * view.ratio && drawn.cells) {
        CellLabelText(s, s >= kHalfLifeLabelSize * view.ratio, 2 * view.ratio)
            .Paint(painter, *drawn.table, *drawn.cells, colouring,
                   {QRectF(figure.ChartOrigin(), QSizeF(w.width, w.height)), s, double(w.offsetX),
                    double(w.offsetY)});
    }
    painter.restore();
}

}  // namespace nuklorama
