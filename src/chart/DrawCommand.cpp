#include "chart/DrawCommand.h"

#include <algorithm>

#include "chart/ChartLayout.h"
#include "chart/HalfLifeColour.h"
#include "table/LoadFile.h"

namespace nuklorama {
namespace {

// Noble gases close the periods of the periodic table.
constexpr std::int32_t kPeriodEnds[] = {2, 10, 18, 36, 54, 86, 118};
constexpr std::int32_t kMagicNumbers[] = {2, 8, 20, 28, 50, 82, 126, 184};

void DrawOverlays(const ChartState& state, Surface& picEl, const OverlayQuery& overlayOn) {
    const std::int16_t c = state.CellSize;
    if (overlayOn(Overlay::Grid)) {
        // Bounded by the record count, not by the largest numbers.
        for (std::int32_t n = 0; n <= state.table.NuclideCount; n += 10) {
            DrawH(picEl, c, n, kGreen);
            DrawV(picEl, c, n, kGreen);
        }
    }
    if (overlayOn(Overlay::Periods))
        for (const std::int32_t n : kPeriodEnds)
            DrawH(picEl, c, n, kYellow);
    if (overlayOn(Overlay::MagicNumbers)) {
        for (const std::int32_t n : kMagicNumbers)
            DrawH(picEl, c, n, kBlue);
        for (const std::int32_t n : kMagicNumbers)
            DrawV(picEl, c, n, kBlue);
    }
}

void DrawNuclides(const ChartState& state, Surface& picEl) {
    const NuclideTable& t = state.table;
    // A load that met more lines than the table holds leaves a count above it.
    const int last = std::min<int>(t.NuclideCount, NuclideTable::kMaxRecords);
    for (int i = 1; i <= last; ++i) {
        const auto r = static_cast<std::size_t>(i);
        DrawCell(picEl, state.CellSize, t.ProtonNumber[r], t.NeutronNumber[r],
                 HalfLifeColour(t.HalfLife[r], t.HalfLifeUnit[r]));
    }
}

DrawResult Finish(UserInterface& ui, DrawResult result) {
    ui.SetPointer(Pointer::Default);
    return result;
}

}  // namespace

DrawResult DrawChart(const std::string& fn, ChartState& state, Surface& picEl, UserInterface& ui,
                     const OverlayQuery& overlayOn) {
    ui.SetPointer(Pointer::Busy);
    LoadFile(fn, state.table, ui);

    if (state.table.MaxZ <= 0 || state.table.MaxN <= 0) {
        ui.MsgBox(kNothingToDrawMessage, Buttons::Ok, Icon::Exclamation);
        return Finish(ui, DrawResult::NothingToDraw);
    }
    state.CellSize = ComputeCellSize(picEl, state.table.MaxZ, state.table.MaxN);
    if (state.CellSize == 0) {
        ui.MsgBox(kAreaTooSmallMessage, Buttons::Ok, Icon::None);
        return Finish(ui, DrawResult::AreaTooSmall);
    }

    picEl.Cls();
    DrawOverlays(state, picEl, overlayOn);
    DrawNuclides(state, picEl);
    return Finish(ui, DrawResult::Drawn);
}

}  // namespace nuklorama
