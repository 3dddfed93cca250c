// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DrawCommand.h"

#include "base/Words.h"
#include "chart/ChartLayout.h"
#include "chart/DripLines.h"
#include "table/LoadFile.h"

namespace nuklorama {
namespace {

DrawResult Finish(UserInterface& ui, DrawResult result) {
    ui.SetPointer(Pointer::Default);
    return result;
}

}  // namespace

DrawResult PressDraw(const std::string& fn, ChartState& state, Surface& picEl, UserInterface& ui,
                     const Overlays& overlays, Colouring colouring) {
    ui.SetPointer(Pointer::Busy);
    LoadFile(fn, state.table, ui, &state.extras);

    if (state.table.MaxZ <= 0 || state.table.MaxN <= 0) {
        ui.MsgBox(kNothingToDrawMessage, Buttons::Ok, Icon::Exclamation);
        return Finish(ui, DrawResult::NothingToDraw);
    }
    state.CellSize = ComputeCellSize(picEl, state.table.MaxZ, state.table.MaxN);
    if (state.CellSize == 0) {
        ui.MsgBox(Say(Word::AreaTooSmall), Buttons::Ok, Icon::None);
        return Finish(ui, DrawResult::AreaTooSmall);
    }

    state.quantities = QuantitiesFor(colouring, overlays, state.table, state.extras, nullptr);
    state.overlays = WithDripLines(overlays, state.table, state.quantities.get());
    picEl.Cls();
    DrawChartAs(colouring, state.table, state.extras, state.CellSize, state.overlays, picEl,
                state.quantities);
    return Finish(ui, DrawResult::Drawn);
}

}  // namespace nuklorama
