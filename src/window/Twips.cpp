// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace nuklorama::twips {
namespace {

constexpr double kTwipsPerInch = 1440;

double PerLogicalPixel(const QWidget* widget) {
    return kTwipsPerInch / widget->logicalDpiX();
}

}  // namespace

float PerPixel(double logicalDpi, double devicePixelRatio) {
    // Keeps the whole-pixel arithmetic of the chart defined on any screen a toolkit reports.
    const double dotsPerInch = std::clamp(logicalDpi * devicePixelRatio, 1.0, kTwipsPerInch);
    return float(kTwipsPerInch / dotsPerInch);
}

float PerPixel(const QWidget* widget) {
    return PerPixel(widget->logicalDpiX(), widget->devicePixelRatioF());
}

int ToLogicalPixels(const QWidget* widget, float twips) {
    return int(std::lround(twips / PerLogicalPixel(widget)));
}

float FromLogicalPixels(const QWidget* widget, int pixels) {
    return float(pixels * PerLogicalPixel(widget));
}

float Left(const QWidget* control) {
    return FromLogicalPixels(control, control->x());
}
float Top(const QWidget* control) {
    return FromLogicalPixels(control, control->y());
}
float Width(const QWidget* control) {
    return FromLogicalPixels(control, control->width());
}
float Height(const QWidget* control) {
    return FromLogicalPixels(control, control->height());
}

void SetTop(QWidget* control, float twips) {
    control->move(control->x(), ToLogicalPixels(control, twips));
}

bool SetWidth(QWidget* control, float twips) {
    if (twips < 0) return false;
    control->resize(ToLogicalPixels(control, twips), control->height());
    return true;
}

bool SetHeight(QWidget* control, float twips) {
    if (twips < 0) return false;
    control->resize(control->width(), ToLogicalPixels(control, twips));
    return true;
}

}  // namespace nuklorama::twips
