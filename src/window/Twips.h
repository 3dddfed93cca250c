// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Control geometry and the chart are measured in twips (1/1440 inch).
namespace nuklorama::twips {

// Twips in one device pixel. A chart pixel is a device pixel, so the chart stays crisp on a
// scaled screen: 15 at 96 dpi, 12 at 120 dpi or at a 1.25 scale factor.
float PerPixel(double logicalDpi, double devicePixelRatio);
float PerPixel(const QWidget* widget);

int ToLogicalPixels(const QWidget* widget, float twips);
float FromLogicalPixels(const QWidget* widget, int pixels);

float Left(const QWidget* control);
float Top(const QWidget* control);
float Width(const QWidget* control);
float Height(const QWidget* control);
void SetTop(QWidget* control, float twips);
// A negative size is refused: the control keeps its size and false is returned.
bool SetWidth(QWidget* control, float twips);
bool SetHeight(QWidget* control, float twips);

}  // namespace nuklorama::twips
