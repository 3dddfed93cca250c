// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartLayout.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "base/Checked.h"

namespace nuklorama {
namespace {

// First pixel of row or column n and the one after it, or nothing outside 32 bits.
struct Span {
    std::int32_t first, next;
};
std::optional<Span> PixelSpan(std::int32_t n, std::int16_t cellSize) {
    const auto first = checked::TryMul<std::int32_t>(n, cellSize);
    const auto next = first ? checked::TryAdd<std::int32_t>(*first, cellSize) : std::nullopt;
    if (!next) return std::nullopt;
    return Span{*first, *next};
}

}  // namespace

// The quotient is rounded a half to even, the division by the twips per pixel truncates.
std::int32_t PixelsPerStep(float areaTwips, std::int16_t count, float twipsPerPixel) {
    // A step beyond 32 bits of twips is far wider than the largest cell, which is capped below.
    const double stepTwips = std::min(checked::Quotient(areaTwips, count), double(INT32_MAX));
    return checked::Div(checked::Round<std::int32_t>(stepTwips),
                        checked::Round<std::int32_t>(twipsPerPixel));
}

std::int32_t Min(std::int32_t x1_, std::span<const std::int32_t> x_) {
    std::int32_t result = x1_;
    for (const std::int32_t x : x_)
        if (!(result < x)) result = x;
    return result;
}

std::int16_t ComputeCellSize(const Surface& picEl, std::int16_t MaxZ, std::int16_t MaxN) {
    const std::int32_t colPixels = PixelsPerStep(picEl.Width(), MaxN, picEl.TwipsPerPixelX());
    const std::int32_t rowPixels = PixelsPerStep(picEl.Height(), MaxZ, picEl.TwipsPerPixelY());
    const std::int32_t rows[] = {rowPixels};
    // No screen or image is 32768 pixels across, so a larger cell draws the same picture.
    return static_cast<std::int16_t>(std::min<std::int32_t>(Min(colPixels, rows), INT16_MAX));
}

void DrawH(Surface& picEl, std::int16_t cellSize, std::int32_t N, Colour colour) {
    const auto rows = PixelSpan(N, cellSize);
    if (!rows) return;
    const float tpp = picEl.TwipsPerPixelY();
    picEl.FillBox(0, float(double(rows->first) * tpp), picEl.Width(),
                  float((double(rows->next) - 1) * tpp), colour);
}

void DrawV(Surface& picEl, std::int16_t cellSize, std::int32_t N, Colour colour) {
    const auto columns = PixelSpan(N, cellSize);
    if (!columns) return;
    const float tpp = picEl.TwipsPerPixelX();
    picEl.FillBox(float(double(columns->first) * tpp), 0, float((double(columns->next) - 1) * tpp),
                  picEl.Height(), colour);
}

void DrawCell(Surface& picEl, std::int16_t cellSize, std::int32_t Z, std::int32_t N,
              Colour colour) {
    const auto row = PixelSpan(Z, cellSize);
    const auto column = PixelSpan(N, cellSize);
    if (!row || !column) return;
    const double x = column->first, y = row->first, c = cellSize;
    const double tppX = picEl.TwipsPerPixelX(), tppY = picEl.TwipsPerPixelY();
    picEl.FillBox(float(x * tppX), float(y * tppY), float((c + x - 1) * tppX),
                  float((c + y - 1) * tppY), colour);
}

void DrawCellCorner(Surface& picEl, std::int16_t cellSize, std::int32_t Z, std::int32_t N,
                    Colour colour, int side) {
    const auto row = PixelSpan(Z, cellSize);
    const auto column = PixelSpan(N, cellSize);
    if (!row || !column || cellSize < kSmallestSplitCell) return;
    const double x = column->first, y = row->first, c = cellSize;
    const double tppX = picEl.TwipsPerPixelX(), tppY = picEl.TwipsPerPixelY();
    const double k = std::min<double>(side, c);
    // Row j of the cell holds the pixels from column 2c - k - j to its right edge.
    for (double j = c - k + 1; j < c; ++j)
        picEl.FillBox(float((x + 2 * c - k - j) * tppX), float((y + j) * tppY),
                      float((c + x - 1) * tppX), float((y + j) * tppY), colour);
}

}  // namespace nuklorama
