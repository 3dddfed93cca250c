#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "chart/DrawCommand.h"
#include "support/PixelCheck.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"
#include "window/ChartArea.h"
#include "window/Twips.h"
#include "window/frmMain.h"

using namespace nuklorama;

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void twipsPerPixel_data();
    void twipsPerPixel();
    void startsAsDesigned();
    void resizingMovesTheButtonRow_data();
    void resizingMovesTheButtonRow();
    void shrinkingPastZeroKeepsTheLastValidHeight();
    void minimisedMovesNothing();
    void drawButtonDrawsTheTable();
    void pictureSurvivesResizeAndHiding();

private:
    void Resize(int dw, int dh) { window_->resize(window_->width() + dw, window_->height() + dh); }
    float Twips(int pixels) const { return twips::FromLogicalPixels(window_.get(), pixels); }
    // Controls sit on whole pixels.
    float Snapped(float twips) const { return Twips(twips::ToLogicalPixels(window_.get(), twips)); }
    // The resize rules work from the outer size, frame included.
    float OuterWidth() const { return Twips(window_->frameGeometry().width()); }
    float OuterHeight() const { return Twips(window_->frameGeometry().height()); }

    std::unique_ptr<TemporaryCurrentDir> dir_;
    ScriptedUserInterface ui_;
    std::unique_ptr<frmMain> window_;
};

void TestFrmMain::init() {
    dir_ = std::make_unique<TemporaryCurrentDir>();
    ui_ = ScriptedUserInterface();
    window_ = std::make_unique<frmMain>(&ui_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestFrmMain::cleanup() {
    window_.reset();
    dir_.reset();
}

void TestFrmMain::twipsPerPixel_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<float>("expected");
    QTest::newRow("96 dpi") << 96.0 << 1.0 << 15.0f;
    QTest::newRow("120 dpi") << 120.0 << 1.0 << 12.0f;
    QTest::newRow("scale 1.25") << 96.0 << 1.25 << 12.0f;
    QTest::newRow("scale 2") << 96.0 << 2.0 << 7.5f;
}

void TestFrmMain::twipsPerPixel() {
    QFETCH(double, dpi);
    QFETCH(double, ratio);
    QFETCH(float, expected);
    QCOMPARE(twips::PerPixel(dpi, ratio), expected);
}

void TestFrmMain::startsAsDesigned() {
    QCOMPARE(window_->windowTitle(), QString("Nuklorama"));
    QVERIFY(window_->lbHeader->text().endsWith(QString("版本 1.0.15")));
    QCOMPARE(window_->cmdDraw->text(), QString("画图"));
    const QString captions[] = {"显示网格(绿)", "显示周期(黄)", "显示幻数(蓝)"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(window_->chkGrid[i]->text(), captions[i]);
        QVERIFY(window_->chkGrid[i]->isChecked());
    }
    QCOMPARE(twips::Left(window_->picEl), 240.0f);
    QCOMPARE(twips::Top(window_->picEl), 360.0f);
    QCOMPARE(twips::Left(window_->chkGrid[2]), 5760.0f);
    QCOMPARE(window_->picEl->nextInFocusChain(), window_->cmdDraw);
    // The first layout already fits the chart area to the window.
    QCOMPARE(twips::Width(window_->picEl), OuterWidth() - 480.0f);
}

void TestFrmMain::resizingMovesTheButtonRow_data() {
    QTest::addColumn<int>("dw");
    QTest::addColumn<int>("dh");
    // 80 pixels are 1200 twips at 96 dpi.
    QTest::newRow("taller") << 0 << 80;
    QTest::newRow("wider") << 80 << 0;
    QTest::newRow("smaller") << -80 << -80;
}

void TestFrmMain::resizingMovesTheButtonRow() {
    QFETCH(int, dw);
    QFETCH(int, dh);
    const float top = twips::Top(window_->cmdDraw);
    const float width = twips::Width(window_->picEl);
    const float height = twips::Height(window_->picEl);
    Resize(dw, dh);
    QCOMPARE(twips::Top(window_->cmdDraw), top + Twips(dh));
    for (QCheckBox* box : window_->chkGrid)
        QCOMPARE(twips::Top(box), top + Twips(dh));
    QCOMPARE(twips::Width(window_->picEl), width + Twips(dw));
    QCOMPARE(twips::Height(window_->picEl), height + Twips(dh));
    QCOMPARE(twips::Height(window_->cmdDraw), 375.0f);
    QCOMPARE(twips::Left(window_->picEl), 240.0f);
}

void TestFrmMain::shrinkingPastZeroKeepsTheLastValidHeight() {
    const float lastHeight = twips::Height(window_->picEl);
    window_->resize(400, 60);  // the chart area would be about -200 twips high
    QCOMPARE(twips::Top(window_->cmdDraw), Snapped(OuterHeight() - 375.0f - 400.0f));
    QCOMPARE(twips::Height(window_->picEl), lastHeight);
    const float width = twips::Width(window_->picEl);
    QCOMPARE(width, OuterWidth() - 480.0f);
    window_->resize(20, 75);  // now the width goes negative instead
    QCOMPARE(twips::Width(window_->picEl), width);
    QCOMPARE(twips::Height(window_->picEl), Snapped(OuterHeight() - 1110.0f));
    QCOMPARE(twips::Top(window_->cmdDraw), Snapped(OuterHeight() - 375.0f - 400.0f));
}

void TestFrmMain::minimisedMovesNothing() {
    const QRect button = window_->cmdDraw->geometry();
    const QRect chart = window_->picEl->geometry();
    window_->setWindowState(Qt::WindowMinimized);
    Resize(100, 100);
    QCOMPARE(window_->cmdDraw->geometry(), button);
    QCOMPARE(window_->picEl->geometry(), chart);
}

void TestFrmMain::drawButtonDrawsTheTable() {
    WriteFile(kTableFileName, Table({Record(118, 177, "1", "s"), Record(1, 0, "-", "stable"),
                                     Record(2, 2, "3", "un")}));
    window_->chkGrid[1]->setChecked(false);
    QTest::mouseClick(window_->cmdDraw, Qt::LeftButton);

    const std::int16_t c = window_->state().CellSize;
    QVERIFY(c >= 3);
    QVERIFY(ui_.boxes.empty());
    const QImage shown = window_->picEl->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(c / 2, c + c / 2), ToQRgb(kWhite));            // Z 1, N 0
    QCOMPARE(shown.pixel(2 * c + c / 2, 2 * c + c / 2), ToQRgb(kRed));  // Z 2, N 2
    QCOMPARE(shown.pixel(5 * c, 20 * c), ToQRgb(kBlue));                // magic row 20
    QCOMPARE(shown.pixel(5 * c, 10 * c), ToQRgb(kBackground));          // period rows are off
    QCOMPARE(ui_.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
}

void TestFrmMain::pictureSurvivesResizeAndHiding() {
    WriteFile(kTableFileName, Table({Record(118, 177, "1", "s"), Record(1, 1, "-", "stable")}));
    QTest::mouseClick(window_->cmdDraw, Qt::LeftButton);
    const QImage drawn = window_->picEl->surface().AreaImage();
    Resize(-100, -100);
    window_->hide();
    window_->show();
    Resize(100, 100);
    QCOMPARE(window_->picEl->surface().AreaImage(), drawn);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
