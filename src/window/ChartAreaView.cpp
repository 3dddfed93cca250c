// SPDX-License-Identifier: GPL-3.0-or-later
// What the chart area shows: the picture Draw made or the zoomed view, with the selection mark,
// on the screen, as an image and on a printer's page.
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "chart/LabelPlan.h"
#include "image/FrameRenderer.h"
#include "image/PrintedView.h"
#include "window/ChartArea.h"

namespace nuklorama {

void ChartArea::paintEvent(QPaintEvent*) {
    FitSurface();  // the screen may have changed under the window
    QPainter painter(this);
    const QImage& image = view_.IsFit() ? picture_.Image() : ZoomedImage();
    const double ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
    painter.scale(1 / ratio, 1 / ratio);
    PaintSelection(painter);
}

void ChartArea::ViewChanged() {
    zoomedStale_ = true;
    update();
}

const QImage& ChartArea::ZoomedImage() {
    const QSize size(ViewWidth(), ViewHeight());
    if (!zoomedStale_ && zoomed_.size() == size) return zoomed_;
    if (zoomed_.size() != size) zoomed_ = QImage(size, QImage::Format_RGB32);
    const Viewport shown =
        Viewport::Zoomed(view_.CellSize(), view_.Width(), view_.Height(), view_.OffsetX(),
                         view_.OffsetY(), ViewWidth(), ViewHeight());
    Frame frame = FrameOf(*drawn_, shown);
    frame.labels = ScreenLabels(shown.cellSize, devicePixelRatioF());
    FrameRenderer(frame).Draw(zoomed_, labels_);
    zoomedStale_ = false;
    return zoomed_;
}

void ChartArea::PaintSelection(QPainter& painter) const {
    if (!selected_) return;
    const int s = view_.CellSize();
    const long long left = view_.Left(*selected_), top = view_.Top(*selected_);
    if (left < -s || top < -s || left > ViewWidth() || top > ViewHeight()) return;
    const int w = std::max(2, int(std::lround(2 * devicePixelRatioF())));
    const auto ring = [&painter, w](const QRect& r, Colour colour) {
        const QColor mark(ToQRgb(colour));
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), mark);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), mark);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), mark);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), mark);
    };
    const QRect cell(int(left), int(top), s, s);
    ring(cell, kSelectionColour);
    if (s >= 6 * w) ring(cell.adjusted(w, w, -w, -w), kSelectionInnerColour);
}

QImage ChartArea::ViewImage() {
    QImage image = view_.IsFit() ? picture_.AreaImage().copy() : ZoomedImage().copy();
    QPainter painter(&image);
    PaintSelection(painter);
    return image;
}

void ChartArea::PrintTo(QPrinter& printer) {
    if (!drawn_) return;
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const ShownView shown =
        view_.IsFit() ? ShownView{Viewport::Picture(drawn_->cellSize, drawn_->widthPixels,
                                                    drawn_->heightPixels)}
                      : ShownView{Viewport::Zoomed(view_.CellSize(), view_.Width(), view_.Height(),
                                                   view_.OffsetX(), view_.OffsetY(), ViewWidth(),
                                                   ViewHeight()),
                                  true, devicePixelRatioF()};
    PaintViewOnPage(painter, QRectF(QPointF(), page.size()), *drawn_, shown);
}

}  // namespace nuklorama
