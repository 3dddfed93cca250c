// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Poster.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "chart/CellIndex.h"
#include "chart/LabelPlan.h"
#include "chart/Viewport.h"
#include "image/FrameRenderer.h"

namespace nuklorama {
namespace {

// Dots per inch of the page's coordinates: fine enough that whole dots lose nothing in print.
constexpr int kDpi = 1200;
constexpr double kMarginMm = 10;

double Dots(double mm) {
    return mm / 25.4 * kDpi;
}

struct NamedPaper {
    const char* name;
    QPageSize::PageSizeId id;
};
constexpr NamedPaper kPapers[] = {
    {"A4", QPageSize::A4},       {"A3", QPageSize::A3}, {"A2", QPageSize::A2},
    {"A1", QPageSize::A1},       {"A0", QPageSize::A0}, {"letter", QPageSize::Letter},
    {"legal", QPageSize::Legal},
};

QSizeF PageMm(const QPageSize& paper, bool landscape) {
    const QSizeF size = paper.size(QPageSize::Millimeter);
    return landscape == (size.width() < size.height()) ? size.transposed() : size;
}

}  // namespace

std::optional<QPageSize> PaperNamed(const QString& name) {
    for (const NamedPaper& p : kPapers)
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0) return QPageSize(p.id);
    return std::nullopt;
}

Poster::Poster(const Page& page, const Region& region, const Overlays& overlays,
               const Figure& figure)
    : page_(page), region_(region), overlays_(overlays), figure_(figure) {
    Fit fit = page.landscape ? FitTo(*page.landscape) : FitTo(true);
    if (!page.landscape) {
        Fit portrait = FitTo(false);
        if (portrait.cellSize > fit.cellSize) fit = std::move(portrait);
    }
    landscape_ = fit.landscape;
    cellSize_ = fit.cellSize;
    fontDots_ = fit.fontDots;
}

double Poster::CellMm() const {
    return cellSize_ * 25.4 / kDpi;
}

bool Poster::FitsLabels() const {
    return PaperLabels(cellSize_, Dots(1)).lines > 0;
}

float Poster::TwipsPerDot() const {
    return 1440.0f / kDpi;
}

Frame Poster::FrameOf(std::int16_t cellSize, int fontDots) const {
    Frame frame;
    frame.colours = figure_.colouring;
    frame.quantities = figure_.quantities;
    frame.overlays = overlays_;
    frame.twipsPerPixel = TwipsPerDot();
    frame.view = Viewport::OfRegion(region_, cellSize);
    frame.figure = {figure_.shown, figure_.title.toStdString(), fontDots};
    return frame;
}

Poster::Fit Poster::FitTo(bool landscape) const {
    const QSizeF mm = PageMm(page_.paper, landscape);
    const double width = Dots(mm.width() - 2 * kMarginMm),
                 height = Dots(mm.height() - 2 * kMarginMm);
    std::int16_t cell = RegionCellSize(region_, width, height);
    if (!figure_.shown || cell == 0) return {landscape, cell, 0};
    // Text for arm's length: larger on larger paper, never below about ten points.
    const int font = int(std::lround(Dots(std::max(std::min(mm.width(), mm.height()) / 75, 3.5))));
    const QSize first = ChartFigure(FrameOf(cell, font)).Size();
    cell = RegionCellSize(region_, width - (first.width() - region_.Columns() * cell),
                          height - (first.height() - region_.Rows() * cell));
    for (; cell > 0; --cell) {
        const QSize size = ChartFigure(FrameOf(cell, font)).Size();
        if (size.width() <= width && size.height() <= height) return {landscape, cell, font};
    }
    return {landscape, 0, 0};
}

QByteArray Poster::Pdf(const NuclideTable& table, const CellColouring& colouring, bool labels,
                       const ChainOverlay* chain) const {
    const CellIndex cells(table);
    Frame frame = FrameOf(cellSize_, fontDots_);
    frame.table = &table;
    frame.cells = &cells;
    frame.colouring = colouring;
    if (labels) frame.labels = PaperLabels(cellSize_, Dots(1));
    if (chain) ShowChain(frame, *chain);
    const FrameRenderer renderer(frame);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Nuklorama"));
    if (!figure_.title.isEmpty()) pdf.setTitle(figure_.title);
    pdf.setResolution(kDpi);
    pdf.setPageLayout(QPageLayout(page_.paper,
                                  landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0)));
    QPainter painter(&pdf);
    if (!painter.isActive()) return {};
    const QSizeF page(Dots(PageMm(page_.paper, landscape_).width()),
                      Dots(PageMm(page_.paper, landscape_).height()));
    const QSize size = renderer.Size();
    // Centred on the page, so the margins come out even.
    painter.translate(std::floor((page.width() - size.width()) / 2),
                      std::floor((page.height() - size.height()) / 2));
    renderer.Paint(painter);
    painter.end();
    return bytes;
}

}  // namespace nuklorama
