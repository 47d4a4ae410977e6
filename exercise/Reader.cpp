#include "exercise/Reader.h"

#include "exercise/AnswerFields.h"
#include "exercise/Points.h"

#include "fuzzy/Numbers.h"
#include "fuzzy/Language.h"
#include "fuzzy/Surface.h"
#include "fuzzy/Hints.h"
#include "fuzzy/ProjectCheck.h"
#include "fuzzy/Templates.h"
#include "fuzzy/Text.h"
#include "tuning/Score.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

// Bounds of what a file may ask for: the checks must stay quick enough to
// run after every edit.
constexpr std::size_t MaxTextBytes = 20000;
constexpr std::size_t MaxTruckSections = 4;
constexpr std::size_t MaxLocoSections = 4;
constexpr std::size_t MaxHandSections = 12;
constexpr std::size_t MaxSpeeds = 4;
constexpr std::size_t MaxMasses = 8;
constexpr std::size_t MaxStepSizes = 4;
// The work a check may ask for, so that one small file cannot hold a lesson
// up: the controller steps of all locomotive runs together (eight masses with
// four step sizes for 60 s at 1 ms are 1.92 million, a shipped exercise asks
// for about 5000), and the truck's speeds, each a run of every start.
constexpr double MaxLocoSteps = 2.0e6;
constexpr std::size_t MaxTruckSpeeds = MaxSpeeds;
// The values a name may draw a point's input from.
constexpr std::size_t MaxChoices = 50;
[[noreturn]] void Fail(const std::string& message, int line) { throw FormatError(message, line); }

// A name in the quotation marks of the active language.
std::string Quote(const std::string& s) {
    return fuzzy::ActiveLanguage() == fuzzy::Language::English ? "\xE2\x80\x9C" + s + "\xE2\x80\x9D"
                                                               : "\xE2\x80\x9E" + s + "\xE2\x80\x9C";
}

// The keys each section takes, for the message on one it does not know;
// any other section is a point of an answers file.
std::string KeysOf(const std::string& section) {
    static const std::map<std::string, const char*> keys = {
        {"aufgabe", "format, titel.de, titel.en, aenderbar, bewertung, fahrzeug, zeichnen"},
        {"projekt", "vorlage"},
        {"projekt.en", ""},
        {"truck",
         "geschwindigkeiten, angedockt_min, strasse_verlassen_max, andockzeit_max, regeln_max, hinweis.de, "
         "hinweis.en"},
        {"lok",
         "massen, schritte, reibung, abstand, zeit, ruhe_bis, ueberschwingen_max, kraft_im_bereich, "
         "vorzeichenwechsel_max, regeln_max, hinweis.de, hinweis.en"},
        {"handrechnung", "punkt, a, b, toleranz, toleranz_ausgang, fragen, hinweis.de, hinweis.en"},
        {"abdeckung", "hinweis.de, hinweis.en"},
        {"antworten", "format"},
    };
    const auto it = keys.find(section);
    return it != keys.end() ? it->second : "zugehoerigkeit.a.N, zugehoerigkeit.b.N, feuerstaerke.Z.S, hoehe.N, ausgang";
}

[[noreturn]] void UnknownKey(const KeyValue& kv, const std::string& section) {
    const std::string known = KeysOf(section);
    Fail(known.empty() ? Fmt(Tr("Aufgabe",
                                "[%1] kennt den Schl\xC3\xBC"
                                "ssel %2 nicht."),
                             {section, Quote(kv.Key)})
                       : Fmt(Tr("Aufgabe",
                                "[%1] kennt den Schl\xC3\xBC"
                                "ssel %2 nicht; es gibt: %3."),
                             {section, Quote(kv.Key), known}),
         kv.Line);
}

void Once(std::vector<std::string>& seen, const Section& s) {
    if (std::find(seen.begin(), seen.end(), s.Name) != seen.end())
        Fail(Fmt(Tr("Aufgabe", "Den Abschnitt [%1] gibt es schon einmal."), {s.Name}), s.Line);
    seen.push_back(s.Name);
}

// "hinweis.de" and "hinweis.en" of a check's section; true when kv was one.
bool TakeHint(const KeyValue& kv, Text& hint) {
    if (kv.Key == "hinweis.de") {
        hint.De = kv.Value;
        return true;
    }
    if (kv.Key == "hinweis.en") {
        hint.En = kv.Value;
        return true;
    }
    return false;
}

// One criterion a section may give points: its key in the file (after
// "punkte.") and its id in the check's result.
struct PointsName {
    const char* Key;
    const char* Id;
};

constexpr double MaxPoints = 100.0;

// "punkte.NAME = N" and "startpunkte = ja|nein|NAME, …" of a check section;
// true when kv was one of them. A section of one criterion ([abdeckung])
// takes "punkte" alone.
bool TakePoints(const KeyValue& kv, Scoring& score, const std::vector<PointsName>& names, const Section& s) {
    const auto idOf = [&](const std::string& key) -> const char* {
        for (const PointsName& n : names)
            if (key == n.Key) return n.Id;
        return nullptr;
    };
    std::string all;
    for (const PointsName& n : names) all += (all.empty() ? "" : ", ") + std::string(n.Key);
    if (kv.Key == "punkte" && names.size() == 1 && std::string(names.front().Key).empty()) {
        score.Points[names.front().Id] = NumberValue(kv, 0.0, MaxPoints);
        return true;
    }
    if (kv.Key.rfind("punkte.", 0) == 0) {
        const char* id = idOf(kv.Key.substr(7));
        if (!id)
            Fail(Fmt(Tr("Aufgabe",
                        "[%1] vergibt keine Punkte f\xC3\xBCr \xE2\x80\x9E%2\xE2\x80\x9C (m\xC3\xB6glich: %3)."),
                     {s.Name, kv.Key.substr(7), all}),
                 kv.Line);
        score.Points[id] = NumberValue(kv, 0.0, MaxPoints);
        return true;
    }
    if (kv.Key == "startpunkte") {
        score.EvenAtStart.clear();
        if (kv.Value == "ja" || kv.Value == "yes") {
            for (const PointsName& n : names) score.EvenAtStart.push_back(n.Id);
        } else if (kv.Value != "nein" && kv.Value != "no") {
            std::vector<std::string> keys;
            for (const PointsName& n : names) keys.push_back(n.Key);
            keys.push_back("ja");
            keys.push_back("nein");
            for (const std::string& w : WordList(kv, keys)) {
                if (w == "ja" || w == "nein")
                    Fail(Tr("Aufgabe",
                            "startpunkte: \xE2\x80\x9Eja\xE2\x80\x9C und \xE2\x80\x9Enein\xE2\x80\x9C stehen allein."),
                         kv.Line);
                score.EvenAtStart.push_back(idOf(w));
            }
        }
        return true;
    }
    return false;
}

// A points key for a criterion the section does not check is a slip.
void PointsOnlyWhereChecked(const Section& s, const Scoring& score, const std::vector<PointsName>& names,
                            const std::vector<std::string>& checked) {
    for (const auto& entry : score.Points)
        if (std::find(checked.begin(), checked.end(), entry.first) == checked.end())
            for (const PointsName& n : names)
                if (entry.first == n.Id)
                    Fail(Fmt(Tr("Aufgabe",
                                "[%1] vergibt Punkte f\xC3\xBCr %2, pr\xC3\xBC"
                                "ft es aber nicht."),
                             {s.Name, n.Key}),
                         s.Line);
}

std::vector<float> Floats(const std::vector<double>& v) {
    std::vector<float> out;
    for (double x : v) out.push_back(static_cast<float>(x));
    return out;
}

float Float(double v) { return static_cast<float>(v); }

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

// Everything but the names: the English project must be the German one.
bool SameNumbers(const fuzzy::TFuzzy& x, const fuzzy::TFuzzy& y) {
    if (x.Defined != y.Defined) return false;
    if (!x.Defined) return true;
    if (x.TermCount != y.TermCount || !SameBits(x.RangeMin, y.RangeMin) || !SameBits(x.RangeMax, y.RangeMax))
        return false;
    for (int i = 1; i <= x.UsedTerms(); ++i)
        for (int j = 1; j <= 5; ++j)
            if (!SameBits(x.GetParam(i, j), y.GetParam(i, j))) return false;
    return true;
}

// [projekt]: "vorlage = NAME", or the lines of a .fuz file, each behind "|".
void ReadProjectSection(const Section& s, Exercise& e, fuzzy::Project& into, bool english) {
    std::optional<KeyValue> templ;
    bool embedded = false;
    for (const TextLine& l : s.Lines) {
        std::string_view t = l.Text;
        while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
        if (!t.empty() && t.front() == '|') {
            embedded = true;
            continue;
        }
        if (t.empty() || t.front() == '#' || t.front() == ';') continue;
        Section one{s.Line, s.Name, {l}};
        const std::vector<KeyValue> kv = KeyValues(one);
        if (kv.front().Key != "vorlage" || english) UnknownKey(kv.front(), s.Name);
        if (templ)
            Fail(Fmt(Tr("Aufgabe", "%1 steht schon in Zeile %2."), {"vorlage", std::to_string(templ->Line)}), l.Number);
        templ = kv.front();
    }
    if (templ && embedded)
        Fail(Tr("Aufgabe", "[projekt] nennt entweder eine Vorlage oder enth\xC3\xA4lt ein Projekt, nicht beides."),
             templ->Line);
    if (templ) {
        const auto p = fuzzy::TemplateNamed(templ->Value);
        if (!p)
            Fail(Fmt(Tr("Aufgabe", "Unbekannte Vorlage %1 (es gibt leer, truck und lok)."), {Quote(templ->Value)}),
                 templ->Line);
        e.Template = templ->Value;
        into = *p;
        return;
    }
    into = EmbeddedProject(s);
}

void ReadHeader(const Section& s, Exercise& e, bool& haveFormat, bool& havePermissions) {
    for (const KeyValue& kv : KeyValues(s)) {
        if (kv.Key == "format") {
            e.Format = IntegerValue(kv, 1, 1000);
            if (e.Format != 1)
                Fail(Fmt(Tr("Aufgabe", "Format %1 kennt dieses Programm nicht (es liest Format 1)."),
                         {std::to_string(e.Format)}),
                     kv.Line);
            haveFormat = true;
        } else if (kv.Key == "titel.de" || kv.Key == "titel.en") {
            if (kv.Value.empty() || kv.Value.size() > 200)
                Fail(Fmt(Tr("Aufgabe", "%1 erwartet einen Titel von 1 bis 200 Bytes."), {kv.Key}), kv.Line);
            (kv.Key == "titel.de" ? e.Title.De : e.Title.En) = kv.Value;
        } else if (kv.Key == "aenderbar") {
            const auto words = WordList(kv, {"nichts", "regeln", "terme", "bereiche"});
            const bool nothing = std::find(words.begin(), words.end(), "nichts") != words.end();
            if (nothing && words.size() > 1)
                Fail(Tr("Aufgabe", "aenderbar: \xE2\x80\x9Enichts\xE2\x80\x9C steht allein."), kv.Line);
            for (const std::string& w : words) {
                if (w == "regeln") e.MayChange.Rules = true;
                if (w == "terme") e.MayChange.Terms = true;
                if (w == "bereiche") e.MayChange.Ranges = true;
            }
            havePermissions = true;
        } else if (kv.Key == "bewertung") {
            const auto w = WordList(kv, {"automatisch", "lehrkraft", "beides"});
            if (w.size() != 1) Fail(Tr("Aufgabe", "bewertung nimmt ein Wort."), kv.Line);
            e.MarkedBy = w[0] == "automatisch" ? Marking::Automatic
                         : w[0] == "lehrkraft" ? Marking::Teacher
                                               : Marking::Both;
        } else if (kv.Key == "fahrzeug") {
            const auto w = WordList(kv, {"truck", "lok"});
            if (w.size() != 1) Fail(Tr("Aufgabe", "fahrzeug nimmt ein Wort: truck oder lok."), kv.Line);
            e.Vehicle = w[0] == "truck" ? Plant::Truck : Plant::Loco;
        } else if (kv.Key == "zeichnen") {
            e.Drawing = YesNo(kv);
        } else if (kv.Key == "fassung") {
            const auto w = WordList(kv, {"lehrkraft", "schueler"});
            if (w.size() != 1) Fail(Tr("Aufgabe", "fassung nimmt ein Wort: lehrkraft oder schueler."), kv.Line);
            e.Copy = w[0] == "schueler" ? Edition::Students : Edition::Teacher;
        } else {
            UnknownKey(kv, s.Name);
        }
    }
}

const std::vector<PointsName> kTruckPoints = {{"angedockt_min", "truck.docked"},
                                              {"strasse_verlassen_max", "truck.left_road"},
                                              {"ohne_regel", "truck.no_rule"},
                                              {"regeln_max", "rules"}};
const std::vector<PointsName> kLocoPoints = {{"ruhe_bis", "loco.rest"},
                                             {"ueberschwingen_max", "loco.overshoot"},
                                             {"kraft_im_bereich", "loco.force"},
                                             {"vorzeichenwechsel_max", "loco.sign_changes"},
                                             {"regeln_max", "rules"}};
const std::vector<PointsName> kHandPoints = {{"zugehoerigkeit", "hand.membership"},
                                             {"feuerstaerke", "hand.firing"},
                                             {"hoehen", "hand.heights"},
                                             {"ausgang", "hand.output"}};
const std::vector<PointsName> kCoveragePoints = {{"", "coverage"}};

TruckCheck ReadTruck(const Section& s) {
    TruckCheck c;
    c.Line = s.Line;
    const int starts = static_cast<int>(dorvane::GridStarts().size());
    for (const KeyValue& kv : KeyValues(s)) {
        if (TakePoints(kv, c.Score, kTruckPoints, s)) continue;
        if (kv.Key == "geschwindigkeiten")
            c.Speeds = Floats(NumberList(kv, -20.0, -0.1, MaxSpeeds));
        else if (kv.Key == "angedockt_min")
            c.MinDocked = IntegerValue(kv, 0, starts);
        else if (kv.Key == "strasse_verlassen_max")
            c.MaxLeftRoad = IntegerValue(kv, 0, starts);
        else if (kv.Key == "andockzeit_max")
            c.MaxDockSeconds = Float(NumberValue(kv, 0.1, 500.0));
        else if (kv.Key == "regeln_max")
            c.MaxRules = IntegerValue(kv, 0, 25);
        else if (!TakeHint(kv, c.Hint))
            UnknownKey(kv, s.Name);
    }
    if (c.Speeds.empty())
        Fail(Tr("Aufgabe", "[truck] braucht geschwindigkeiten (etwa \xE2\x80\x9E-1, -10\xE2\x80\x9C)."), s.Line);
    if (!c.MinDocked && !c.MaxLeftRoad && !c.MaxRules)
        Fail(Tr("Aufgabe",
                "[truck] pr\xC3\xBC"
                "ft nichts: es fehlen angedockt_min, strasse_verlassen_max und regeln_max."),
             s.Line);
    std::vector<std::string> checked = {"truck.no_rule"};
    if (c.MinDocked) checked.push_back("truck.docked");
    if (c.MaxLeftRoad) checked.push_back("truck.left_road");
    if (c.MaxRules) checked.push_back("rules");
    PointsOnlyWhereChecked(s, c.Score, kTruckPoints, checked);
    return c;
}

LocoCheck ReadLoco(const Section& s) {
    LocoCheck c;
    c.Line = s.Line;
    c.Steps = {0.055f, 0.1f};
    bool masses = false;
    for (const KeyValue& kv : KeyValues(s)) {
        if (TakePoints(kv, c.Score, kLocoPoints, s)) continue;
        if (kv.Key == "massen") {
            c.Masses = Floats(NumberList(kv, 0.01, 1000.0, MaxMasses));
            masses = true;
        } else if (kv.Key == "schritte") {
            c.Steps = Floats(NumberList(kv, 0.001, 1.0, MaxStepSizes));
        } else if (kv.Key == "reibung") {
            c.Friction = Float(NumberValue(kv, 0.0, 1000.0));
        } else if (kv.Key == "abstand") {
            c.DistanceCm = Float(NumberValue(kv, -10000.0, 10000.0));
            if (c.DistanceCm == 0.0f) Fail(Tr("Aufgabe", "abstand darf nicht 0 sein."), kv.Line);
        } else if (kv.Key == "zeit") {
            c.MaxTime = Float(NumberValue(kv, 1.0, 600.0));
        } else if (kv.Key == "ruhe_bis") {
            c.RestWithin = Float(NumberValue(kv, 0.0, 600.0));
        } else if (kv.Key == "ueberschwingen_max") {
            c.MaxOvershootCm = Float(NumberValue(kv, 0.0, 10000.0));
        } else if (kv.Key == "kraft_im_bereich") {
            c.ForceInRange = YesNo(kv);
        } else if (kv.Key == "vorzeichenwechsel_max") {
            c.MaxSignChanges = IntegerValue(kv, 0, 100000);
        } else if (kv.Key == "regeln_max") {
            c.MaxRules = IntegerValue(kv, 0, 25);
        } else if (!TakeHint(kv, c.Hint)) {
            UnknownKey(kv, s.Name);
        }
    }
    if (!masses)
        Fail(Tr("Aufgabe",
                "[lok] braucht massen (etwa \xE2\x80\x9E"
                "1, 2, 4\xE2\x80\x9C)."),
             s.Line);
    if (!c.RestWithin && !c.MaxOvershootCm && !c.ForceInRange && !c.MaxSignChanges && !c.MaxRules)
        Fail(Tr("Aufgabe",
                "[lok] pr\xC3\xBC"
                "ft nichts: es fehlen ruhe_bis, ueberschwingen_max, kraft_im_bereich, "
                "vorzeichenwechsel_max und regeln_max."),
             s.Line);
    if (c.RestWithin && *c.RestWithin > c.MaxTime)
        Fail(Tr("Aufgabe", "ruhe_bis liegt hinter zeit, dem Ende der Fahrten."), s.Line);
    std::vector<std::string> checked;
    if (c.RestWithin) checked.push_back("loco.rest");
    if (c.MaxOvershootCm) checked.push_back("loco.overshoot");
    if (c.ForceInRange) checked.push_back("loco.force");
    if (c.MaxSignChanges) checked.push_back("loco.sign_changes");
    if (c.MaxRules) checked.push_back("rules");
    PointsOnlyWhereChecked(s, c.Score, kLocoPoints, checked);
    return c;
}

// Refuses, at the section that goes beyond it, more work than a check may do.
void BoundWork(const Exercise& e) {
    double steps = 0.0;
    for (const LocoCheck& c : e.Loco)
        for (const pemrak::RunOptions& o : c.Runs()) {
            steps += 1.0 + std::ceil(std::max(0.0, double(o.MaxTime) - double(o.FirstDt)) / double(o.Dt));
            if (steps > MaxLocoSteps)
                Fail(Fmt(Tr("Aufgabe",
                            "Die Fahrten der Lok bis hier brauchen zusammen mehr als %1 Schritte, mehr rechnet "
                            "eine Pr\xC3\xBC"
                            "fung nicht: weniger massen, gr\xC3\xB6\xC3\x9F"
                            "ere schritte oder eine k\xC3\xBCrzere zeit."),
                         {std::to_string(static_cast<long>(MaxLocoSteps))}),
                     c.Line);
        }
    std::vector<float> speeds;
    for (const TruckCheck& c : e.Truck)
        for (const float v : c.Speeds) {
            if (std::find(speeds.begin(), speeds.end(), v) == speeds.end()) speeds.push_back(v);
            if (speeds.size() > MaxTruckSpeeds)
                Fail(Fmt(Tr("Aufgabe", "Alle [truck]-Abschnitte zusammen nennen mehr als %1 Geschwindigkeiten."),
                         {std::to_string(MaxTruckSpeeds)}),
                     c.Line);
        }
}

// Whether every figure of the hand step is a finite number in the project:
// an answer to NaN or infinity would never be right.
bool FiniteStep(const fuzzy::Project& p, const HandCheck& c) {
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(p, c.A, c.B.value_or(0.0f));
    bool finite = std::isfinite(s.Output);
    for (int i = 0; i < fuzzy::MaxTerms; ++i) {
        const auto k = static_cast<std::size_t>(i);
        finite = finite && std::isfinite(s.DegreeA[k]) && std::isfinite(s.DegreeB[k]) && std::isfinite(s.Activation[k]);
    }
    for (const auto& row : s.Strength)
        for (const float x : row) finite = finite && std::isfinite(x);
    return finite;
}

HandCheck ReadHand(const Section& s, std::size_t index) {
    HandCheck c;
    c.Line = s.Line;
    c.Point = "P" + std::to_string(index + 1);
    bool asked = false, tolerance = false, byName = false;
    std::optional<KeyValue> a, b;
    std::optional<float> outputTolerance;
    for (const KeyValue& kv : KeyValues(s)) {
        if (TakePoints(kv, c.Score, kHandPoints, s)) continue;
        if (kv.Key == "punkt") {
            if (kv.Value.empty() || kv.Value.size() > 20 ||
                !std::all_of(kv.Value.begin(), kv.Value.end(),
                             [](char ch) {
                                 return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                                        (ch >= '0' && ch <= '9') || ch == '_';
                             }) ||
                kv.Value == "antworten")
                Fail(Tr("Aufgabe", "punkt erwartet einen Namen aus Buchstaben, Ziffern und _ (etwa P1)."), kv.Line);
            c.Point = kv.Value;
        } else if (kv.Key == "a") {
            a = kv;
        } else if (kv.Key == "b") {
            b = kv;
        } else if (kv.Key == "variante") {
            if (kv.Value != "name")
                Fail(Fmt(Tr("Aufgabe",
                            "variante kennt nur \xE2\x80\x9Ename\xE2\x80\x9C (die Zahlen nach dem Namen), nicht "
                            "\xE2\x80\x9E%1\xE2\x80\x9C."),
                         {kv.Value}),
                     kv.Line);
            byName = true;
        } else if (kv.Key == "toleranz") {
            c.Tolerance = Float(NumberValue(kv, 0.0001, 1000.0));
            tolerance = true;
        } else if (kv.Key == "toleranz_ausgang") {
            outputTolerance = Float(NumberValue(kv, 0.0001, 1.0e6));
        } else if (kv.Key == "fragen") {
            for (const std::string& w : WordList(kv, {"zugehoerigkeit", "feuerstaerke", "hoehen", "ausgang"}))
                c.Asked.push_back(w == "zugehoerigkeit" ? Quantity::Membership
                                  : w == "feuerstaerke" ? Quantity::Firing
                                  : w == "hoehen"       ? Quantity::Heights
                                                        : Quantity::Output);
            asked = true;
        } else if (!TakeHint(kv, c.Hint)) {
            UnknownKey(kv, s.Name);
        }
    }
    if (!a) Fail(Tr("Aufgabe", "[handrechnung] braucht den Wert a von Eingang A."), s.Line);
    // With variante = name a and b may list the values a name draws from.
    const auto values = [&](const KeyValue& kv, std::vector<float>& choices) {
        if (!byName) return Float(NumberValue(kv, -MaxMagnitude, MaxMagnitude));
        const std::vector<float> all = Floats(NumberList(kv, -MaxMagnitude, MaxMagnitude, MaxChoices));
        if (all.size() > 1) choices = all;
        return all.front();
    };
    c.A = values(*a, c.AChoices);
    if (b) c.B = values(*b, c.BChoices);
    if (byName && !c.ByName())
        Fail(Tr("Aufgabe",
                "variante = name braucht in a oder b mehrere Werte, aus denen der Name w\xC3\xA4hlt (etwa "
                "\xE2\x80\x9E"
                "a = 1, 1.5, 2, 3\xE2\x80\x9C)."),
             s.Line);
    if (!asked)
        Fail(Tr("Aufgabe", "[handrechnung] braucht fragen (etwa \xE2\x80\x9Ezugehoerigkeit, ausgang\xE2\x80\x9C)."),
             s.Line);
    if (!tolerance) Fail(Tr("Aufgabe", "[handrechnung] braucht toleranz (etwa 0.01)."), s.Line);
    c.OutputTolerance = outputTolerance.value_or(c.Tolerance);
    std::vector<std::string> checked;
    for (const Quantity q : c.Asked)
        checked.push_back(q == Quantity::Membership ? "hand.membership"
                          : q == Quantity::Firing   ? "hand.firing"
                          : q == Quantity::Heights  ? "hand.heights"
                                                    : "hand.output");
    PointsOnlyWhereChecked(s, c.Score, kHandPoints, checked);
    return c;
}

std::string ReadAll(const std::string& path) {
    std::error_code ec;
    if (path.empty() || path.find('\0') != std::string::npos || !std::filesystem::is_regular_file(path, ec))
        throw FormatError(Fmt(Tr("Aufgabe", "%1 ist keine lesbare Datei."), {path}));
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) throw FormatError(Fmt(Tr("Aufgabe", "%1 ist keine lesbare Datei."), {path}));
    if (size > MaxFileBytes)
        throw FormatError(Fmt(Tr("Aufgabe",
                                 "%1 ist gr\xC3\xB6\xC3\x9F"
                                 "er als %2 KiB."),
                              {path, std::to_string(MaxFileBytes / 1024)}));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f) throw FormatError(Fmt(Tr("Aufgabe", "%1 ist keine lesbare Datei."), {path}));
    std::string bytes(MaxFileBytes + 1, '\0');
    const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), f.get());
    if (std::ferror(f.get())) throw FormatError(Fmt(Tr("Aufgabe", "%1 ist keine lesbare Datei."), {path}));
    // The file may have grown since it was measured.
    if (n > MaxFileBytes)
        throw FormatError(Fmt(Tr("Aufgabe",
                                 "%1 ist gr\xC3\xB6\xC3\x9F"
                                 "er als %2 KiB."),
                              {path, std::to_string(MaxFileBytes / 1024)}));
    bytes.resize(n);
    return bytes;
}

// The answer key of one quantity: "zugehoerigkeit.a.2", "feuerstaerke.3.1", "hoehe.4", "ausgang".
void TakeAnswer(const KeyValue& kv, PointAnswers& p, const std::string& section) {
    std::optional<float>* slot = AnswerSlot(p, kv.Key);
    if (!slot) UnknownKey(kv, section);
    // Read as the Werkstatt's boxes read a number: a point or a comma, the true minus.
    const std::optional<float> v = AnswerNumber(kv.Value);
    if (!v)
        Fail(Fmt(Tr("Aufgabe",
                    "%1 erwartet eine Zahl von %2 bis %3 (mit Dezimalpunkt oder Dezimalkomma), nicht "
                    "\xE2\x80\x9E%4\xE2\x80\x9C."),
                 {kv.Key, NumberText(-MaxMagnitude), NumberText(MaxMagnitude), kv.Value}),
             kv.Line);
    *slot = *v;
}

std::string Shortest(float v) { return fuzzy::NumberText(v); }

}  // namespace

std::string ReadBoundedFile(const std::string& path) { return ReadAll(path); }

EmbeddedLines EmbeddedOf(const Section& s) {
    EmbeddedLines out;
    for (const TextLine& l : s.Lines) {
        std::string_view t = l.Text;
        while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
        if (t.empty() || t.front() == '#' || t.front() == ';') continue;
        if (t.front() != '|')
            Fail(Fmt(Tr("Aufgabe",
                        "In [%1] steht jede Zeile hinter \xE2\x80\x9E|\xE2\x80\x9C (oder ist ein Kommentar)."),
                     {s.Name}),
                 l.Number);
        t.remove_prefix(1);
        if (!t.empty() && t.front() == ' ') t.remove_prefix(1);
        out.Text += t;
        out.Text += '\n';
        out.Lines.push_back(l.Number);
    }
    return out;
}

fuzzy::Project EmbeddedProject(const Section& s) {
    std::string bytes;
    const EmbeddedLines lines = EmbeddedOf(s);
    std::size_t at = 0;
    for (const int number : lines.Lines) {
        const std::size_t end = lines.Text.find('\n', at);
        const std::string_view t = std::string_view(lines.Text).substr(at, end - at);
        at = end + 1;
        std::string cp;
        char32_t bad = 0;
        if (!fuzzy::text::Utf8ToCp1252(t, cp, bad))
            Fail(
                Tr("Aufgabe", "Ein Projekt kann dieses Zeichen nicht enthalten (es wird in Windows-1252 gespeichert)."),
                number);
        bytes += cp;
        bytes += "\r\n";
    }
    if (lines.Lines.empty())
        Fail(Fmt(Tr("Aufgabe",
                    "[%1] ist leer: erwartet wird \xE2\x80\x9Evorlage = lok\xE2\x80\x9C oder die Zeilen eines Projekts "
                    "hinter \xE2\x80\x9E|\xE2\x80\x9C."),
                 {s.Name}),
             s.Line);
    const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(bytes);
    if (!d.ok) {
        const int where = d.line >= 1 && static_cast<std::size_t>(d.line) <= lines.Lines.size()
                              ? lines.Lines[static_cast<std::size_t>(d.line - 1)]
                              : lines.Lines.back();
        Fail(Fmt(Tr("Aufgabe",
                    "Das Projekt in [%1] endet zu fr\xC3\xBCh oder passt nicht: erwartet wird %2, gefunden: %3."),
                 {s.Name, d.expected, d.found}),
             where);
    }
    // A line that reads as 0, named by the file's own line.
    if (!d.zeroReads.empty()) {
        const int line = d.zeroReadLines.front();
        Fail(Fmt(Tr("Aufgabe", "Im Projekt in [%1]: %2"), {s.Name, d.zeroReadCauses.front()}),
             line >= 1 && static_cast<std::size_t>(line) <= lines.Lines.size()
                 ? lines.Lines[static_cast<std::size_t>(line - 1)]
                 : s.Line);
    }
    fuzzy::Project p = fuzzy::LoadProjectBytes(bytes);
    if (!p.A.Defined || !p.Out.Defined)
        Fail(Fmt(Tr("Aufgabe", "Das Projekt in [%1] braucht Eingang A und den Ausgang."), {s.Name}), s.Line);
    {
        // The project ends where its writer ends it; a line after it is no part of it.
        std::string written;
        try {
            written = fuzzy::ProjectText(p);
        } catch (const fuzzy::Error& err) {
            Fail(Fmt(Tr("Aufgabe", "Das Projekt in [%1] passt nicht: %2"), {s.Name, err.what()}), s.Line);
        }
        std::size_t used = 0;
        for (const char c : written) used += c == '\n';
        // Blank lines after the end do no harm; anything else would be
        // silently ignored by the reader, so it is refused at its line.
        std::size_t from = 0, line = 0;
        for (; line < lines.Lines.size(); ++line) {
            const std::size_t end = lines.Text.find('\n', from);
            const std::string_view t = std::string_view(lines.Text).substr(from, end - from);
            from = end + 1;
            if (line >= used && t.find_first_not_of(" \t\r") != std::string_view::npos) break;
        }
        if (line < lines.Lines.size())
            Fail(Fmt(Tr("Aufgabe", "Nach dem Ende des Projekts in [%1] steht noch etwas."), {s.Name}),
                 lines.Lines[line]);
    }
    return p;
}

std::string EmbedLines(std::string_view text) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out += line.empty() ? "|\n" : "| " + std::string(line) + "\n";
        at = end + 1;
    }
    return out;
}

Exercise ParseExercise(std::string_view bytes) {
    const std::vector<Section> sections = SplitSections(bytes);
    if (sections.empty() || sections.front().Name != "aufgabe")
        Fail(Tr("Aufgabe", "Eine Aufgabendatei beginnt mit dem Abschnitt [aufgabe]."),
             sections.empty() ? 1 : sections.front().Line);
    Exercise e;
    bool haveFormat = false, havePermissions = false;
    std::vector<std::string> seen;
    const Section* project = nullptr;
    const Section* projectEn = nullptr;
    for (const Section& s : sections) {
        const std::string& n = s.Name;
        if (n == "aufgabe") {
            Once(seen, s);
            ReadHeader(s, e, haveFormat, havePermissions);
        } else if (n == "text.de" || n == "text.en" || n == "hinweis.de" || n == "hinweis.en" || n == "lehrkraft.de" ||
                   n == "lehrkraft.en") {
            Once(seen, s);
            Text& t = n.rfind("text", 0) == 0 ? e.Task : n.rfind("hinweis", 0) == 0 ? e.Hint : e.TeacherNote;
            (n.substr(n.size() - 2) == "de" ? t.De : t.En) = TextOf(s, MaxTextBytes);
        } else if (n == "projekt") {
            Once(seen, s);
            project = &s;
        } else if (n == "projekt.en") {
            Once(seen, s);
            projectEn = &s;
        } else if (n == "truck") {
            if (e.Truck.size() == MaxTruckSections)
                Fail(Fmt(Tr("Aufgabe",
                            "H\xC3\xB6"
                            "chstens %1 Abschnitte [%2]."),
                         {std::to_string(MaxTruckSections), n}),
                     s.Line);
            e.Truck.push_back(ReadTruck(s));
        } else if (n == "lok") {
            if (e.Loco.size() == MaxLocoSections)
                Fail(Fmt(Tr("Aufgabe",
                            "H\xC3\xB6"
                            "chstens %1 Abschnitte [%2]."),
                         {std::to_string(MaxLocoSections), n}),
                     s.Line);
            e.Loco.push_back(ReadLoco(s));
        } else if (n == "handrechnung") {
            if (e.Hand.size() == MaxHandSections)
                Fail(Fmt(Tr("Aufgabe",
                            "H\xC3\xB6"
                            "chstens %1 Abschnitte [%2]."),
                         {std::to_string(MaxHandSections), n}),
                     s.Line);
            e.Hand.push_back(ReadHand(s, e.Hand.size()));
            for (std::size_t i = 0; i + 1 < e.Hand.size(); ++i)
                if (e.Hand[i].Point == e.Hand.back().Point)
                    Fail(Fmt(Tr("Aufgabe", "Den Punkt %1 gibt es schon in Zeile %2."),
                             {e.Hand.back().Point, std::to_string(e.Hand[i].Line)}),
                         s.Line);
        } else if (n == "abdeckung") {
            Once(seen, s);
            CoverageCheck c;
            c.Line = s.Line;
            for (const KeyValue& kv : KeyValues(s))
                if (!TakePoints(kv, c.Score, kCoveragePoints, s) && !TakeHint(kv, c.Hint)) UnknownKey(kv, n);
            e.Coverage.push_back(c);
        } else {
            Fail(Fmt(Tr("Aufgabe", "Einen Abschnitt [%1] gibt es in einer Aufgabe nicht."), {n}), s.Line);
        }
    }
    const int head = sections.front().Line;
    if (!haveFormat)
        Fail(Tr("Aufgabe",
                "[aufgabe] braucht \xE2\x80\x9E"
                "format = 1\xE2\x80\x9C."),
             head);
    if (e.Title.De.empty()) Fail(Tr("Aufgabe", "[aufgabe] braucht titel.de."), head);
    if (!havePermissions)
        Fail(Tr("Aufgabe", "[aufgabe] braucht aenderbar (nichts, oder regeln, terme, bereiche)."), head);
    if (e.Task.De.empty()) Fail(Tr("Aufgabe", "Es fehlt der Aufgabentext [text.de]."), head);
    if (!project) Fail(Tr("Aufgabe", "Es fehlt der Abschnitt [projekt] mit dem Startprojekt."), head);
    ReadProjectSection(*project, e, e.Start, false);
    if (projectEn) {
        if (!e.Template.empty())
            Fail(Tr("Aufgabe",
                    "[projekt.en] gibt es nur zu einem eingebetteten Projekt; eine Vorlage hat ihre englischen Namen "
                    "schon."),
                 projectEn->Line);
        fuzzy::Project en;
        ReadProjectSection(*projectEn, e, en, true);
        if (!SameNumbers(en.A, e.Start.A) || !SameNumbers(en.B, e.Start.B) || !SameNumbers(en.Out, e.Start.Out) ||
            en.Rules != e.Start.Rules)
            Fail(Tr("Aufgabe",
                    "[projekt.en] muss dieselben Zahlen und Regeln haben wie [projekt]; nur die Namen d\xC3\xBC"
                    "rfen sich unterscheiden."),
                 projectEn->Line);
        e.StartEn = en;
    }
    if (e.Coverage.empty() && e.Hand.empty() && e.Truck.empty() && e.Loco.empty())
        Fail(Tr("Aufgabe",
                "Die Aufgabe pr\xC3\xBC"
                "ft nichts: es fehlt ein Abschnitt [truck], [lok], [handrechnung] oder [abdeckung]."),
             head);
    if ((e.Vehicle == Plant::Truck && !e.Loco.empty()) || (e.Vehicle == Plant::Loco && !e.Truck.empty()))
        Fail(Tr("Aufgabe",
                "fahrzeug nennt ein anderes Fahrzeug als die Pr\xC3\xBC"
                "fungen [truck] oder [lok]."),
             head);
    BoundWork(e);
    for (const TruckCheck& c : e.Truck)
        if (const auto why = tuning::Unsuitable(e.Start, tuning::Vehicle::Truck))
            Fail(Fmt(Tr("Aufgabe", "Das Startprojekt passt nicht zum Truck: %1"), {*why}), c.Line);
    for (const LocoCheck& c : e.Loco)
        if (const auto why = tuning::Unsuitable(e.Start, tuning::Vehicle::Loco))
            Fail(Fmt(Tr("Aufgabe", "Das Startprojekt passt nicht zur Lok: %1"), {*why}), c.Line);
    for (const HandCheck& c : e.Hand) {
        if (e.Start.B.Defined && !c.B) {
            const bool onlyA =
                std::all_of(c.Asked.begin(), c.Asked.end(), [](Quantity q) { return q == Quantity::Membership; });
            if (!onlyA)
                Fail(Tr("Aufgabe",
                        "[handrechnung] braucht den Wert b von Eingang B (nur die Zugeh\xC3\xB6rigkeit zu A kommt ohne "
                        "ihn aus)."),
                     c.Line);
        }
        if (!e.Start.B.Defined && c.B)
            Fail(Tr("Aufgabe", "[handrechnung] nennt b, aber das Projekt hat keinen Eingang B."), c.Line);
        if (!FiniteStep(e.Start, c))
            Fail(Fmt(Tr("Aufgabe",
                        "Bei %1 gibt das Startprojekt keine endliche Zahl, so dass keine Antwort stimmen kann: %2"),
                     {c.Point, fuzzy::NotFiniteCause(e.Start)}),
                 c.Line);
    }
    if (e.ForStudents() && !e.TeacherNote.Empty())
        Fail(Tr("Aufgabe",
                "Die Sch\xC3\xBClerfassung (fassung = schueler) enth\xC3\xA4lt keinen Text f\xC3\xBCr die "
                "Lehrkraft: [lehrkraft.de] und [lehrkraft.en] geh\xC3\xB6ren in die Fassung der Lehrkraft."),
             head);
    if (TotalPoints(e) > MaxPoints)
        Fail(Fmt(Tr("Aufgabe",
                    "Alle Pr\xC3\xBC"
                    "fungen zusammen vergeben %1 Punkte, h\xC3\xB6"
                    "chstens %2 gehen in ein Notenbuch."),
                 {NumberText(TotalPoints(e)), NumberText(MaxPoints)}),
             head);
    return e;
}

Exercise ReadExercise(const std::string& path) { return ParseExercise(ReadAll(path)); }

bool LooksLikeAnswers(std::string_view bytes) {
    try {
        const std::vector<Section> s = SplitSections(bytes);
        return !s.empty() && s.front().Name == "antworten";
    } catch (const FormatError&) {
        return false;
    }
}

Answers ParseAnswers(std::string_view bytes) {
    const std::vector<Section> sections = SplitSections(bytes);
    if (sections.empty() || sections.front().Name != "antworten")
        Fail(Tr("Aufgabe", "Eine Antwortdatei beginnt mit dem Abschnitt [antworten]."),
             sections.empty() ? 1 : sections.front().Line);
    Answers a;
    bool format = false;
    for (const KeyValue& kv : KeyValues(sections.front())) {
        if (kv.Key != "format") UnknownKey(kv, "antworten");
        if (IntegerValue(kv, 1, 1000) != 1)
            Fail(Tr("Aufgabe", "Dieses Format kennt dieses Programm nicht (es liest Format 1)."), kv.Line);
        format = true;
    }
    if (!format)
        Fail(Tr("Aufgabe",
                "[antworten] braucht \xE2\x80\x9E"
                "format = 1\xE2\x80\x9C."),
             sections.front().Line);
    for (std::size_t i = 1; i < sections.size(); ++i) {
        const Section& s = sections[i];
        if (s.Name == "antworten" || a.Points.count(s.Name) != 0)
            Fail(Fmt(Tr("Aufgabe", "Den Abschnitt [%1] gibt es schon einmal."), {s.Name}), s.Line);
        if (a.Points.size() == MaxHandSections)
            Fail(Fmt(Tr("Aufgabe",
                        "H\xC3\xB6"
                        "chstens %1 Punkte."),
                     {std::to_string(MaxHandSections)}),
                 s.Line);
        PointAnswers& p = a.Points[s.Name];
        a.PointLines[s.Name] = s.Line;
        for (const KeyValue& kv : KeyValues(s)) {
            TakeAnswer(kv, p, s.Name);
            a.KeyLines[{s.Name, kv.Key}] = kv.Line;
        }
    }
    return a;
}

Answers ReadAnswers(const std::string& path) { return ParseAnswers(ReadAll(path)); }

std::string AnswersText(const Answers& a) {
    std::string out = "[antworten]\nformat = 1\n";
    for (const auto& [name, p] : a.Points) {
        out += "\n[" + name + "]\n";
        for (std::size_t i = 0; i < p.MembershipA.size(); ++i)
            if (p.MembershipA[i])
                out += "zugehoerigkeit.a." + std::to_string(i + 1) + " = " + Shortest(*p.MembershipA[i]) + "\n";
        for (std::size_t i = 0; i < p.MembershipB.size(); ++i)
            if (p.MembershipB[i])
                out += "zugehoerigkeit.b." + std::to_string(i + 1) + " = " + Shortest(*p.MembershipB[i]) + "\n";
        for (std::size_t i = 0; i < p.Firing.size(); ++i)
            if (p.Firing[i])
                out += "feuerstaerke." + std::to_string(i / 5 + 1) + "." + std::to_string(i % 5 + 1) + " = " +
                       Shortest(*p.Firing[i]) + "\n";
        for (std::size_t i = 0; i < p.Heights.size(); ++i)
            if (p.Heights[i]) out += "hoehe." + std::to_string(i + 1) + " = " + Shortest(*p.Heights[i]) + "\n";
        if (p.Output) out += "ausgang = " + Shortest(*p.Output) + "\n";
    }
    return out;
}

// Exercise's own members.

bool HandCheck::Asks(Quantity q) const { return std::find(Asked.begin(), Asked.end(), q) != Asked.end(); }

std::vector<pemrak::RunOptions> LocoCheck::Runs() const {
    std::vector<pemrak::RunOptions> out;
    for (float m : Masses)
        for (float dt : Steps) {
            pemrak::RunOptions o;
            o.Start.Masse = m;
            o.Start.Reibung = Friction;
            o.Start.AbstandCm = DistanceCm;
            o.Dt = dt;
            o.MaxTime = MaxTime;
            out.push_back(o);
        }
    return out;
}

Plant Exercise::OnPlant() const {
    if (Vehicle != Plant::Unknown) return Vehicle;
    if (Template == "truck" || !Truck.empty()) return Plant::Truck;
    if (Template == "lok" || !Loco.empty()) return Plant::Loco;
    return Plant::Unknown;
}

fuzzy::Project Exercise::StartProject() const {
    if (!Template.empty()) return *fuzzy::TemplateNamed(Template);
    return fuzzy::ActiveLanguage() == fuzzy::Language::English && StartEn ? *StartEn : Start;
}

}  // namespace exercise
