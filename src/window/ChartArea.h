// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "chart/ChainOverlay.h"
#include "chart/DrawnChart.h"
#include "image/ImageSurface.h"
#include "image/LabelGlyphs.h"
#include "window/ChartView.h"

class QAction;
class QNativeGestureEvent;
class QPrinter;

namespace nuklorama {

// The chart area: shows its persistent image, or a closer view of it. It never redraws the
// picture by itself; covering, minimising or resizing the window leave it as drawn. Resting the
// pointer on a cell names it. Zoomed in, the chart code draws the visible part afresh at the
// larger cell size, with labels in the cells; the mouse and the keyboard move the view and one
// selected cell. What its context menu offers is the business of ChartActions.
class ChartArea : public QWidget {
    Q_OBJECT
public:
    explicit ChartArea(QWidget* parent);

    ImageSurface& Picture() { return picture_; }
    // Called after each press of Draw that drew: what the picture now shows.
    void SetDrawn(DrawnChart drawn);
    // What the last press that drew put on the picture; none before the first.
    const DrawnChart* Drawn() const { return drawn_.get(); }
    // Redraws the drawn chart from memory in the given colouring, on today's area.
    void Recolour(Colouring colouring);
    // Redraws the drawn chart from memory with or without the drip lines.
    void ShowDripLines(bool on);
    // The same in the words of the language in use.
    void Redraw();
    // Its names and the shortcuts' names in the language in use.
    void Retranslate();

    const ChartView& View() const { return view_; }
    std::optional<ChartView::Cell> Selected() const { return selected_; }
    // Back to the picture Draw made; the selection stays.
    void ShowFit();
    // What a press of Draw does to the view: the fit, nothing selected.
    void ResetView();
    // Zooms in until the cell carries its label, puts it in the middle, selects and names it.
    void ShowFound(ChartView::Cell cell);
    // The view's size in device pixels.
    int ViewWidth() const;
    int ViewHeight() const;

    // A decay chain over whatever view is shown, until Escape, the next press of Draw or another
    // chain; none by default.
    void ShowChain(const DecayChain& chain);
    void ClearChain();
    const DecayChain* Chain() const { return chain_ ? &chain_->chain : nullptr; }

    // What the area shows now: the picture or the zoomed view, with the selection mark.
    QImage ViewImage();
    // What the area shows, as a vector figure with its legend fitted to the printer's page.
    void PrintTo(QPrinter& printer);

signals:
    // A press drew: from now on there is a picture to read, copy and save.
    void ChartDrawn();
    // The view is back at the fit with nothing selected, as at each press.
    void ViewReset();
    // A chain was drawn over the chart, or taken off it.
    void ChainChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void FitSurface();
    void AddViewActions();
    QPoint DevicePoint(QPointF logical) const;
    void ZoomAt(int steps, QPoint device);
    void ZoomAboutSelection(int steps);
    void Scroll(int dx, int dy);
    bool NativeGesture(QNativeGestureEvent* event);
    void Select(ChartView::Cell cell);
    bool MoveSelection(QKeyEvent* event);
    void ShowSelectedDescription();
    void ShowTip(QPoint globalPos, const QString& text);
    QString Description(ChartView::Cell cell) const;
    void ViewChanged();
    // The chart at the view's cell size with its labels, drawn when the view has changed.
    const QImage& ZoomedImage();
    void PaintSelection(QPainter& painter) const;
    // Draw's picture as the cells lie on it.
    Viewport FitView() const;
    // The chain and the selection over the fitted picture.
    void PaintOverFit(QPainter& painter) const;
    // The chain on the frame of the view shown.
    void AddChain(Frame& frame) const;

    ImageSurface picture_;
    // A pointer, so that nothing can be read of a chart before the first press that drew.
    std::unique_ptr<DrawnChart> drawn_;
    QString chartDescription_;
    ChartView view_;
    std::optional<ChartView::Cell> selected_;
    struct ShownChain {
        DecayChain chain;
        ChainOverlay overlay;
    };
    std::unique_ptr<ShownChain> chain_;
    QImage zoomed_;
    bool zoomedStale_ = true;
    LabelGlyphs labels_;
    QList<QAction*> viewActions_;
    std::optional<QPoint> dragFrom_;
    bool dragged_ = false;
    int wheelZoom_ = 0;
    double pinch_ = 0;
};

}  // namespace nuklorama
