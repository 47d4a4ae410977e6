#pragma once
// Pieces shared by the writers and readers of the exchange formats.

#include "exchange/Exchange.h"
#include "fuzzy/Language.h"

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace exchange::detail {

// Every text a person reads goes through the catalogue: the German source,
// or the English of i18n/exchange_en.ts. The formats' keywords, names and
// numbers never do.
using fuzzy::Fmt;
using fuzzy::Tr;

// A valid identifier for the other tools made from a project name: ASCII
// letters, digits and '_', starting with a letter; umlauts and ß spelt out,
// other characters as '_'. A keyword of the formats gets a trailing '_'.
std::string MakeIdentifier(std::string_view utf8, std::string_view fallback);
// The same, unique among `used` (a suffix _2, _3, ...); the result is added to it.
std::string UniqueIdentifier(std::string_view utf8, std::string_view fallback, std::set<std::string>& used);
bool IsKeyword(std::string_view word);

// A difference or bound for a person to read: two significant digits, with
// a point in every language and locale, so that a file is the same whichever
// program writes it.
std::string Figure(double v);

// The shortest text that reads back as the same single (double) number.
std::string Num(float v);
std::string Num(double v);

// Where the other tool's centroid samples the output: the exported range, the
// number of sampling cells and an upper bound of the sampling error of the
// centroid (in the output's unit) for any activations. When every corner of
// the output terms lies on the sampling grid and the terms vanish at both ends,
// the sampled centroid is exact and the bound only reflects rounding.
struct OutputGrid {
    double lo = 0.0, hi = 0.0;
    std::string loText, hiText;
    int resolution = 100;
    bool aligned = false;
    bool widened = false;  // the range differs from the project's
    double bound = 0.0;
    // The most cells an aligned grid may have (the other tool's fixed number,
    // or the cap the exporter chooses below).
    int maxCells = 0;
};

// fixedResolution: the number of cells the other tool uses (100 for FIS and
// FCL in fuzzylite); 0 lets the exporter choose it (FLL).
OutputGrid ChooseGrid(const fuzzy::TFuzzy& out, int fixedResolution);

// One evaluation point of the inputs.
using InputPoint = std::pair<float, float>;
// The points on which the exporter measures a deviation it cannot avoid:
// 41 values evenly over each input's range (41 x 41 with input B).
std::vector<InputPoint> MeasureGrid(const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B);

// The crisp output of this engine at one point (Infer + Defuzzify on a copy).
float EngineOutput(const fuzzy::Project& project, InputPoint p);

// How a tool combines the scaled output terms when each rule cell is a rule
// of its own: summed per cell, or the maximum over all terms.
enum class CellAggregation { Sum, Max };
// The centroid of that combination: exactly integrated, or (with a grid)
// sampled at the midpoints of the grid's cells as fuzzylite does.
double CellRuleOutput(const fuzzy::Project& project, InputPoint p, CellAggregation agg,
                      const OutputGrid* grid = nullptr);
// The output when the scaled terms are summed point by point and cut at 1
// (a normalised sum read point by point), exact or sampled.
double CappedSumOutput(const fuzzy::Project& project, InputPoint p, const OutputGrid* grid = nullptr);

// The largest difference to EngineOutput over MeasureGrid when another tool
// cuts the terms at their activations (minimum implication) instead of
// scaling them, and/or takes their maximum instead of their sum; points
// where no rule fires are left out. Integrated on 4000 cells.
double InferenceDeviation(const fuzzy::Project& project, bool minImplication, bool maxAggregation);

// Throws ExportError for a project no export can carry: no input A or no
// output with terms, or a number that is not finite.
void CheckExportable(const fuzzy::Project& project);

// The largest difference to EngineOutput over MeasureGrid, exact and as
// sampled on the grid.
struct Deviation {
    double exact = 0.0;
    double sampled = 0.0;
};
Deviation CellRuleDeviation(const fuzzy::Project& project, CellAggregation agg, const OutputGrid& grid);
Deviation CappedSumDeviation(const fuzzy::Project& project, const OutputGrid& grid);

// The aggregation the FIS export uses.
constexpr CellAggregation kFisAggregation = CellAggregation::Max;

// Names and ranges the exporter cannot carry in the format itself go into
// comment lines of the form
//   <comment> fuzzysim: <ident> = "<name>", Bereich <lo> <hi>
//   <comment> fuzzysim: <var>.<term> = "<name>", Höhe <h>
// which the importer reads back when the identifiers still match.
struct Provenance {
    std::string key;   // "Abstand" or "Abstand.negativ_gross"
    std::string name;  // the original name
    bool hasRange = false;
    float lo = 0.0f, hi = 0.0f;
    bool hasHeight = false;
    float height = 1.0f;
};
std::string ProvenanceLine(std::string_view comment, const Provenance& p);
// Recognises such a line after its comment marker; false for anything else.
bool ParseProvenance(std::string_view rest, Provenance& p);

// What the readers of the three formats hand to the common builder.
struct RawTerm {
    std::string name;
    // "Trapezoid", "Triangle", "Rectangle", "LeftShoulder" / "RightShoulder"
    // (a point list open to one side: plateau end or start, foot, height) or
    // the foreign kind's name.
    std::string kind;
    std::vector<double> params;
    int line = 0;
};
struct RawVariable {
    std::string name;
    bool output = false;
    bool hasRange = false;
    double lo = 0.0, hi = 0.0;
    std::string loText, hiText;
    std::vector<RawTerm> terms;
    int line = 0;
    // The output a tool gives when no rule fires, if the file names a number.
    std::optional<double> defaultValue;
};
struct RawCondition {
    std::string variable, term;
    int variableIndex = 0;  // 1-based input number when the format gives numbers (FIS)
    int termIndex = 0;      // 1-based term number when the format gives numbers (FIS)
};
struct RawRule {
    // Cells ORed together; each cell ANDs one condition per input.
    std::vector<std::vector<RawCondition>> cells;
    RawCondition consequent;
    int line = 0;
};
struct RawEngine {
    std::vector<RawVariable> inputs, outputs;
    std::vector<RawRule> rules;
    std::vector<Provenance> provenance;
    std::vector<std::string> notes;
    // The notes on a minimum implication and a maximum aggregation, which the
    // builder completes with the difference they make (npos: none).
    std::size_t minImplicationNote = std::string::npos;
    std::size_t maxAggregationNote = std::string::npos;
    // Where a reader stopped (line, message): the first thing it could not
    // read. The builder still checks what came before it, so that a refusal
    // names the first thing in the file that does not fit.
    std::optional<std::pair<int, std::string>> stopped;
    // Whether the rules may OR whole cells (the disjunction is the maximum).
    bool orIsMax = true;
    int orLine = 0;
};

RawEngine ReadFll(std::string_view text);
RawEngine ReadFis(std::string_view text);
RawEngine ReadFcl(std::string_view text);

// Checks the engine against what this engine can hold and builds the project.
// Throws ImportError.
void BuildProject(Format f, const RawEngine& raw, Imported& result);

// Shared by the readers of FLL and FCL: the antecedent and consequent of a
// rule in the "A is x and B is y" syntax, as tokens.
struct Token {
    std::string text;
    int line = 0;
};
RawRule ParseRuleText(const std::vector<Token>& tokens, int line);

// Whether the bytes are UTF-8 without overlong forms, surrogates or values
// beyond Unicode: exactly the texts fuzzy::text decodes and encodes unchanged.
bool ValidUtf8(std::string_view s);

// A number of the formats (decimal, optional exponent); nullopt otherwise.
std::optional<double> ParseDouble(std::string_view s);
// The same for a value this program stores: within single range it is the
// single nearest to the text (not the double's nearest single, which may
// differ by rounding twice), so a written number comes back bit for bit.
std::optional<double> ParseStored(std::string_view s);
// Character classes of the formats: ASCII only, never the C library's
// locale (in which a byte of a Latin-1 locale can be a letter).
constexpr bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool IsAlnum(char c) { return IsAlpha(c) || IsDigit(c); }
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string Lower(std::string_view s);
std::string Trim(std::string_view s);
// The word in the quotation marks of the language: "„word“" in German.
std::string Quoted(std::string_view s);

}  // namespace exchange::detail
