// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RenderCommand.h"

#include <memory>
#include <optional>

#include "app/CliCommon.h"
#include "app/ConsoleUserInterface.h"
#include "app/RenderOptions.h"
#include "base/Characters.h"
#include "chart/CellIndex.h"
#include "chart/ChainOverlay.h"
#include "chart/ChartNotes.h"
#include "chart/DrawCommand.h"
#include "chart/DripLines.h"
#include "chart/FindNuclide.h"
#include "chart/Frame.h"
#include "chart/LabelPlan.h"
#include "chart/RecordedSurface.h"
#include "chart/Region.h"
#include "chart/Viewport.h"
#include "image/FrameRenderer.h"
#include "image/Language.h"
#include "image/Poster.h"
#include "table/LoadFile.h"

namespace nuklorama::cli {
namespace {

// The PNG's or SVG's bytes of the chart seen through view: alone, or in the figure when a legend
// is asked for, with the cells' labels when asked; empty when there is not enough memory for them.
QByteArray Output(const RenderOptions& o, const NuclideTable& table, const CellColouring& colouring,
                  const MassQuantities* quantities, const Overlays& overlays, const Viewport& view,
                  const std::optional<ChainOverlay>& chain) {
    const CellIndex cells(table);
    Frame frame =
        ChartFrame(table, &cells, colouring, o.colouring, overlays, 1440.0f / float(o.dpi), view);
    frame.quantities = quantities;
    if (o.labels) frame.labels = ScreenLabels(view.cellSize, 1);
    frame.figure = {o.legend, o.title.toStdString(), 0};
    if (chain) ShowChain(frame, *chain);
    const FrameRenderer renderer(frame);
    return o.format == "svg" ? QByteArray::fromStdString(renderer.Svg()) : renderer.Png();
}

// --chain's nuclide found in the loaded table and its chain laid over the chart; false after saying
// why when the name is not found or the nuclide is stable.
bool FindChain(const RenderOptions& o, const NuclideTable& table, const ExtraFieldTable& extras,
               std::optional<ChainOverlay>& overlay) {
    if (o.chain.isEmpty()) return true;
    const CellIndex cells(table);
    const FoundNuclide found =
        InEnglish([&] { return FindNuclide(o.chain.toStdString(), table, cells, &extras); });
    if (!found.Z) {
        Complain("--chain " + o.chain + ": " + QString::fromStdString(found.reason));
        return false;
    }
    const DecayChain chain =
        BuildDecayChain({*found.Z, *found.N, found.state}, table, cells, extras);
    const ChainMember& start = chain.members.at(std::size_t(chain.start));
    if (start.lifetime == Lifetime::Stable) {
        Complain("--chain: " + QString::fromStdString(StateName(start.Z, start.N, start.state)) +
                 " is stable: there is no chain to follow");
        return false;
    }
    overlay = ChainOverlay::Of(chain);
    return true;
}

QString Nuclides(int count) {
    return QString("%1 nuclide%2").arg(count).arg(count == 1 ? "" : "s");
}

// Warnings that change nothing of the picture or the exit status: cells past the edges beyond
// the last row and column, which may run past by design, and unit words drawn black.
void PointOutWhatIsNotShown(const RenderOptions& o, const NuclideTable& table,
                            std::int16_t cellSize, const Surface& area) {
    const OutOfView out = CountOutOfView(table, cellSize, area);
    if (const int total = out.cut + out.leftOut; total > 0) {
        QString message = QString(
                              "%1 of the table %2 not fit the %3x%4 picture (%5 cut at its "
                              "edges, %6 left out)")
                              .arg(Nuclides(total), total == 1 ? "does" : "do")
                              .arg(o.width)
                              .arg(o.height)
                              .arg(out.cut)
                              .arg(out.leftOut);
        const auto suggestion = SmallestAreaShowingAll(table.MaxZ, table.MaxN, cellSize,
                                                       area.TwipsPerPixelX(), kMaxSide);
        if (out.negative == total)
            message += total == 1 ? "; its proton or neutron number is negative, which no picture "
                                    "shows"
                                  : "; their proton or neutron numbers are negative, which no "
                                    "picture shows";
        else if (!suggestion)
            message += QString("; no --size up to %1x%1 shows them all at --dpi %2")
                           .arg(kMaxSide)
                           .arg(o.dpi);
        else
            message += QString("; --size %1x%2 at --dpi %3 shows them all")
                           .arg(suggestion->width)
                           .arg(suggestion->height)
                           .arg(o.dpi);
        if (out.negative > 0 && out.negative < total)
            message += QString(" (%1 with negative numbers aside)").arg(out.negative);
        Complain(message);
    }
}

// Unit words drawn black, or in another view a table without the fields it reads.
void PointOutUnshaded(const RenderOptions& o, const ChartState& state) {
    if (o.colouring == Colouring::Decay) {
        if (!state.extras.Any())
            Complain(o.table +
                     ": no record has decay modes (field 7): every cell is drawn unknown");
        return;
    }
    if (o.colouring != Colouring::HalfLife) {
        if (!state.extras.Any())
            Complain(o.table + ": no record has fields after 6: every cell is drawn n/a");
        return;
    }
    for (const UnknownUnit& unit : UnknownUnits(state.table)) {
        // Records follow the header line by line.
        Complain(QString("line %1: the half-life scale has no unit \"%2\", so %3 with it %4 "
                         "black")
                     .arg(unit.firstRecord + 1)
                     .arg(QString::fromStdString(EscapeControls(unit.word)), Nuclides(unit.records),
                          unit.records == 1 ? "is" : "are"));
    }
}

// Labels asked for that no cell has room for.
void PointOutSmallLabels(const RenderOptions& o, std::int16_t cellSize) {
    if (o.labels && ScreenLabels(cellSize, 1).lines == 0)
        Complain(QString("--labels: cells of %1 pixels are too small for labels, which need %2")
                     .arg(cellSize)
                     .arg(SmallestNamedCell(1)));
}

QString NothingToDraw(const RenderOptions& o) {
    return o.table + ": nothing to draw: no nuclide has a positive proton and neutron number";
}

int Write(const RenderOptions& o, const QByteArray& bytes, const QString& what) {
    if (bytes.isEmpty()) {
        Complain("not enough memory for " + what);
        return kFailed;
    }
    return WriteOutput(o.output, bytes);
}

// The chart fitted to the chart area as a press of Draw fits it.
int RenderFit(const RenderOptions& o, ConsoleUserInterface& ui) {
    // The chart is kept as its boxes and written from them, whatever the output.
    RecordedSurface chart(o.width, o.height, 1440.0f / float(o.dpi));
    auto state = std::make_unique<ChartState>();
    const DrawResult result =
        PressDraw(o.table.toStdString(), *state, chart, ui, o.overlays, o.colouring);
    ui.SummariseFailures();
    if (result == DrawResult::NothingToDraw) {
        Complain(NothingToDraw(o));
        return kFailed;
    }
    if (result == DrawResult::AreaTooSmall) {
        Complain(QString("%1x%2 pixels are too small for this table: it needs at least about "
                         "one pixel per neutron number across and per proton number down")
                     .arg(o.width)
                     .arg(o.height));
        return kFailed;
    }
    std::optional<ChainOverlay> chainOverlay;
    if (!FindChain(o, state->table, state->extras, chainOverlay)) return kFailed;
    PointOutWhatIsNotShown(o, state->table, state->CellSize, chart);
    PointOutUnshaded(o, *state);
    PointOutSmallLabels(o, state->CellSize);
    const CellColouring colouring =
        ColouringOf(o.colouring, state->table, state->extras, state->quantities);
    return Write(o,
                 Output(o, state->table, colouring, state->quantities.get(), state->overlays,
                        Viewport::Picture(state->CellSize, o.width, o.height), chainOverlay),
                 QString("a %1x%2 picture").arg(o.width).arg(o.height));
}

// A region, or the whole chart on paper: each cell as large as the output allows.
int RenderPart(const RenderOptions& o, ConsoleUserInterface& ui) {
    auto state = std::make_unique<ChartState>();
    const NuclideTable* table = &state->table;
    LoadFile(o.table.toStdString(), state->table, ui, &state->extras);
    ui.SummariseFailures();
    if (table->MaxZ <= 0 || table->MaxN <= 0) {
        Complain(NothingToDraw(o));
        return kFailed;
    }
    const Region region = o.region.value_or(WholeChart(*table));
    if (!HoldsNuclide(*table, region)) {
        Complain(QString("no nuclide of the table lies in the region of Z %1 to %2 and N %3 to %4")
                     .arg(region.zMin)
                     .arg(region.zMax)
                     .arg(region.nMin)
                     .arg(region.nMax));
        return kFailed;
    }
    std::optional<ChainOverlay> chainOverlay;
    if (!FindChain(o, state->table, state->extras, chainOverlay)) return kFailed;
    PointOutUnshaded(o, *state);
    const auto quantities =
        QuantitiesFor(o.colouring, o.overlays, state->table, state->extras, nullptr);
    const Overlays overlays = WithDripLines(o.overlays, state->table, quantities.get());
    const CellColouring colouring =
        ColouringOf(o.colouring, state->table, state->extras, quantities);
    if (o.format == "pdf") {
        const Poster poster(o.page, region, overlays,
                            {o.legend, o.title, o.colouring, quantities.get()});
        if (poster.CellSize() == 0) {
            Complain("the chart does not fit the paper");
            return kFailed;
        }
        if (o.labels && !poster.FitsLabels())
            Complain(QString("--labels: cells of %1 mm are too small for labels, which need %2 mm; "
                             "a larger --paper or a --region makes them larger")
                         .arg(poster.CellMm(), 0, 'f', 1)
                         .arg(SmallestNamedCellMm(), 0, 'f', 1));
        return Write(
            o, poster.Pdf(*table, colouring, o.labels, chainOverlay ? &*chainOverlay : nullptr),
            "the PDF");
    }
    const std::int16_t cellSize = RegionCellSize(region, o.width, o.height);
    if (cellSize == 0) {
        Complain(QString("%1x%2 pixels are too small for %3 rows and %4 columns")
                     .arg(o.width)
                     .arg(o.height)
                     .arg(region.Rows())
                     .arg(region.Columns()));
        return kFailed;
    }
    PointOutSmallLabels(o, cellSize);
    const Viewport view = Viewport::OfRegion(region, cellSize);
    return Write(o, Output(o, *table, colouring, quantities.get(), overlays, view, chainOverlay),
                 QString("a %1x%2 picture").arg(view.width).arg(view.height));
}

}  // namespace

int RenderCommand(const QStringList& arguments) {
    QString error;
    const std::optional<RenderOptions> o = ParseRenderOptions(arguments, error);
    if (!o) {
        Complain(error);
        return kUsage;
    }

    if (!IsTableFileOrMissing(o->table)) return kFailed;

    ConsoleUserInterface ui(o->ignoreRecordFailures);
    const int written = o->region || o->format == "pdf" ? RenderPart(*o, ui) : RenderFit(*o, ui);
    if (written != kSuccess) return written;
    return ui.Failures() > 0 ? kDrawnWithLoadFailures : kSuccess;
}

}  // namespace nuklorama::cli
