// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FindField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace nuklorama {

FindField::FindField(QWidget* parent)
    : QFrame(parent), edit_(new QLineEdit(this)), reason_(new QLabel(this)) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    label_ = new QLabel(this);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addWidget(reason_);
    Retranslate();
    reason_->setTextFormat(Qt::PlainText);
    connect(edit_, &QLineEdit::returnPressed, this, [this] { emit Submitted(edit_->text()); });
    connect(edit_, &QLineEdit::textEdited, reason_, &QLabel::clear);
    hide();
}

void FindField::Retranslate() {
    label_->setText(tr("查找核素"));
    edit_->setPlaceholderText(tr("U-238、238U、铀-238、Z=92 N=146"));
    edit_->setAccessibleName(tr("查找核素"));
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(edit_->placeholderText()) + 16);
    reason_->clear();
}

void FindField::Open() {
    reason_->clear();
    adjustSize();
    show();
    raise();
    edit_->selectAll();
    edit_->setFocus(Qt::ShortcutFocusReason);
}

void FindField::SayNotFound(const QString& reason) {
    reason_->setText(reason);
    adjustSize();
    edit_->selectAll();
}

bool FindField::event(QEvent* event) {
    // The field hides the cells beneath it; the chart would name them to a pointer resting on it.
    if (event->type() == QEvent::ToolTip) return true;
    return QFrame::event(event);
}

void FindField::keyPressEvent(QKeyEvent* event) {
    // The line edit passes Enter on; the chart beneath would name its selected cell.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return event->accept();
    if (event->key() != Qt::Key_Escape) return QFrame::keyPressEvent(event);
    hide();
    emit Closed();
}

}  // namespace nuklorama
