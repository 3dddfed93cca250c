// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Words.h"

#include <array>
#include <utility>

// Marks the words for Qt's lupdate, which reads them from here into the catalogues.
#define QT_TRANSLATE_NOOP(context, text) text

namespace nuklorama {
namespace {

constexpr std::array<const char*, std::size_t(Word::Count)> kSource{
    QT_TRANSLATE_NOOP("Words", "稳定"),
    QT_TRANSLATE_NOOP("Words", "未知"),
    QT_TRANSLATE_NOOP("Words", "半衰期 %1"),
    QT_TRANSLATE_NOOP("Words", "半衰期未知"),
    QT_TRANSLATE_NOOP("Words", "（估计）"),
    QT_TRANSLATE_NOOP("Words", "（直接测量）"),
    QT_TRANSLATE_NOOP("Words", "能级次序不确定"),
    QT_TRANSLATE_NOOP("Words", "能级次序与 ENSDF 相反"),
    QT_TRANSLATE_NOOP("Words", "，"),
    QT_TRANSLATE_NOOP("Words", "衰变方式 %1"),
    QT_TRANSLATE_NOOP("Words", "天然丰度 %1"),
    QT_TRANSLATE_NOOP("Words", "自旋宇称 %1"),
    QT_TRANSLATE_NOOP("Words", "质量过剩 %1"),
    QT_TRANSLATE_NOOP("Words", "发现于 %1 年"),
    QT_TRANSLATE_NOOP("Words", "同核异能态 %1"),
    QT_TRANSLATE_NOOP("Words", "簇衰变"),
    QT_TRANSLATE_NOOP("Words", "没有这种核素"),
    QT_TRANSLATE_NOOP("Words", "表中没有 %1"),
    QT_TRANSLATE_NOOP("Words", "表中没有%2的核素"),
    QT_TRANSLATE_NOOP("Words", "认不出这个核素名"),
    QT_TRANSLATE_NOOP("Words", "老兄,别把窗口放这么小啊!"),
    QT_TRANSLATE_NOOP("Words", "%1 无数据"),
    QT_TRANSLATE_NOOP("Words", "发现年份"),
    QT_TRANSLATE_NOOP("Words", "天然丰度"),
};

std::vector<std::string>& InUse() {
    static std::vector<std::string> words(kSource.begin(), kSource.end());
    return words;
}

}  // namespace

const std::string& Say(Word word) {
    return InUse()[std::size_t(word)];
}

std::string Say(Word word, std::string_view first, std::string_view second) {
    // One pass, so that a table's text with a % in it stays as it is.
    const std::string& pattern = Say(word);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : 0;
        if (pattern[i] == '%' && (next == '1' || next == '2')) {
            text += next == '1' ? first : second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

const char* SourceText(Word word) {
    return kSource[std::size_t(word)];
}

void UseWords(std::vector<std::string> words) {
    if (words.size() != kSource.size()) words.assign(kSource.begin(), kSource.end());
    InUse() = std::move(words);
}

}  // namespace nuklorama
