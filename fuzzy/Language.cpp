#include "fuzzy/Language.h"

#include "fuzzy/Katalog.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace fuzzy {

namespace {

std::atomic<Language> g_sprache{Language::German};

bool IstCLocale(std::string_view locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.substr(0, 2) == "C." ||
           locale.substr(0, 2) == "C@";
}

}  // namespace

Language ActiveLanguage() { return g_sprache.load(std::memory_order_relaxed); }

void SetLanguage(Language sprache) { g_sprache.store(sprache, std::memory_order_relaxed); }

std::optional<Language> LanguageFromName(std::string_view name) {
    // The language is what comes before the region, code set or modifier.
    const std::string_view sprache = name.substr(0, name.find_first_of("_-.@"));
    if (sprache == "de") return Language::German;
    if (sprache == "en") return Language::English;
    return std::nullopt;
}

Language LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv) {
    auto wert = [&](const char* name) -> std::string_view {
        const char* v = getenv(name);
        return v ? std::string_view(v) : std::string_view();
    };
    std::string_view locale = wert("LC_ALL");
    if (locale.empty()) locale = wert("LC_MESSAGES");
    if (locale.empty()) locale = wert("LANG");
    if (IstCLocale(locale)) return Language::German;

    std::string_view liste = wert("LANGUAGE");
    if (liste.empty()) liste = locale;
    while (!liste.empty()) {
        const std::size_t ende = liste.find(':');
        if (const auto s = LanguageFromName(liste.substr(0, ende))) return *s;
        if (ende == std::string_view::npos) break;
        liste.remove_prefix(ende + 1);
    }
    return Language::German;
}

Language LanguageFromEnvironment() {
    return LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
}

const char* Tr(const char* context, const char* source) {
    if (ActiveLanguage() == Language::German) return source;
    const katalog::Eintrag* anfang = katalog::kEnglisch;
    const katalog::Eintrag* ende = anfang + katalog::kEnglischAnzahl;
    auto kleiner = [](const katalog::Eintrag& e, const std::pair<const char*, const char*>& key) {
        const int k = std::strcmp(e.kontext, key.first);
        return k < 0 || (k == 0 && std::strcmp(e.quelle, key.second) < 0);
    };
    const auto key = std::make_pair(context, source);
    const katalog::Eintrag* e = std::lower_bound(anfang, ende, key, kleiner);
    if (e != ende && std::strcmp(e->kontext, context) == 0 && std::strcmp(e->quelle, source) == 0) return e->englisch;
    return source;
}

std::string Fmt(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 16 * args.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = std::size_t(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

char DecimalSign() { return ActiveLanguage() == Language::English ? '.' : ','; }

}  // namespace fuzzy
