// SPDX-License-Identifier: GPL-3.0-or-later
// The chart area: what a press of Draw hands it, and its input: pointer, wheel, pinch and keys.
#include "window/ChartArea.h"

#include <QAction>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "chart/DripLines.h"
#include "window/Twips.h"

namespace nuklorama {
namespace {

constexpr int kWheelNotch = 120;
// One wheel notch scrolls three cells.
constexpr int kCellsPerNotch = 3;

// Tool tips take rich text when it looks like markup; this shows any text verbatim.
QString AsPlainToolTip(const QString& text) {
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

}  // namespace

ChartArea::ChartArea(QWidget* parent) : QWidget(parent), picture_(0, 0, 15) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    AddViewActions();
    Retranslate();
}

void ChartArea::Retranslate() {
    setAccessibleName(tr("核素图"));
    setAccessibleDescription(tr(
        "核素图：横向中子数 N，纵向质子数 Z，灰度表示半衰期。指针停在格子上显示核素；右键菜单可复制"
        "或保存图片，或改按衰变方式着色。"));
    chartDescription_ = accessibleDescription();
    const char* names[] = {QT_TR_NOOP("放大"), QT_TR_NOOP("缩小"), QT_TR_NOOP("适合窗口")};
    for (int i = 0; i < 3; ++i)
        viewActions_[i]->setText(tr(names[i]));
}

void ChartArea::AddViewActions() {
    const auto add = [this](QList<QKeySequence> keys, auto slot) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        viewActions_ << action;
    };
    add({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { ZoomAboutSelection(1); });
    add({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { ZoomAboutSelection(-1); });
    add({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { ShowFit(); });
}

void ChartArea::SetDrawn(DrawnChart drawn) {
    if (!drawn.cells) drawn.cells = std::make_shared<const CellIndex>(*drawn.table);
    drawn_ = std::make_unique<DrawnChart>(std::move(drawn));
    for (QAction* action : viewActions_)
        action->setEnabled(true);
    ResetView();
    emit ChartDrawn();
}

void ChartArea::Recolour(Colouring colouring) {
    if (!drawn_ || drawn_->colouring == colouring) return;
    drawn_->colouring = colouring;
    Redraw();
}

void ChartArea::ShowDripLines(bool on) {
    if (!drawn_ || drawn_->overlays.drip == on) return;
    drawn_->overlays.drip = on;
    Redraw();
}

void ChartArea::Redraw() {
    if (!drawn_) return;
    // The picture as the last press left it, on today's area, with what its view and overlays
    // need worked out once.
    DrawnChart& d = *drawn_;
    static const ExtraFieldTable kNone;
    d.quantities = QuantitiesFor(d.colouring, d.overlays, *d.table, d.extras ? *d.extras : kNone,
                                 d.quantities);
    if (!d.overlays.dripLines) d.overlays = WithDripLines(d.overlays, *d.table, d.quantities.get());
    d.widthPixels = picture_.WidthPixels();
    d.heightPixels = picture_.HeightPixels();
    d.twipsPerPixel = picture_.TwipsPerPixelX();
    picture_.Cls();
    DrawAgain(d, picture_);
    ViewChanged();
}

int ChartArea::ViewWidth() const {
    return int(std::lround(width() * devicePixelRatioF()));
}

int ChartArea::ViewHeight() const {
    return int(std::lround(height() * devicePixelRatioF()));
}

QPoint ChartArea::DevicePoint(QPointF logical) const {
    const double ratio = devicePixelRatioF();
    return {int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio))};
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

void ChartArea::keyPressEvent(QKeyEvent* event) {
    // The menu key arrives as a context menu event; Shift+F10 is the desktops' other way.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)
        emit customContextMenuRequested(rect().center());
    else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
              event->key() == Qt::Key_Space) &&
             selected_)
        ShowSelectedDescription();
    else if (event->key() == Qt::Key_Escape && chain_)
        ClearChain();
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
    view_.Pan(0, 0, ViewWidth(), ViewHeight());  // a larger view may leave the chart too little
    zoomedStale_ = true;
}

bool ChartArea::NativeGesture(QNativeGestureEvent* event) {
    if (event->gestureType() != Qt::ZoomNativeGesture || !drawn_) return false;
    if (!std::isfinite(event->value())) return true;
    // Each event scales by 1 + value; a step is a quarter more.
    pinch_ += std::log1p(std::max(event->value(), -0.9));
    const double step = std::log(1.25);
    const int steps = int(pinch_ / step);
    pinch_ -= steps * step;
    if (steps != 0) ZoomAt(steps, DevicePoint(event->position()));
    return true;
}

void ChartArea::wheelEvent(QWheelEvent* event) {
    if (!drawn_) return event->ignore();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ControlModifier) {
        wheelZoom_ += event->angleDelta().y();
        const int steps = wheelZoom_ / kWheelNotch;
        wheelZoom_ -= steps * kWheelNotch;
        if (steps != 0) ZoomAt(steps, DevicePoint(event->position()));
        return event->accept();
    }
    if (view_.IsFit()) return event->ignore();
    QPoint delta = event->pixelDelta().isNull()
                       ? event->angleDelta() * (kCellsPerNotch * view_.CellSize()) / kWheelNotch
                       : event->pixelDelta() * devicePixelRatioF();
    if ((modifiers & Qt::ShiftModifier) && delta.x() == 0) delta = QPoint(delta.y(), 0);
    Scroll(delta.x(), delta.y());
    event->accept();
}

void ChartArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    dragFrom_ = DevicePoint(event->position());
    dragged_ = false;
}

void ChartArea::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = DevicePoint(event->position());
    if (at == *dragFrom_ || view_.IsFit()) return;
    Scroll(at.x() - dragFrom_->x(), at.y() - dragFrom_->y());
    dragFrom_ = at;
    dragged_ = true;
}

void ChartArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragFrom_) return QWidget::mouseReleaseEvent(event);
    const QPoint at = DevicePoint(event->position());
    if (!dragged_ && !Description(view_.CellAt(at.x(), at.y())).isEmpty())
        Select(view_.CellAt(at.x(), at.y()));
    dragFrom_.reset();
}

void ChartArea::focusInEvent(QFocusEvent* event) {
    const bool tab =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tab && !selected_ && drawn_ && drawn_->table->NuclideCount >= 1)
        Select({drawn_->table->ProtonNumber[1], drawn_->table->NeutronNumber[1]});
    QWidget::focusInEvent(event);
}

}  // namespace nuklorama
