// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace nuklorama {

// The load is a fixed sequence of steps, so that a failed one can be retried or skipped exactly.
enum class LoadStep {
    Open,
    ResetCount,
    ResetMaxZ,
    ResetMaxN,
    ReadHeader,
    TestEnd,
    CountRecord,
    ReadRecordLine,
    SplitLine,
    StoreProtonNumber,
    StoreNeutronNumber,
    KeepHalfLifeText,
    StoreHalfLifeUnit,
    TestMaxZ,
    RaiseMaxZ,
    TestMaxN,
    RaiseMaxN,
    TestNoValue,
    StoreNoValue,
    StoreValue,
    Close,
    Return,
};

// Where Ignore continues: an action goes on with the step after it, a failed test enters the
// branch its success would have entered.
constexpr LoadStep StepAfterIgnore(LoadStep failed) {
    using enum LoadStep;
    switch (failed) {
        case Open:
            return ResetCount;
        case ResetCount:
            return ResetMaxZ;
        case ResetMaxZ:
            return ResetMaxN;
        case ResetMaxN:
            return ReadHeader;
        case ReadHeader:
            return TestEnd;
        case TestEnd:
            return CountRecord;
        case CountRecord:
            return ReadRecordLine;
        case ReadRecordLine:
            return SplitLine;
        case SplitLine:
            return StoreProtonNumber;
        case StoreProtonNumber:
            return StoreNeutronNumber;
        case StoreNeutronNumber:
            return KeepHalfLifeText;
        case KeepHalfLifeText:
            return StoreHalfLifeUnit;
        case StoreHalfLifeUnit:
            return TestMaxZ;
        case TestMaxZ:
            return RaiseMaxZ;
        case RaiseMaxZ:
            return TestMaxN;
        case TestMaxN:
            return RaiseMaxN;
        case RaiseMaxN:
            return TestNoValue;
        case TestNoValue:
            return StoreNoValue;
        case StoreNoValue:
            return TestEnd;
        case StoreValue:
            return TestEnd;
        case Close:
            return Return;
        case Return:
            return Return;
    }
    return Return;
}

// Steps that touch the file itself rather than one record.
constexpr bool IsFileAccessStep(LoadStep step) {
    using enum LoadStep;
    return step == Open || step == ReadHeader || step == TestEnd || step == ReadRecordLine ||
           step == Close;
}

}  // namespace nuklorama
