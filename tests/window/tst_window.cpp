// SPDX-License-Identifier: GPL-3.0-or-later
// The real window, end to end. Run offscreen, at a device pixel ratio of 2, and under a real
// window manager, where frames and minimising are the desktop's own.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "chart/RecordedSurface.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestFiles.h"
#include "window/ChartArea.h"
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
        ImageSurface expected(drawn.width(), drawn.height(), twips::PerPixel(window_->picEl));
        auto state = std::make_unique<ChartState>();
        QCOMPARE(PressDraw(kTableFileName, *state, expected, ui_, {true, false, true}),
                 DrawResult::Drawn);
        QVERIFY(window_->State().CellSize >= 3);
        QCOMPARE(drawn, expected.AreaImage());
        QImage shown = window_->picEl->grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1);
        QCOMPARE(shown, drawn);
        // It saves what it shows, and as SVG the same boxes.
        QVERIFY(window_->picEl->SavePicture("w.png") && window_->picEl->SavePicture("w.svg"));
        QCOMPARE(QImage("w.png").convertToFormat(QImage::Format_RGB32), drawn);
        RecordedSurface boxes(drawn.width(), drawn.height(), twips::PerPixel(window_->picEl));
        PressDraw(kTableFileName, *state, boxes, ui_, {true, false, true});
        QCOMPARE(Contents("w.svg").toStdString(),
                 SvgDocument(drawn.width(), drawn.height(), SvgElements(boxes)));

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
        QCOMPARE(area->actions().size(), 2);
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
        area->CopyPicture();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 area->Picture().AreaImage());
        QVERIFY(!area->SavePicture("missing-folder/chart.png"));
        QVERIFY(
            QString::fromStdString(ui_.boxes.back().text).startsWith("missing-folder/chart.png: "));
        QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"nuklorama.csv"});

        area->setFocus();
        QTest::keyClick(area, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QApplication::activePopupWidget()->close();
    }

    void colouringMenuRedrawsFromMemory() {
        const auto choose = [this](const char* name) {
            for (QAction* action : window_->picEl->findChildren<QAction*>())
                if (action->text() == QString::fromUtf8(name)) action->trigger();
        };
        const auto pressed = [this](Colouring colouring) {
            const QSize size = window_->picEl->Picture().AreaImage().size();
            ImageSurface expected(size.width(), size.height(), twips::PerPixel(window_->picEl));
            PressDraw(kTableFileName, *std::make_unique<ChartState>(), expected, ui_,
                      {true, true, true}, colouring);
            return expected.AreaImage();
        };
        Draw(Table({Record(118, 177, "1", "s"), Record(2, 2, "3", "s") + ",A=60;B+=40,0+,"}));
        const QImage decay = pressed(Colouring::Decay), halfLife = pressed(Colouring::HalfLife);
        QVERIFY(decay != halfLife);
        // The chart drawn is redrawn, not the table on disk; copy and save take what is shown.
        WriteFile(kTableFileName, Table({Record(100, 150, "1", "s")}));
        choose("衰变方式");
        QCOMPARE(window_->picEl->Picture().AreaImage(), decay);
        QVERIFY(window_->picEl->SavePicture("w.png"));
        QCOMPARE(QImage("w.png").convertToFormat(QImage::Format_RGB32), decay);
        // Later presses keep the choice until the other one is made.
        Draw(Table({Record(100, 150, "1", "s")}));
        QCOMPARE(window_->picEl->Picture().AreaImage(), pressed(Colouring::Decay));
        choose("半衰期");
        QCOMPARE(window_->picEl->Picture().AreaImage(), pressed(Colouring::HalfLife));
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
