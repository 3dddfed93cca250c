#include <QTest>
#include <array>
#include <memory>

#include "chart/DrawCommand.h"
#include "chart/ImageSurface.h"
#include "support/PixelCheck.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"

using namespace nuklorama;

class TestDrawCommand : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void onlyCellsWhenAllOverlaysAreOff();
    void gridIsBoundedByTheRecordCount_data();
    void gridIsBoundedByTheRecordCount();
    void overlaysStackInOrderUnderTheCells();
    void cellColoursFollowTheHalfLife();
    void eachPressReloadsTheTable();
    void tooSmallAreaKeepsThePicture();
    void tableWithNothingToDraw();
    void countAboveTheTableDrawsWhatExists();
    void missingTableEndsBeforeDrawing();

private:
    DrawResult Press(std::array<bool, 3> overlays = {true, true, true}) {
        return DrawChart(kTableFileName, *state_, area_, ui_,
                         [overlays](Overlay o) { return overlays[static_cast<std::size_t>(o)]; });
    }

    std::unique_ptr<TemporaryCurrentDir> dir_;
    std::unique_ptr<ChartState> state_;
    ScriptedUserInterface ui_;
    // 200 × 120 pixels: with MaxN 20 and MaxZ 12 each cell is 10 pixels square.
    ImageSurface area_{200, 120, 15};
};

void TestDrawCommand::init() {
    dir_ = std::make_unique<TemporaryCurrentDir>();
    state_ = std::make_unique<ChartState>();
    ui_ = ScriptedUserInterface();
    area_ = ImageSurface(200, 120, 15);
}

void TestDrawCommand::cleanup() {
    dir_.reset();
}

void TestDrawCommand::onlyCellsWhenAllOverlaysAreOff() {
    area_.FillBox(0, 0, 3000, 1800, kRed);
    WriteFile(kTableFileName, Table({Record(12, 20, "-", "stable"), Record(2, 3, "1", "s")}));
    QCOMPARE(Press({false, false, false}), DrawResult::Drawn);
    QCOMPARE(state_->CellSize, 10);
    const QImage image = area_.AreaImage();
    QCOMPARE(PixelsOf(image, 0x3C3C3C), QRect(30, 20, 10, 10));  // 1 s is grey 60
    QCOMPARE(PixelsOf(image, kWhite), QRect());                  // row 12 lies below the area
    QCOMPARE(PixelsOf(image, kRed), QRect());
    QCOMPARE(ui_.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
}

void TestDrawCommand::gridIsBoundedByTheRecordCount_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("bandAtTen");
    QTest::newRow("5 records: only row and column 0") << 5 << false;
    QTest::newRow("10 records") << 10 << true;
    QTest::newRow("3000 records") << 3000 << true;
}

void TestDrawCommand::gridIsBoundedByTheRecordCount() {
    QFETCH(int, records);
    QFETCH(bool, bandAtTen);
    std::string text = "h\r\n";
    text += Record(12, 20, "1", "s") + "\r\n";
    for (int i = 1; i < records; ++i)
        text += Record(12, 20, "1", "s") + "\r\n";
    WriteFile(kTableFileName, text);
    QCOMPARE(Press({true, false, false}), DrawResult::Drawn);
    const QImage image = area_.AreaImage();
    QVERIFY(AllPixels(image, QRect(0, 0, 200, 10), kGreen));
    QVERIFY(AllPixels(image, QRect(0, 0, 10, 120), kGreen));
    QCOMPARE(AllPixels(image, QRect(0, 100, 200, 10), kGreen), bandAtTen);
    QCOMPARE(AllPixels(image, QRect(100, 0, 10, 120), kGreen), bandAtTen);
    QVERIFY(AllPixels(image, QRect(20, 20, 80, 80), kBackground));
}

void TestDrawCommand::overlaysStackInOrderUnderTheCells() {
    std::string text = "h\r\n";
    for (int i = 0; i < 10; ++i)
        text += Record(12, 20, "1", "un") + "\r\n";
    text += Record(2, 8, "-", "stable") + "\r\n";
    WriteFile(kTableFileName, text);
    QCOMPARE(Press(), DrawResult::Drawn);
    const QImage image = area_.AreaImage();
    auto at = [&image](int column, int row) { return image.pixel(column * 10 + 5, row * 10 + 5); };
    QCOMPARE(at(5, 10), ToQRgb(kYellow));  // period row 10 over grid row 10
    QCOMPARE(at(5, 2), ToQRgb(kBlue));     // magic row 2 over period row 2
    QCOMPARE(at(10, 8), ToQRgb(kBlue));    // magic row 8 over grid column 10
    QCOMPARE(at(2, 10), ToQRgb(kBlue));    // magic column 2 over period row 10
    QCOMPARE(at(8, 2), ToQRgb(kWhite));    // the cell over the magic bands
    QCOMPARE(at(0, 5), ToQRgb(kGreen));
    QCOMPARE(at(5, 5), ToQRgb(kBackground));
}

void TestDrawCommand::cellColoursFollowTheHalfLife() {
    WriteFile(kTableFileName, Table({Record(1, 1, "-", "STABLE"), Record(1, 2, "3", "un"),
                                     Record(1, 3, "1", "fortnights"), Record(1, 4, "-", "s"),
                                     Record(12, 20, "1", "y")}));
    QCOMPARE(Press({false, false, false}), DrawResult::Drawn);
    const QImage image = area_.AreaImage();
    QCOMPARE(image.pixel(15, 15), ToQRgb(kWhite));
    QCOMPARE(image.pixel(25, 15), ToQRgb(kRed));
    QCOMPARE(image.pixel(35, 15), ToQRgb(kBlack));
    QCOMPARE(image.pixel(45, 15), ToQRgb(kBlack));
}

void TestDrawCommand::eachPressReloadsTheTable() {
    WriteFile(kTableFileName, Table({Record(12, 20, "1", "s")}));
    Press({false, false, false});
    WriteFile(kTableFileName, Table({Record(12, 20, "1", "s"), Record(3, 3, "-", "stable")}));
    Press({false, false, false});
    QCOMPARE(area_.AreaImage().pixel(35, 35), ToQRgb(kWhite));
    WriteFile(kTableFileName, Table({Record(12, 20, "1", "s")}));
    Press({false, false, false});
    QCOMPARE(state_->table.NuclideCount, 1);
    QCOMPARE(area_.AreaImage().pixel(35, 35), ToQRgb(kBackground));
}

void TestDrawCommand::tooSmallAreaKeepsThePicture() {
    WriteFile(kTableFileName, Table({Record(12, 20, "-", "stable")}));
    Press();
    const QImage before = area_.AreaImage();
    WriteFile(kTableFileName, Table({Record(12, 300, "-", "stable")}));
    ui_.pointers.clear();
    QCOMPARE(Press(), DrawResult::AreaTooSmall);
    QCOMPARE(ui_.boxes.size(), size_t(1));
    QCOMPARE(ui_.boxes[0].text, std::string("老兄,别把窗口放这么小啊!"));
    QCOMPARE(ui_.boxes[0].buttons, Buttons::Ok);
    QCOMPARE(ui_.boxes[0].icon, Icon::None);
    QCOMPARE(ui_.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
    QCOMPARE(area_.AreaImage(), before);
}

void TestDrawCommand::tableWithNothingToDraw() {
    WriteFile(kTableFileName, Table({Record(12, 20, "-", "stable")}));
    Press();
    const QImage before = area_.AreaImage();
    for (const std::string& table : {Table({}), Table({Record(0, 5, "1", "s")}), std::string()}) {
        WriteFile(kTableFileName, table);
        ui_ = ScriptedUserInterface();
        QCOMPARE(Press(), DrawResult::NothingToDraw);
        QCOMPARE(ui_.boxes.back().text, std::string(kNothingToDrawMessage));
        QCOMPARE(ui_.boxes.back().icon, Icon::Exclamation);
        QCOMPARE(ui_.pointers.back(), Pointer::Default);
        QCOMPARE(area_.AreaImage(), before);
    }
}

void TestDrawCommand::countAboveTheTableDrawsWhatExists() {
    std::string text = "h\r\n";
    for (int i = 0; i < 5001; ++i)
        text += Record(12, 20, "-", "stable") + "\r\n";
    WriteFile(kTableFileName, text);
    ui_.otherwise = Answer::Ignore;
    QCOMPARE(Press({false, false, false}), DrawResult::Drawn);
    QCOMPARE(state_->table.NuclideCount, 5001);
    QCOMPARE(ui_.pointers.back(), Pointer::Default);
}

void TestDrawCommand::missingTableEndsBeforeDrawing() {
    area_.FillBox(0, 0, 3000, 1800, kRed);
    QVERIFY_THROWS_EXCEPTION(ScriptedUserInterface::ProgramEnded, Press());
    QCOMPARE(ui_.boxes.size(), size_t(1));
    QVERIFY(AllPixels(area_.AreaImage(), QRect(0, 0, 200, 120), kRed));
}

QTEST_GUILESS_MAIN(TestDrawCommand)
#include "tst_drawcommand.moc"
