// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Png.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstring>
#include <optional>
#include <vector>

#include "image/FrameRenderer.h"
#include "image/ImageSurface.h"

namespace nuklorama {
namespace {

// A chart repeats each row of cells over whole pixel rows and has long runs of one colour: rows
// filtered against the row above are mostly zeros, which run-length matching packs small and
// fast. Pictures in true colour (a figure's smoothed text) pack better with ordinary matching.
// Measured in docs/performance.md.
constexpr int kFilter = PNG_FILTER_UP;
constexpr int kIndexedStrategy = Z_RLE;
constexpr int kTrueColourLevel = 3;
// Rows made at a time by a picture that is not in memory whole.
constexpr int kBandRows = 64;

// Row y of the picture, asked for in order: palette indexes, or QRgb pixels for true colour.
using RowSource = std::function<const uchar*(int y)>;

void Append(png_structp png, png_bytep data, png_size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void Flush(png_structp) {}

// libpng reports errors by a long jump, so nothing here may need a destructor after setjmp.
QByteArray Encode(int width, int height, const std::vector<QRgb>* palette, const RowSource& row) {
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    png_color colours[256];
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, Append, Flush);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
                 palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette) {
        for (std::size_t i = 0; i < palette->size(); ++i)
            colours[i] = {png_byte(qRed((*palette)[i])), png_byte(qGreen((*palette)[i])),
                          png_byte(qBlue((*palette)[i]))};
        png_set_PLTE(png, info, colours, int(palette->size()));
    }
    png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilter);
    if (palette)
        png_set_compression_strategy(png, kIndexedStrategy);
    else
        png_set_compression_level(png, kTrueColourLevel);
    png_write_info(png, info);
    if (!palette) {
        // QRgb pixels lie in memory as blue, green, red and an unused byte.
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    for (int y = 0; y < height; ++y)
        png_write_row(png, row(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Palette indexes of up to 256 colours, found quickly where the same colours come again.
class Palette {
public:
    Palette() { slots_.fill(-1); }
    // Nothing once a 257th colour is asked for.
    std::optional<uchar> IndexOf(QRgb colour) {
        colour |= 0xFF000000u;
        std::size_t slot = (colour * 2654435761u) >> 20;
        while (slots_[slot] >= 0 && colours_[std::size_t(slots_[slot])] != colour)
            slot = (slot + 1) % slots_.size();
        if (slots_[slot] < 0) {
            if (colours_.size() == 256) return std::nullopt;
            slots_[slot] = int(colours_.size());
            colours_.push_back(colour);
        }
        return uchar(slots_[slot]);
    }
    const std::vector<QRgb>& Colours() const { return colours_; }

    // Turns a row of QRgb pixels into indexes; false at a 257th colour.
    bool Index(const QRgb* pixels, int width, uchar* indexes) {
        std::optional<uchar> index;
        for (int x = 0; x < width; ++x) {
            if (!index || pixels[x] != pixels[x - 1]) {  // colours come in long runs
                index = IndexOf(pixels[x]);
                if (!index) return false;
            }
            indexes[x] = *index;
        }
        return true;
    }

private:
    std::array<int, 4096> slots_;
    std::vector<QRgb> colours_;
};

}  // namespace

QByteArray PngBytes(const QImage& image) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width(), height = rgb.height();
    const auto pixels = [&rgb](int y) {
        return reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    };
    Palette palette;
    std::vector<uchar> indexes(static_cast<std::size_t>(width));
    bool indexed = true;
    for (int y = 0; y < height && indexed; ++y)
        indexed = palette.Index(pixels(y), width, indexes.data());
    if (!indexed)
        return Encode(width, height, nullptr, [&rgb](int y) { return rgb.constScanLine(y); });
    return Encode(width, height, &palette.Colours(), [&](int y) {
        palette.Index(pixels(y), width, indexes.data());
        return indexes.data();
    });
}

QByteArray PngBytes(const RecordedSurface& chart) {
    const int width = chart.WidthPixels(), height = chart.HeightPixels();
    if (width <= 0 || height <= 0) return {};
    const auto& boxes = chart.Boxes();
    Palette palette;
    const auto background = palette.IndexOf(ToQRgb(kBackground));
    std::vector<uchar> boxIndex;
    for (const auto& box : boxes) {
        const auto index = palette.IndexOf(ToQRgb(box.colour));
        if (!index) break;
        boxIndex.push_back(*index);
    }
    // A chart can have at most a few colours more than 256 greys; then it is painted instead.
    if (boxIndex.size() < boxes.size()) {
        return PngBytes(QSize(width, height),
                        [&chart](QPainter& painter) { PaintChart(painter, chart, QPoint()); });
    }
    std::vector<uchar> band(std::size_t(width) * kBandRows);
    int bandTop = -kBandRows;
    return Encode(width, height, &palette.Colours(), [&](int y) {
        if (y >= bandTop + kBandRows) {
            bandTop = y;
            const int rows = std::min(height - bandTop, kBandRows);
            std::memset(band.data(), *background, band.size());
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const PixelRect& r = boxes[i].rect;
                for (int row = std::max(r.top - bandTop, 0);
                     row < std::min(r.bottom - bandTop, rows); ++row)
                    std::memset(band.data() + std::size_t(row) * std::size_t(width) + r.left,
                                boxIndex[i], std::size_t(r.Width()));
            }
        }
        return band.data() + std::size_t(y - bandTop) * std::size_t(width);
    });
}

QByteArray PngBytes(QSize size, const PaintPicture& paint) {
    QImage band(size.width(), kBandRows, QImage::Format_RGB32);
    if (size.isEmpty() || band.isNull()) return {};
    int bandTop = -kBandRows;
    return Encode(size.width(), size.height(), nullptr, [&](int y) {
        if (y >= bandTop + kBandRows) {
            bandTop = y;
            QPainter painter(&band);
            painter.translate(0, -bandTop);
            painter.setClipRect(0, bandTop, size.width(), kBandRows);
            paint(painter);
        }
        return band.constScanLine(y - bandTop);
    });
}

}  // namespace nuklorama
