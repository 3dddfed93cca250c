// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <functional>

#include "chart/RecordedSurface.h"

namespace nuklorama {

// Where pictures become PNG bytes, a few rows at a time, so that no picture needs to lie in
// memory whole more than once. Each returns nothing if the picture cannot be encoded.

// Indexed colour when the image has at most 256 colours (as every chart has), true colour
// otherwise.
QByteArray PngBytes(const QImage& image);
// A recorded chart, in indexed colour whenever it can be.
QByteArray PngBytes(const RecordedSurface& chart);
// A picture of the given size in true colour, painted band by band: paint draws the whole
// picture in its own coordinates on a painter that keeps only the band's rows.
using PaintPicture = std::function<void(QPainter& painter)>;
QByteArray PngBytes(QSize size, const PaintPicture& paint);

}  // namespace nuklorama
