#pragma once

#include <QWidget>

#include "chart/ImageSurface.h"

namespace nuklorama {

// The chart area: shows its persistent image and nothing else. It never redraws the chart by
// itself; covering, minimising or resizing the window leave the picture as drawn.
class ChartArea : public QWidget {
    Q_OBJECT
public:
    explicit ChartArea(QWidget* parent = nullptr);

    ImageSurface& surface() { return surface_; }
    const ImageSurface& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitSurface();

    ImageSurface surface_;
};

}  // namespace nuklorama
