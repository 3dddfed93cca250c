// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "image/ImageSurface.h"

namespace nuklorama {

// The chart area: shows its persistent image and nothing else. It never redraws the chart by
// itself; covering, minimising or resizing the window leave the picture as drawn.
class ChartArea : public QWidget {
    Q_OBJECT
public:
    explicit ChartArea(QWidget* parent = nullptr);

    ImageSurface& Picture() { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitSurface();

    ImageSurface picture_;
};

}  // namespace nuklorama
