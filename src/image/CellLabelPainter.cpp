// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/CellLabelPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/CellLabel.h"
#include "chart/HalfLifeColour.h"
#include "image/ImageSurface.h"

namespace nuklorama {
namespace {

QFont FontOfPixels(int pixels) {
    QFont font;
    font.setPixelSize(std::max(pixels, 1));
    return font;
}

// One line of plain text, elided to the width it has.
void DrawLine(QPainter& painter, const QFont& font, const QRect& box, const QString& text) {
    const QFontMetrics metrics(font);
    painter.setFont(font);
    const QString shown = metrics.horizontalAdvance(text) <= box.width()
                              ? text
                              : metrics.elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, shown);
}

}  // namespace

void CellLabelPainter::UseCellSize(int cellSize, double ratio) {
    if (cellSize == cellSize_ && ratio == ratio_) return;
    cellSize_ = cellSize;
    ratio_ = ratio;
    halfLives_ = cellSize >= kHalfLifeLabelSize * ratio;
    margin_ = std::max(int(std::lround(2 * ratio)), cellSize / 12);
    nameFont_ = FontOfPixels(int(cellSize * (halfLives_ ? 0.26 : 0.34)));
    halfLifeFont_ = FontOfPixels(int(cellSize * 0.17));
}

void CellLabelPainter::Paint(QImage& image, const NuclideTable& table, const CellIndex& cells,
                             int cellSize, double ratio, int offsetX, int offsetY) {
    if (cellSize < kNameLabelSize * ratio) return;
    UseCellSize(cellSize, ratio);
    QPainter painter(&image);
    const int s = cellSize;
    const auto firstN = std::int32_t(std::floor(double(offsetX) / s));
    const auto lastN = std::int32_t(std::floor(double(offsetX + image.width() - 1) / s));
    const auto firstZ = std::int32_t(std::floor(double(offsetY) / s));
    const auto lastZ = std::int32_t(std::floor(double(offsetY + image.height() - 1) / s));
    for (std::int32_t Z = firstZ; Z <= lastZ; ++Z) {
        for (const CellIndex::Entry& e : cells.RowBetween(Z, firstN, lastN)) {
            const auto r = static_cast<std::size_t>(e.record);
            const int left = int((long long)e.other * s - offsetX);
            const int top = int((long long)Z * s - offsetY);
            const QRect inside(left + margin_, top + margin_, s - 2 * margin_, s - 2 * margin_);
            const Colour colour =
                LabelColour(HalfLifeColour(table.HalfLife[r], table.HalfLifeUnit[r]));
            painter.setPen(QColor(ToQRgb(colour)));
            const QString name = QString::fromStdString(NuclideName(Z, e.other));
            if (!halfLives_) {
                DrawLine(painter, nameFont_, inside, name);
                continue;
            }
            const int upper = inside.height() * 3 / 5;
            DrawLine(painter, nameFont_, QRect(inside.left(), inside.top(), inside.width(), upper),
                     name);
            DrawLine(
                painter, halfLifeFont_,
                QRect(inside.left(), inside.top() + upper, inside.width(), inside.height() - upper),
                QString::fromStdString(ShortHalfLife(table.HalfLife[r], table.HalfLifeUnit[r])));
        }
    }
}

}  // namespace nuklorama
