// Feeds arbitrary bytes to the exercise and answers readers and checks what
// must hold for whatever they accept: the bounds the reader promises, answers
// that read back as written, and a check of the hand steps and the coverage
// on the starting project that never fails by itself. The same bytes typed
// into a box of the Werkstatt: a number exactly when the file's reader takes
// them as one, the same number, finite and within the file's bounds.
#include "exercise/AnswerFields.h"
#include "exercise/Check.h"
#include "exercise/Reader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

bool SameAnswers(const exercise::PointAnswers& x, const exercise::PointAnswers& y) {
    return x.MembershipA == y.MembershipA && x.MembershipB == y.MembershipB && x.Firing == y.Firing &&
           x.Heights == y.Heights && x.Output == y.Output;
}

void CheckExercise(const exercise::Exercise& e) {
    Require(e.Format == 1 && !e.Title.De.empty() && !e.Task.De.empty());
    Require(e.Start.A.Defined && e.Start.Out.Defined);
    Require(!e.Coverage.empty() || !e.Hand.empty() || !e.Truck.empty() || !e.Loco.empty());
    Require(e.Truck.size() <= 4 && e.Loco.size() <= 4 && e.Hand.size() <= 12 && e.Coverage.size() <= 1);
    for (const auto& t : e.Truck) {
        Require(!t.Speeds.empty() && t.Speeds.size() <= 4);
        for (float v : t.Speeds) Require(v >= -20.0f && v <= -0.1f);
    }
    for (const auto& l : e.Loco) {
        Require(!l.Masses.empty() && l.Masses.size() <= 8 && !l.Steps.empty() && l.Steps.size() <= 4);
        for (float m : l.Masses) Require(m >= 0.01f && m <= 1000.0f);
        for (float s : l.Steps) Require(s >= 0.001f && s <= 1.0f);
        Require(l.DistanceCm != 0.0f && std::isfinite(l.Friction));
    }
    for (const auto& h : e.Hand) {
        Require(!h.Asked.empty() && std::isfinite(h.A) && h.Tolerance > 0.0f);
        if (!e.Start.B.Defined) Require(!h.B);
        if (e.Start.B.Defined && !h.B)
            for (const auto q : h.Asked) Require(q == exercise::Quantity::Membership);
    }
    if (e.StartEn) Require(e.StartEn->Rules == e.Start.Rules);
    // The runs of the vehicles take too long for a fuzzer; the hand steps and
    // the coverage are quick and must judge the unchanged start without fault.
    if (e.Truck.empty() && e.Loco.empty()) {
        const exercise::CheckResult r = exercise::Check(e, e.Start, exercise::Answers{}, {1, nullptr});
        Require(r.Overall != exercise::Verdict::Refused);
        for (const auto& c : r.Criteria) Require(std::isfinite(c.Measured) && c.Passed == c.Reasons.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        CheckExercise(exercise::ParseExercise(bytes));
    } catch (const exercise::FormatError& e) {
        Require(std::string_view(e.what()).size() > 0);
    }
    // A box holds one line; the file's lines have no control characters but the tab.
    if (bytes.size() <= 200 && bytes.find_first_of(std::string_view("\0\n\r", 3)) == std::string_view::npos) {
        const std::optional<float> typed = exercise::AnswerNumber(bytes);
        if (typed) Require(std::isfinite(*typed) && std::fabs(*typed) <= 1.0e6f);
        // The file takes what the box takes, the true minus and a decimal comma included.
        const std::string line(bytes);
        std::optional<float> file;
        try {
            file = exercise::ParseAnswers("[antworten]\nformat = 1\n[P1]\nausgang = " + line + "\n")
                       .Points.at("P1")
                       .Output;
        } catch (const exercise::FormatError&) {}
        // An empty line is no answer in either; where the file refuses the line itself, so does the box.
        if (file) Require(typed && *typed == *file);
        if (typed) Require(file.has_value());
    }
    try {
        const exercise::Answers a = exercise::ParseAnswers(bytes);
        const exercise::Answers back = exercise::ParseAnswers(exercise::AnswersText(a));
        Require(back.Points.size() == a.Points.size());
        for (const auto& [name, p] : a.Points) Require(SameAnswers(p, back.Points.at(name)));
    } catch (const exercise::FormatError& e) {
        Require(std::string_view(e.what()).size() > 0);
    }
    return 0;
}
