// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Region.h"

#include <algorithm>
#include <cmath>

#include "chart/Viewport.h"

namespace nuklorama {
namespace {

// Keeps every pixel coordinate of the picture within the float's exact whole numbers of twips.
constexpr double kMaxPicturePixels = 1 << 22;

std::optional<std::int32_t> Number(std::string_view text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::pair<std::int32_t, std::int32_t>> Range(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto first = Number(text.substr(0, colon)), last = Number(text.substr(colon + 1));
    if (!first || !last || *first > *last) return std::nullopt;
    return std::pair{*first, *last};
}

// A window onto the larger picture: boxes are moved and clipped into the window.
class PictureWindow : public PixelSurface {
public:
    PictureWindow(RecordedSurface& window, int pictureWidth, int pictureHeight, float twipsPerPixel,
                  int offsetX, int offsetY)
        : PixelSurface(pictureWidth, pictureHeight, twipsPerPixel),
          window_(window),
          offsetX_(offsetX),
          offsetY_(offsetY) {}

    void Cls() override { window_.Cls(); }

private:
    void FillPixels(const PixelRect& rect, Colour colour) override {
        const float t = TwipsPerPixelX();
        const int left = std::max(rect.left - offsetX_, 0), top = std::max(rect.top - offsetY_, 0);
        const int right = std::min(rect.right - offsetX_, window_.WidthPixels());
        const int bottom = std::min(rect.bottom - offsetY_, window_.HeightPixels());
        if (left < right && top < bottom)
            window_.FillBox(float(left) * t, float(top) * t, float(right - 1) * t,
                            float(bottom - 1) * t, colour);
    }

    RecordedSurface& window_;
    int offsetX_, offsetY_;
};

}  // namespace

std::optional<Region> ParseRegion(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto z = Range(text.substr(0, comma)), n = Range(text.substr(comma + 1));
    if (!z || !n) return std::nullopt;
    return Region{z->first, z->second, n->first, n->second};
}

Region WholeChart(const NuclideTable& table) {
    return {0, std::max<std::int32_t>(table.MaxZ, 0), 0, std::max<std::int32_t>(table.MaxN, 0)};
}

bool HoldsNuclide(const NuclideTable& table, const Region& region) {
    const int last = std::min<int>(table.NuclideCount, NuclideTable::kMaxRecords);
    for (int i = 1; i <= last; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const std::int32_t Z = table.ProtonNumber[r], N = table.NeutronNumber[r];
        if (Z >= region.zMin && Z <= region.zMax && N >= region.nMin && N <= region.nMax)
            return true;
    }
    return false;
}

std::int16_t RegionCellSize(const Region& region, double width, double height) {
    const double far = std::max(region.zMax, region.nMax) + 1.0;
    const double size =
        std::min({std::floor(width / region.Columns()), std::floor(height / region.Rows()),
                  std::floor(kMaxPicturePixels / far), 32767.0});
    return static_cast<std::int16_t>(std::max(size, 0.0));
}

RecordedSurface DrawWindow(const NuclideTable& table, const Viewport& window,
                           const Overlays& overlays, float twipsPerPixel,
                           const CellColouring& colouring, int cornerSide) {
    RecordedSurface shown(window.width, window.height, twipsPerPixel);
    PictureWindow picture(shown, window.pictureWidth, window.pictureHeight, twipsPerPixel,
                          window.offsetX, window.offsetY);
    DrawChart(table, std::int16_t(window.cellSize), overlays, picture, colouring, cornerSide);
    return shown;
}

}  // namespace nuklorama
