#pragma once

#include <QImage>

#include "chart/Surface.h"

namespace nuklorama {

QRgb ToQRgb(Colour colour);

// A chart area of whole device pixels backed by one persistent image. Resizing the area never
// rescales or redraws what is drawn: the image only grows, and what it held stays in place.
class ImageSurface : public Surface {
public:
    ImageSurface(int widthPixels, int heightPixels, float twipsPerPixel);

    // Returns false, keeping the old size, when the image could not grow.
    bool Resize(int widthPixels, int heightPixels);
    void SetTwipsPerPixel(float twipsPerPixel) { twipsPerPixel_ = twipsPerPixel; }

    // May be larger than the area; only the area's pixels belong to the chart.
    const QImage& Image() const { return image_; }
    QImage AreaImage() const { return image_.copy(0, 0, width_, height_); }

    float Width() const override { return float(width_) * twipsPerPixel_; }
    float Height() const override { return float(height_) * twipsPerPixel_; }
    float TwipsPerPixelX() const override { return twipsPerPixel_; }
    float TwipsPerPixelY() const override { return twipsPerPixel_; }
    void Cls() override;
    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;

private:
    QImage image_;
    int width_ = 0;
    int height_ = 0;
    float twipsPerPixel_;
};

}  // namespace nuklorama
