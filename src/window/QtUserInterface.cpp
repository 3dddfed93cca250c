// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/QtUserInterface.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace nuklorama {

Answer QtUserInterface::MsgBox(const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QStringLiteral("Nuklorama"), QString::fromStdString(text),
                    QMessageBox::NoButton, window_);
    // The text may quote a table's field: never let it be read as markup or name a resource.
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    // One role for all three keeps them left to right in this order on every desktop style.
    QPushButton* abort = box.addButton(QStringLiteral("&Abort"), QMessageBox::ActionRole);
    QPushButton* retry = box.addButton(QStringLiteral("&Retry"), QMessageBox::ActionRole);
    box.addButton(QStringLiteral("&Ignore"), QMessageBox::ActionRole);
    box.setDefaultButton(abort);
    box.setEscapeButton(abort);  // Escape and closing the box answer Abort
    box.exec();
    if (box.clickedButton() == abort || box.clickedButton() == nullptr) return Answer::Abort;
    return box.clickedButton() == retry ? Answer::Retry : Answer::Ignore;
}

void QtUserInterface::SetPointer(Pointer pointer) {
    if (pointer == Pointer::Busy)
        window_->setCursor(Qt::WaitCursor);
    else
        window_->unsetCursor();
}

void QtUserInterface::EndProgram(int status) {
    std::fflush(nullptr);
    std::exit(status);
}

}  // namespace nuklorama
