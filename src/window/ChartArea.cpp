// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ChartArea.h"

#include <QPainter>
#include <cmath>

#include "window/Twips.h"

namespace nuklorama {

ChartArea::ChartArea(QWidget* parent) : QWidget(parent), picture_(0, 0, 15) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

void ChartArea::FitSurface() {
    const double ratio = devicePixelRatioF();
    picture_.Fit(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)),
                 twips::PerPixel(this));
}

void ChartArea::resizeEvent(QResizeEvent*) {
    FitSurface();
}

void ChartArea::paintEvent(QPaintEvent*) {
    FitSurface();  // the screen may have changed under the window
    QPainter painter(this);
    const QImage& image = picture_.Image();
    const double ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
}

}  // namespace nuklorama
