// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words the plain floors put into cells, tool tips, messages and legends, by key. They speak
// Chinese, the program's own language, until the Qt floor hands them another language's words
// (image/Language). Adding a word: one line in the enum and one in kSource (Words.cpp), in the
// same place; then its English in translations/nuklorama_en.ts.
namespace nuklorama {

enum class Word {
    Stable,
    Unknown,
    HalfLife,
    HalfLifeUnknown,
    Estimated,
    Measured,
    OrderUncertain,
    OrderReversed,
    ListComma,
    DecayModes,
    Abundance,
    SpinParity,
    MassExcess,
    DiscoveredIn,
    ExcitedState,
    Cluster,
    NoSuchNuclide,
    NotInTable,
    NoneOfElement,
    UnreadableName,
    AreaTooSmall,
    NoValue,
    YearFound,
    NaturalShare,
    Count
};

// A word in the language in use.
const std::string& Say(Word word);
// A word with its %1 and %2 replaced; a language may leave either out.
std::string Say(Word word, std::string_view first, std::string_view second = {});
// The Chinese a word is written in here, which the catalogues translate.
const char* SourceText(Word word);
// The words of another language, one per key in the order of Word; none for Chinese again.
void UseWords(std::vector<std::string> words);

}  // namespace nuklorama
