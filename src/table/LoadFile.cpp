// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/LoadFile.h"

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

class Loader {
public:
    Loader(const std::string& fn, NuclideTable& table, ExtraFieldTable* extras)
        : fn_(fn), t_(table), extras_(extras) {}

    // The failure a step will meet on a short line or past the end of the table, foreseen
    // without running it: long runs of such failures must stay cheap.
    std::optional<RunTimeError> ForeseenFailure(LoadStep step) const;
    LoadStep Run(LoadStep step);
    std::string Describe(const RunTimeError& error, LoadStep step) const;
    // The record under way keeps no extra fields once any step has failed.
    void Failed() { lineClean_ = false; }
    void CloseQuietly() noexcept {
        try {
            file_.Close();
        } catch (const RunTimeError&) {
        }
    }

private:
    bool RecordInTable() const {
        return t_.NuclideCount >= 0 && t_.NuclideCount <= NuclideTable::kMaxRecords;
    }
    RunTimeError BeyondTheTable() const {
        return RunTimeError(ErrorKind::SubscriptOutOfRange,
                            "record " + std::to_string(t_.NuclideCount) + ", the table holds " +
                                std::to_string(NuclideTable::kMaxRecords));
    }
    template <typename Array>
    auto& Record(Array& array) const {
        if (!RecordInTable()) throw BeyondTheTable();
        return array[static_cast<std::size_t>(t_.NuclideCount)];
    }
    std::string_view Field(int index) const { return fields_.Get(line_, index); }
    void KeepExtraFields() {
        if (!extras_ || !lineClean_) return;
        const std::string_view unit = Field(6);
        const auto end = std::size_t(unit.data() - line_.data()) + unit.size();
        extras_->Keep(t_.NuclideCount, std::string_view(line_).substr(end));
    }
    static int FieldReadBy(LoadStep step);
    static bool IndexesRecord(LoadStep step);

    const std::string& fn_;
    NuclideTable& t_;
    ExtraFieldTable* extras_;
    bool lineClean_ = false;
    TextFile file_;
    // Working values of one load: after a skipped step they still hold the previous record's.
    std::string line_;
    FieldList fields_;
    std::string halfLifeText_;
    long long linesRead_ = 0;
};

LoadStep Loader::Run(LoadStep step) {
    using enum LoadStep;
    switch (step) {
        case Open:
            file_.Open(fn_);
            return ResetCount;
        case ResetCount:
            if (extras_) extras_->Clear();
            t_.NuclideCount = 0;
            return ResetMaxZ;
        case ResetMaxZ:
            t_.MaxZ = 0;
            return ResetMaxN;
        case ResetMaxN:
            t_.MaxN = 0;
            return ReadHeader;
        case ReadHeader:
            file_.ReadLine(line_);
            ++linesRead_;
            return TestEnd;
        case TestEnd:
            return file_.AtEnd() ? Close : CountRecord;
        case CountRecord:
            // Raised before the line is read, so a record whose later steps fail still counts.
            t_.NuclideCount = checked::Add<std::int16_t>(t_.NuclideCount, 1);
            lineClean_ = true;
            return ReadRecordLine;
        case ReadRecordLine:
            file_.ReadLine(line_);
            ++linesRead_;
            return SplitLine;
        case SplitLine:
            fields_.Split(line_);
            return StoreProtonNumber;
        case StoreProtonNumber: {
            const std::int32_t z = ToInt32(Field(1));
            Record(t_.ProtonNumber) = z;
            return StoreNeutronNumber;
        }
        case StoreNeutronNumber: {
            const std::int32_t n = ToInt32(Field(2));
            Record(t_.NeutronNumber) = n;
            return KeepHalfLifeText;
        }
        case KeepHalfLifeText:
            halfLifeText_.assign(Field(5));
            return StoreHalfLifeUnit;
        case StoreHalfLifeUnit: {
            const std::string_view unit = Field(6);
            Record(t_.HalfLifeUnit).assign(unit);
            return TestMaxZ;
        }
        case TestMaxZ:
            return t_.MaxZ < Record(t_.ProtonNumber) ? RaiseMaxZ : TestMaxN;
        case RaiseMaxZ:
            t_.MaxZ = checked::Narrow<std::int16_t>(Record(t_.ProtonNumber));
            return TestMaxN;
        case TestMaxN:
            return t_.MaxN < Record(t_.NeutronNumber) ? RaiseMaxN : TestNoValue;
        case RaiseMaxN:
            t_.MaxN = checked::Narrow<std::int16_t>(Record(t_.NeutronNumber));
            return TestNoValue;
        case TestNoValue:
            return halfLifeText_ == "-" ? StoreNoValue : StoreValue;
        case StoreNoValue:
            Record(t_.HalfLife) = 0;
            KeepExtraFields();
            return TestEnd;
        case StoreValue:
            Record(t_.HalfLife) = LeadingNumber(halfLifeText_);
            KeepExtraFields();
            return TestEnd;
        case Close:
            file_.Close();
            return Return;
        case Return:
            return Return;
    }
    return Return;
}

std::optional<RunTimeError> Loader::ForeseenFailure(LoadStep step) const {
    const int field = FieldReadBy(step);
    if (field >= 0 && !fields_.Has(field)) return FieldList::Missing(field);
    if (IndexesRecord(step) && !RecordInTable()) return BeyondTheTable();
    if (step == LoadStep::CountRecord && !checked::TryAdd<std::int16_t>(t_.NuclideCount, 1))
        return RunTimeError(ErrorKind::Overflow);
    return std::nullopt;
}

bool Loader::IndexesRecord(LoadStep step) {
    using enum LoadStep;
    return step == StoreProtonNumber || step == StoreNeutronNumber || step == StoreHalfLifeUnit ||
           step == TestMaxZ || step == RaiseMaxZ || step == TestMaxN || step == RaiseMaxN ||
           step == StoreNoValue || step == StoreValue;
}

int Loader::FieldReadBy(LoadStep step) {
    switch (step) {
        case LoadStep::StoreProtonNumber:
            return 1;
        case LoadStep::StoreNeutronNumber:
            return 2;
        case LoadStep::KeepHalfLifeText:
            return 5;
        case LoadStep::StoreHalfLifeUnit:
            return 6;
        default:
            return -1;
    }
}

std::string Loader::Describe(const RunTimeError& error, LoadStep step) const {
    std::string where;
    const auto add = [&where](const std::string& part) {
        if (part.empty()) return;
        where += where.empty() ? "" : ", ";
        where += part;
    };
    switch (step) {
        case LoadStep::Open:
        case LoadStep::Close:
            add(fn_);
            break;
        case LoadStep::ReadHeader:
        case LoadStep::TestEnd:
        case LoadStep::ReadRecordLine:
            add("line " + std::to_string(linesRead_ + 1));
            break;
        default:
            add("line " + std::to_string(linesRead_));
            break;
    }
    const int field = FieldReadBy(step);
    if (error.Detail().empty() && field >= 0 && fields_.Has(field))
        add("field " + std::to_string(field) + ": \"" + Printable(Field(field)) + "\"");
    // The largest numbers are 16 bits wide: say which number did not fit.
    if (error.Detail().empty() && RecordInTable()) {
        const auto record = static_cast<std::size_t>(t_.NuclideCount);
        if (step == LoadStep::RaiseMaxZ)
            add("proton number " + std::to_string(t_.ProtonNumber[record]));
        if (step == LoadStep::RaiseMaxN)
            add("neutron number " + std::to_string(t_.NeutronNumber[record]));
    }
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

void RunLoadSteps(const std::string& fn, NuclideTable& table, UserInterface& ui,
                  ExtraFieldTable* extras) {
    Loader loader(fn, table, extras);
    LoadStep step = LoadStep::Open;
    while (step != LoadStep::Return) {
        std::optional<RunTimeError> failure = loader.ForeseenFailure(step);
        if (!failure) {
            try {
                step = loader.Run(step);
                continue;
            } catch (const RunTimeError& error) {
                failure = error;
            } catch (const std::bad_alloc&) {
                failure = RunTimeError(ErrorKind::OutOfMemory);
            }
        }
        loader.Failed();
        const std::string description = loader.Describe(*failure, step);
        switch (ui.AskAboutLoadFailure({step, description})) {
            case Answer::Retry:
                break;
            case Answer::Ignore:
                step = StepAfterIgnore(step);
                break;
            default:
                loader.CloseQuietly();
                return;
        }
    }
}

}  // namespace nuklorama
