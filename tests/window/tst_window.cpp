// SPDX-License-Identifier: GPL-3.0-or-later
// The real window, end to end. Run offscreen, at a device pixel ratio of 2, and under a real
// window manager, where frames and minimising are the desktop's own.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <memory>

#include "chart/CellLabel.h"
#include "chart/LabelPlan.h"
#include "chart/RecordedSurface.h"
#include "image/Language.h"
#include "support/PixelCheck.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"
#include "window/ChainList.h"
#include "window/ChartActions.h"
#include "window/ChartArea.h"
#include "window/FindField.h"
#include "window/QtUserInterface.h"
#include "window/Twips.h"
#include "window/frmMain.h"

using namespace nuklorama;

Q_DECLARE_METATYPE(nuklorama::Answer)

namespace {

// Shows a box through ui and presses key once the box is ready for it: shown, active and with
// its buttons up. Notes what a person saw: the title, the text, the buttons left to right, the
// default one, how the text is read and the icon. A box that is not ready or does not close
// within some ten seconds is closed here and noted stuck, so the test fails instead of hanging.
Answer Answered(QtUserInterface& ui, const std::string& text, Buttons buttons, Icon icon,
                QKeyCombination key, QStringList& seen) {
    QTimer poll;
    int ticks = 0;
    bool pressed = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (++ticks > 1000) {
            seen << "stuck";
            return box->done(QMessageBox::Cancel);
        }
        QList<QAbstractButton*> all = box->buttons();
        if (pressed || !box->isActiveWindow() ||
            !std::all_of(all.begin(), all.end(), [](auto* b) { return b->isVisible(); }))
            return;
        std::sort(all.begin(), all.end(), [](auto* a, auto* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        QStringList captions;
        for (auto* b : all)
            captions << b->text();
        seen = {box->windowTitle(),
                box->text(),
                captions.join(' '),
                box->defaultButton() ? box->defaultButton()->text() : QString(),
                box->textFormat() == Qt::PlainText ? "plain text" : "markup",
                box->icon() == QMessageBox::Warning ? "warning" : "no icon"};
        pressed = true;
        QTest::keyClick(box, key.key(), key.keyboardModifiers());
    });
    poll.start(10);
    return ui.MsgBox(text, buttons, icon);
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<TemporaryCurrentDir>();
        ui_ = ScriptedUserInterface();
        window_ = std::make_unique<frmMain>(&ui_);
        boxes_ = std::make_unique<QtUserInterface>(window_.get());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        if (qEnvironmentVariableIsSet("NUKLORAMA_EXPECT_FRAME"))
            QTRY_VERIFY2(window_->frameGeometry().height() > window_->height(),
                         "no window manager put a frame around the window");
    }

    void cleanup() {
        UseLanguage(Language::Chinese);
        boxes_.reset();
        window_.reset();
        dir_.reset();
    }

    void startsAsDesigned() {
        QCOMPARE(window_->windowTitle(), QString("Nuklorama"));
        QVERIFY(window_->lbHeader->text().endsWith(QString("版本 ") + NUKLORAMA_VERSION));
        QCOMPARE(window_->cmdDraw->text(), QString("画图"));
        const QString captions[] = {"显示网格(绿)", "显示周期(黄)", "显示幻数(蓝)"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(window_->chkGrid[i]->text(), captions[i]);
            QVERIFY(window_->chkGrid[i]->isChecked());
        }
        QCOMPARE(window_->picEl->nextInFocusChain(), window_->cmdDraw);
        for (const QWidget* control : Controls()) {
            QVERIFY(!control->accessibleName().isEmpty());
            QVERIFY(!control->accessibleDescription().isEmpty());
        }
    }

    void resizeFollowsTheClientArea_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("fits");
        QTest::newRow("as designed") << QSize(777, 564) << true;
        QTest::newRow("small") << QSize(540, 330) << true;
        QTest::newRow("large") << QSize(1200, 900) << true;
        QTest::newRow("chart height would be negative") << QSize(400, 60) << false;
        QTest::newRow("chart width would be negative too") << QSize(20, 75) << false;
    }

    void resizeFollowsTheClientArea() {
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

    void drawButtonDrawsAndThePictureStays() {
        window_->chkGrid[1]->setChecked(false);
        Draw(Table(
            {Record(118, 177, "1", "s"), Record(1, 0, "-", "stable"), Record(2, 2, "3", "un")}));
        QVERIFY(ui_.boxes.empty());
        QCOMPARE(ui_.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
        // A chart pixel is a device pixel; the window draws what the chart code draws for the same
        // table, area and boxes, and shows it pixel for pixel.
        const QImage drawn = window_->picEl->Picture().AreaImage();
        QCOMPARE(drawn.size(), window_->picEl->size() * window_->devicePixelRatio());
        QVERIFY(window_->State().CellSize >= 3);
        QCOMPARE(drawn, Pressed({true, false, true}));
        QCOMPARE(Shown(), drawn);
        // It saves what it shows, as PNG or as SVG by the name's ending.
        QVERIFY(window_->Actions().SavePicture("w.png") && window_->Actions().SavePicture("w.svg"));
        QCOMPARE(QImage("w.png").convertToFormat(QImage::Format_RGB32), drawn);
        QVERIFY(Contents("w.svg").contains("<svg"));

        // Resizing and minimising keep the picture.
        ResizeClient(600, 400);
        ResizeClient(777, 564);
        QCOMPARE(window_->picEl->Picture().AreaImage(), drawn);

        const QList<QRect> layout = Layout();
        window_->showMinimized();
        QTRY_VERIFY(window_->isMinimized());
        window_->resize(900, 700);  // what some desktops report of a minimised window
        QCOMPARE(Layout(), layout);
        window_->showNormal();
        QTRY_VERIFY(!window_->isMinimized());
        ResizeClient(777, 564);
        QCOMPARE(Layout(), layout);
        QCOMPARE(window_->picEl->Picture().AreaImage(), drawn);
    }

    void readingThePicture() {
        ChartArea* area = window_->picEl;
        const auto tipAt = [area](QPoint device) {
            QHelpEvent help(QEvent::ToolTip, device / area->devicePixelRatio(),
                            area->mapToGlobal(device));
            QApplication::sendEvent(area, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(area->actions().size(), 9);
        for (const QAction* action : area->actions())
            QVERIFY(!action->isEnabled());
        QCOMPARE(tipAt({1, 1}), QString());

        Draw(Table({Record(118, 177, "1", "s"), Record(2, 2, "3", "<img src=\"/dev/zero\">")}));
        const int c = window_->State().CellSize;
        // A later press that draws nothing leaves the picture, and so what it reads.
        Draw(Table({}));
        QCOMPARE(ui_.boxes.back().text, std::string(kNothingToDrawMessage));
        const QString tip = tipAt({2 * c, 2 * c + c - 1});
        QVERIFY2(tip.contains(
                     "⁴He\nZ = 2, N = 2, A = 4\n半衰期 3 &lt;img src=&quot;/dev/zero&quot;&gt;"),
                 qPrintable(tip));

        for (const QAction* action : area->actions())
            QVERIFY(action->isEnabled());
        window_->Actions().CopyPicture();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 area->Picture().AreaImage());
        // A save never replaces what is not a regular file.
        QCOMPARE(mkfifo("chart.png", 0644), 0);
        QVERIFY(!window_->Actions().SavePicture("chart.png"));
        QCOMPARE(ui_.boxes.back().text, std::string("chart.png: is a FIFO, not a regular file"));
        QCOMPARE(Entries(), (QStringList{"chart.png", "nuklorama.csv"}));
        QVERIFY(!QFileInfo("chart.png").isFile());

        area->setFocus();
        QTest::keyClick(area, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QApplication::activePopupWidget()->close();
    }

    void zoomKeepsTheCellUnderThePointer_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("steps");
        QTest::newRow("wheel") << "wheel" << QPoint(300, 200) << 3;
        QTest::newRow("fine wheel, to the labels") << "fine wheel" << QPoint(100, 50) << 10;
        QTest::newRow("pinch") << "pinch" << QPoint(500, 300) << 3;
        QTest::newRow("all the way in and back") << "wheel" << QPoint(200, 100) << 40;
    }

    void zoomKeepsTheCellUnderThePointer() {
        QFETCH(QString, gesture);
        QFETCH(QPoint, at);
        QFETCH(int, steps);
        ChartArea* area = DrawShipped();
        const int ratio = area->devicePixelRatio(), fit = window_->State().CellSize;
        const ChartView::Cell under = area->View().CellAt(at.x() * ratio, at.y() * ratio);
        QCOMPARE(under, (ChartView::Cell{at.y() * ratio / fit, at.x() * ratio / fit}));
        for (int i = 0; i < 3; ++i) {
            QNativeGestureEvent pinch(Qt::ZoomNativeGesture,
                                      QPointingDevice::primaryPointingDevice(), 2, at, at,
                                      area->mapToGlobal(at), 0.3, {});
            if (gesture == "pinch") QApplication::sendEvent(area, &pinch);
        }
        const int notches = gesture == "pinch" ? 0 : gesture == "wheel" ? steps : 3 * steps;
        for (int i = 0; i < notches; ++i)
            Wheel(at, gesture == "wheel" ? 120 : 40, Qt::ControlModifier);
        const std::vector<int> sizes = ZoomSizes(fit);
        const int step = std::min<int>(steps, int(sizes.size()) - 1);
        QCOMPARE(area->View().CellSize(), sizes[std::size_t(step)]);
        QCOMPARE(ZoomSizes(3), (std::vector<int>{3, 4, 5, 6, 8, 10, 13, 16, 20, 25, 31, 39, 49, 61,
                                                 76, 95, 119, 149}));
        QCOMPARE(area->View().CellAt(at.x() * ratio, at.y() * ratio), under);
        if (step < 20) CheckViewIsTheChart(area);
        for (int i = 0; i < step; ++i)
            QVERIFY(area->View().CellSize() == sizes[std::size_t(step - i)] &&
                    (Wheel(at, -120, Qt::ControlModifier), true));
        QVERIFY(area->View().IsFit());
        QCOMPARE(Shown(), area->Picture().AreaImage());
    }

    void panSelectFitAndDraw() {
        ChartArea* area = DrawShipped();
        const int ratio = area->devicePixelRatio(), c = window_->State().CellSize;
        const ChartView::Cell fe56{26, 30}, empty{26, 55};
        const QPoint fe56At((30 * c + c / 2) / ratio, (26 * c + c / 2) / ratio);
        for (int i = 0; i < 4; ++i)
            Wheel(fe56At, 120, Qt::ControlModifier);
        const int s = area->View().CellSize();
        // A drag moves the view by the drag; a wheel and Shift+wheel scroll by three cells.
        const ChartView before = area->View();
        QTest::mousePress(area, Qt::LeftButton, {}, fe56At);
        QTest::mouseMove(area, fe56At + QPoint(50, 30));
        QTest::mouseRelease(area, Qt::LeftButton, {}, fe56At + QPoint(50, 30));
        QCOMPARE(area->View().CellAt((fe56At.x() + 50) * ratio, (fe56At.y() + 30) * ratio), fe56);
        QCOMPARE(area->View().OffsetX(), before.OffsetX() - 50 * ratio);
        QCOMPARE(area->View().OffsetY(), before.OffsetY() - 30 * ratio);
        QCOMPARE(area->Selected(), std::nullopt);
        Wheel(fe56At, -120, Qt::NoModifier);
        Wheel(fe56At, -120, Qt::ShiftModifier);
        QCOMPARE(area->View().OffsetY(), before.OffsetY() - 30 * ratio + 3 * s);
        QCOMPARE(area->View().OffsetX(), before.OffsetX() - 50 * ratio + 3 * s);
        CheckViewIsTheChart(area);
        const ChartView scrolled = area->View();
        ResizeClient(900, 700);  // keeps the top-left cell where it is
        QVERIFY(area->View().OffsetX() == scrolled.OffsetX() &&
                area->View().OffsetY() == scrolled.OffsetY());
        CheckViewIsTheChart(area);
        ResizeClient(777, 564);

        // A click selects; arrows move the mark, Ctrl+arrows to the next nuclide, if any.
        QTest::mouseClick(
            area, Qt::LeftButton, {},
            QPoint(area->View().Left(empty) + 2, area->View().Top(empty) + 2) / ratio);
        QCOMPARE(area->Selected(), empty);
        QVERIFY(area->hasFocus());
        const std::pair<QKeyCombination, ChartView::Cell> moves[] = {
            {Qt::CTRL | Qt::Key_Left, {26, 50}},
            {Qt::CTRL | Qt::Key_Right, {26, 50}},
            {Qt::Key_Up, {25, 50}},
            {Qt::CTRL | Qt::Key_Up, {25, 50}},
            {Qt::Key_Down, {26, 50}},
            {Qt::CTRL | Qt::Key_Down, {27, 50}},
            {Qt::Key_Left, {27, 49}}};
        for (const auto& [key, cell] : moves) {
            QTest::keyClick(area, key.key(), key.keyboardModifiers());
            QCOMPARE(area->Selected(), cell);
            const QRect mark(int(area->View().Left(cell)), int(area->View().Top(cell)), s, s);
            QCOMPARE(PixelsOf(Shown(), kSelectionColour), mark);
            const int w = 2 * ratio;  // the pale ring inside the dark one, where there is room
            QCOMPARE(PixelsOf(Shown(), kSelectionInnerColour),
                     s >= 6 * w ? mark.adjusted(w, w, -w, -w) : QRect());
        }
        for (QAction* action : area->actions())  // copies the view as shown, mark and all
            if (action->text() == "复制当前视图") action->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Shown());
        QTest::keyClick(area, Qt::Key_Up);
        QVERIFY(area->accessibleDescription().startsWith("⁷⁵Fe\nZ = 26, N = 49, A = 75"));
        QTest::keyClick(area, Qt::Key_Return);
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text().contains("Z = 26, N = 49"));

        // Ctrl+0 shows the picture again, with the mark only; Draw clears the mark.
        QTest::keyClick(window_.get(), Qt::Key_0, Qt::ControlModifier);
        QImage shown = Shown();
        const QRect mark = PixelsOf(shown, kSelectionColour);
        QCOMPARE(mark, QRect(49 * c, 26 * c, c, c));
        QPainter(&shown).drawImage(mark.topLeft(), area->Picture().AreaImage().copy(mark));
        QCOMPARE(shown, area->Picture().AreaImage());
        // Each press shows the fit with nothing selected, also one that draws nothing.
        for (const std::string& table : {Table({}), Contents(kTableFileName).toStdString()}) {
            QTest::keyClick(window_.get(), Qt::Key_Equal, Qt::ControlModifier);
            QVERIFY(!area->View().IsFit() && area->Selected());
            Draw(table);
            QVERIFY(area->View().IsFit() && !area->Selected());
            QCOMPARE(Shown(), area->Picture().AreaImage());
            area->setFocus(Qt::TabFocusReason);  // tabbing in selects record 1
            QCOMPARE(area->Selected(), (ChartView::Cell{0, 1}));
        }
    }

    void findSelectsAndZooms() {
        ChartArea* area = DrawShipped();
        FindField* field = window_->Actions().Finder();
        QTest::keyClick(window_.get(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(field->isVisible() && field->Edit()->hasFocus());
        QTest::keyClick(field->Edit(), Qt::Key_Escape);
        QVERIFY(!field->isVisible() && area->View().IsFit());
        Find("铀-238");
        const ChartView::Cell u238{92, 146};
        QCOMPARE(area->Selected(), u238);
        QVERIFY(!field->isVisible() && area->hasFocus());
        const ChartView& view = area->View();
        QVERIFY(view.CellSize() >= SmallestNamedCell(area->devicePixelRatio()));
        QVERIFY(std::abs(view.Left(u238) + view.CellSize() / 2 -
                         area->width() * area->devicePixelRatio() / 2) <= view.CellSize());
        CheckViewIsTheChart(area);
    }

    // A name not found is said in the field, and nothing else happens: no tool tip, no move.
    void failedFindMovesNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("a pasted page") << QString(2000, 'x');
        QTest::newRow("an isomer the table lacks") << "Tc-99n";
    }

    void failedFindMovesNothing() {
        QFETCH(QString, text);
        ChartArea* area = DrawShipped();
        Find("Fe");
        const QImage before = area->ViewImage();  // the view and its selection mark
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        Find(text);
        // The field's first label is the one that says why; the pointer on it names no cell.
        QLineEdit* edit = window_->Actions().Finder()->Edit();
        QVERIFY(!window_->Actions().Finder()->findChild<QLabel*>()->text().isEmpty());
        QHelpEvent help(QEvent::ToolTip, {5, 5}, edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &help);
        QVERIFY(!QToolTip::isVisible());
        QCOMPARE(area->ViewImage(), before);
    }

    // ²¹²Bi's chain over the zoomed view and its list; Escape and Draw take them away. A stable
    // nuclide is said, not drawn; an excited state found starts its own chain.
    void chainOverTheChart() {
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));  // for its shortcuts
        ChartArea* area = DrawShipped();
        ChainList* list = window_->Actions().Chains();
        Find("Bi-212");
        const QImage plain = area->ViewImage();
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->Table()->rowCount(), 4);
        QVERIFY2(list->Summary().startsWith("²¹²Bi 的衰变链：4 个成员") &&
                     list->Summary().contains("²⁰⁸Pb 100 %"),
                 qPrintable(list->Summary()));
        QCOMPARE(list->Table()->accessibleDescription(), list->Summary());
        QVERIFY(area->ViewImage() != plain);
        list->TimeField()->setText("1 h");
        QCOMPARE(list->Table()->item(0, 4)->text(), QString("0.503158"));
        area->ShowFit();
        const QImage fit = area->ViewImage();
        QTest::keyClick(area, Qt::Key_Escape);
        QVERIFY(!list->isVisible() && !area->Chain());
        QVERIFY(area->ViewImage() != fit);
        Find("Pb-208");
        const QImage lead = area->ViewImage();
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(list->isVisible() && list->Summary().contains("稳定") && !area->Chain());
        QCOMPARE(area->ViewImage(), lead);
        Find("Tc-99m");
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(list->Summary().startsWith("⁹⁹ᵐTc"));
        QTest::mouseClick(window_->cmdDraw, Qt::LeftButton);
        QTRY_VERIFY(!list->isVisible() && !area->Chain());
    }

    // Points are (x, y) in device pixels or (N, Z) in cells. A 1000 × 700 px view of a chart drawn
    // at 5 px is zoomed, dragged three times, then centred on a found cell. At 25 px cells the
    // chart is 4450 × 2975 px, at 149 px 26522 × 17731; a quarter of the view is 250 × 175.
    void viewKeepsTheChartInSight_data() {
        QTest::addColumn<QPoint>("last");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QPoint>("zoomAt");
        QTest::addColumn<QPoint>("drag");
        QTest::addColumn<QPoint>("found");
        QTest::addColumn<QPoint>("offset");
        const auto row = [](const char* name, QPoint last, int steps, QPoint at, QPoint drag,
                            QPoint found, QPoint offset) {
            QTest::newRow(name) << last << steps << at << drag << found << offset;
        };
        const QPoint chart(177, 118), small(2, 2), none(-1, -1), middle(500, 350);
        row("drags down and right", chart, 7, middle, {3000, 3000}, none, {-750, -525});
        row("drags up and left", chart, 7, middle, {-3000, -3000}, none, {4200, 2800});
        row("find 1H", chart, 7, middle, {}, {0, 1}, {0, 0});
        row("find the far corner", chart, 7, middle, {}, chart, {3450, 2275});
        row("zoom beyond the chart", chart, 20, {999, 699}, {}, none, {26272, 17556});
        row("small: shows whole", small, 7, middle, {3000, 3000}, none, {-925, -625});
        row("small, dragged up", small, 7, middle, {-3000, -3000}, none, {0, 0});
        row("small, found", small, 7, middle, {}, {1, 1}, {-462, -312});
    }

    void viewKeepsTheChartInSight() {
        QFETCH(QPoint, last);
        QFETCH(int, steps);
        QFETCH(QPoint, zoomAt);
        QFETCH(QPoint, drag);
        QFETCH(QPoint, found);
        QFETCH(QPoint, offset);
        ChartView view;
        view.Fit(5, 1000, 700, {last.y(), last.x()});
        view.Zoom(steps, zoomAt.x(), zoomAt.y(), 1000, 700);
        for (int i = 0; i < 3; ++i)
            view.Pan(drag.x(), drag.y(), 1000, 700);
        if (found != QPoint(-1, -1)) view.Centre({found.y(), found.x()}, 1000, 700);
        QCOMPARE(QPoint(view.OffsetX(), view.OffsetY()), offset);
    }

    // Ctrl+P previews; closing the preview changes nothing. Printed is the view as shown, in
    // text and filled rectangles, with its legend: labels only when zoomed.
    void printsWhatTheAreaShows() {
        ChartArea* area = DrawShipped();
        const QImage before = Shown();
        QTimer close;
        int closed = 0;
        QObject::connect(&close, &QTimer::timeout, [&closed] {
            if (QWidget* preview = QApplication::activeModalWidget()) closed += preview->close();
        });
        close.start(50);
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);
        close.stop();
        QCOMPARE(closed, 1);
        QCOMPARE(Shown(), before);
        QCOMPARE(Entries(), QStringList{kTableFileName});
        for (const bool zoomed : {false, true}) {
            if (zoomed) Find("Fe-56");
            const QString text = PrintedText(area);
            QVERIFY2(text.contains(QString::fromUtf8("幻数")), qPrintable(text));
            QCOMPARE(text.contains(QString::fromUtf8("⁵⁶Fe")), zoomed);
        }
    }

    void languageMenuSwitchesEveryWord() {
        const auto choose = [this](const char* name) {
            for (QAction* action : window_->picEl->findChildren<QAction*>())
                if (action->text() == QString::fromUtf8(name)) action->trigger();
        };
        const QString banner = window_->lbHeader->text();
        const auto say = [this] {
            QStringList words{window_->lbHeader->text(), window_->cmdDraw->text()};
            for (const QCheckBox* box : window_->chkGrid)
                words << box->text();
            return words;
        };
        const QStringList chinese = say();
        // Before the first press too, and every caption fits the box it has.
        choose("English");
        QTRY_COMPARE(
            say(), (QStringList{"Nuklorama chart of nuclides · version " NUKLORAMA_VERSION, "Draw",
                                "Grid (green)", "Periods (yellow)", "Magic (blue)"}));
        for (const QWidget* control : Controls())
            QVERIFY2(control->sizeHint().width() <= control->width(),
                     qPrintable(control->property("text").toString()));
        // The context menu too, every view group and entry in it.
        const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
        for (const QAction* action : window_->findChildren<QAction*>())
            if (action->text() != QString::fromUtf8("中文") && !action->text().contains("Language"))
                QVERIFY2(!action->text().contains(han), qPrintable(action->text()));
        Draw(Table({Record(118, 177, "1", "s"), Record(2, 2, "3", "s")}));
        const int c = window_->State().CellSize;
        ChartArea* area = window_->picEl;
        QHelpEvent help(QEvent::ToolTip, QPoint(2 * c, 3 * c - 1) / area->devicePixelRatio(),
                        area->mapToGlobal(QPoint(2 * c, 3 * c - 1)));
        QApplication::sendEvent(area, &help);
        QVERIFY2(QToolTip::text().contains("Half-life 3.00 s"), qPrintable(QToolTip::text()));
        const QString text = PrintedText(area);
        QVERIFY2(text.contains("magic numbers") && !text.contains(QString::fromUtf8("幻数")),
                 qPrintable(text));
        choose("中文");
        QTRY_COMPARE(say(), chinese);
        QCOMPARE(window_->lbHeader->text(), banner);
    }

    void colouringMenuRedrawsFromMemory() {
        const auto choose = [this](const char* name) {
            for (QAction* action : window_->picEl->findChildren<QAction*>())
                if (action->text() == QString::fromUtf8(name)) action->trigger();
        };
        const Overlays all{true, true, true};
        Draw(Table({Record(118, 177, "1", "s"), Record(2, 2, "3", "s") + ",A=60;B+=40,0+,"}));
        const QImage decay = Pressed(all, Colouring::Decay),
                     halfLife = Pressed(all, Colouring::HalfLife);
        QVERIFY(decay != halfLife);
        // The chart drawn is redrawn, not the table on disk.
        WriteFile(kTableFileName, Table({Record(100, 150, "1", "s")}));
        choose("衰变方式");
        QCOMPARE(window_->picEl->Picture().AreaImage(), decay);
        // Later presses keep the choice until the other one is made.
        Draw(Table({Record(100, 150, "1", "s")}));
        QCOMPARE(window_->picEl->Picture().AreaImage(), Pressed(all, Colouring::Decay));
        choose("半衰期");
        QCOMPARE(window_->picEl->Picture().AreaImage(), Pressed(all, Colouring::HalfLife));
    }

    void massViewFromTheMenu() {
        ChartArea* area = window_->picEl;
        Draw(Table({Record(82, 125, "-", "stable") + ",,,,,,-22452.0,1.1,1927",
                    Record(82, 126, "-", "stable") + ",,,,,,-21748.5,1.1,1927"}));
        for (QAction* action : area->findChildren<QAction*>())
            if (action->text() == QString::fromUtf8("中子分离能") ||
                action->text() == QString::fromUtf8("滴线"))
                action->trigger();
        const QSize size = area->Picture().AreaImage().size();
        ImageSurface expected(size.width(), size.height(), twips::PerPixel(area));
        PressDraw(kTableFileName, *std::make_unique<ChartState>(), expected, ui_,
                  {true, true, true, true}, Colouring::Sn);
        QCOMPARE(area->Picture().AreaImage(), expected.AreaImage());
        const int c = area->Drawn()->cellSize;
        QVERIFY(QString::fromStdString(DescribeCell(*area->Drawn(), 126 * c, 82 * c))
                    .startsWith(QString::fromUtf8("S_n = 7.368 ± 0.002 MeV\n²⁰⁸")));
    }

    void messageBoxes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<Answer>("answer");
        const auto row = [](const char* name, QString text, Buttons buttons, QKeyCombination key,
                            Answer answer) {
            QTest::newRow(name) << text << int(buttons) << key.toCombined() << answer;
        };
        const Buttons ari = Buttons::AbortRetryIgnore;
        row("Enter answers the default", "Overflow (line 3)\n", ari, Qt::Key_Return, Answer::Abort);
        row("Alt+R", "Overflow (line 3)\n", ari, Qt::ALT | Qt::Key_R, Answer::Retry);
        // Table text is shown as it stands: as rich text the last would read /dev/zero for ever.
        row("bold, Alt+I", "Type mismatch (line 2, field 1: \"<b>x</b>\")\n", ari,
            Qt::ALT | Qt::Key_I, Answer::Ignore);
        row("image, Escape", "Type mismatch (line 2, field 1: \"<img src=\"/dev/zero\">\")\n", ari,
            Qt::Key_Escape, Answer::Abort);
        row("small window", "老兄,别把窗口放这么小啊!", Buttons::Ok, Qt::Key_Return, Answer::Ok);
        row("missing file", "<i>t</i>.csv Not Found!", Buttons::Ok, Qt::Key_Escape, Answer::Ok);
    }

    void messageBoxes() {
        QFETCH(QString, text);
        QFETCH(int, buttons);
        QFETCH(int, key);
        QFETCH(Answer, answer);
        const bool ari = Buttons(buttons) == Buttons::AbortRetryIgnore;
        QStringList seen;
        QCOMPARE(Answered(*boxes_, text.toStdString(), Buttons(buttons),
                          ari ? Icon::Exclamation : Icon::None, QKeyCombination::fromCombined(key),
                          seen),
                 answer);
        QVERIFY2(!seen.contains("stuck"), "the box was not ready or did not close in time");
        const QString captions = ari ? "&Abort &Retry &Ignore" : "OK";
        QCOMPARE(seen, (QStringList{"Nuklorama", text, captions, captions.section(' ', 0, 0),
                                    "plain text", ari ? "warning" : "no icon"}));
    }

private:
    ChartArea* DrawShipped() {
        Draw(Contents(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv").toStdString());
        return window_->picEl;
    }
    void Find(const QString& text) {
        QTest::keyClick(window_.get(), Qt::Key_F, Qt::ControlModifier);
        window_->Actions().Finder()->Edit()->setText(text);
        QTest::keyClick(window_->Actions().Finder()->Edit(), Qt::Key_Return);
    }
    // The text of what the area prints, read back from the PDF.
    static QString PrintedText(ChartArea* area) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("view.pdf");
        area->PrintTo(printer);
        QProcess read;
        read.start("pdftotext", {"view.pdf", "-"});
        read.waitForFinished();
        return QString::fromUtf8(read.readAllStandardOutput());
    }
    void Wheel(QPoint at, int angle, Qt::KeyboardModifiers modifiers) {
        QWheelEvent wheel(at, window_->picEl->mapToGlobal(at), {}, {0, angle}, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window_->picEl, &wheel);
    }
    // What Draw draws for the table on disk at the picture's size.
    QImage Pressed(Overlays overlays, Colouring colouring = Colouring::HalfLife) {
        const QSize size = window_->picEl->Picture().AreaImage().size();
        ImageSurface expected(size.width(), size.height(), twips::PerPixel(window_->picEl));
        PressDraw(kTableFileName, *std::make_unique<ChartState>(), expected, ui_, overlays,
                  colouring);
        return expected.AreaImage();
    }
    QImage Shown() const {
        QImage shown = window_->picEl->grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1);
        return shown;
    }
    // The view shows the chart code's own drawing at the view's cell size and offset; only the
    // labels, inside their cells' margins, and the selection mark differ.
    void CheckViewIsTheChart(ChartArea* area) {
        const ChartView& view = area->View();
        RecordedSurface boxes(view.Width(), view.Height(), twips::PerPixel(area));
        DrawChart(window_->State().table, std::int16_t(view.CellSize()), {}, boxes);
        const QImage shown = Shown();
        QImage expected(shown.size(), QImage::Format_RGB32);
        expected.fill(ToQRgb(kBackground));
        QPainter painter(&expected);
        for (const RecordedSurface::Box& box : boxes.Boxes())
            painter.fillRect(QRect(box.rect.left - view.OffsetX(), box.rect.top - view.OffsetY(),
                                   box.rect.Width(), box.rect.Height()),
                             QColor(ToQRgb(box.colour)));
        const int s = view.CellSize(), ratio = area->devicePixelRatio();
        int labelled = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixel(x, y) == expected.pixel(x, y) ||
                    shown.pixel(x, y) == ToQRgb(kSelectionColour) ||
                    shown.pixel(x, y) == ToQRgb(kSelectionInnerColour))
                    continue;
                const ChartView::Cell cell = view.CellAt(x, y);
                const long long inX = x - view.Left(cell), inY = y - view.Top(cell);
                QVERIFY2(s >= SmallestNamedCell(ratio) && inX >= 2 && inY >= 2 && inX < s - 2 &&
                             inY < s - 2,
                         qPrintable(QString("pixel %1, %2 differs").arg(x).arg(y)));
                ++labelled;
            }
        QCOMPARE(labelled > 0, s >= SmallestNamedCell(ratio));
    }
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
    QList<QRect> Layout() const {
        QList<QRect> layout;
        for (const QWidget* control : Controls())
            layout << control->geometry();
        return layout;
    }

    std::unique_ptr<TemporaryCurrentDir> dir_;
    ScriptedUserInterface ui_;
    std::unique_ptr<frmMain> window_;
    // The desktop's own message boxes, over the window.
    std::unique_ptr<QtUserInterface> boxes_;
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
