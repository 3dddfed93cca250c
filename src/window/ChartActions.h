// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <optional>
#include <utility>
#include <vector>

#include "base/UserInterface.h"
#include "chart/Colouring.h"
#include "image/Language.h"
#include "window/ChartView.h"

class QAction;
class QMenu;

namespace nuklorama {

class ChainList;
class ChartArea;
class FindField;

// What the chart area's context menu offers, with their shortcuts: copy and save the picture
// Draw made, colour it by any view, find a nuclide, copy the view as shown and print it. All
// but the colouring wait for the first press that draws.
class ChartActions : public QObject {
    Q_OBJECT
public:
    ChartActions(ChartArea& area, UserInterface& ui, QObject* parent);

    // The pixels of the chart area, to the clipboard.
    void CopyPicture();
    // The picture as PNG (exactly its pixels) or SVG (the drawing replayed), by the path's
    // ending; written whole or not at all. Says why in a box when it fails.
    bool SavePicture(const QString& path);
    // How the cells are coloured: by the 着色 menu, for this chart and every later press.
    Colouring ChosenColouring() const { return colouring_; }
    void ChooseColouring(Colouring colouring);
    // Whether the drip lines are shown: by the menu, for this chart and every later press.
    bool DripShown() const { return drip_; }
    FindField* Finder() const { return find_; }
    ChainList* Chains() const { return chains_; }
    // The decay chain of the selected nuclide over the chart, and its list; from the excited
    // state find last found in that cell, if any.
    void ShowChain();
    // Every word of the menu, the find field and the chain's list in the language in use.
    void Retranslate();
    // The language of the window and all it draws, copies, saves and prints, until it closes.
    void ChooseLanguage(Language language);

private:
    QAction* Add(const char* text, QList<QKeySequence> keys, void (ChartActions::*slot)());
    void AskWhereToSave();
    void OpenFind();
    void Find(const QString& text);
    void CopyView();
    void Print();

    ChartArea& area_;
    UserInterface& ui_;
    QMenu* menu_;
    QList<QAction*> actions_;
    // Each action and menu with the text it says before translation.
    std::vector<std::pair<QAction*, const char*>> texts_;
    FindField* find_;
    ChainList* chains_;
    // The excited state find named last, and its cell.
    std::optional<std::pair<ChartView::Cell, char>> foundState_;
    Colouring colouring_ = Colouring::HalfLife;
    bool drip_ = false;
};

}  // namespace nuklorama
