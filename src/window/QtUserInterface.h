// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/UserInterface.h"

class QWidget;

namespace nuklorama {

// Message boxes, the pointer and ending the program for the desktop window.
class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* window) : window_(window) {}

    Answer MsgBox(const std::string& text, Buttons buttons, Icon icon) override;
    void SetPointer(Pointer pointer) override;
    [[noreturn]] void EndProgram(int status) override;

private:
    QWidget* window_;
};

}  // namespace nuklorama
