// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "chart/Viewport.h"

namespace nuklorama {

// The cell sizes a view steps through: from the fit's size, each the larger of one more pixel
// and a quarter more, until one reaches at least 128 device pixels.
std::vector<int> ZoomSizes(int fitSize);

// Which part of the chart the chart area shows: the picture Draw made, at a larger cell size,
// moved by an offset. All in device pixels; the picture at cell size s is the drawn picture
// scaled by s / fit size, and offset is the picture's pixel at the view's top-left corner. Where
// a cell lies is the viewport's business; this keeps the zoom steps and how far the view moves.
// However far it is moved, the chart's box (Z 0 to MaxZ, N 0 to MaxN) covers at least a quarter
// of the view's width and of its height, or shows whole where it is smaller than that.
class ChartView {
public:
    using Cell = ChartCell;

    // Back to the fit of a picture of the given size drawn at fitSize; last is the chart's
    // corner cell (MaxZ, MaxN).
    void Fit(int fitSize, int pictureWidth, int pictureHeight, Cell last);
    bool IsFit() const { return step_ == 0; }
    int CellSize() const { return sizes_.empty() ? 0 : sizes_[step_]; }
    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }
    // The picture's size at the current cell size.
    int Width() const;
    int Height() const;

    // Zooms by steps (negative: out), keeping the cell under (x, y) of the view under it.
    bool Zoom(int steps, int x, int y, int viewWidth, int viewHeight);
    void Pan(int dx, int dy, int viewWidth, int viewHeight);
    // Scrolls as little as needed to show the whole cell, or puts it as near the middle as the
    // chart allows without showing space beyond its box.
    void Reveal(Cell cell, int viewWidth, int viewHeight);
    void Centre(Cell cell, int viewWidth, int viewHeight);
    // Zooms in to at least size, about the view's middle.
    void ZoomToAtLeast(int size, int viewWidth, int viewHeight);

    // The cells of the view, in an area of the given size.
    Viewport Shown(int viewWidth, int viewHeight) const;
    // Where cells lie, which the area's size has no say in.
    Cell CellAt(int x, int y) const { return Shown(0, 0).CellAt(x, y); }
    // The view pixel of a cell's top-left corner (64 bits: far cells lie far outside).
    long long Left(Cell cell) const { return Shown(0, 0).Left(cell.N); }
    long long Top(Cell cell) const { return Shown(0, 0).Top(cell.Z); }

private:
    // The picture at the current cell size, unmoved.
    Viewport Picture() const;
    void Clamp(int viewWidth, int viewHeight);

    std::vector<int> sizes_;
    std::size_t step_ = 0;
    int pictureWidth_ = 0, pictureHeight_ = 0;
    Cell last_{0, 0};
    int offsetX_ = 0, offsetY_ = 0;
};

}  // namespace nuklorama
