// The real window, end to end. Run offscreen, at a device pixel ratio of 2, and under a real
// window manager, where frames and minimising are the desktop's own.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

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

    void startsAsDesigned();
    void resizeFollowsTheClientArea_data();
    void resizeFollowsTheClientArea();
    void drawButtonDrawsTheTable();
    void pictureSurvivesResizeAndMinimising();

private:
    float Twips(int pixels) const { return twips::FromLogicalPixels(window_.get(), pixels); }
    // Controls sit on whole pixels.
    float Snapped(float twips) const { return Twips(twips::ToLogicalPixels(window_.get(), twips)); }
    void ResizeClient(int width, int height) {
        window_->resize(width, height);
        QTRY_COMPARE(window_->size(), QSize(width, height));
    }
    void Draw(const std::string& table) {
        WriteFile(kTableFileName, table);
        QTest::mouseClick(window_->cmdDraw, Qt::LeftButton);
    }
    QList<QWidget*> Controls() const {
        return {window_->picEl,      window_->cmdDraw,    window_->lbHeader,
                window_->chkGrid[0], window_->chkGrid[1], window_->chkGrid[2]};
    }

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
    if (qEnvironmentVariableIsSet("NUKLORAMA_EXPECT_FRAME"))
        QTRY_VERIFY2(window_->frameGeometry().height() > window_->height(),
                     "no window manager put a frame around the window");
}

void TestFrmMain::cleanup() {
    window_.reset();
    dir_.reset();
}

void TestFrmMain::startsAsDesigned() {
    QCOMPARE(window_->windowTitle(), QString("Nuklorama"));
    QVERIFY(window_->lbHeader->text().endsWith(QString("版本 ") + NUKLORAMA_VERSION));
    QCOMPARE(window_->cmdDraw->text(), QString("画图"));
    const QString captions[] = {"显示网格(绿)", "显示周期(黄)", "显示幻数(蓝)"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(window_->chkGrid[i]->text(), captions[i]);
        QVERIFY(window_->chkGrid[i]->isChecked());
    }
    QCOMPARE(QRectF(twips::Left(window_->chkGrid[2]), twips::Top(window_->lbHeader),
                    twips::Width(window_->cmdDraw), twips::Height(window_->chkGrid[1])),
             QRectF(5760, 120, 1215, 255));
    QCOMPARE(Twips(window_->width()), Snapped(11652));
    QCOMPARE(window_->picEl->nextInFocusChain(), window_->cmdDraw);
}

void TestFrmMain::resizeFollowsTheClientArea_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fits");
    QTest::newRow("as designed") << QSize(777, 564) << true;
    QTest::newRow("small") << QSize(540, 330) << true;
    QTest::newRow("large") << QSize(1200, 900) << true;
    QTest::newRow("chart height would be negative") << QSize(400, 60) << false;
    QTest::newRow("chart width would be negative too") << QSize(20, 75) << false;
}

void TestFrmMain::resizeFollowsTheClientArea() {
    QFETCH(QSize, size);
    QFETCH(bool, fits);
    ResizeClient(777, 564);
    const float lastWidth = twips::Width(window_->picEl);
    const float lastHeight = twips::Height(window_->picEl);
    ResizeClient(size.width(), size.height());

    const float width = Twips(size.width()), height = Twips(size.height());
    const float top = twips::Top(window_->cmdDraw);
    QCOMPARE(top, Snapped(height - 375.0f - 400.0f));
    for (QCheckBox* box : window_->chkGrid)
        QCOMPARE(twips::Top(box), top);
    QCOMPARE(twips::Width(window_->picEl), width >= 480 ? Snapped(width - 480.0f) : lastWidth);
    QCOMPARE(twips::Height(window_->picEl),
             height >= 1110 ? Snapped(height - 1110.0f) : lastHeight);
    QCOMPARE(twips::Left(window_->picEl), 240.0f);
    QCOMPARE(twips::Height(window_->cmdDraw), 375.0f);
    if (fits) {
        for (const QWidget* control : Controls())
            QVERIFY2(window_->rect().contains(control->geometry()),
                     qPrintable(control->metaObject()->className() + QString(" lies outside")));
    }
}

void TestFrmMain::drawButtonDrawsTheTable() {
    window_->chkGrid[1]->setChecked(false);
    Draw(Table({Record(118, 177, "1", "s"), Record(1, 0, "-", "stable"), Record(2, 2, "3", "un")}));

    const int c = window_->state().CellSize;
    // A chart pixel is a device pixel: the cell size follows the device pixel ratio.
    const QImage image = window_->picEl->surface().AreaImage();
    QCOMPARE(image.size(), window_->picEl->size() * window_->devicePixelRatio());
    QVERIFY(c >= 3);
    QVERIFY(ui_.boxes.empty());
    QCOMPARE(PixelsOf(image, kWhite), QRect(0, c, c, c));        // Z 1, N 0
    QCOMPARE(PixelsOf(image, kRed), QRect(2 * c, 2 * c, c, c));  // Z 2, N 2
    QCOMPARE(image.pixel(5 * c, 20 * c), ToQRgb(kBlue));         // magic row 20
    QCOMPARE(image.pixel(5 * c, 10 * c), ToQRgb(kBackground));   // period rows are off
    QCOMPARE(ui_.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
    // What the screen shows is the surface, pixel for pixel.
    QImage shown = window_->picEl->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);
    QCOMPARE(shown, image);
}

void TestFrmMain::pictureSurvivesResizeAndMinimising() {
    Draw(Table({Record(118, 177, "1", "s"), Record(1, 1, "-", "stable")}));
    const QImage drawn = window_->picEl->surface().AreaImage();
    ResizeClient(600, 400);
    ResizeClient(777, 564);
    QCOMPARE(window_->picEl->surface().AreaImage(), drawn);

    QList<QRect> layout;
    for (const QWidget* control : Controls())
        layout << control->geometry();
    window_->showMinimized();
    QTRY_VERIFY(window_->isMinimized());
    for (int i = 0; i < layout.size(); ++i)
        QCOMPARE(Controls()[i]->geometry(), layout[i]);
    window_->showNormal();
    QTRY_VERIFY(!window_->isMinimized());
    QTRY_COMPARE(window_->size(), QSize(777, 564));
    for (int i = 0; i < layout.size(); ++i)
        QCOMPARE(Controls()[i]->geometry(), layout[i]);
    QCOMPARE(window_->picEl->surface().AreaImage(), drawn);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
