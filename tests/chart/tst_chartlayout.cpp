#include <QTest>

#include "chart/ChartLayout.h"
#include "chart/ImageSurface.h"
#include "support/PixelCheck.h"

using namespace nuklorama;

class TestChartLayout : public QObject {
    Q_OBJECT
private slots:
    void minTakesTheEntryOnATie();
    void cellSize_data();
    void cellSize();
    void areaBeyondThirtyTwoBitsOfTwips();
    void bandsAndCellCrossExactly();
    void cellsBeyondTheEdgesAreClipped();
    void numbersBeyondThirtyTwoBitsAreNotDrawn();
    void boxOfOnePixel();
    void resizingKeepsThePicture();
};

void TestChartLayout::minTakesTheEntryOnATie() {
    const std::int32_t one[] = {5};
    QCOMPARE(Min(3, one), 3);
    QCOMPARE(Min(7, one), 5);
    const std::int32_t several[] = {9, 2, 4};
    QCOMPARE(Min(3, several), 2);
    QCOMPARE(Min(3, {}), 3);
}

void TestChartLayout::cellSize_data() {
    QTest::addColumn<int>("widthPixels");
    QTest::addColumn<int>("heightPixels");
    QTest::addColumn<float>("twipsPerPixel");
    QTest::addColumn<int>("maxZ");
    QTest::addColumn<int>("maxN");
    QTest::addColumn<int>("expected");
    // 9000 × 6000 twips at 15 twips per pixel.
    QTest::newRow("example") << 600 << 400 << 15.0f << 118 << 177 << 3;
    QTest::newRow("half the width") << 300 << 400 << 15.0f << 118 << 177 << 1;
    QTest::newRow("narrower than MaxN pixels") << 170 << 400 << 15.0f << 118 << 177 << 0;
    QTest::newRow("rounding still gives one") << 172 << 400 << 15.0f << 118 << 177 << 1;
    QTest::newRow("lower than MaxZ pixels") << 600 << 110 << 15.0f << 118 << 177 << 0;
    QTest::newRow("120 dpi") << 750 << 500 << 12.0f << 118 << 177 << 4;
    QTest::newRow("height step 44.5 rounds to even") << 600 << 89 << 15.0f << 30 << 10 << 2;
    QTest::newRow("twips per pixel are rounded") << 600 << 400 << 14.6f << 1 << 1 << 389;
}

void TestChartLayout::cellSize() {
    QFETCH(int, widthPixels);
    QFETCH(int, heightPixels);
    QFETCH(float, twipsPerPixel);
    QFETCH(int, maxZ);
    QFETCH(int, maxN);
    QFETCH(int, expected);
    const ImageSurface area(widthPixels, heightPixels, twipsPerPixel);
    QCOMPARE(int(ComputeCellSize(area, std::int16_t(maxZ), std::int16_t(maxN))), expected);
}

void TestChartLayout::areaBeyondThirtyTwoBitsOfTwips() {
    // Sixteen million pixels at one inch each: no image is that large, but the size must not fail.
    struct Vast : Surface {
        float Width() const override { return 16'000'000.0f * 1440; }
        float Height() const override { return 16'000'000.0f * 1440; }
        float TwipsPerPixelX() const override { return 1440; }
        float TwipsPerPixelY() const override { return 1440; }
        void Cls() override {}
        void FillBox(float, float, float, float, Colour) override {}
    };
    QCOMPARE(ComputeCellSize(Vast(), 1, 2), INT16_MAX);
}

void TestChartLayout::bandsAndCellCrossExactly() {
    ImageSurface area(60, 40, 15);
    DrawH(area, 3, 2, kGreen);
    DrawV(area, 3, 2, kBlue);
    DrawCell(area, 3, 2, 2, kRed);
    const QImage image = area.AreaImage();
    // The row band: pixel rows 6 to 8 across the full width, under the column band.
    QVERIFY(AllPixels(image, QRect(0, 6, 6, 3), kGreen));
    QVERIFY(AllPixels(image, QRect(9, 6, 51, 3), kGreen));
    QVERIFY(AllPixels(image, QRect(6, 0, 3, 6), kBlue));
    QVERIFY(AllPixels(image, QRect(6, 9, 3, 31), kBlue));
    QCOMPARE(PixelsOf(image, kRed), QRect(6, 6, 3, 3));
    QVERIFY(AllPixels(image, QRect(0, 0, 6, 6), kBackground));
    QVERIFY(AllPixels(image, QRect(0, 9, 6, 31), kBackground));
}

void TestChartLayout::cellsBeyondTheEdgesAreClipped() {
    ImageSurface area(10, 10, 15);
    DrawCell(area, 4, 2, 2, kRed);    // pixels 8 to 11: two of them inside
    DrawCell(area, 4, -1, 0, kBlue);  // above the area
    DrawCell(area, 4, 0, -1, kBlue);  // left of it
    const QImage image = area.AreaImage();
    QCOMPARE(PixelsOf(image, kRed), QRect(8, 8, 2, 2));
    QCOMPARE(PixelsOf(image, kBlue), QRect());
}

void TestChartLayout::numbersBeyondThirtyTwoBitsAreNotDrawn() {
    ImageSurface area(10, 10, 15);
    DrawH(area, 3, std::numeric_limits<std::int32_t>::max(), kGreen);
    DrawV(area, 3, std::numeric_limits<std::int32_t>::min(), kGreen);
    DrawCell(area, 2, 1'500'000'000, 0, kGreen);
    QCOMPARE(PixelsOf(area.AreaImage(), kGreen), QRect());
}

void TestChartLayout::boxOfOnePixel() {
    ImageSurface area(10, 10, 15);
    area.FillBox(90, 45, 90, 45, kRed);
    QCOMPARE(PixelsOf(area.AreaImage(), kRed), QRect(6, 3, 1, 1));
    area.FillBox(135, 135, 100000, 100000, kBlue);
    QCOMPARE(PixelsOf(area.AreaImage(), kBlue), QRect(9, 9, 1, 1));
}

void TestChartLayout::resizingKeepsThePicture() {
    ImageSurface area(10, 10, 15);
    area.FillBox(0, 0, 135, 135, kRed);
    area.Resize(20, 5);
    QCOMPARE(area.Width(), 300.0f);
    QVERIFY(AllPixels(area.AreaImage(), QRect(0, 0, 10, 5), kRed));
    QVERIFY(AllPixels(area.AreaImage(), QRect(10, 0, 10, 5), kBackground));
    area.Resize(20, 20);
    QVERIFY(AllPixels(area.AreaImage(), QRect(0, 0, 10, 10), kRed));
    area.Cls();
    QVERIFY(AllPixels(area.AreaImage(), QRect(0, 0, 20, 20), kBackground));
}

QTEST_APPLESS_MAIN(TestChartLayout)
#include "tst_chartlayout.moc"
