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

// Whether a step touches the file itself rather than one record.
bool IsFileAccessStep(LoadStep step);

}  // namespace nuklorama
