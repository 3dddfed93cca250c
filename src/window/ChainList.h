// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

#include "chart/DecayChain.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace nuklorama {

// A panel over the chart that lists a decay chain: each member in order of decay with its
// half-life, the modes that feed it, the probability of reaching it and, for a time typed in its
// field, its activity as a ratio to the start's at 0. Its summary (the start, how many members,
// the ends) is what a screen reader reads first. Escape closes it and the chain with it.
class ChainList : public QFrame {
    Q_OBJECT
public:
    explicit ChainList(QWidget* parent);

    void Show(const DecayChain& chain);
    // Says something in place of a chain: a stable nuclide, or nothing selected.
    void Say(const QString& text);
    // Its words in the language in use, the chain shown again in them.
    void Retranslate();
    QString Summary() const;
    QTableWidget* Table() const { return table_; }
    QLineEdit* TimeField() const { return time_; }

signals:
    void Closed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowActivities();

    DecayChain chain_;
    QLabel* summary_;
    QTableWidget* table_;
    QLineEdit* time_;
    QLabel* timeNote_;
    QLabel* timeLabel_;
};

}  // namespace nuklorama
