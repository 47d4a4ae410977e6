#pragma once

#include "fuzzy/Colour.h"
#include "fuzzy/Plot.h"
#include "fuzzy/Language.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzy {

constexpr int MaxTerms = 5;
constexpr int NumColours = 10;

// Parameter indices of a term's trapezoid.
enum TermParam : int { ParamA = 1, ParamB = 2, ParamC = 3, ParamD = 4, ParamH = 5 };

struct RuleTable;

// One linguistic variable: up to five trapezoid terms over a range.
//
// Term, parameter and colour indices count from 1. Storage exists for exactly
// five terms; an index outside 1..5 never reaches outside it: reading gives an
// empty string or 0, writing is ignored. A TermCount outside 0..5 written by a
// caller is clamped wherever terms are iterated.
class TFuzzy {
public:
    std::int32_t TermCount = 0;
    std::string Name;
    float Value = 0.0f;
    float RangeMin = 0.0f;
    float RangeMax = 0.0f;
    bool Defined = false;

    void InitColours();
    void Clear();
    void Assign(const TFuzzy& Source);

    // Shows the warning "Termindex zu hoch" and returns true when i > TermCount.
    bool CheckTermIndex(int i) const;

    std::string GetTermName(int i) const;
    std::string GetTermAbbrev(int i) const;
    void SetTermName(int i, const std::string& S);
    float GetParam(int i, int j) const;
    void SetParam(int i, int j, float v);
    TColor GetColour(int i) const;
    void SetColour(int i, TColor c);

    static std::string MakeAbbrev(const std::string& S);

    float Membership(int i) const;
    // The memberships of all used terms at Value into m[0 .. n-1], the same
    // numbers Membership(1 .. n) gives; returns n (UsedTerms).
    int Memberships(std::array<float, MaxTerms>& m) const;
    float TermArea(int i) const;
    float TermCentroid(int i) const;
    float Defuzzify() const;

    // Draws every term as a coloured trapezoid with its abbreviation.
    void DrawTerms(IPlot& K) const;

    // The number of term slots actually in use: TermCount limited to 0..5.
    int UsedTerms() const;

private:
    // Inference reads and writes the output's heights directly.
    friend void Infer(const RuleTable& Rules, const TFuzzy& A, const TFuzzy& B, TFuzzy& Out);

    static bool ValidTerm(int i) { return i >= 1 && i <= MaxTerms; }

    std::array<std::string, MaxTerms> TermNames{};
    std::array<std::string, MaxTerms> TermAbbrevs{};
    std::array<std::array<float, 5>, MaxTerms> Params{};
    // Each term's centroid, kept up to date by every write of a corner: the
    // centroid does not depend on the height, which inference rewrites on
    // every step, so Defuzzify need not divide once per term.
    std::array<float, MaxTerms> Centroids{};
    std::array<TColor, NumColours> Colours{};
};

// 5 x 5 rule entries, row r = term of input B, column c = term of input A,
// stored row by row. An entry is an output term number, <= 0 means no rule.
struct RuleTable {
    std::array<std::int32_t, 25> Entries{};

    // Indices outside 1..5 read as 0 and are ignored on write.
    std::int32_t Get(int r, int c) const;
    void Set(int r, int c, std::int32_t v);

    friend bool operator==(const RuleTable& a, const RuleTable& b) { return a.Entries == b.Entries; }
    friend bool operator!=(const RuleTable& a, const RuleTable& b) { return !(a == b); }
};

float MinSingle(float x, float y);
float MaxSingle(float x, float y);

// Min/max inference: writes each output term's activation into its height.
// Out must be a variable of its own, not A or B.
void Infer(const RuleTable& Rules, const TFuzzy& A, const TFuzzy& B, TFuzzy& Out);

// The most a project file may hold and the longest line in it. A project is
// a few hundred bytes; anything near these is no project, and is refused
// before it fills the memory.
constexpr std::size_t MaxProjectBytes = std::size_t{1} << 20;
constexpr std::size_t MaxProjectLineBytes = std::size_t{1} << 16;

// Reads a project file. Shows its own messages; after a format error (a line
// longer than MaxProjectLineBytes is one) the three variables are undefined
// and the rules all 0. Throws EInOutError(103) when the file cannot be
// opened, after the warning and without changing anything: an
// EUnreadableFile that says why when it is a folder, a device or a pipe, or
// larger than MaxProjectBytes.
void LoadProject(const std::string& FileName, TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules);

// Message texts the engine shows, in German; shown through
// Tr("KernDatei", text) in the active language.
namespace texts {
constexpr const char* TermIndexTooHigh = FUZZY_TR_NOOP("KernDatei", "Termindex zu hoch");
constexpr const char* CannotRead = FUZZY_TR_NOOP("KernDatei", "Daten konnten nicht gelesen werden!");
constexpr const char* NotRegular = FUZZY_TR_NOOP(
    "KernDatei",
    "Die Datei %1 ist keine gew\xC3\xB6hnliche Datei (ein Ger\xC3\xA4t oder eine Pipe) und wird nicht gelesen.");
constexpr const char* IsFolder = FUZZY_TR_NOOP("KernDatei", "Die Datei %1 ist ein Ordner.");
// Why a file could not be opened, where a program says more than the I/O error.
constexpr const char* Missing = FUZZY_TR_NOOP("KernDatei", "Die Datei %1 gibt es nicht.");
constexpr const char* NoPermission =
    FUZZY_TR_NOOP("KernDatei", "Die Datei %1 darf nicht gelesen werden (keine Berechtigung).");
constexpr const char* CannotOpen = FUZZY_TR_NOOP("KernDatei",
                                                 "Die Datei %1 l\xC3\xA4sst sich nicht \xC3\xB6"
                                                 "ffnen.");
constexpr const char* TooLarge =
    FUZZY_TR_NOOP("KernDatei",
                  "Die Datei %1 ist gr\xC3\xB6\xC3\x9F"
                  "er als %2 MB; so gro\xC3\x9F ist kein Fuzzy-Projekt, sie wird nicht gelesen.");
constexpr const char* FormatError = FUZZY_TR_NOOP("KernDatei",
                                                  "Beim \xC3\x96"
                                                  "ffnen der Datei ist ein Fehler aufgetreten. "
                                                  "Pr\xC3\xBC"
                                                  "fen Sie nach, ob es sich um eine Fuzzy-Datei handelt!");
}  // namespace texts

}  // namespace fuzzy
