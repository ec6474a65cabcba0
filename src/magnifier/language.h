// The languages the program speaks, and a text in each of them.
#pragma once

#include <string_view>

namespace vitrelo {

enum class Language { Italian, English };
// What the user chose: a language, or the one of the user's Windows.
enum class LanguageChoice { Italian, English, Auto };
constexpr int kLanguageChoiceCount = static_cast<int>(LanguageChoice::Auto) + 1;

// `Auto`: Italian where the user's Windows is Italian, English otherwise.
constexpr Language language_of(LanguageChoice choice, Language windows) {
    switch (choice) {
        case LanguageChoice::Italian:
            return Language::Italian;
        case LanguageChoice::English:
            return Language::English;
        case LanguageChoice::Auto:
            break;
    }
    return windows;
}

namespace detail {

// The placeholder that starts at `at` ("%s", "{name}"), else "".
constexpr std::string_view placeholder_at(std::string_view s, size_t at) {
    if (s[at] == '%' && at + 1 < s.size()) return s.substr(at, 2);
    if (s[at] == '{') {
        const size_t close = s.find('}', at);
        if (close != std::string_view::npos) return s.substr(at, close - at + 1);
    }
    return {};
}

constexpr int count_of(std::string_view s, std::string_view placeholder) {
    int n = 0;
    for (size_t i = 0; i < s.size(); ++i)
        if (placeholder_at(s, i) == placeholder) ++n;
    return n;
}

// Every placeholder of `a` is in `b` as often as in `a`.
constexpr bool placeholders_within(std::string_view a, std::string_view b) {
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string_view p = placeholder_at(a, i);
        if (!p.empty() && count_of(a, p) != count_of(b, p)) return false;
    }
    return true;
}

// The key shown right-aligned in a menu item, after the tab; "" when there is none.
constexpr std::string_view key_of(std::string_view s) {
    const size_t tab = s.find('\t');
    return tab == std::string_view::npos ? std::string_view() : s.substr(tab);
}

}  // namespace detail

// The two forms of one text can stand for each other: both there (empty only both at
// once, a text that is deliberately nothing), the same placeholders (in any order, as a
// translation may move them) and the same key after a tab.
constexpr bool forms_agree(const char* italian, const char* english) {
    if (italian == nullptr || english == nullptr) return false;
    const std::string_view it = italian, en = english;
    return it.empty() == en.empty() && detail::placeholders_within(it, en) &&
           detail::placeholders_within(en, it) && detail::key_of(it) == detail::key_of(en);
}

// One text the user sees, in both languages. Made only at compile time, where two
// forms that do not agree stop the build.
class Text {
public:
    consteval Text(const char* italian, const char* english)
        : italian_(italian), english_(english) {
        if (!forms_agree(italian, english)) throw "the two forms of a text do not agree";
    }
    constexpr const char* in(Language language) const {
        return language == Language::English ? english_ : italian_;
    }

private:
    const char* italian_;
    const char* english_;
};

}  // namespace vitrelo
