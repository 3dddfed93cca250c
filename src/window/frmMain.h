// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "base/UserInterface.h"
#include "chart/DrawCommand.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace nuklorama {

class ChartActions;
class ChartArea;

// The program's one window: header, chart area, the Draw button and the three overlay boxes.
// It owns the loaded table and the cell size for as long as it lives.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // Without ui, message boxes and the pointer are the desktop's own.
    explicit frmMain(UserInterface* ui = nullptr);
    ~frmMain() override;

    QLabel* lbHeader = nullptr;
    ChartArea* picEl;
    QPushButton* cmdDraw;
    std::array<QCheckBox*, 3> chkGrid;

    const ChartState& State() const { return *state_; }
    // What the chart area's context menu offers.
    ChartActions& Actions() const { return *actions_; }

public slots:
    void cmdDraw_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    // The captions and descriptions in the language in use.
    void Retranslate();

    std::unique_ptr<UserInterface> ownUi_;
    UserInterface* ui_;
    std::unique_ptr<ChartState> state_;
    ChartActions* actions_;
};

}  // namespace nuklorama
