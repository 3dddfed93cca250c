// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ChainList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Notation.h"
#include "chart/ChainActivity.h"
#include "chart/DecayModes.h"
#include "chart/FindNuclide.h"

namespace nuklorama {
namespace {

enum Column { kMember, kHalfLife, kFrom, kProbability, kActivity, kColumns };

QString Name(const ChainMember& m) {
    return QString::fromStdString(StateName(m.Z, m.N, m.state));
}

QString Percent(double fraction) {
    return QString::number(100 * fraction, 'g', 6) + QStringLiteral(" %");
}

QString HalfLife(const ChainMember& m) {
    if (m.record == 0) return ChainList::tr("表中没有");
    if (m.lifetime == Lifetime::Stable) return QString::fromStdString(Say(Word::Stable));
    if (m.lifetime == Lifetime::Unknown) return QString::fromStdString(Say(Word::Unknown));
    return QString::fromStdString(Duration(m.halfLife, 4));
}

}  // namespace

ChainList::ChainList(QWidget* parent)
    : QFrame(parent),
      summary_(new QLabel(this)),
      table_(new QTableWidget(0, kColumns, this)),
      time_(new QLineEdit(this)),
      timeNote_(new QLabel(this)) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(table_);
    auto* timeRow = new QHBoxLayout;
    timeLabel_ = new QLabel(this);
    timeLabel_->setBuddy(time_);
    timeNote_->setTextFormat(Qt::PlainText);
    timeRow->addWidget(timeLabel_);
    timeRow->addWidget(time_);
    timeRow->addWidget(timeNote_, 1);
    layout->addLayout(timeRow);
    connect(time_, &QLineEdit::textChanged, this, &ChainList::ShowActivities);
    Retranslate();
    hide();
}

void ChainList::Retranslate() {
    table_->setHorizontalHeaderLabels(
        {tr("核素"), tr("半衰期"), tr("来自"), tr("概率"), tr("活度比")});
    table_->setAccessibleName(tr("衰变链"));
    timeLabel_->setText(tr("时间"));
    time_->setPlaceholderText(tr("例如 7 d、1e6 y"));
    time_->setAccessibleName(tr("活度的时间"));
    if (!chain_.members.empty() && isVisible()) Show(DecayChain(chain_));
}

void ChainList::Show(const DecayChain& chain) {
    chain_ = chain;
    const ChainMember& start = chain.members[std::size_t(chain.start)];
    QStringList ends;
    for (const ChainMember& m : chain.members)
        if (m.end != ChainEnd::None) ends << Name(m) + QLatin1Char(' ') + Percent(m.probability);
    if (chain.fission > 0) ends << tr("裂变 %1").arg(Percent(chain.fission));
    QString summary = tr("%1 的衰变链：%2 个成员，按衰变顺序。终点：%3")
                          .arg(Name(start))
                          .arg(chain.members.size())
                          .arg(ends.isEmpty() ? tr("无") : ends.join(tr("，")));
    if (chain.leftOut > 0) summary += tr("。%1 条概率低于 10⁻¹² 的路径略去").arg(chain.leftOut);
    if (chain.loopsCut > 0) summary += tr("。表中有循环，已切断 %1 处").arg(chain.loopsCut);
    summary_->setText(summary + tr("。"));
    table_->setAccessibleDescription(summary_->text());

    table_->setRowCount(int(chain.members.size()));
    for (std::size_t i = 0; i < chain.members.size(); ++i) {
        const ChainMember& m = chain.members[i];
        QStringList from;
        for (const ChainBranch& b : chain.branches)
            if (b.to == int(i))
                from << QString::fromStdString(ModeNotation(b.mode)) + QLatin1Char(' ') +
                            Name(chain.members[std::size_t(b.from)]) +
                            (b.estimated ? QString::fromStdString(nuklorama::Say(Word::Estimated))
                                         : QString());
        const QStringList cells{Name(m), HalfLife(m),
                                from.isEmpty() ? tr("起点") : from.join(tr("，")),
                                Percent(m.probability), QString()};
        for (int c = 0; c < kColumns; ++c)
            table_->setItem(int(i), c, new QTableWidgetItem(cells[c]));
    }
    ShowActivities();
    table_->show();
    time_->setEnabled(true);
    adjustSize();
    show();
    raise();
}

void ChainList::Say(const QString& text) {
    chain_ = {};
    summary_->setText(text);
    table_->setRowCount(0);
    table_->hide();
    time_->setEnabled(false);
    adjustSize();
    show();
    raise();
}

QString ChainList::Summary() const {
    return summary_->text();
}

void ChainList::ShowActivities() {
    const std::string text = time_->text().trimmed().toStdString();
    const auto seconds = DurationSeconds(text);
    timeNote_->setText(text.empty() || seconds ? QString() : tr("写成数值和单位，如 7 d"));
    if (chain_.members.empty()) return;
    std::vector<MemberActivity> activities;
    if (seconds) activities = ChainActivities(chain_, *seconds);
    for (std::size_t i = 0; i < chain_.members.size(); ++i) {
        QString cell;
        if (seconds && activities[i].known)
            cell = QString::number(activities[i].activity, 'g', 6);
        else if (seconds && activities[i].after >= 0) {
            const ChainMember& first = chain_.members[std::size_t(activities[i].after)];
            cell = (first.record == 0 ? tr("无：表中没有 %1") : tr("无：%1 半衰期未知"))
                       .arg(Name(first));
        } else if (seconds)
            cell = tr("无：成员过多");
        table_->item(int(i), kActivity)->setText(cell);
    }
    // As wide as its columns and up to a dozen rows tall, within the chart area.
    table_->resizeColumnsToContents();
    const QWidget* area = parentWidget();
    const int frame = 2 * table_->frameWidth();
    const int rows = std::min(table_->rowCount(), 12);
    table_->setFixedSize(std::min(table_->horizontalHeader()->length() + frame +
                                      table_->verticalScrollBar()->sizeHint().width(),
                                  area ? area->width() - 24 : 600),
                         std::min(table_->horizontalHeader()->height() + frame +
                                      rows * table_->verticalHeader()->defaultSectionSize(),
                                  area ? area->height() / 2 : 400));
    adjustSize();
}

bool ChainList::event(QEvent* event) {
    // The panel hides the cells beneath it; the chart would name them to a pointer resting on it.
    if (event->type() == QEvent::ToolTip) return true;
    return QFrame::event(event);
}

void ChainList::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return QFrame::keyPressEvent(event);
    hide();
    emit Closed();
}

}  // namespace nuklorama
