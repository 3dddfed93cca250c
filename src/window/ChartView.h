// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace nuklorama {

// The cell sizes a view steps through: from the fit's size, each the larger of one more pixel
// and a quarter more, until one reaches at least 128 device pixels.
std::vector<int> ZoomSizes(int fitSize);

// Which part of the chart the chart area shows: the picture Draw made, at a larger cell size,
// moved by an offset. All in device pixels; the picture at cell size s is the drawn picture
// scaled by s / fit size, and offset is the picture's pixel at the view's top-left corner.
class ChartView {
public:
    struct Cell {
        std::int32_t Z, N;
        bool operator==(const Cell&) const = default;
    };

    // Back to the fit of a picture of the given size drawn at fitSize.
    void Fit(int fitSize, int pictureWidth, int pictureHeight);
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
    // Scrolls as little as needed to show the whole cell, or puts it in the middle.
    void Reveal(Cell cell, int viewWidth, int viewHeight);
    void Centre(Cell cell, int viewWidth, int viewHeight);
    // Zooms in to at least size, about the view's middle.
    void ZoomToAtLeast(int size, int viewWidth, int viewHeight);

    Cell CellAt(int x, int y) const;
    // The view pixel of a cell's top-left corner (64 bits: far cells lie far outside).
    long long Left(Cell cell) const;
    long long Top(Cell cell) const;

private:
    // At least one cell of the picture stays in view.
    void Clamp(int viewWidth, int viewHeight);

    std::vector<int> sizes_;
    std::size_t step_ = 0;
    int pictureWidth_ = 0, pictureHeight_ = 0;
    int offsetX_ = 0, offsetY_ = 0;
};

}  // namespace nuklorama
