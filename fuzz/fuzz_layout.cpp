// SPDX-License-Identifier: GPL-3.0-or-later
// Cell size, bands and cells for any chart area, resolution, maxima and numbers.
#include <cstdlib>

#include "CheckingSurface.h"
#include "FuzzInput.h"
#include "chart/ChartLayout.h"

using namespace nuklorama;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    // What the window and the renderer can hand over: up to 2^24 pixels, 1 to 1440 twips each.
    const int width = in.Take<std::uint32_t>() % (1 << 24);
    const int height = in.Take<std::uint32_t>() % (1 << 24);
    const float twipsPerPixel = 1 + float(in.Take<std::uint16_t>() % 14400) / 10;
    const auto maxZ = std::int16_t(1 + in.Take<std::uint16_t>() % 32767);
    const auto maxN = std::int16_t(1 + in.Take<std::uint16_t>() % 32767);
    const auto z = in.Take<std::int32_t>();
    const auto n = in.Take<std::int32_t>();

    CheckingSurface area(width, height, twipsPerPixel);
    const std::int16_t c = ComputeCellSize(area, maxZ, maxN);
    if (c < 0) std::abort();
    if (c == 0) return 0;
    // A cell covers exactly where its row band and its column band cross.
    DrawH(area, c, z, kGreen);
    const auto row = area.last_;
    area.last_.reset();
    DrawV(area, c, n, kGreen);
    const auto column = area.last_;
    area.last_.reset();
    DrawCell(area, c, z, n, kRed);
    const auto cell = area.last_;
    if (cell && (!row || !column)) std::abort();
    if (cell && (cell->left != column->left || cell->right != column->right ||
                 cell->top != row->top || cell->bottom != row->bottom))
        std::abort();
    return 0;
}
