// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ChartArea.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "base/FileWriter.h"
#include "image/FrameRenderer.h"
#include "image/Png.h"
#include "window/FindField.h"
#include "window/Twips.h"

namespace nuklorama {
namespace {

// Tool tips take rich text when it looks like markup; this shows any text verbatim.
QString AsPlainToolTip(const QString& text) {
    return "<p style='white-space:pre'>" + text.toHtmlEscaped() + "</p>";
}

}  // namespace

ChartArea::ChartArea(QWidget* parent, UserInterface& ui)
    : QWidget(parent),
      ui_(ui),
      picture_(0, 0, 15),
      copy_(new QAction(QStringLiteral("复制图片"), this)),
      save_(new QAction(QStringLiteral("图片另存为…"), this)),
      menu_(new QMenu(this)),
      find_(new FindField(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("核素图"));
    setAccessibleDescription(
        QStringLiteral("核素图：横向中子数 N，纵向质子数 "
                       "Z，灰度表示半衰期。指针停在格子上显示核素；右键菜单可复制或保存图片，或改按"
                       "衰变方式着色。"));
    chartDescription_ = accessibleDescription();
    copy_->setShortcut(QKeySequence::Copy);
    copy_->setShortcutContext(Qt::WidgetShortcut);
    for (QAction* action : {copy_, save_}) {
        action->setEnabled(false);
        addAction(action);
        menu_->addAction(action);
    }
    auto* colours = menu_->addMenu(QStringLiteral("着色"));
    auto* choice = new QActionGroup(this);
    for (const auto& [name, colouring] :
         {std::pair{QStringLiteral("半衰期"), Colouring::HalfLife},
          std::pair{QStringLiteral("衰变方式"), Colouring::Decay}}) {
        QAction* action = colours->addAction(name);
        action->setCheckable(true);
        action->setChecked(colouring == colouring_);
        choice->addAction(action);
        connect(action, &QAction::triggered, this, [this, c = colouring] { ChooseColouring(c); });
    }
    connect(copy_, &QAction::triggered, this, &ChartArea::CopyPicture);
    connect(save_, &QAction::triggered, this, &ChartArea::AskWhereToSave);
    AddViewActions();
}

void ChartArea::SetDrawn(DrawnChart drawn) {
    if (!drawn.cells) drawn.cells = std::make_shared<const CellIndex>(*drawn.table);
    drawn_ = std::move(drawn);
    copy_->setEnabled(true);
    save_->setEnabled(true);
    for (QAction* action : viewActions_)
        action->setEnabled(true);
    ResetView();
}

void ChartArea::ChooseColouring(Colouring colouring) {
    colouring_ = colouring;
    if (!drawn_ || drawn_->colouring == colouring) return;
    // The picture as the last press left it, only coloured the other way, on today's area.
    DrawnChart& d = *drawn_;
    d.colouring = colouring;
    d.widthPixels = picture_.WidthPixels();
    d.heightPixels = picture_.HeightPixels();
    d.twipsPerPixel = picture_.TwipsPerPixelX();
    picture_.Cls();
    DrawAgain(d, picture_);
    ViewChanged();
}

void ChartArea::CopyPicture() {
    if (drawn_) QApplication::clipboard()->setImage(picture_.AreaImage());
}

void ChartArea::AskWhereToSave() {
    // The dialog adds the ending itself, so that it asks before replacing the file so named.
    QFileDialog dialog(this, save_->text(), QString(), QStringLiteral("PNG (*.png);;SVG (*.svg)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("nuklorama.png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.startsWith("SVG") ? "svg" : "png");
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SavePicture(dialog.selectedFiles().constFirst());
}

bool ChartArea::SavePicture(const QString& path) {
    if (!drawn_) return false;
    const QByteArray bytes =
        path.endsWith(".svg", Qt::CaseInsensitive)
            ? QByteArray::fromStdString(
                  FrameRenderer(
                      FrameOf(*drawn_, Viewport::Picture(drawn_->cellSize, drawn_->widthPixels,
                                                         drawn_->heightPixels)))
                      .Svg())
            : PngBytes(picture_.AreaImage());
    const WriteFailure failure = WriteFileAtomically(
        QFile::encodeName(path).toStdString(), {bytes.constData(), std::size_t(bytes.size())});
    if (!failure) return true;
    ui_.MsgBox((path + ": " + QString::fromLocal8Bit(failure.reason.c_str())).toStdString(),
               Buttons::Ok, Icon::Exclamation);
    return false;
}

bool ChartArea::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture &&
        NativeGesture(static_cast<QNativeGestureEvent*>(event)))
        return true;
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint device = DevicePoint(help->pos());
    ShowTip(help->globalPos(), Description(view_.CellAt(device.x(), device.y())));
    return true;
}

void ChartArea::ShowTip(QPoint globalPos, const QString& text) {
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, AsPlainToolTip(text), this);
}

void ChartArea::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
}

void ChartArea::keyPressEvent(QKeyEvent* event) {
    // The menu key arrives as a context menu event; Shift+F10 is the desktops' other way.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)
        menu_->popup(mapToGlobal(rect().center()));
    else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
              event->key() == Qt::Key_Space) &&
             selected_)
        ShowSelectedDescription();
    else if (!MoveSelection(event))
        QWidget::keyPressEvent(event);
}

void ChartArea::FitSurface() {
    const double ratio = devicePixelRatioF();
    picture_.Fit(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)),
                 twips::PerPixel(this));
}

void ChartArea::resizeEvent(QResizeEvent*) {
    FitSurface();
    zoomedStale_ = true;
}

void ChartArea::paintEvent(QPaintEvent*) {
    FitSurface();  // the screen may have changed under the window
    QPainter painter(this);
    const QImage& image = view_.IsFit() ? picture_.Image() : ZoomedImage();
    const double ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
    painter.scale(1 / ratio, 1 / ratio);
    PaintSelection(painter);
}

}  // namespace nuklorama
