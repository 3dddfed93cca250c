// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Language.h"

#include <QCoreApplication>
#include <QTranslator>

#include "base/Words.h"

namespace nuklorama {
namespace {

Language inUse = Language::Chinese;

// Chinese is the language the texts are written in, so it needs no catalogue of its own.
QTranslator& English() {
    static QTranslator catalogue;
    // Built into the program; without it every word would stay Chinese.
    if (catalogue.isEmpty() && !catalogue.load(QStringLiteral(":/i18n/nuklorama_en.qm")))
        qWarning("The English catalogue is missing from this build");
    return catalogue;
}

}  // namespace

std::optional<Language> LanguageNamed(const QString& name) {
    if (name == u"zh_CN" || name == u"zh") return Language::Chinese;
    if (name == u"en") return Language::English;
    return std::nullopt;
}

void UseLanguage(Language language) {
    inUse = language;
    std::vector<std::string> words;
    if (language == Language::English) {
        for (int w = 0; w < int(Word::Count); ++w) {
            const char* source = SourceText(Word(w));
            const QString word = English().translate("Words", source);
            words.push_back(word.isEmpty() ? source : word.toStdString());
        }
    }
    UseWords(std::move(words));
    if (!QCoreApplication::instance()) return;
    // Installing or removing a catalogue tells every widget to say its words again.
    if (language == Language::English)
        QCoreApplication::installTranslator(&English());
    else
        QCoreApplication::removeTranslator(&English());
}

Language LanguageInUse() {
    return inUse;
}

}  // namespace nuklorama
