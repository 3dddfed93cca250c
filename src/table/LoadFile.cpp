// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/LoadFile.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <string_view>

#include "base/Characters.h"
#include "base/Checked.h"
#include "base/RunTimeError.h"
#include "table/NumberText.h"
#include "table/TextFile.h"

namespace nuklorama {
namespace {

// The loader reads fields 1 to 6, so only fields 0 to 6 of a line are located.
constexpr int kFieldsRead = 7;
constexpr std::size_t kShownFieldLength = 40;

// Field boundaries of the current line; fields after the last one read are not located.
class FieldList {
public:
    void Split(std::string_view line) {
        count_ = 0;
        if (line.empty()) return;  // an empty line has no fields at all
        std::size_t start = 0;
        for (std::size_t i = 0; i < line.size() && count_ < kFieldsRead - 1; ++i) {
            if (line[i] == ',') {
                spans_[count_++] = {start, i - start};
                start = i + 1;
            }
        }
        if (count_ < kFieldsRead) {
            const std::size_t comma = line.find(',', start);
            const std::size_t stop = comma == std::string_view::npos ? line.size() : comma;
            spans_[count_++] = {start, stop - start};
        }
    }

    bool Has(int index) const { return index < count_; }
    static RunTimeError Missing(int index) {
        return RunTimeError(ErrorKind::SubscriptOutOfRange,
                            "field " + std::to_string(index) + " missing");
    }

    // The line may have changed since the split (a skipped split): clamp to what it holds.
    std::string_view Get(std::string_view line, int index) const {
        if (!Has(index)) throw Missing(index);
        const auto [start, length] = spans_[index];
        return line.substr(std::min(start, line.size()), length);
    }

private:
    std::array<std::pair<std::size_t, std::size_t>, kFieldsRead> spans_{};
    int count_ = 0;
};

std::string Printable(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < kShownFieldLength; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            AppendEscaped(out, c);
        }
    }
    if (text.size() > kShownFieldLength) out += "...";
    return out;
}

// The state of one load. After a skipped step its working values still hold the previous
// record's.
struct Loader {
    const std::string& fn;
    NuclideTable& t;
    ExtraFieldTable* extras;
    bool lineClean = false;
    TextFile file{};
    std::string line{};
    FieldList fields{};
    std::string halfLifeText{};
    long long linesRead = 0;

    bool RecordInTable() const {
        return t.NuclideCount >= 0 && t.NuclideCount <= NuclideTable::kMaxRecords;
    }
    RunTimeError BeyondTheTable() const {
        return RunTimeError(ErrorKind::SubscriptOutOfRange,
                            "record " + std::to_string(t.NuclideCount) + ", the table holds " +
                                std::to_string(NuclideTable::kMaxRecords));
    }
    template <typename Array>
    auto& Record(Array& array) const {
        if (!RecordInTable()) throw BeyondTheTable();
        return array[static_cast<std::size_t>(t.NuclideCount)];
    }
    std::string_view Field(int index) const { return fields.Get(line, index); }
    void KeepExtraFields() {
        if (!extras || !lineClean) return;
        const std::string_view unit = Field(6);
        const auto end = std::size_t(unit.data() - line.data()) + unit.size();
        extras->Keep(t.NuclideCount, std::string_view(line).substr(end));
    }
    // The largest numbers are 16 bits wide: a failure says which number did not fit.
    static std::int16_t Narrowed(std::int32_t number, const char* what) {
        try {
            return checked::Narrow<std::int16_t>(number);
        } catch (const RunTimeError& error) {
            throw RunTimeError(error.Kind(), what + (" " + std::to_string(number)));
        }
    }
    static void ReadLine(Loader& l) {
        l.file.ReadLine(l.line);
        ++l.linesRead;
    }
    void CloseQuietly() noexcept {
        try {
            file.Close();
        } catch (const RunTimeError&) {
        }
    }
};

// Where a step's failure is said to lie: in the file, on the line about to be read, or on the
// line last read. The steps of the first two touch the file itself, the others one record.
enum class Place { File, NextLine, LineRead };

// One step of the load: where its failure lies, the field it reads and whether it indexes the
// record under way (on which it can fail before it starts), what it does, and the step that
// follows. A test goes on to next when it holds, else to otherwise. Retry runs a failed step
// again; Ignore goes on to next, as if the work had been done or the test had held.
struct Step {
    LoadStep step;
    Place place;
    int field;  // none: -1
    bool indexesRecord;
    void (*act)(Loader&);  // none for a test
    LoadStep next;
    bool (*holds)(Loader&) = nullptr;  // none for an action
    LoadStep otherwise = next;
};

const Step& StepOf(LoadStep step) {
    using enum LoadStep;
    using enum Place;
    constexpr int kNone = -1;
    static constexpr Step kSteps[] = {
        {Open, File, kNone, false, [](Loader& l) { l.file.Open(l.fn); }, ResetCount},
        {ResetCount, LineRead, kNone, false,
         [](Loader& l) {
             if (l.extras) l.extras->Clear();
             l.t.NuclideCount = 0;
         },
         ResetMaxZ},
        {ResetMaxZ, LineRead, kNone, false, [](Loader& l) { l.t.MaxZ = 0; }, ResetMaxN},
        {ResetMaxN, LineRead, kNone, false, [](Loader& l) { l.t.MaxN = 0; }, ReadHeader},
        {ReadHeader, NextLine, kNone, false, Loader::ReadLine, TestEnd},
        {TestEnd, NextLine, kNone, false, nullptr, CountRecord,
         [](Loader& l) { return !l.file.AtEnd(); }, Close},
        // Raised before the line is read, so a record whose later steps fail still counts.
        {CountRecord, LineRead, kNone, false,
         [](Loader& l) {
             l.t.NuclideCount = checked::Add<std::int16_t>(l.t.NuclideCount, 1);
             l.lineClean = true;
         },
         ReadRecordLine},
        {ReadRecordLine, NextLine, kNone, false, Loader::ReadLine, SplitLine},
        {SplitLine, LineRead, kNone, false, [](Loader& l) { l.fields.Split(l.line); },
         StoreProtonNumber},
        {StoreProtonNumber, LineRead, 1, true,
         [](Loader& l) {
             const std::int32_t z = ToInt32(l.Field(1));
             l.Record(l.t.ProtonNumber) = z;
         },
         StoreNeutronNumber},
        {StoreNeutronNumber, LineRead, 2, true,
         [](Loader& l) {
             const std::int32_t n = ToInt32(l.Field(2));
             l.Record(l.t.NeutronNumber) = n;
         },
         KeepHalfLifeText},
        {KeepHalfLifeText, LineRead, 5, false, [](Loader& l) { l.halfLifeText.assign(l.Field(5)); },
         StoreHalfLifeUnit},
        {StoreHalfLifeUnit, LineRead, 6, true,
         [](Loader& l) {
             const std::string_view unit = l.Field(6);
             l.Record(l.t.HalfLifeUnit).assign(unit);
         },
         TestMaxZ},
        {TestMaxZ, LineRead, kNone, true, nullptr, RaiseMaxZ,
         [](Loader& l) { return l.t.MaxZ < l.Record(l.t.ProtonNumber); }, TestMaxN},
        {RaiseMaxZ, LineRead, kNone, true,
         [](Loader& l) {
             l.t.MaxZ = Loader::Narrowed(l.Record(l.t.ProtonNumber), "proton number");
         },
         TestMaxN},
        {TestMaxN, LineRead, kNone, true, nullptr, RaiseMaxN,
         [](Loader& l) { return l.t.MaxN < l.Record(l.t.NeutronNumber); }, TestNoValue},
        {RaiseMaxN, LineRead, kNone, true,
         [](Loader& l) {
             l.t.MaxN = Loader::Narrowed(l.Record(l.t.NeutronNumber), "neutron number");
         },
         TestNoValue},
        {TestNoValue, LineRead, kNone, false, nullptr, StoreNoValue,
         [](Loader& l) { return l.halfLifeText == "-"; }, StoreValue},
        {StoreNoValue, LineRead, kNone, true,
         [](Loader& l) {
             l.Record(l.t.HalfLife) = 0;
             l.KeepExtraFields();
         },
         TestEnd},
        {StoreValue, LineRead, kNone, true,
         [](Loader& l) {
             l.Record(l.t.HalfLife) = LeadingNumber(l.halfLifeText);
             l.KeepExtraFields();
         },
         TestEnd},
        {Close, File, kNone, false, [](Loader& l) { l.file.Close(); }, Return},
        {Return, LineRead, kNone, false, nullptr, Return},
    };
    static_assert(
        [] {
            for (std::size_t i = 0; i < std::size(kSteps); ++i)
                if (kSteps[i].step != LoadStep(i)) return false;
            return true;
        }(),
        "each step's row stands at its place in the load");
    return kSteps[std::size_t(step)];
}

// Runs a step that did not fail before it started; the step that follows.
LoadStep Run(Loader& l, const Step& s) {
    if (s.act) s.act(l);
    return !s.holds || s.holds(l) ? s.next : s.otherwise;
}

// The failure a step will meet on a short line or past the end of the table, foreseen without
// running it: long runs of such failures must stay cheap.
std::optional<RunTimeError> ForeseenFailure(const Loader& l, const Step& s) {
    if (s.field >= 0 && !l.fields.Has(s.field)) return FieldList::Missing(s.field);
    if (s.indexesRecord && !l.RecordInTable()) return l.BeyondTheTable();
    if (s.step == LoadStep::CountRecord && !checked::TryAdd<std::int16_t>(l.t.NuclideCount, 1))
        return RunTimeError(ErrorKind::Overflow);
    return std::nullopt;
}

std::string Describe(const Loader& l, const RunTimeError& error, LoadStep step) {
    const Step& s = StepOf(step);
    std::string where;
    const auto add = [&where](const std::string& part) {
        if (part.empty()) return;
        where += where.empty() ? "" : ", ";
        where += part;
    };
    add(s.place == Place::File       ? l.fn
        : s.place == Place::NextLine ? "line " + std::to_string(l.linesRead + 1)
                                     : "line " + std::to_string(l.linesRead));
    if (error.Detail().empty() && s.field >= 0 && l.fields.Has(s.field))
        add("field " + std::to_string(s.field) + ": \"" + Printable(l.Field(s.field)) + "\"");
    add(error.Detail());
    return std::string(ErrorKindText(error.Kind())) + " (" + where + ")";
}

}  // namespace

void LoadFile(const std::string& fn, NuclideTable& table, UserInterface& ui,
              ExtraFieldTable* extras) {
    if (!IsRegularFile(fn)) {
        ui.MsgBox(fn + " Not Found!", Buttons::Ok, Icon::Exclamation);
        ui.EndProgram(1);
    }
    RunLoadSteps(fn, table, ui, extras);
}

bool IsFileAccessStep(LoadStep step) {
    return StepOf(step).place != Place::LineRead;
}

void RunLoadSteps(const std::string& fn, NuclideTable& table, UserInterface& ui,
                  ExtraFieldTable* extras) {
    Loader loader{fn, table, extras};
    LoadStep step = LoadStep::Open;
    while (step != LoadStep::Return) {
        const Step& s = StepOf(step);
        std::optional<RunTimeError> failure = ForeseenFailure(loader, s);
        if (!failure) {
            try {
                step = Run(loader, s);
                continue;
            } catch (const RunTimeError& error) {
                failure = error;
            } catch (const std::bad_alloc&) {
                failure = RunTimeError(ErrorKind::OutOfMemory);
            }
        }
        // The record under way keeps no extra fields once any step has failed.
        loader.lineClean = false;
        const std::string description = Describe(loader, *failure, step);
        switch (ui.AskAboutLoadFailure({step, description})) {
            case Answer::Retry:
                break;
            case Answer::Ignore:
                step = StepOf(step).next;
                break;
            default:
                loader.CloseQuietly();
                return;
        }
    }
}

}  // namespace nuklorama
