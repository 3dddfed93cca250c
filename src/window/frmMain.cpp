// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmMain.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "Version.h"
#include "window/ChartActions.h"
#include "window/ChartArea.h"
#include "window/QtUserInterface.h"
#include "window/Twips.h"

namespace nuklorama {
namespace {

constexpr float kClientWidth = 11652;
constexpr float kClientHeight = 8460;

void Place(QWidget* control, float left, float top, float width, float height) {
    control->setGeometry(
        twips::ToLogicalPixels(control, left), twips::ToLogicalPixels(control, top),
        twips::ToLogicalPixels(control, width), twips::ToLogicalPixels(control, height));
}

// What a screen reader says: the caption as the name, and what the control does.
void Describe(QWidget* control, const QString& description) {
    control->setAccessibleName(control->property("text").toString());
    control->setAccessibleDescription(description);
}

}  // namespace

frmMain::frmMain(UserInterface* ui)
    : ownUi_(ui ? nullptr : std::make_unique<QtUserInterface>(this)),
      ui_(ui ? ui : ownUi_.get()),
      state_(std::make_unique<ChartState>()) {
    setWindowTitle(QStringLiteral("Nuklorama"));

    // Created in this order so that the chart area lies beneath the controls next to it.
    picEl = new ChartArea(this);
    actions_ = new ChartActions(*picEl, *ui_, this);
    cmdDraw = new QPushButton(tr("画图"), this);
    lbHeader = new QLabel(tr("Nuklorama 核素图 · 版本 "), this);
    lbHeader->setTextFormat(Qt::PlainText);
    for (int i = 0; i < 3; ++i) {
        chkGrid[i] = new QCheckBox(this);
        chkGrid[i]->setChecked(true);
    }

    Place(picEl, 240, 360, 9495, 5895);
    Place(cmdDraw, 240, 6360, 1215, 375);
    Place(lbHeader, 240, 120, 6495, 255);
    Place(chkGrid[0], 1680, 6360, 1935, 255);
    Place(chkGrid[1], 3720, 6360, 1935, 255);
    Place(chkGrid[2], 5760, 6360, 1935, 255);
    Retranslate();
    setTabOrder(picEl, cmdDraw);
    setTabOrder(cmdDraw, chkGrid[0]);
    setTabOrder(chkGrid[0], chkGrid[1]);
    setTabOrder(chkGrid[1], chkGrid[2]);

    connect(cmdDraw, &QPushButton::clicked, this, &frmMain::cmdDraw_Click);
    resize(twips::ToLogicalPixels(this, kClientWidth), twips::ToLogicalPixels(this, kClientHeight));
    Form_Load();
    Describe(lbHeader, tr("程序名称与版本"));
}

void frmMain::Retranslate() {
    cmdDraw->setText(tr("画图"));
    const QString captions[] = {tr("显示网格(绿)"), tr("显示周期(黄)"), tr("显示幻数(蓝)")};
    for (int i = 0; i < 3; ++i)
        chkGrid[i]->setText(captions[i]);
    Describe(cmdDraw, tr("读取当前文件夹中的 nuklorama.csv，按窗口大小重新画核素图"));
    const QString bands[] = {tr("画出每隔十行十列的绿色带"),
                             tr("画出闭合周期的质子数所在行的黄色带"),
                             tr("画出幻数所在行列的蓝色带")};
    for (int i = 0; i < 3; ++i)
        Describe(chkGrid[i], bands[i]);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    lbHeader->setText(
        lbHeader->text() +
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
}

void frmMain::Form_Resize() {
    if (isMinimized()) return;
    // The client area: title bars differ from desktop to desktop, and each of them must show
    // the whole button row.
    const float Width = twips::FromLogicalPixels(this, width());
    const float Height = twips::FromLogicalPixels(this, height());

    // Each statement stands alone: one that fails (a negative size) is skipped.
    twips::SetTop(cmdDraw, Height - twips::Height(cmdDraw) - 400.0f);
    for (QCheckBox* box : chkGrid)
        twips::SetTop(box, twips::Top(cmdDraw));
    twips::SetWidth(picEl, Width - 2.0f * twips::Left(picEl));
    twips::SetHeight(picEl, Height - twips::Height(lbHeader) - twips::Height(cmdDraw) - 480.0f);
}

void frmMain::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    // Restoring from the task bar may not change the size, yet the layout must follow.
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
    // Another language: every caption, the banner and the menu say it at once.
    if (event->type() == QEvent::LanguageChange && lbHeader) {
        Retranslate();
        lbHeader->setText(tr("Nuklorama 核素图 · 版本 "));
        Form_Load();
        Describe(lbHeader, tr("程序名称与版本"));
        actions_->Retranslate();
    }
    QWidget::changeEvent(event);
}

void frmMain::cmdDraw_Click() {
    picEl->ResetView();
    // Nothing else runs during a press, so the boxes read now are the boxes at each overlay.
    const Overlays overlays{chkGrid[0]->isChecked(), chkGrid[1]->isChecked(),
                            chkGrid[2]->isChecked(), actions_->DripShown()};
    const Colouring colouring = actions_->ChosenColouring();
    if (PressDraw(kTableFileName, *state_, picEl->Picture(), *ui_, overlays, colouring) ==
        DrawResult::Drawn) {
        const ImageSurface& area = picEl->Picture();
        // The extra fields move to the picture that shows them; the next load fills them again.
        picEl->SetDrawn({std::make_shared<const NuclideTable>(state_->table), state_->CellSize,
                         state_->overlays, area.WidthPixels(), area.HeightPixels(),
                         area.TwipsPerPixelX(), nullptr,
                         std::make_shared<const ExtraFieldTable>(std::move(state_->extras)),
                         colouring, state_->quantities});
    }
    picEl->update();
}

}  // namespace nuklorama
