#include "fuzzy/FuzUnits.h"

#include "fuzzy/Messages.h"
#include "fuzzy/Text.h"

#include <algorithm>
#include <cmath>

namespace fuzzy {

namespace {

char32_t UpperAscii(char32_t c) { return (c >= U'a' && c <= U'z') ? c - (U'a' - U'A') : c; }

// The centroid of the trapezoid a, b, c, d (the height does not enter).
float CentroidOf(const std::array<float, 5>& p) {
    const double a = p[0], b = p[1], c = p[2], d = p[3];
    float N = static_cast<float>((b - a) * (2.0 * b + a));
    N = static_cast<float>(3.0 * (c * c - b * b) + N);
    N = static_cast<float>((d - c) * (2.0 * c + d) + N);
    const float D = static_cast<float>(3.0 * (d + c - b - a));
    if (D == 0.0f) return p[0];
    return static_cast<float>(double(N) / D);
}

// A number >= 0 that is not -0: the values min and max can pass over
// without changing any bit.
inline bool PlainNonNegative(float x) { return x > 0.0f || (x == 0.0f && !std::signbit(x)); }

inline bool MinusZero(float x) { return x == 0.0f && std::signbit(x); }

float AreaOf(const std::array<float, 5>& p) {
    return static_cast<float>(((double(p[2]) - p[1]) + p[3] - p[0]) * p[4] / 2.0);
}

}  // namespace

void TFuzzy::InitColours() {
    Colours = {colours::Blue,  colours::Red,  colours::Aqua,   colours::Green,  colours::Purple,
               colours::Olive, colours::Teal, colours::Maroon, colours::Purple, colours::Green};
}

void TFuzzy::Clear() {
    TermCount = 0;
    Defined = false;
    for (int i = 0; i < MaxTerms; ++i) {
        TermNames[i].clear();
        auto& p = Params[i];
        p[0] = p[1] = p[2] = p[3] = 0.0f;
        p[4] = 1.0f;
        Centroids[i] = CentroidOf(p);
    }
}

void TFuzzy::Assign(const TFuzzy& Source) {
    RangeMin = Source.RangeMin;
    RangeMax = Source.RangeMax;
    TermCount = Source.TermCount;
    Name = Source.Name;
    Defined = Source.Defined;
    TermAbbrevs = Source.TermAbbrevs;
    TermNames = Source.TermNames;
    Params = Source.Params;
    Centroids = Source.Centroids;
}

bool TFuzzy::CheckTermIndex(int i) const {
    if (i > TermCount) {
        Messages().Warning(Tr("KernDatei", texts::TermIndexTooHigh));
        return true;
    }
    return false;
}

std::string TFuzzy::GetTermName(int i) const { return ValidTerm(i) ? TermNames[i - 1] : std::string(); }

std::string TFuzzy::GetTermAbbrev(int i) const { return ValidTerm(i) ? TermAbbrevs[i - 1] : std::string(); }

void TFuzzy::SetTermName(int i, const std::string& S) {
    if (!ValidTerm(i)) return;
    TermNames[i - 1] = S;
    TermAbbrevs[i - 1] = MakeAbbrev(S);
}

float TFuzzy::GetParam(int i, int j) const {
    if (!ValidTerm(i) || j < 1 || j > 5) return 0.0f;
    return Params[i - 1][j - 1];
}

void TFuzzy::SetParam(int i, int j, float v) {
    if (!ValidTerm(i) || j < 1 || j > 5) return;
    Params[i - 1][j - 1] = v;
    if (j != ParamH) Centroids[i - 1] = CentroidOf(Params[i - 1]);
}

TColor TFuzzy::GetColour(int i) const { return (i >= 1 && i <= NumColours) ? Colours[i - 1] : colours::Black; }

void TFuzzy::SetColour(int i, TColor c) {
    if (i >= 1 && i <= NumColours) Colours[i - 1] = c;
}

int TFuzzy::UsedTerms() const { return std::clamp<std::int32_t>(TermCount, 0, MaxTerms); }

std::string TFuzzy::MakeAbbrev(const std::string& S) {
    const std::u32string s = text::Utf8ToCodePoints(S);
    if (s.empty()) return {};
    if (s.size() == 1) return text::CodePointsToUtf8(std::u32string(1, UpperAscii(s[0])));
    std::u32string r(1, UpperAscii(s[0]));
    const auto blank = s.find(U' ', 1);
    const bool useWord = blank != std::u32string::npos && blank + 1 < s.size();
    r += UpperAscii(useWord ? s[blank + 1] : s[1]);
    return text::CodePointsToUtf8(r);
}

namespace {

// The trapezoid's membership at x; shared by Membership and Memberships so
// that both give the same bits.
inline float Trapezoid(float x, const std::array<float, 5>& p) {
    const float a = p[0], b = p[1], c = p[2], d = p[3], h = p[4];
    if (x < a) return 0.0f;
    if (x < b) {
        if (a == b) return h;
        return static_cast<float>((double(x) - a) * h / (double(b) - a));
    }
    if (x < c) return h;
    if (x < d) {
        if (c == d) return h;
        return static_cast<float>(h - (double(x) - c) * h / (double(d) - c));
    }
    return 0.0f;
}

}  // namespace

float TFuzzy::Membership(int i) const {
    if (CheckTermIndex(i) || !ValidTerm(i)) return 0.0f;
    return Trapezoid(Value, Params[i - 1]);
}

int TFuzzy::Memberships(std::array<float, MaxTerms>& m) const {
    const int n = UsedTerms();
    for (int i = 0; i < n; ++i) m[i] = Trapezoid(Value, Params[i]);
    return n;
}

float TFuzzy::TermArea(int i) const {
    if (!ValidTerm(i)) return 0.0f;
    return AreaOf(Params[i - 1]);
}

float TFuzzy::TermCentroid(int i) const {
    if (!ValidTerm(i)) return 0.0f;
    return Centroids[i - 1];
}

float TFuzzy::Defuzzify() const {
    float M = 0.0f;
    float S = 0.0f;
    for (int i = 0; i < UsedTerms(); ++i) {
        const float area = AreaOf(Params[i]);
        // A term without area (every term that no rule fired) adds a signed
        // zero to both sums, which changes nothing unless a sum is -0.
        if (area == 0.0f && std::isfinite(Centroids[i]) && !MinusZero(M) && !MinusZero(S)) continue;
        M = static_cast<float>(double(Centroids[i]) * area + M);
        S = static_cast<float>(double(area) + S);
    }
    if (S == 0.0f) return RangeMin;
    return static_cast<float>(double(M) / S);
}

void TFuzzy::DrawTerms(IPlot& K) const {
    if (!Defined) return;
    // Each bound write reorders the pair at once, so the order of the writes
    // decides whether the old range can swallow the new one.
    if (RangeMin > K.x2()) {
        K.setX2(RangeMax);
        K.setX1(RangeMin);
    } else {
        K.setX1(RangeMin);
        K.setX2(RangeMax);
    }
    K.setY1(0.0f);
    K.setY2(1.0f);
    K.setStiftart(PenMode::Copy);
    K.Refresh();
    K.UpdateScale();
    K.DrawAxes();
    for (int i = 1; i <= UsedTerms(); ++i) {
        const auto& p = Params[i - 1];
        K.setGraphFarbe(GetColour(i));
        K.SetFontColour(GetColour(i));
        K.MoveToWorld(RangeMin, 0.0f);
        K.LineToWorld(p[0], 0.0f);
        K.LineToWorld(p[1], p[4]);
        K.LineToWorld(p[2], p[4]);
        K.LineToWorld(p[3], 0.0f);
        K.LineToWorld(RangeMax, 0.0f);
        K.Setx(p[1]);
        K.TextOut(K.xint(), 10, TermAbbrevs[i - 1]);
    }
    K.SetFontColour(K.KSFarbe());
}

std::int32_t RuleTable::Get(int r, int c) const {
    if (r < 1 || r > 5 || c < 1 || c > 5) return 0;
    return Entries[static_cast<std::size_t>((r - 1) * 5 + (c - 1))];
}

void RuleTable::Set(int r, int c, std::int32_t v) {
    if (r < 1 || r > 5 || c < 1 || c > 5) return;
    Entries[static_cast<std::size_t>((r - 1) * 5 + (c - 1))] = v;
}

float MinSingle(float x, float y) { return x <= y ? x : y; }

float MaxSingle(float x, float y) { return x >= y ? x : y; }

void Infer(const RuleTable& Rules, const TFuzzy& A, const TFuzzy& B, TFuzzy& Out) {
    // Every rule of a column needs the same membership of A's term, every rule
    // of a row the same of B's: each is computed once per step, not once per
    // rule. The activations are gathered locally and written once at the end;
    // slots beyond the output's terms keep their height unless a rule drives
    // them, exactly as if each rule wrote its own.
    std::array<float, MaxTerms> ma{}, mb{}, h{};
    const int usedOut = Out.UsedTerms();
    for (int k = 0; k < MaxTerms; ++k) h[k] = k < usedOut ? 0.0f : Out.Params[k][ParamH - 1];
    // Entries <= 0 are "no rule"; entries above 5 name no term slot and are
    // ignored the same way.
    auto drive = [&h](std::int32_t k, float w) {
        if (k > 0 && k <= MaxTerms) h[k - 1] = MaxSingle(w, h[k - 1]);
    };
    const int na = A.Memberships(ma);
    if (B.Defined) {
        const int nb = B.Memberships(mb);
        // A rule with a membership of +0 activates its term with +0, which
        // changes no height as long as all memberships and heights are
        // numbers >= +0 (no -0, nothing negative, no NaN): then only the rules
        // between firing terms, usually one to four, need to be looked at.
        // Anything unusual takes every rule in turn.
        std::array<int, MaxTerms> fa{}, fb{};
        int nfa = 0, nfb = 0;
        bool plain = true;
        for (int i = 0; i < na; ++i) {
            plain = plain && PlainNonNegative(ma[i]);
            if (ma[i] > 0.0f) fa[nfa++] = i;
        }
        for (int j = 0; j < nb; ++j) {
            plain = plain && PlainNonNegative(mb[j]);
            if (mb[j] > 0.0f) fb[nfb++] = j;
        }
        for (const float x : h) plain = plain && PlainNonNegative(x);
        if (plain) {
            for (int a = 0; a < nfa; ++a) {
                const int i = fa[a];
                for (int b = 0; b < nfb; ++b) {
                    const int j = fb[b];
                    drive(Rules.Entries[static_cast<std::size_t>(j * 5 + i)], MinSingle(ma[i], mb[j]));
                }
            }
        } else {
            for (int i = 0; i < na; ++i) {
                for (int j = 0; j < nb; ++j)
                    drive(Rules.Entries[static_cast<std::size_t>(j * 5 + i)], MinSingle(ma[i], mb[j]));
            }
        }
    } else {
        for (int i = 0; i < na; ++i) drive(Rules.Entries[static_cast<std::size_t>(i)], ma[i]);
    }
    for (int k = 0; k < MaxTerms; ++k) Out.Params[k][ParamH - 1] = h[k];
}

}  // namespace fuzzy
