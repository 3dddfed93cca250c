// SPDX-License-Identifier: GPL-3.0-or-later
// What the chart area shows: the picture Draw made or the zoomed view, with the selection mark,
// on the screen, as an image and on a printer's page.
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "chart/LabelPlan.h"
#include "image/ChainPainter.h"
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
    PaintOverFit(painter);
}

Viewport ChartArea::FitView() const {
    return Viewport::Picture(drawn_->cellSize, drawn_->widthPixels, drawn_->heightPixels);
}

void ChartArea::PaintOverFit(QPainter& painter) const {
    // The zoomed view has the chain drawn in by the renderer.
    if (chain_ && drawn_ && view_.IsFit())
        PaintChain(painter, ShapesOf(chain_->overlay, FitView()));
    PaintSelection(painter);
}

void ChartArea::AddChain(Frame& frame) const {
    if (chain_) nuklorama::ShowChain(frame, chain_->overlay);
}

void ChartArea::ShowChain(const DecayChain& chain) {
    chain_ = std::make_unique<ShownChain>(ShownChain{chain, ChainOverlay::Of(chain)});
    ViewChanged();
    emit ChainChanged();
}

void ChartArea::ClearChain() {
    if (!chain_) return;
    chain_.reset();
    ViewChanged();
    emit ChainChanged();
}

void ChartArea::ViewChanged() {
    zoomedStale_ = true;
    update();
}

const QImage& ChartArea::ZoomedImage() {
    const QSize size(ViewWidth(), ViewHeight());
    if (!zoomedStale_ && zoomed_.size() == size) return zoomed_;
    if (zoomed_.size() != size) zoomed_ = QImage(size, QImage::Format_RGB32);
    Frame frame = FrameOf(*drawn_, view_.Shown(ViewWidth(), ViewHeight()));
    frame.labels = ScreenLabels(view_.CellSize(), devicePixelRatioF());
    AddChain(frame);
    FrameRenderer(frame).Draw(zoomed_, labels_);
    zoomedStale_ = false;
    return zoomed_;
}

void ChartArea::PaintSelection(QPainter& painter) const {
    if (selected_)
        PaintSelectionMark(painter, view_.Shown(ViewWidth(), ViewHeight()),
                           {selected_->Z, selected_->N}, devicePixelRatioF());
}

QImage ChartArea::ViewImage() {
    QImage image = view_.IsFit() ? picture_.AreaImage().copy() : ZoomedImage().copy();
    QPainter painter(&image);
    PaintOverFit(painter);
    return image;
}

void ChartArea::PrintTo(QPrinter& printer) {
    if (!drawn_) return;
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    Frame frame =
        FrameOf(*drawn_, view_.IsFit() ? FitView() : view_.Shown(ViewWidth(), ViewHeight()));
    if (!view_.IsFit()) frame.labels = ScreenLabels(view_.CellSize(), devicePixelRatioF());
    AddChain(frame);
    PaintFrameOnPage(painter, QRectF(QPointF(), page.size()), frame);
}

}  // namespace nuklorama
