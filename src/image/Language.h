// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The one language the program speaks at a time: Chinese, its own, unless English is asked for.
// Every word the window and the pictures show comes from the catalogue of that language; the
// plain floors' words (base/Words) are translated here, in one place.
namespace nuklorama {

enum class Language { Chinese, English };

// "zh_CN" or "zh" is Chinese, "en" English; anything else none.
std::optional<Language> LanguageNamed(const QString& name);
// From now on in this process, for Qt's tr() and the plain floors alike. Not stored.
void UseLanguage(Language language);
Language LanguageInUse();

// What call returns with the plain floors' words in English, whatever the language in use: the
// command line's diagnostics stay English for the scripts that read them.
template <typename Call>
auto InEnglish(const Call& call) {
    const Language before = LanguageInUse();
    UseLanguage(Language::English);
    auto result = call();
    UseLanguage(before);
    return result;
}

}  // namespace nuklorama
