// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <optional>

#include "chart/ChartLayout.h"
#include "chart/DrawCommand.h"
#include "chart/DrawnChart.h"
#include "chart/HalfLifeColour.h"
#include "chart/RecordedSurface.h"
#include "image/ImageSurface.h"
#include "image/Png.h"
#include "support/PixelCheck.h"
#include "support/TestFiles.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(std::string)

class TestChart : public QObject {
    Q_OBJECT
    static constexpr Colour Grey(int g) { return g * 65793; }

private slots:
    void init() {
        s_.emplace();
        state_ = ChartState();
        area_ = ImageSurface(200, 120, 15);
    }

    void cleanup() { s_.reset(); }

    void colour_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("unit");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, double value, const char* unit, Colour expected) {
            QTest::newRow(name) << value << std::string(unit) << expected;
        };
        row("10 s lands below its step", 10, "s", Grey(65));
        // Two of each unit, well inside a step, so that any wrong factor shows.
        row("ys", 2e15, "ys", Grey(7));
        row("zs", 2e13, "zs", Grey(13));
        row("as", 2e11, "as", Grey(19));
        row("fs", 2e9, "fs", Grey(25));
        row("ps", 2e7, "ps", Grey(31));
        row("ns", 2e5, "ns", Grey(37));
        row("us", 2e3, "us", Grey(43));
        row("ms", 20, "ms", Grey(49));
        row("s", 2, "s", Grey(61));
        row("m", 2, "m", Grey(72));
        row("min", 2, "MIN", Grey(72));
        row("h", 2, "h", Grey(83));
        row("d", 2, "d", Grey(91));
        row("y", 2, "Y", Grey(106));
        row("a", 2, "a", Grey(106));
        row("1e-11 s", 1e-11, "s", kBlack);
        row("last grey", 3.0e32, "s", Grey(254));
        row("STABLE", 5, "STABLE", kWhite);
        row("stable with a blank", 0, "stable ", kBlack);
        row("UN", 3, "UN", kRed);
        row("sec", 1, "sec", kBlack);
        row("negative", -5, "h", kBlack);
        row("overflows into seconds", 1e307, "y", kWhite);
    }

    void colour() {
        QFETCH(double, value);
        QFETCH(std::string, unit);
        QFETCH(int, expected);
        QCOMPARE(HalfLifeColour(value, unit), expected);
    }

    void cellSize_data() {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<float>("twipsPerPixel");
        QTest::addColumn<QSize>("extent");  // MaxN across, MaxZ down
        QTest::addColumn<int>("expected");
        const QSize nubase(177, 118);
        // 9000 × 6000 twips at 15 twips per pixel.
        QTest::newRow("example") << QSize(600, 400) << 15.0f << nubase << 3;
        QTest::newRow("narrower than MaxN pixels") << QSize(170, 400) << 15.0f << nubase << 0;
        QTest::newRow("rounding still gives one") << QSize(172, 400) << 15.0f << nubase << 1;
        QTest::newRow("lower than MaxZ pixels") << QSize(600, 110) << 15.0f << nubase << 0;
        QTest::newRow("height step 44.5 rounds to even")
            << QSize(600, 89) << 15.0f << QSize(10, 30) << 2;
        QTest::newRow("twips per pixel are rounded")
            << QSize(600, 400) << 14.6f << QSize(1, 1) << 389;
        // Sixteen million pixels of an inch each: beyond 32 bits of twips, capped, not failed.
        QTest::newRow("vast") << QSize(16'000'000, 16'000'000) << 1440.0f << QSize(2, 1)
                              << int(INT16_MAX);
    }

    void cellSize() {
        QFETCH(QSize, pixels);
        QFETCH(float, twipsPerPixel);
        QFETCH(QSize, extent);
        QFETCH(int, expected);
        const RecordedSurface area(pixels.width(), pixels.height(), twipsPerPixel);
        QCOMPARE(
            int(ComputeCellSize(area, std::int16_t(extent.height()), std::int16_t(extent.width()))),
            expected);
    }

    void bandsAndCellsCrossAndClip() {
        // Row 2 is pixel rows 6 to 8 across the full width, column 2 the same down; the cell is
        // where they cross.
        RecordedSurface boxes(60, 40, 15);
        DrawH(boxes, 3, 2, kGreen);
        DrawV(boxes, 3, 2, kBlue);
        DrawCell(boxes, 3, 2, 2, kRed);
        QCOMPARE(SvgElements(boxes),
                 "<rect x=\"0\" y=\"0\" width=\"60\" height=\"40\" fill=\"#f6f1e4\"/>\n"
                 "<rect x=\"0\" y=\"6\" width=\"60\" height=\"3\" fill=\"#00ff00\"/>\n"
                 "<rect x=\"6\" y=\"0\" width=\"3\" height=\"40\" fill=\"#0000ff\"/>\n"
                 "<rect x=\"6\" y=\"6\" width=\"3\" height=\"3\" fill=\"#ff0000\"/>\n");

        ImageSurface area(60, 40, 15);
        DrawCell(area, 4, 9, 14, kRed);   // pixels 56 to 59 across, 36 to 39 down: the corner
        DrawCell(area, 4, -1, 0, kBlue);  // above the area
        DrawCell(area, 4, 0, -1, kBlue);  // left of it
        DrawH(area, 3, INT32_MAX, kGreen);
        DrawV(area, 3, INT32_MIN, kGreen);
        DrawCell(area, 2, 1'500'000'000, 0, kGreen);
        area.FillBox(90, 45, 90, 45, kWhite);  // one pixel
        const QImage image = area.AreaImage();
        QCOMPARE(PixelsOf(image, kRed), QRect(56, 36, 4, 4));
        QCOMPARE(PixelsOf(image, kBlue), QRect());
        QCOMPARE(PixelsOf(image, kGreen), QRect());
        QCOMPARE(PixelsOf(image, kWhite), QRect(6, 3, 1, 1));
    }

    void overlaysStackInOrderUnderTheCells() {
        const std::string text = Table({Record(12, 20, "1", "un")}, 10);
        QCOMPARE(Press(text + Record(2, 8, "-", "stable") + "\r\n" + Record(3, 3, "1", "s")),
                 DrawResult::Drawn);
        const QImage image = area_.AreaImage();
        auto at = [&image](int column, int row) {
            return image.pixel(column * 10 + 5, row * 10 + 5);
        };
        QCOMPARE(at(5, 10), ToQRgb(kYellow));  // period row 10 over grid row 10
        QCOMPARE(at(5, 2), ToQRgb(kBlue));     // magic row 2 over period row 2
        QCOMPARE(at(10, 8), ToQRgb(kBlue));    // magic row 8 over grid column 10
        QCOMPARE(at(2, 10), ToQRgb(kBlue));    // magic column 2 over period row 10
        QCOMPARE(at(8, 2), ToQRgb(kWhite));    // the cell over the magic bands
        QCOMPARE(at(3, 3), ToQRgb(Grey(60)));
        QCOMPARE(at(0, 5), ToQRgb(kGreen));
        QCOMPARE(at(5, 5), ToQRgb(kBackground));
    }

    void eachPressReloadsTheTable() {
        // The grid reaches as far as the record count: with ten records, row and column 10.
        const Overlays grid{true, false, false};
        Press(Table({Record(12, 20, "1", "s"), Record(3, 3, "-", "stable")}, 5), grid);
        QCOMPARE(state_.CellSize, 10);
        QImage image = area_.AreaImage();
        for (const QRect band : {QRect(0, 0, 200, 10), QRect(0, 100, 200, 10), QRect(0, 0, 10, 120),
                                 QRect(100, 0, 10, 120)})
            QVERIFY(AllPixels(image, band, kGreen));
        QCOMPARE(image.pixel(35, 35), ToQRgb(kWhite));
        QVERIFY(AllPixels(image, QRect(40, 40, 60, 60), kBackground));
        Press(Table({Record(12, 20, "1", "s")}), grid);
        QCOMPARE(state_.table.NuclideCount, 1);
        image = area_.AreaImage();
        QCOMPARE(image.pixel(35, 35), ToQRgb(kBackground));
        QCOMPARE(image.pixel(105, 55), ToQRgb(kBackground));
        QCOMPARE(image.pixel(55, 105), ToQRgb(kBackground));
        QCOMPARE(image.pixel(5, 105), ToQRgb(kGreen));
        // A count above the table, after Ignore past the 5000th record: the 5000 are drawn.
        s_->ui.otherwise = Answer::Ignore;
        QCOMPARE(Press(Table({Record(12, 20, "1", "s"), Record(3, 3, "-", "stable")}, 2501)),
                 DrawResult::Drawn);
        QCOMPARE(state_.table.NuclideCount, 5002);
        QCOMPARE(area_.AreaImage().pixel(35, 35), ToQRgb(kWhite));
    }

    void pressesThatDrawNothing_data() {
        QTest::addColumn<std::string>("table");
        QTest::addColumn<bool>("tooSmall");  // or else nothing to draw
        QTest::newRow("too small") << Table({Record(12, 300, "-", "stable")}) << true;
        QTest::newRow("header only") << Table({}) << false;
        QTest::newRow("no positive Z") << Table({Record(0, 5, "1", "s")}) << false;
        QTest::newRow("empty file") << std::string() << false;
    }

    void pressesThatDrawNothing() {
        QFETCH(std::string, table);
        QFETCH(bool, tooSmall);
        Press(Table({Record(12, 20, "-", "stable")}));
        const QImage before = area_.AreaImage();
        s_->ui = ScriptedUserInterface();
        QVERIFY(Press(table) != DrawResult::Drawn);
        QCOMPARE(s_->ui.boxes.back().text,
                 std::string(tooSmall ? kAreaTooSmallMessage : kNothingToDrawMessage));
        QCOMPARE(s_->ui.boxes.back().buttons, Buttons::Ok);
        QCOMPARE(s_->ui.boxes.back().icon, tooSmall ? Icon::None : Icon::Exclamation);
        QCOMPARE(s_->ui.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
        QCOMPARE(area_.AreaImage(), before);
    }

    void identifiesTheCellUnderThePointer_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, QPoint pixel, const char* text) {
            QTest::newRow(name) << pixel << QString::fromUtf8(text);
        };
        // Cells of 2 pixels: Z 26, N 30 covers x 60 and 61, y 52 and 53.
        row("timed", {60, 52}, "⁵⁶Fe\nZ = 26, N = 30, A = 56\n半衰期 2.6 y");
        row("far edge of the cell", {61, 53}, "⁵⁶Fe\nZ = 26, N = 30, A = 56\n半衰期 2.6 y");
        row("next cell, empty", {62, 53}, "Fe\nZ = 26, N = 31");
        row("the neutron, stable", {2, 0}, "¹n\nZ = 0, N = 1, A = 1\n稳定");
        row("shared cell: the last record is on top", {16, 16}, "¹⁶O\nZ = 8, N = 8, A = 16\n稳定");
        row("beyond 118, unknown", {361, 239}, "Z = 119, N = 180, A = 299\n半衰期未知");
        row("markup stays text", {3, 3}, "²H\nZ = 1, N = 1, A = 2\n半衰期 1 <b>x</b>");
        row("right of the area", {400, 10}, "");
        row("left of the area", {-1, 10}, "");
    }

    void identifiesTheCellUnderThePointer() {
        QFETCH(QPoint, pixel);
        QFETCH(QString, text);
        s_->Load(Table({Record(26, 30, "2.6", "y"), Record(0, 1, "-", "stable"),
                        Record(8, 8, "1", "s"), Record(8, 8, "-", "STABLE"),
                        Record(119, 180, "-", "un"), Record(1, 1, "1", "<b>x</b>")}));
        const DrawnChart chart{std::make_shared<NuclideTable>(*s_->table), 2, {}, 400, 300, 15, {}};
        QCOMPARE(QString::fromStdString(DescribeCell(chart, pixel.x(), pixel.y())), text);
    }

    void pngKeepsEveryPixel_data() {
        QTest::addColumn<int>("greys");
        QTest::newRow("a few colours: indexed") << 3;
        // Every grey of the scale, red and three bands: 261 colours, too many for a palette.
        QTest::newRow("every grey: true colour") << 256;
    }

    void pngKeepsEveryPixel() {
        QFETCH(int, greys);
        std::string text = "h\r\n";
        for (int g = 0; g < greys; ++g)  // half-lives in the middle of grey step g
            text +=
                Record(1 + g / 20, 1 + g % 20,
                       QByteArray::number(std::pow(10, (g + 0.5) / 6 - 10), 'g', 17).toStdString(),
                       "s") +
                "\r\n";
        text += Record(12, 20, "-", "un") + "\r\n";
        RecordedSurface boxes(200, 120, 15);
        QCOMPARE(Press(text), DrawResult::Drawn);
        PressDraw(kTableFileName, state_, boxes, s_->ui, {});
        const QImage drawn = area_.AreaImage();
        const QImage fromBoxes = QImage::fromData(PngBytes(boxes), "PNG");
        const QImage fromImage = QImage::fromData(PngBytes(drawn), "PNG");
        QCOMPARE(fromBoxes.format() == QImage::Format_Indexed8, greys < 256);
        QCOMPARE(fromBoxes.convertToFormat(QImage::Format_RGB32), drawn);
        QCOMPARE(fromImage.convertToFormat(QImage::Format_RGB32), drawn);
    }

private:
    DrawResult Press(const std::string& table, Overlays overlays = {}) {
        WriteFile(kTableFileName, table);
        return PressDraw(kTableFileName, state_, area_, s_->ui, overlays);
    }

    std::optional<LoadScratch> s_;
    ChartState state_;
    // 200 × 120 pixels: with MaxN 20 and MaxZ 12 each cell is 10 pixels square.
    ImageSurface area_{200, 120, 15};
};

QTEST_GUILESS_MAIN(TestChart)
#include "tst_chart.moc"
