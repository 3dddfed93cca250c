// SPDX-License-Identifier: GPL-3.0-or-later
// How the chart area's view moves: the fit, zoom and scroll, the selected cell and what it reads.
#include <QKeyEvent>
#include <algorithm>

#include "chart/LabelPlan.h"
#include "window/ChartArea.h"

namespace nuklorama {

void ChartArea::ShowFit() {
    if (!drawn_) return;
    view_.Fit(drawn_->cellSize, drawn_->widthPixels, drawn_->heightPixels,
              {drawn_->table->MaxZ, drawn_->table->MaxN});
    ViewChanged();
}

void ChartArea::ResetView() {
    selected_.reset();
    ClearChain();
    setAccessibleDescription(chartDescription_);
    ShowFit();
    emit ViewReset();
}

void ChartArea::ShowFound(ChartView::Cell cell) {
    view_.ZoomToAtLeast(SmallestNamedCell(devicePixelRatioF()), ViewWidth(), ViewHeight());
    view_.Centre(cell, ViewWidth(), ViewHeight());
    Select(cell);
    setFocus(Qt::OtherFocusReason);
    ShowSelectedDescription();
}

void ChartArea::ZoomAt(int steps, QPoint device) {
    if (drawn_ && view_.Zoom(steps, device.x(), device.y(), ViewWidth(), ViewHeight()))
        ViewChanged();
}

void ChartArea::ZoomAboutSelection(int steps) {
    QPoint about(ViewWidth() / 2, ViewHeight() / 2);
    if (selected_) {
        const int half = view_.CellSize() / 2;
        about = QPoint(int(std::clamp<long long>(view_.Left(*selected_) + half, 0, ViewWidth())),
                       int(std::clamp<long long>(view_.Top(*selected_) + half, 0, ViewHeight())));
    }
    ZoomAt(steps, about);
    if (selected_) view_.Reveal(*selected_, ViewWidth(), ViewHeight());
}

void ChartArea::Scroll(int dx, int dy) {
    view_.Pan(dx, dy, ViewWidth(), ViewHeight());
    ViewChanged();
}

void ChartArea::Select(ChartView::Cell cell) {
    selected_ = cell;
    view_.Reveal(cell, ViewWidth(), ViewHeight());
    setAccessibleDescription(Description(cell));
    ViewChanged();
}

bool ChartArea::MoveSelection(QKeyEvent* event) {
    // The keypad's arrows count as arrows.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool toNuclide = modifiers == Qt::ControlModifier;
    if (!selected_ || !drawn_ || (modifiers != Qt::NoModifier && !toNuclide)) return false;
    ChartView::Cell to = *selected_;
    const int key = event->key();
    const int forward = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    if (!across && key != Qt::Key_Up && key != Qt::Key_Down) return false;
    std::int32_t& moved = across ? to.N : to.Z;
    if (!toNuclide) {
        moved += forward;
    } else {
        const auto line = across ? drawn_->cells->Row(to.Z) : drawn_->cells->Column(to.N);
        const std::int32_t* next = nullptr;
        for (const CellIndex::Cell& cell : line) {
            const std::int32_t& along = across ? cell.N : cell.Z;
            if (forward > 0 ? along > moved && !next : along < moved) next = &along;
        }
        if (next) moved = *next;
    }
    if (!(to == *selected_) && !Description(to).isEmpty()) Select(to);
    return true;
}

void ChartArea::ShowSelectedDescription() {
    const double ratio = devicePixelRatioF();
    const QPointF corner(double(view_.Left(*selected_)) / ratio,
                         double(view_.Top(*selected_) + view_.CellSize()) / ratio);
    ShowTip(mapToGlobal(corner.toPoint()), Description(*selected_));
}

QString ChartArea::Description(ChartView::Cell cell) const {
    if (!drawn_) return {};
    // The cell's top-left pixel on the picture Draw made.
    const Viewport picture =
        Viewport::Picture(drawn_->cellSize, drawn_->widthPixels, drawn_->heightPixels);
    const long long x = picture.Left(cell.N), y = picture.Top(cell.Z);
    if (x < 0 || y < 0 || x >= drawn_->widthPixels || y >= drawn_->heightPixels) return {};
    return QString::fromStdString(DescribeCell(*drawn_, int(x), int(y)));
}

}  // namespace nuklorama
