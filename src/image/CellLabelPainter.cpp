// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/CellLabelPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "chart/CellLabel.h"
#include "chart/HalfLifeColour.h"
#include "image/ImageSurface.h"

namespace nuklorama {

// A font at one pixel size whose glyphs are rendered once, as coverage masks, when first used.
class GlyphFont {
public:
    struct Glyph {
        QImage mask;    // coverage, 0 to 255
        QPoint corner;  // of the mask, from the pen on the baseline
        int advance;
    };

    explicit GlyphFont(int pixels) {
        font_.setPixelSize(pixels);
        const QFontMetrics metrics(font_);
        ascent_ = metrics.ascent();
        height_ = metrics.height();
    }

    int Ascent() const { return ascent_; }
    int Height() const { return height_; }

    const Glyph& Of(char32_t c) {
        const auto found = glyphs_.find(c);
        if (found != glyphs_.end()) return found->second;
        const QString text = QString::fromUcs4(&c, 1);
        const QFontMetrics metrics(font_);
        const QRect bounds = metrics.boundingRect(text).adjusted(-1, -1, 1, 1);
        QImage drawn(bounds.size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setFont(font_);
        painter.setPen(Qt::white);
        painter.drawText(-bounds.left(), -bounds.top(), text);
        painter.end();
        return glyphs_[c] = {drawn.convertToFormat(QImage::Format_Alpha8), bounds.topLeft(),
                             metrics.horizontalAdvance(text)};
    }

    int Width(std::u32string_view text) {
        int width = 0;
        for (const char32_t c : text)
            width += Of(c).advance;
        return width;
    }

private:
    QFont font_;
    int ascent_ = 0, height_ = 0;
    std::unordered_map<char32_t, Glyph> glyphs_;
};

namespace {

// The code points of short UTF-8 text, into a fixed buffer: labels are a few characters long.
std::u32string_view Decoded(std::string_view text, char32_t (&buffer)[32]) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size() && n < std::size(buffer);) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra && i + std::size_t(k) < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3F);
        buffer[n++] = c;
        i += std::size_t(extra) + 1;
    }
    return {buffer, n};
}

// Blends the glyph's coverage in colour into image, only inside clip.
void Blend(QImage& image, const GlyphFont::Glyph& glyph, QPoint pen, QRgb colour,
           const QRect& clip) {
    const QRect area = QRect(pen + glyph.corner, glyph.mask.size()) & clip & image.rect();
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* cover = glyph.mask.constScanLine(y - pen.y() - glyph.corner.y());
        for (int x = area.left(); x <= area.right(); ++x) {
            const int a = cover[x - pen.x() - glyph.corner.x()];
            if (a == 0) continue;
            const QRgb d = line[x];
            line[x] = qRgb(qRed(d) + (r - qRed(d)) * a / 255, qGreen(d) + (g - qGreen(d)) * a / 255,
                           qBlue(d) + (b - qBlue(d)) * a / 255);
        }
    }
}

}  // namespace

CellLabelPainter::CellLabelPainter() = default;
CellLabelPainter::~CellLabelPainter() = default;

GlyphFont& CellLabelPainter::FontOfPixels(int pixels) {
    pixels = std::max(pixels, 1);
    auto& font = fonts_[pixels];
    if (!font) font = std::make_unique<GlyphFont>(pixels);
    return *font;
}

void CellLabelPainter::UseCellSize(int cellSize, double ratio) {
    if (cellSize == cellSize_ && ratio == ratio_) return;
    cellSize_ = cellSize;
    ratio_ = ratio;
    halfLives_ = cellSize >= kHalfLifeLabelSize * ratio;
    margin_ = std::max(int(std::lround(2 * ratio)), cellSize / kCellsPerMargin);
    const int width = cellSize - 2 * margin_;
    const int name = FittingPixels(
        int(cellSize * (halfLives_ ? kNameFontShare : kNameOnlyFontShare)), kWidestName, width);
    name_ = {&FontOfPixels(name), &FontOfPixels(name * 3 / 4)};
    const int halfLife = FittingPixels(int(cellSize * kHalfLifeFontShare), kWidestHalfLife, width);
    halfLife_ = {&FontOfPixels(halfLife), &FontOfPixels(halfLife * 3 / 4)};
}

int CellLabelPainter::FittingPixels(int pixels, std::u32string_view widest, int width) {
    // One size for all cells, so that the chart reads evenly; the rare longer label shrinks.
    const int wide = FontOfPixels(pixels).Width(widest);
    if (wide > width) pixels = pixels * width / wide;
    while (pixels > 1 && FontOfPixels(pixels).Width(widest) > width)
        --pixels;
    return std::max(pixels, 1);
}

void CellLabelPainter::DrawLine(QImage& image, const Line& line, const QRect& box,
                                std::string_view text, const LabelInk& ink) {
    char32_t buffer[32];
    std::u32string_view shown = Decoded(text, buffer);
    GlyphFont* font = line.font;
    int width = font->Width(shown);
    if (width > box.width()) width = (font = line.smaller)->Width(shown);
    if (width > box.width()) {
        // Elided: as many characters as fit before the ellipsis.
        const char32_t ellipsis = U'…';
        while (!shown.empty() && width > box.width()) {
            shown.remove_suffix(1);
            width = font->Width(shown) + font->Of(ellipsis).advance;
        }
        buffer[shown.size()] = ellipsis;
        shown = std::u32string_view(buffer, shown.size() + 1);
    }
    QPoint pen(box.left() + (box.width() - width) / 2,
               box.top() + (box.height() - font->Height()) / 2 + font->Ascent());
    if (ink.plate) {
        const QRect plate =
            QRect(pen.x() - 1, pen.y() - font->Ascent(), width + 2, font->Height()) & box &
            image.rect();
        for (int y = plate.top(); y <= plate.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + plate.left(), plate.width(),
                        ToQRgb(*ink.plate));
    }
    const QRgb rgb = ToQRgb(ink.text);
    for (const char32_t c : shown) {
        const GlyphFont::Glyph& glyph = font->Of(c);
        Blend(image, glyph, pen, rgb, box);
        pen.rx() += glyph.advance;
    }
}

void CellLabelPainter::Paint(QImage& image, const NuclideTable& table, const CellIndex& cells,
                             const CellColouring& colouring, const Viewport& view, double ratio) {
    const int s = view.cellSize;
    if (s < kNameLabelSize * ratio) return;
    UseCellSize(s, ratio);
    const CellSpan shown = view.Visible();
    for (std::int32_t Z = shown.firstZ; Z <= shown.lastZ; ++Z) {
        for (const CellIndex::Cell& e : cells.RowBetween(Z, shown.firstN, shown.lastN)) {
            const auto r = static_cast<std::size_t>(e.record);
            const int left = int(view.Left(e.N)), top = int(view.Top(Z));
            const QRect inside(left + margin_, top + margin_, s - 2 * margin_, s - 2 * margin_);
            const LabelInk colour = InkFor(colouring(e.record));
            const std::string name = NuclideName(Z, e.N);
            if (!halfLives_) {
                DrawLine(image, name_, inside, name, colour);
                continue;
            }
            const int upper = inside.height() * 3 / 5;
            DrawLine(image, name_, QRect(inside.left(), inside.top(), inside.width(), upper), name,
                     colour);
            DrawLine(
                image, halfLife_,
                QRect(inside.left(), inside.top() + upper, inside.width(), inside.height() - upper),
                ShortHalfLife(table.HalfLife[r], table.HalfLifeUnit[r]), colour);
        }
    }
}

}  // namespace nuklorama
