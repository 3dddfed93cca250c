// SPDX-License-Identifier: GPL-3.0-or-later
// The chart area's view: zoom, pan, the selected cell, find and the view as shown.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWheelEvent>
#include <cmath>

#include "chart/CellLabel.h"
#include "chart/FindNuclide.h"
#include "chart/LabelPlan.h"
#include "image/FrameRenderer.h"
#include "image/PrintedView.h"
#include "window/ChartArea.h"
#include "window/FindField.h"

namespace nuklorama {
namespace {

constexpr int kWheelNotch = 120;
// One wheel notch scrolls three cells.
constexpr int kCellsPerNotch = 3;

}  // namespace

QAction* ChartArea::AddAction(const QString& text, QList<QKeySequence> keys,
                              void (ChartArea::*slot)()) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    viewActions_ << action;
    return action;
}

void ChartArea::AddViewActions() {
    AddAction(QStringLiteral("放大"),
              {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &ChartArea::ZoomIn);
    AddAction(QStringLiteral("缩小"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
              &ChartArea::ZoomOut);
    AddAction(QStringLiteral("适合窗口"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
              &ChartArea::ShowFit);
    menu_->addAction(
        AddAction(QStringLiteral("查找核素…"), {QKeySequence::Find}, &ChartArea::OpenFind));
    menu_->addAction(AddAction(QStringLiteral("复制当前视图"), {}, &ChartArea::CopyView));
    menu_->addAction(AddAction(QStringLiteral("打印…"), {QKeySequence::Print}, &ChartArea::Print));
    connect(find_, &FindField::Submitted, this, &ChartArea::Find);
    connect(find_, &FindField::Closed, this, [this] { setFocus(Qt::OtherFocusReason); });
}

Viewport ChartArea::Shown() const {
    return Viewport::Zoomed(view_.CellSize(), view_.Width(), view_.Height(), view_.OffsetX(),
                            view_.OffsetY(), ViewWidth(), ViewHeight());
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

void ChartArea::ShowFit() {
    if (!drawn_) return;
    view_.Fit(drawn_->cellSize, drawn_->widthPixels, drawn_->heightPixels);
    ViewChanged();
}

void ChartArea::ResetView() {
    selected_.reset();
    setAccessibleDescription(chartDescription_);
    find_->hide();
    ShowFit();
}

void ChartArea::ZoomAt(int steps, QPoint device) {
    if (drawn_ && view_.Zoom(steps, device.x(), device.y(), ViewWidth(), ViewHeight()))
        ViewChanged();
}

void ChartArea::ZoomIn() {
    ZoomAboutSelection(1);
}

void ChartArea::ZoomOut() {
    ZoomAboutSelection(-1);
}

void ChartArea::ZoomAboutSelection(int steps) {
    QPoint about(ViewWidth() / 2, ViewHeight() / 2);
    if (selected_) {
        const int half = view_.CellSize() / 2;
        about = QPoint(int(std::clamp<long long>(view_.Left(*selected_) + half, 0, ViewWidth())),
                       int(std::clamp<long long>(view_.Top(*selected_) + half, 0, ViewHeight())));
    }
    ZoomAt(steps, about);
    if (selected_) view_.Reveal(*selected_, ViewWidth(), ViewHeight());
}

void ChartArea::Scroll(int dx, int dy) {
    view_.Pan(dx, dy, ViewWidth(), ViewHeight());
    ViewChanged();
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

void ChartArea::Select(ChartView::Cell cell) {
    selected_ = cell;
    view_.Reveal(cell, ViewWidth(), ViewHeight());
    setAccessibleDescription(Description(cell));
    ViewChanged();
}

bool ChartArea::MoveSelection(QKeyEvent* event) {
    // The keypad's arrows count as arrows.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool toNuclide = modifiers == Qt::ControlModifier;
    if (!selected_ || !drawn_ || (modifiers != Qt::NoModifier && !toNuclide)) return false;
    ChartView::Cell to = *selected_;
    const int key = event->key();
    const int forward = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    if (!across && key != Qt::Key_Up && key != Qt::Key_Down) return false;
    std::int32_t& moved = across ? to.N : to.Z;
    if (!toNuclide) {
        moved += forward;
    } else {
        const auto line = across ? drawn_->cells->Row(to.Z) : drawn_->cells->Column(to.N);
        const std::int32_t* next = nullptr;
        for (const CellIndex::Cell& cell : line) {
            const std::int32_t& along = across ? cell.N : cell.Z;
            if (forward > 0 ? along > moved && !next : along < moved) next = &along;
        }
        if (next) moved = *next;
    }
    if (!(to == *selected_) && !Description(to).isEmpty()) Select(to);
    return true;
}

void ChartArea::ShowSelectedDescription() {
    const double ratio = devicePixelRatioF();
    const QPointF corner(double(view_.Left(*selected_)) / ratio,
                         double(view_.Top(*selected_) + view_.CellSize()) / ratio);
    ShowTip(mapToGlobal(corner.toPoint()), Description(*selected_));
}

QString ChartArea::Description(ChartView::Cell cell) const {
    if (!drawn_) return {};
    // The cell's top-left pixel on the picture Draw made.
    const long long x = (long long)cell.N * drawn_->cellSize;
    const long long y = (long long)cell.Z * drawn_->cellSize;
    if (x < 0 || y < 0 || x >= drawn_->widthPixels || y >= drawn_->heightPixels) return {};
    return QString::fromStdString(DescribeCell(*drawn_, int(x), int(y)));
}

void ChartArea::OpenFind() {
    find_->move(4, 4);
    find_->Open();
}

void ChartArea::Find(const QString& text) {
    if (!drawn_) return;
    const FoundNuclide found =
        FindNuclide(text.toStdString(), *drawn_->table, *drawn_->cells, drawn_->extras.get());
    if (!found.Z) return find_->SayNotFound(QString::fromStdString(found.reason));
    find_->hide();
    const ChartView::Cell cell{*found.Z, *found.N};
    view_.ZoomToAtLeast(SmallestNamedCell(devicePixelRatioF()), ViewWidth(), ViewHeight());
    view_.Centre(cell, ViewWidth(), ViewHeight());
    Select(cell);
    setFocus(Qt::OtherFocusReason);
}

void ChartArea::ViewChanged() {
    zoomedStale_ = true;
    update();
}

const QImage& ChartArea::ZoomedImage() {
    const QSize size(ViewWidth(), ViewHeight());
    if (!zoomedStale_ && zoomed_.size() == size) return zoomed_;
    if (zoomed_.size() != size) zoomed_ = QImage(size, QImage::Format_RGB32);
    Frame frame = FrameOf(*drawn_, Shown());
    frame.labels = ScreenLabels(view_.CellSize(), devicePixelRatioF());
    FrameRenderer(frame).Draw(zoomed_, labels_);
    zoomedStale_ = false;
    return zoomed_;
}

void ChartArea::PaintSelection(QPainter& painter) const {
    if (selected_)
        PaintSelectionMark(painter, Shown(), {selected_->Z, selected_->N}, devicePixelRatioF());
}

QImage ChartArea::ViewImage() {
    QImage image = view_.IsFit() ? picture_.AreaImage().copy() : ZoomedImage().copy();
    QPainter painter(&image);
    PaintSelection(painter);
    return image;
}

void ChartArea::CopyView() {
    QApplication::clipboard()->setImage(ViewImage());
}

void ChartArea::Print() {
    // The preview's print button asks for the printer; closing either dialog prints nothing.
    QPrinter printer(QPrinter::HighResolution);
    // The page turned the way the chart area is, until the person turns it.
    printer.setPageOrientation(ViewWidth() >= ViewHeight() ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* chosen) { PrintTo(*chosen); });
    preview.exec();
}

void ChartArea::PrintTo(QPrinter& printer) {
    if (!drawn_) return;
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    Frame frame =
        FrameOf(*drawn_, view_.IsFit() ? Viewport::Picture(drawn_->cellSize, drawn_->widthPixels,
                                                           drawn_->heightPixels)
                                       : Shown());
    if (!view_.IsFit()) frame.labels = ScreenLabels(view_.CellSize(), devicePixelRatioF());
    PaintFrameOnPage(painter, QRectF(QPointF(), page.size()), frame);
}

}  // namespace nuklorama
