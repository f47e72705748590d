#include "construct/WordStem.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <utility>

namespace zpx {

namespace {

// The stem being cut, with the tests the rules are written in: m() counts the
// vowel-consonant sequences of the part before a suffix.
class Stemming {
public:
    explicit Stemming(std::string text) : w(std::move(text)) {}

    std::string take() { return std::move(w); }

    bool consonant(std::size_t i) const
    {
        switch (w[i]) {
        case 'a': case 'e': case 'i': case 'o': case 'u': return false;
        case 'y': return i == 0 || !consonant(i - 1);
        default: return true;
        }
    }

    // The measure of w[0, end).
    int measure(std::size_t end) const
    {
        int m = 0;
        std::size_t i = 0;
        while (i < end && consonant(i))
            ++i;
        while (i < end) {
            while (i < end && !consonant(i))
                ++i;
            if (i == end)
                break;
            while (i < end && consonant(i))
                ++i;
            ++m;
        }
        return m;
    }

    bool hasVowel(std::size_t end) const
    {
        for (std::size_t i = 0; i < end; ++i)
            if (!consonant(i))
                return true;
        return false;
    }

    bool doubleConsonantAt(std::size_t end) const
    {
        return end >= 2 && w[end - 1] == w[end - 2] && consonant(end - 1);
    }

    // Consonant-vowel-consonant before `end`, the last not w, x or y: HOP, not HOW.
    bool cvcAt(std::size_t end) const
    {
        if (end < 3 || !consonant(end - 1) || consonant(end - 2) || !consonant(end - 3))
            return false;
        const char last = w[end - 1];
        return last != 'w' && last != 'x' && last != 'y';
    }

    bool endsWith(std::string_view suffix) const
    {
        return w.size() >= suffix.size() && std::string_view(w).substr(w.size() - suffix.size()) == suffix;
    }

    std::size_t before(std::string_view suffix) const { return w.size() - suffix.size(); }

    void replaceEnd(std::string_view suffix, std::string_view with)
    {
        w.replace(before(suffix), suffix.size(), with);
    }

    // Of the rules, only the one with the longest matching suffix is tried.
    template <class Condition>
    void longestRule(std::initializer_list<std::pair<std::string_view, std::string_view>> rules, Condition ok)
    {
        const std::pair<std::string_view, std::string_view>* best = nullptr;
        for (const auto& rule : rules)
            if (endsWith(rule.first) && (!best || rule.first.size() > best->first.size()))
                best = &rule;
        if (best && ok(*best))
            replaceEnd(best->first, best->second);
    }

    void pluralsAndParticiples()
    {
        if (endsWith("sses"))
            replaceEnd("sses", "ss");
        else if (endsWith("ies"))
            replaceEnd("ies", "i");
        else if (!endsWith("ss") && endsWith("s"))
            replaceEnd("s", "");

        bool cut = false;
        if (endsWith("eed")) {
            if (measure(before("eed")) > 0)
                replaceEnd("eed", "ee");
        } else {
            for (std::string_view ending : {"ed", "ing"})
                if (endsWith(ending) && hasVowel(before(ending))) {
                    replaceEnd(ending, "");
                    cut = true;
                    break;
                }
        }
        if (cut) {
            if (endsWith("at") || endsWith("bl") || endsWith("iz"))
                w += 'e';
            else if (doubleConsonantAt(w.size()) && !endsWith("l") && !endsWith("s") && !endsWith("z"))
                w.pop_back();
            else if (measure(w.size()) == 1 && cvcAt(w.size()))
                w += 'e';
        }
        if (endsWith("y") && hasVowel(before("y")))
            w.back() = 'i';
    }

    void doubleSuffixes()
    {
        longestRule({{"ational", "ate"}, {"tional", "tion"}, {"enci", "ence"}, {"anci", "ance"},
                     {"izer", "ize"}, {"abli", "able"}, {"alli", "al"}, {"entli", "ent"},
                     {"eli", "e"}, {"ousli", "ous"}, {"ization", "ize"}, {"ation", "ate"},
                     {"ator", "ate"}, {"alism", "al"}, {"iveness", "ive"}, {"fulness", "ful"},
                     {"ousness", "ous"}, {"aliti", "al"}, {"iviti", "ive"}, {"biliti", "ble"}},
                    [&](const auto& rule) { return measure(before(rule.first)) > 0; });
        longestRule({{"icate", "ic"}, {"ative", ""}, {"alize", "al"}, {"iciti", "ic"},
                     {"ical", "ic"}, {"ful", ""}, {"ness", ""}},
                    [&](const auto& rule) { return measure(before(rule.first)) > 0; });
    }

    void plainSuffixes()
    {
        longestRule({{"al", ""}, {"ance", ""}, {"ence", ""}, {"er", ""}, {"ic", ""}, {"able", ""},
                     {"ible", ""}, {"ant", ""}, {"ement", ""}, {"ment", ""}, {"ent", ""},
                     {"ion", ""}, {"ou", ""}, {"ism", ""}, {"ate", ""}, {"iti", ""}, {"ous", ""},
                     {"ive", ""}, {"ize", ""}},
                    [&](const auto& rule) {
                        const std::size_t end = before(rule.first);
                        if (measure(end) <= 1)
                            return false;
                        return rule.first != "ion" || (end > 0 && (w[end - 1] == 's' || w[end - 1] == 't'));
                    });
    }

    void finalE()
    {
        if (endsWith("e")) {
            const int m = measure(before("e"));
            if (m > 1 || (m == 1 && !cvcAt(before("e"))))
                w.pop_back();
        }
        if (endsWith("ll") && measure(w.size()) > 1)
            w.pop_back();
    }

private:
    std::string w;
};

}  // namespace

std::string wordStem(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.size() <= 2)
        return lower;
    Stemming stemming(std::move(lower));
    stemming.pluralsAndParticiples();
    stemming.doubleSuffixes();
    stemming.plainSuffixes();
    stemming.finalE();
    return stemming.take();
}

}  // namespace zpx
