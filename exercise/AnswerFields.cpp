#include "exercise/AnswerFields.h"

#include "exercise/Sections.h"
#include "fuzzy/Language.h"

#include <algorithm>
#include <cstddef>

namespace exercise {

std::vector<AnswerField> AnswerFields(const Exercise& e, const fuzzy::Project& p) {
    std::vector<AnswerField> out;
    for (const HandCheck& h : e.Hand)
        for (const Quantity q : h.Asked) {
            AnswerField f;
            f.Point = h.Point;
            f.Asked = q;
            switch (q) {
            case Quantity::Membership:
                for (int i = 1; i <= p.A.UsedTerms(); ++i) {
                    f.Key = "zugehoerigkeit.a." + std::to_string(i);
                    f.Input = 'A';
                    f.Term = i;
                    out.push_back(f);
                }
                if (p.B.Defined && h.B)
                    for (int i = 1; i <= p.B.UsedTerms(); ++i) {
                        f.Key = "zugehoerigkeit.b." + std::to_string(i);
                        f.Input = 'B';
                        f.Term = i;
                        out.push_back(f);
                    }
                break;
            case Quantity::Firing:
                for (int row = 1; row <= (p.B.Defined ? p.B.UsedTerms() : 1); ++row)
                    for (int col = 1; col <= p.A.UsedTerms(); ++col) {
                        const int k = p.Rules.Get(row, col);
                        if (k < 1 || k > p.Out.UsedTerms()) continue;
                        f.Key = "feuerstaerke." + std::to_string(row) + "." + std::to_string(col);
                        f.Row = row;
                        f.Column = col;
                        out.push_back(f);
                    }
                break;
            case Quantity::Heights:
                for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
                    f.Key = "hoehe." + std::to_string(k);
                    f.Term = k;
                    out.push_back(f);
                }
                break;
            case Quantity::Output:
                f.Key = "ausgang";
                out.push_back(f);
                break;
            }
        }
    return out;
}

void CheckAnswersFit(const Exercise& e, const fuzzy::Project& p, const Answers& a) {
    using fuzzy::Fmt;
    using fuzzy::Tr;
    const auto line = [](const auto& lines, const auto& key) {
        const auto i = lines.find(key);
        return i == lines.end() ? 0 : i->second;
    };
    if (!e.NeedsAnswers() && !a.Points.empty())
        throw FormatError(
            Tr("Aufgabe", "Diese Aufgabe fragt nach keiner Rechnung von Hand: Antworten passen nicht zu ihr."),
            line(a.PointLines, a.Points.begin()->first));
    const std::vector<AnswerField> fields = AnswerFields(e, p);
    for (const auto& entry : a.Points) {
        // Named, not bound: a lambda may not capture a structured binding in C++17.
        const std::string& point = entry.first;
        const auto& answers = entry.second;
        if (std::none_of(e.Hand.begin(), e.Hand.end(), [&](const HandCheck& h) { return h.Point == point; }))
            throw FormatError(Fmt(Tr("Aufgabe", "Den Punkt [%1] gibt es in dieser Aufgabe nicht."), {point}),
                              line(a.PointLines, point));
        // Every slot that holds a value must be one of the point's boxes.
        static const char* const prefixes[] = {"zugehoerigkeit.a.", "zugehoerigkeit.b.", "hoehe."};
        std::vector<std::string> keys;
        for (const char* prefix : prefixes)
            for (int i = 1; i <= 5; ++i) keys.push_back(prefix + std::to_string(i));
        for (int row = 1; row <= 5; ++row)
            for (int col = 1; col <= 5; ++col)
                keys.push_back("feuerstaerke." + std::to_string(row) + "." + std::to_string(col));
        keys.push_back("ausgang");
        for (const std::string& key : keys) {
            const std::optional<float>* slot = AnswerSlot(answers, key);
            if (!slot || !slot->has_value()) continue;
            const bool known = std::any_of(fields.begin(), fields.end(),
                                           [&](const AnswerField& f) { return f.Point == point && f.Key == key; });
            if (!known)
                throw FormatError(Fmt(Tr("Aufgabe",
                                         "%1 gibt es bei [%2] nicht: Die Aufgabe fragt nicht danach, oder das "
                                         "Projekt hat diesen Term oder diese Regel nicht."),
                                      {key, point}),
                                  line(a.KeyLines, std::make_pair(point, key)));
        }
    }
}

namespace {

// A term's number from 1 to 5 as the only character of `digit`; else 0.
std::size_t TermDigit(std::string_view digit) {
    return digit.size() == 1 && digit[0] >= '1' && digit[0] <= '5' ? static_cast<std::size_t>(digit[0] - '0') : 0;
}

}  // namespace

const std::optional<float>* AnswerSlot(const PointAnswers& p, std::string_view key) {
    const auto after = [&key](std::string_view prefix) {
        return key.substr(0, prefix.size()) == prefix ? key.substr(prefix.size()) : std::string_view();
    };
    if (key == "ausgang") return &p.Output;
    if (const std::size_t i = TermDigit(after("zugehoerigkeit.a."))) return &p.MembershipA[i - 1];
    if (const std::size_t i = TermDigit(after("zugehoerigkeit.b."))) return &p.MembershipB[i - 1];
    if (const std::size_t i = TermDigit(after("hoehe."))) return &p.Heights[i - 1];
    const std::string_view cell = after("feuerstaerke.");
    if (cell.size() == 3 && cell[1] == '.') {
        const std::size_t row = TermDigit(cell.substr(0, 1)), col = TermDigit(cell.substr(2, 1));
        if (row != 0 && col != 0) return &p.Firing[(row - 1) * 5 + col - 1];
    }
    return nullptr;
}

std::optional<float>* AnswerSlot(PointAnswers& p, std::string_view key) {
    return const_cast<std::optional<float>*>(AnswerSlot(static_cast<const PointAnswers&>(p), key));
}

std::optional<float> AnswerNumber(std::string_view text) {
    // The true minus as a person copies it from a page; the rest as the file reads it.
    std::string t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xE2\x88\x92") == 0) {
            t += '-';
            i += 2;
        } else {
            t += text[i];
        }
    }
    const std::size_t first = t.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    t = t.substr(first, t.find_last_not_of(" \t") - first + 1);
    const std::optional<double> v = DecimalValue(t, -MaxMagnitude, MaxMagnitude, true);
    if (!v) return std::nullopt;
    return static_cast<float>(*v);
}

}  // namespace exercise
