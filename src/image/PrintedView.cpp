// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PrintedView.h"

#include <QPaintDevice>
#include <algorithm>

#include "image/FrameRenderer.h"

namespace nuklorama {

void PaintFrameOnPage(QPainter& painter, const QRectF& page, Frame frame) {
    frame.figure.shown = true;
    const QSizeF size = FrameRenderer(frame).Size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    if (frame.labels.lines > 0)
        frame.labels =
            PaperLabels(frame.view.cellSize, painter.device()->logicalDpiX() / 25.4 / scale);
    painter.save();
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    FrameRenderer(frame).Paint(painter);
    painter.restore();
}

}  // namespace nuklorama
