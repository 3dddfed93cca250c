// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "base/UserInterface.h"
#include "chart/DrawnChart.h"
#include "image/ImageSurface.h"
#include "image/LabelGlyphs.h"
#include "window/ChartView.h"

class QAction;
class QMenu;
class QNativeGestureEvent;
class QPrinter;

namespace nuklorama {

class FindField;

// The chart area: shows its persistent image, or a closer view of it. It never redraws the
// picture by itself; covering, minimising or resizing the window leave it as drawn. Resting the
// pointer on a cell names it; the context menu copies or saves the picture. Zoomed in, the chart
// code draws the visible part afresh at the larger cell size, with labels in the cells; the
// mouse and the keyboard move the view and one selected cell.
class ChartArea : public QWidget {
    Q_OBJECT
public:
    ChartArea(QWidget* parent, UserInterface& ui);

    ImageSurface& Picture() { return picture_; }
    // Called after each press of Draw that drew: what the picture now shows.
    void SetDrawn(DrawnChart drawn);

    // The pixels of the chart area, to the clipboard.
    void CopyPicture();
    // The picture as PNG (exactly its pixels) or SVG (the drawing replayed), by the path's
    // ending; written whole or not at all. Says why in a box when it fails.
    bool SavePicture(const QString& path);

    // What the area shows now: the picture or the zoomed view, with the selection mark.
    QImage ViewImage();
    const ChartView& View() const { return view_; }
    std::optional<ChartView::Cell> Selected() const { return selected_; }
    FindField* Finder() const { return find_; }
    // Back to the picture Draw made; the selection stays.
    void ShowFit();
    // What a press of Draw does to the view: the fit, nothing selected.
    void ResetView();
    // What the area shows, as a vector figure with its legend fitted to the printer's page.
    void PrintTo(QPrinter& printer);
    // How the cells are coloured: by the 着色 menu, for this chart and every later press.
    Colouring ChosenColouring() const { return colouring_; }
    // Redraws the drawn chart from memory in the given colouring and keeps it for later presses.
    void ChooseColouring(Colouring colouring);

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
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
    void AskWhereToSave();
    void AddViewActions();
    QAction* AddAction(const QString& text, QList<QKeySequence> keys, void (ChartArea::*slot)());

    // The zoomed view and the selection, in device pixels of the area.
    int ViewWidth() const;
    // Where the view shows the cells, in device pixels of the area.
    Viewport Shown() const;
    int ViewHeight() const;
    QPoint DevicePoint(QPointF logical) const;
    void ZoomAt(int steps, QPoint device);
    void ZoomIn();
    void ZoomOut();
    void ZoomAboutSelection(int steps);
    void Scroll(int dx, int dy);
    bool NativeGesture(QNativeGestureEvent* event);
    void Select(ChartView::Cell cell);
    bool MoveSelection(QKeyEvent* event);
    void ShowSelectedDescription();
    void ShowTip(QPoint globalPos, const QString& text);
    void OpenFind();
    void Find(const QString& text);
    void CopyView();
    void Print();
    void ViewChanged();
    // The chart at the view's cell size with its labels, drawn when the view has changed.
    const QImage& ZoomedImage();
    void PaintSelection(QPainter& painter) const;
    QString Description(ChartView::Cell cell) const;

    UserInterface& ui_;
    ImageSurface picture_;
    std::optional<DrawnChart> drawn_;
    QAction* copy_;
    QAction* save_;
    QMenu* menu_;

    QString chartDescription_;
    ChartView view_;
    std::optional<ChartView::Cell> selected_;
    QImage zoomed_;
    bool zoomedStale_ = true;
    LabelGlyphs labels_;
    FindField* find_;
    QList<QAction*> viewActions_;
    std::optional<QPoint> dragFrom_;
    bool dragged_ = false;
    int wheelZoom_ = 0;
    double pinch_ = 0;
    Colouring colouring_ = Colouring::HalfLife;
};

}  // namespace nuklorama
