// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;

namespace nuklorama {

// A small field over the chart for the name of a nuclide. Enter asks for it, Escape closes the
// field; a name that is not found is said in the field itself.
class FindField : public QFrame {
    Q_OBJECT
public:
    explicit FindField(QWidget* parent);

    QLineEdit* Edit() const { return edit_; }
    void Open();
    void SayNotFound(const QString& reason);
    // Its words in the language in use.
    void Retranslate();

signals:
    void Submitted(const QString& text);
    void Closed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* edit_;
    QLabel* reason_;
    QLabel* label_;
};

}  // namespace nuklorama
