// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ChartActions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <array>

#include "base/FileWriter.h"
#include "chart/FindNuclide.h"
#include "image/FrameRenderer.h"
#include "image/Language.h"
#include "image/Png.h"
#include "window/ChainList.h"
#include "window/ChartArea.h"
#include "window/FindField.h"

namespace nuklorama {
namespace {

struct View {
    const char* name;
    Colouring colouring;
};
struct ViewGroup {
    const char* name;
    std::array<View, 4> views;  // up to the first without a name
};
// The 着色 menu's views, grouped by what they tell.
constexpr ViewGroup kViewGroups[] = {
    {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "寿命与衰变"),
     {{{QT_TRANSLATE_NOOP("nuklorama::ChartActions", "半衰期"), Colouring::HalfLife},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "衰变方式"), Colouring::Decay}}}},
    {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "质量"),
     {{{QT_TRANSLATE_NOOP("nuklorama::ChartActions", "每核子结合能"), Colouring::BindingEnergy},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "质量不确定度"),
        Colouring::MassUncertainty}}}},
    {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "分离能"),
     {{{QT_TRANSLATE_NOOP("nuklorama::ChartActions", "中子分离能"), Colouring::Sn},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "质子分离能"), Colouring::Sp},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "双中子分离能"), Colouring::S2n},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "双质子分离能"), Colouring::S2p}}}},
    {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "Q 值"),
     {{{QT_TRANSLATE_NOOP("nuklorama::ChartActions", "α 衰变 Q 值"), Colouring::QAlpha},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "β⁻ 衰变 Q 值"), Colouring::QBetaMinus},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "电子俘获 Q 值"), Colouring::QEc}}}},
    {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "壳与配对"),
     {{{QT_TRANSLATE_NOOP("nuklorama::ChartActions", "中子壳隙"), Colouring::ShellGapN},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "质子壳隙"), Colouring::ShellGapP},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "中子对能隙"), Colouring::PairingN},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "质子对能隙"), Colouring::PairingP}}}},
    {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "历史与丰度"),
     {{{QT_TRANSLATE_NOOP("nuklorama::ChartActions", "发现年份"), Colouring::DiscoveryYear},
       {QT_TRANSLATE_NOOP("nuklorama::ChartActions", "天然丰度"), Colouring::Abundance}}}},
};

}  // namespace

ChartActions::ChartActions(ChartArea& area, UserInterface& ui, QObject* parent)
    : QObject(parent),
      area_(area),
      ui_(ui),
      menu_(new QMenu(&area)),
      find_(new FindField(&area)),
      chains_(new ChainList(&area)) {
    QAction* copy = Add(QT_TR_NOOP("复制图片"), {QKeySequence::Copy}, &ChartActions::CopyPicture);
    copy->setShortcutContext(Qt::WidgetShortcut);
    Add(QT_TR_NOOP("图片另存为…"), {}, &ChartActions::AskWhereToSave);
    QMenu* colours = menu_->addMenu(QString());
    texts_.push_back({colours->menuAction(), QT_TR_NOOP("着色")});
    auto* choice = new QActionGroup(colours);
    for (const auto& [group, views] : kViewGroups) {
        texts_.push_back({colours->addSection(QString()), group});
        for (const auto& [name, colouring] : views) {
            if (!name) break;
            QAction* action = colours->addAction(QString());
            texts_.push_back({action, name});
            action->setCheckable(true);
            action->setChecked(colouring == colouring_);
            choice->addAction(action);
            connect(action, &QAction::triggered, this,
                    [this, c = colouring] { ChooseColouring(c); });
        }
    }
    QAction* drip = menu_->addAction(QString());
    texts_.push_back({drip, QT_TR_NOOP("滴线")});
    drip->setCheckable(true);
    connect(drip, &QAction::toggled, this, [this](bool on) {
        drip_ = on;
        area_.ShowDripLines(on);
    });
    Add(QT_TR_NOOP("查找核素…"), {QKeySequence::Find}, &ChartActions::OpenFind);
    Add(QT_TR_NOOP("衰变链"), {QKeySequence(Qt::CTRL | Qt::Key_L)}, &ChartActions::ShowChain);
    Add(QT_TR_NOOP("复制当前视图"), {}, &ChartActions::CopyView);
    Add(QT_TR_NOOP("打印…"), {QKeySequence::Print}, &ChartActions::Print);
    // Named the same in every language, and each language in its own words, so that anyone
    // finds the way to theirs; ready before the first press too.
    QMenu* languages = menu_->addMenu(QStringLiteral("语言 / Language"));
    auto* spoken = new QActionGroup(languages);
    for (const auto& [name, language] : {std::pair{QStringLiteral("中文"), Language::Chinese},
                                         std::pair{QStringLiteral("English"), Language::English}}) {
        QAction* action = languages->addAction(name);
        action->setCheckable(true);
        action->setChecked(language == LanguageInUse());
        spoken->addAction(action);
        connect(action, &QAction::triggered, this, [this, l = language] { ChooseLanguage(l); });
    }
    Retranslate();

    area.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&area, &QWidget::customContextMenuRequested, menu_,
            [this](QPoint at) { menu_->popup(area_.mapToGlobal(at)); });
    connect(&area, &ChartArea::ChartDrawn, this, [this] {
        for (QAction* action : actions_)
            action->setEnabled(true);
    });
    // Each press shows the whole picture again, without the field over it.
    connect(&area, &ChartArea::ViewReset, find_, &QWidget::hide);
    connect(find_, &FindField::Submitted, this, &ChartActions::Find);
    connect(find_, &FindField::Closed, &area, [&area] { area.setFocus(Qt::OtherFocusReason); });
    // The list goes with the chain: Escape on either, or a press of Draw, takes both away.
    connect(&area, &ChartArea::ChainChanged, this, [this] {
        if (area_.Chain())
            chains_->Show(*area_.Chain());
        else
            chains_->hide();
    });
    connect(chains_, &ChainList::Closed, &area, [&area] {
        area.ClearChain();
        area.setFocus(Qt::OtherFocusReason);
    });
    connect(&area, &ChartArea::ViewReset, chains_, &QWidget::hide);
}

QAction* ChartActions::Add(const char* text, QList<QKeySequence> keys,
                           void (ChartActions::*slot)()) {
    auto* action = new QAction(&area_);
    texts_.push_back({action, text});
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, slot);
    area_.addAction(action);
    menu_->addAction(action);
    actions_ << action;
    return action;
}

void ChartActions::Retranslate() {
    for (const auto& [action, text] : texts_)
        action->setText(tr(text));
    find_->Retranslate();
    chains_->Retranslate();
    area_.Retranslate();
}

void ChartActions::ChooseLanguage(Language language) {
    // The window's captions follow the catalogue; the pictures are drawn again in its words.
    UseLanguage(language);
    area_.Redraw();
}

void ChartActions::CopyPicture() {
    if (area_.Drawn()) QApplication::clipboard()->setImage(area_.Picture().AreaImage());
}

void ChartActions::AskWhereToSave() {
    // The dialog adds the ending itself, so that it asks before replacing the file so named.
    QFileDialog dialog(&area_, tr("图片另存为…"), QString(),
                       QStringLiteral("PNG (*.png);;SVG (*.svg)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("nuklorama.png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.startsWith(u"SVG") ? QStringLiteral("svg")
                                                          : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SavePicture(dialog.selectedFiles().constFirst());
}

bool ChartActions::SavePicture(const QString& path) {
    const DrawnChart* drawn = area_.Drawn();
    if (!drawn) return false;
    const QByteArray bytes =
        path.endsWith(u".svg", Qt::CaseInsensitive)
            ? QByteArray::fromStdString(
                  FrameRenderer(
                      FrameOf(*drawn, Viewport::Picture(drawn->cellSize, drawn->widthPixels,
                                                        drawn->heightPixels)))
                      .Svg())
            : PngBytes(area_.Picture().AreaImage());
    const WriteFailure failure = WriteFileAtomically(
        QFile::encodeName(path).toStdString(), {bytes.constData(), std::size_t(bytes.size())});
    if (!failure) return true;
    ui_.MsgBox((path + QStringLiteral(": ") + QString::fromLocal8Bit(failure.reason.c_str()))
                   .toStdString(),
               Buttons::Ok, Icon::Exclamation);
    return false;
}

void ChartActions::ChooseColouring(Colouring colouring) {
    colouring_ = colouring;
    area_.Recolour(colouring);
}

void ChartActions::OpenFind() {
    find_->move(4, 4);
    find_->Open();
}

void ChartActions::Find(const QString& text) {
    const DrawnChart* drawn = area_.Drawn();
    if (!drawn) return;
    const FoundNuclide found =
        FindNuclide(text.toStdString(), *drawn->table, *drawn->cells, drawn->extras.get());
    if (!found.Z) return find_->SayNotFound(QString::fromStdString(found.reason));
    find_->hide();
    foundState_.reset();
    if (found.state != 0) foundState_ = {{*found.Z, *found.N}, found.state};
    area_.ShowFound({*found.Z, *found.N});
}

void ChartActions::ShowChain() {
    const DrawnChart* drawn = area_.Drawn();
    if (!drawn) return;
    const std::optional<ChartView::Cell> cell = area_.Selected();
    chains_->move(4, 4);
    if (!cell || drawn->cells->At(cell->Z, cell->N) == 0) {
        area_.ClearChain();
        return chains_->Say(tr("先选中表中的一个核素：单击它的格子，或查找它。"));
    }
    const char state = foundState_ && foundState_->first == *cell ? foundState_->second : 0;
    const ExtraFieldTable none;
    const DecayChain chain = BuildDecayChain({cell->Z, cell->N, state}, *drawn->table,
                                             *drawn->cells, drawn->extras ? *drawn->extras : none);
    const ChainMember& start = chain.members[std::size_t(chain.start)];
    if (start.lifetime == Lifetime::Stable) {
        area_.ClearChain();
        return chains_->Say(
            tr("%1 是稳定核素，没有衰变链。")
                .arg(QString::fromStdString(StateName(start.Z, start.N, start.state))));
    }
    area_.ShowChain(chain);
}

void ChartActions::CopyView() {
    QApplication::clipboard()->setImage(area_.ViewImage());
}

void ChartActions::Print() {
    // The preview's print button asks for the printer; closing either dialog prints nothing.
    QPrinter printer(QPrinter::HighResolution);
    // The page turned the way the chart area is, until the person turns it.
    printer.setPageOrientation(area_.ViewWidth() >= area_.ViewHeight() ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, &area_);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* chosen) { area_.PrintTo(*chosen); });
    preview.exec();
}

}  // namespace nuklorama
