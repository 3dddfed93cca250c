// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PrintedView.h"

#include <algorithm>

#include "chart/CellLabel.h"
#include "image/CellLabelText.h"
#include "image/ChartFigure.h"

namespace nuklorama {

void PaintViewOnPage(QPainter& painter, const QRectF& page, const DrawnChart& drawn,
                     const ShownView& view) {
    const CellColouring colouring = ColoursOf(drawn);
    const RecordedSurface chart =
        DrawWindow(*drawn.table, view.window, drawn.overlays, drawn.twipsPerPixel, colouring);
    const ChartFigure figure(view.window, drawn.overlays, QString(), {0, drawn.colouring});
    const QSizeF size = figure.Size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    figure.Paint(painter, chart);
    const double s = view.window.cellSize;
    if (view.zoomed && s >= kNameLabelSize * view.ratio && drawn.cells) {
        CellLabelText(s, s >= kHalfLifeLabelSize * view.ratio, 2 * view.ratio)
            .Paint(painter, *drawn.table, *drawn.cells, colouring, figure.Chart());
    }
    painter.restore();
}

}  // namespace nuklorama
