// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PrintedView.h"

#include <QPaintDevice>
#include <algorithm>

#include "image/FrameRenderer.h"

namespace nuklorama {

void PaintViewOnPage(QPainter& painter, const QRectF& page, const DrawnChart& drawn,
                     const ShownView& view) {
    Frame frame = FrameOf(drawn, view.window);
    frame.figure.shown = true;
    const QSizeF size = FrameRenderer(frame).Size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    // Labels where the window shows them, as large as the paper makes them readable.
    if (view.zoomed && ScreenLabels(view.window.cellSize, view.ratio).lines > 0)
        frame.labels =
            PaperLabels(view.window.cellSize, painter.device()->logicalDpiX() / 25.4 / scale);
    painter.save();
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    FrameRenderer(frame).Paint(painter);
    painter.restore();
}

}  // namespace nuklorama
