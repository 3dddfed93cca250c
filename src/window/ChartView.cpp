// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ChartView.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace nuklorama {
namespace {

constexpr int kLargestCell = 128;

// Offsets stay far inside int, so that adding a view's size never overflows.
int Saturated(long long value) {
    return int(std::clamp<long long>(value, INT32_MIN / 2, INT32_MAX / 2));
}

// The offset at which the chart's box of the given length covers at least a quarter of the view,
// or all of the box when it is shorter.
int ClampOffset(long long offset, long long box, int view) {
    const long long shown = std::min<long long>((view + 3) / 4, box);
    return int(std::clamp(offset, shown - view, std::max(box - shown, shown - view)));
}

// The offset nearest the given one that shows no space beyond the box, or the whole box.
int InsideBox(long long offset, long long box, int view) {
    return int(std::clamp(offset, std::min(box - view, 0LL), std::max(box - view, 0LL)));
}

}  // namespace

std::vector<int> ZoomSizes(int fitSize) {
    std::vector<int> sizes{std::max(fitSize, 1)};
    while (sizes.back() < kLargestCell) {
        const int s = sizes.back();
        sizes.push_back(std::max(s + 1, int(std::lround(1.25 * s))));
    }
    return sizes;
}

void ChartView::Fit(int fitSize, int pictureWidth, int pictureHeight, Cell last) {
    if (sizes_.empty() || sizes_.front() != fitSize) sizes_ = ZoomSizes(fitSize);
    step_ = 0;
    pictureWidth_ = pictureWidth;
    pictureHeight_ = pictureHeight;
    last_ = last;
    offsetX_ = offsetY_ = 0;
}

int ChartView::Width() const {
    return sizes_.empty() ? 0 : int((long long)pictureWidth_ * CellSize() / sizes_.front());
}

int ChartView::Height() const {
    return sizes_.empty() ? 0 : int((long long)pictureHeight_ * CellSize() / sizes_.front());
}

bool ChartView::Zoom(int steps, int x, int y, int viewWidth, int viewHeight) {
    if (sizes_.empty()) return false;
    const auto last = static_cast<long long>(sizes_.size()) - 1;
    const auto step = std::size_t(std::clamp<long long>((long long)step_ + steps, 0, last));
    if (step == step_) return false;
    // The cell under the point and where in it the point lies, kept across the change.
    const int s = CellSize();
    const Cell under = CellAt(x, y);
    const double fx = double(x - Left(under)) / s, fy = double(y - Top(under)) / s;
    step_ = step;
    if (IsFit()) {
        Fit(sizes_.front(), pictureWidth_, pictureHeight_, last_);
        return true;
    }
    const int t = CellSize();
    offsetX_ = Saturated(Picture().Left(under.N) + (long long)std::floor(fx * t) - x);
    offsetY_ = Saturated(Picture().Top(under.Z) + (long long)std::floor(fy * t) - y);
    Clamp(viewWidth, viewHeight);
    return true;
}

void ChartView::Pan(int dx, int dy, int viewWidth, int viewHeight) {
    if (IsFit()) return;
    offsetX_ = Saturated((long long)offsetX_ - dx);
    offsetY_ = Saturated((long long)offsetY_ - dy);
    Clamp(viewWidth, viewHeight);
}

void ChartView::Reveal(Cell cell, int viewWidth, int viewHeight) {
    if (IsFit()) return;
    const long long left = Left(cell), top = Top(cell), s = CellSize();
    long long dx = 0, dy = 0;
    if (left < 0)
        dx = -left;
    else if (left + s > viewWidth)
        dx = viewWidth - (left + s);
    if (top < 0)
        dy = -top;
    else if (top + s > viewHeight)
        dy = viewHeight - (top + s);
    Pan(Saturated(dx), Saturated(dy), viewWidth, viewHeight);
}

void ChartView::Centre(Cell cell, int viewWidth, int viewHeight) {
    if (IsFit()) return;
    const Viewport picture = Picture();
    const int s = CellSize();
    offsetX_ =
        InsideBox(picture.Left(cell.N) - (viewWidth - s) / 2, picture.Left(last_.N + 1), viewWidth);
    offsetY_ =
        InsideBox(picture.Top(cell.Z) - (viewHeight - s) / 2, picture.Top(last_.Z + 1), viewHeight);
}

void ChartView::ZoomToAtLeast(int size, int viewWidth, int viewHeight) {
    while (CellSize() < size && Zoom(1, viewWidth / 2, viewHeight / 2, viewWidth, viewHeight)) {
    }
}

Viewport ChartView::Shown(int viewWidth, int viewHeight) const {
    return Viewport::Zoomed(CellSize(), Width(), Height(), offsetX_, offsetY_, viewWidth,
                            viewHeight);
}

Viewport ChartView::Picture() const {
    return Viewport::Picture(CellSize(), Width(), Height());
}

void ChartView::Clamp(int viewWidth, int viewHeight) {
    // The chart's box ends where the cell after the last one begins.
    const Viewport picture = Picture();
    offsetX_ = ClampOffset(offsetX_, picture.Left(last_.N + 1), viewWidth);
    offsetY_ = ClampOffset(offsetY_, picture.Top(last_.Z + 1), viewHeight);
}

}  // namespace nuklorama
