#include "exercise/HandIn.h"

#include "exercise/Reader.h"
#include "fuzzy/Language.h"
#include "fuzzy/Text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

constexpr std::size_t MaxName = 100;
constexpr std::size_t MaxClass = 40;
constexpr std::size_t MaxId = 100;
constexpr std::size_t MaxTitle = 200;

[[noreturn]] void Fail(const std::string& message, int line) { throw FormatError(message, line); }

bool IdChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '@' || c == '+' || c == '-' || c == '/';
}

// A text field: within its bounds, no tab (the line has no other control
// character), no blank at either end.
std::optional<std::string> TextError(std::string_view v, std::size_t most, const char* what) {
    if (v.empty()) return Fmt(Tr("Aufgabe", "%1 fehlt."), {Tr("Aufgabe", what)});
    if (v.size() > most)
        return Fmt(Tr("Aufgabe", "%1 ist l\xC3\xA4nger als %2 Bytes."), {Tr("Aufgabe", what), std::to_string(most)});
    if (v.find('\t') != std::string_view::npos || v.find('\n') != std::string_view::npos ||
        v.find('\r') != std::string_view::npos)
        return Fmt(Tr("Aufgabe", "%1 enth\xC3\xA4lt einen Tabulator oder Zeilenumbruch."), {Tr("Aufgabe", what)});
    if (v.front() == ' ' || v.back() == ' ')
        return Fmt(Tr("Aufgabe", "%1 beginnt oder endet mit einem Leerzeichen."), {Tr("Aufgabe", what)});
    for (std::size_t i = 0; i < v.size(); ++i)
        if (static_cast<unsigned char>(v[i]) < 0x20 || v[i] == 0x7F)
            return Fmt(Tr("Aufgabe", "%1 enth\xC3\xA4lt ein Steuerzeichen."), {Tr("Aufgabe", what)});
    // Valid UTF-8 only: the reader checks the file's lines, a typed field is checked here.
    if (!IsValidUtf8(v)) return Fmt(Tr("Aufgabe", "%1 ist kein g\xC3\xBCltiges UTF-8."), {Tr("Aufgabe", what)});
    return std::nullopt;
}

bool Digits(std::string_view s, std::size_t at, std::size_t n, int& v) {
    v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (i >= s.size() || s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    return true;
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool DateFits(std::string_view s) {
    // YYYY-MM-DDTHH:MM:SSZ
    if (s.size() != 20 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' || s[16] != ':' || s[19] != 'Z')
        return false;
    int y, mo, d, h, mi, se;
    if (!Digits(s, 0, 4, y) || !Digits(s, 5, 2, mo) || !Digits(s, 8, 2, d) || !Digits(s, 11, 2, h) ||
        !Digits(s, 14, 2, mi) || !Digits(s, 17, 2, se))
        return false;
    if (y < 2000 || y > 2999 || mo < 1 || mo > 12 || d < 1 || h > 23 || mi > 59 || se > 59) return false;
    // The day exists in its month.
    const std::int64_t first = DaysFromCivil(y, static_cast<unsigned>(mo), 1);
    const std::int64_t next =
        mo == 12 ? DaysFromCivil(y + 1, 1, 1) : DaysFromCivil(y, static_cast<unsigned>(mo + 1), 1);
    return d <= next - first;
}

bool IsHex64(std::string_view s) {
    return s.size() == 64 &&
           std::all_of(s.begin(), s.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

}  // namespace

std::optional<std::string> FieldError(HandInField f, std::string_view value) {
    switch (f) {
    case HandInField::Name: return TextError(value, MaxName, FUZZY_TR_NOOP("Aufgabe", "Der Name"));
    case HandInField::Class: return TextError(value, MaxClass, FUZZY_TR_NOOP("Aufgabe", "Die Klasse"));
    case HandInField::Id: break;
    }
    if (value.empty()) return std::nullopt;
    if (value.size() > MaxId || !std::all_of(value.begin(), value.end(), IdChar))
        return Fmt(Tr("Aufgabe",
                      "Die Kennung (ID-Nummer oder E-Mail-Adresse) hat h\xC3\xB6"
                      "chstens %1 Zeichen aus Buchstaben, Ziffern und . _ @ + - /."),
                   {std::to_string(MaxId)});
    return std::nullopt;
}

bool IsEmail(std::string_view id) { return id.find('@') != std::string_view::npos; }

std::string HandInText(const HandIn& h) {
    for (const auto& [field, value] :
         {std::pair{HandInField::Name, std::string_view(h.Name)},
          std::pair{HandInField::Class, std::string_view(h.Class)}, std::pair{HandInField::Id, std::string_view(h.Id)}})
        if (const auto why = FieldError(field, value)) throw FormatError(*why);
    if (!DateFits(h.Date))
        throw FormatError(Fmt(Tr("Aufgabe", "%1 ist kein Datum der Form 2025-03-14T09:30:00Z."), {h.Date}));
    if (const auto why = TextError(h.Title, MaxTitle, FUZZY_TR_NOOP("Aufgabe", "Der Titel"))) throw FormatError(*why);
    if (!IsHex64(h.Fingerprint)) throw FormatError(Tr("Aufgabe", "Der Fingerabdruck der Aufgabe fehlt."));
    std::string out =
        "# Abgabe zu einer Aufgabe der Fuzzy-Werkstatt (Format: docs/aufgaben.md)\n[abgabe]\nformat = 1\n";
    out += "name = " + h.Name + "\nklasse = " + h.Class + "\n";
    if (!h.Id.empty()) out += "kennung = " + h.Id + "\n";
    out += "datum = " + h.Date + "\naufgabe = " + h.Title + "\nfingerabdruck = " + h.Fingerprint + "\n";
    if (h.Project) out += "\n[projekt]\n" + EmbedLines(fuzzy::text::Cp1252ToUtf8(fuzzy::ProjectText(*h.Project)));
    if (h.Given) out += "\n[antworten]\n" + EmbedLines(AnswersText(*h.Given));
    return out;
}

HandIn ParseHandIn(std::string_view bytes) {
    const std::vector<Section> sections = SplitSections(bytes);
    if (sections.empty() || sections.front().Name != "abgabe")
        Fail(Tr("Aufgabe", "Eine Abgabe beginnt mit dem Abschnitt [abgabe]."),
             sections.empty() ? 1 : sections.front().Line);
    HandIn h;
    bool format = false, haveDate = false;
    const Section& head = sections.front();
    for (const KeyValue& kv : KeyValues(head)) {
        const auto text = [&](std::size_t most, const char* what) {
            if (const auto why = TextError(kv.Value, most, what)) Fail(*why, kv.Line);
            return kv.Value;
        };
        if (kv.Key == "format") {
            if (IntegerValue(kv, 1, 1000) != 1)
                Fail(Tr("Aufgabe", "Dieses Format kennt dieses Programm nicht (es liest Format 1)."), kv.Line);
            format = true;
        } else if (kv.Key == "name") {
            h.Name = text(MaxName, FUZZY_TR_NOOP("Aufgabe", "Der Name"));
        } else if (kv.Key == "klasse") {
            h.Class = text(MaxClass, FUZZY_TR_NOOP("Aufgabe", "Die Klasse"));
        } else if (kv.Key == "kennung") {
            if (const auto why = FieldError(HandInField::Id, kv.Value)) Fail(*why, kv.Line);
            h.Id = kv.Value;
        } else if (kv.Key == "datum") {
            if (!DateFits(kv.Value))
                Fail(Fmt(Tr("Aufgabe", "%1 ist kein Datum der Form 2025-03-14T09:30:00Z."), {kv.Value}), kv.Line);
            h.Date = kv.Value;
            haveDate = true;
        } else if (kv.Key == "aufgabe") {
            h.Title = text(MaxTitle, FUZZY_TR_NOOP("Aufgabe", "Der Titel"));
        } else if (kv.Key == "fingerabdruck") {
            if (!IsHex64(kv.Value))
                Fail(Tr("Aufgabe", "fingerabdruck erwartet 64 Hexadezimalziffern (0-9, a-f)."), kv.Line);
            h.Fingerprint = kv.Value;
        } else {
            Fail(Fmt(Tr("Aufgabe",
                        "[abgabe] kennt den Schl\xC3\xBC"
                        "ssel %1 nicht (m\xC3\xB6glich: format, name, klasse, kennung, datum, aufgabe, "
                        "fingerabdruck)."),
                     {kv.Key}),
                 kv.Line);
        }
    }
    const auto need = [&](bool have, const char* key) {
        if (!have) Fail(Fmt(Tr("Aufgabe", "[abgabe] braucht %1."), {key}), head.Line);
    };
    need(format, "format = 1");
    need(!h.Name.empty(), "name");
    need(!h.Class.empty(), "klasse");
    need(haveDate, "datum");
    need(!h.Title.empty(), "aufgabe");
    need(!h.Fingerprint.empty(), "fingerabdruck");
    for (std::size_t i = 1; i < sections.size(); ++i) {
        const Section& s = sections[i];
        if (s.Name == "projekt" && !h.ProjectLine) {
            h.Project = EmbeddedProject(s);
            h.ProjectLine = s.Line;
        } else if (s.Name == "antworten" && !h.AnswersLine) {
            const EmbeddedLines lines = EmbeddedOf(s);
            try {
                Answers a = ParseAnswers(lines.Text);
                // Lines of the embedded file are lines of the hand-in.
                const auto at = [&](int inner) {
                    return inner >= 1 && static_cast<std::size_t>(inner) <= lines.Lines.size()
                               ? lines.Lines[static_cast<std::size_t>(inner - 1)]
                               : s.Line;
                };
                for (auto& entry : a.PointLines) entry.second = at(entry.second);
                for (auto& entry : a.KeyLines) entry.second = at(entry.second);
                h.Given = std::move(a);
            } catch (const FormatError& e) {
                const int inner = e.Line();
                Fail(e.what(), inner >= 1 && static_cast<std::size_t>(inner) <= lines.Lines.size()
                                   ? lines.Lines[static_cast<std::size_t>(inner - 1)]
                                   : s.Line);
            }
            h.AnswersLine = s.Line;
        } else if (s.Name == "projekt" || s.Name == "antworten" || s.Name == "abgabe") {
            Fail(Fmt(Tr("Aufgabe", "Den Abschnitt [%1] gibt es schon einmal."), {s.Name}), s.Line);
        } else {
            Fail(Fmt(Tr("Aufgabe",
                        "Einen Abschnitt [%1] gibt es in einer Abgabe nicht (m\xC3\xB6glich: projekt, "
                        "antworten)."),
                     {s.Name}),
                 s.Line);
        }
    }
    if (!h.Project && !h.Given)
        Fail(Tr("Aufgabe", "Die Abgabe enth\xC3\xA4lt weder ein Projekt [projekt] noch Antworten [antworten]."),
             head.Line);
    return h;
}

HandIn ReadHandIn(const std::string& path) { return ParseHandIn(ReadBoundedFile(path)); }

std::int64_t HandInClock() {
    if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH")) {
        const std::string t(fixed);
        if (!t.empty() && t.size() <= 12 &&
            std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::stoll(t);
    }
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::string DateText(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Civil date from days (proleptic Gregorian).
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld-%02u-%02uT%02d:%02d:%02dZ", static_cast<long long>(y), m, d,
                  static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
    return buf;
}

}  // namespace exercise
