// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "chart/DrawnChart.h"
#include "image/ImageSurface.h"
#include "table/UserInterface.h"

class QAction;
class QMenu;

namespace nuklorama {

// The chart area: shows its persistent image and nothing else. It never redraws the chart by
// itself; covering, minimising or resizing the window leave the picture as drawn. Resting the
// pointer on a cell names it; the context menu copies or saves the picture.
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

private:
    void FitSurface();
    void AskWhereToSave();

    UserInterface& ui_;
    ImageSurface picture_;
    std::optional<DrawnChart> drawn_;
    QAction* copy_;
    QAction* save_;
    QMenu* menu_;
    Colouring colouring_ = Colouring::HalfLife;
};

}  // namespace nuklorama
