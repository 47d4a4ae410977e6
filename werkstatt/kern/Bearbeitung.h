#pragma once

#include "fuzzy/Project.h"
#include "fuzzy/Templates.h"

#include <string>
#include <vector>

namespace werkstatt {

// The vehicle a project's controller is meant for. The .fuz file does not
// say (its format is fixed by the vehicle programs), and a variable's name
// is the user's to choose, so the vehicle is known only from the template a
// project started from or from the user's choice.
enum class Fahrzeug { Unbestimmt, Truck, Lok };

// "truck" / "lok", as the command line and the settings write them; an
// unknown word is Unbestimmt.
Fahrzeug FahrzeugAusWort(const std::string& wort);
const char* FahrzeugWort(Fahrzeug f);

// The three variables of a project, in the order of the file.
enum class Rolle { A, B, Aus };

fuzzy::TFuzzy& Variable(fuzzy::Project& p, Rolle r);
const fuzzy::TFuzzy& Variable(const fuzzy::Project& p, Rolle r);

// Field by field, floats bit for bit; term slots beyond TermCount do not
// count, nor do Value and the colours. An undefined variable compares only
// its Defined flag (what the file keeps of it).
bool GleicheVariable(const fuzzy::TFuzzy& x, const fuzzy::TFuzzy& y);
bool GleichesProjekt(const fuzzy::Project& x, const fuzzy::Project& y);

// --- edits that keep the rule table in step with the terms --------------------

// Appends a term (at most five): a triangle in the middle of the range, a
// quarter of the range wide, named "Term n". False when five are there.
bool TermHinzufuegen(fuzzy::Project& p, Rolle r);
// Removes term i; rules that named it (an output term) become "no rule",
// and the rule columns (input A) or rows (input B) after it move up.
bool TermEntfernen(fuzzy::Project& p, Rolle r, int i);
// Swaps terms i and j together with their rule columns, rows or entries, so
// that every rule still means what it meant.
bool TermeTauschen(fuzzy::Project& p, Rolle r, int i, int j);

// The value a handle may take: a..d stay between their neighbours
// (a <= b <= c <= d), h stays within 0..1. `param` is fuzzy::ParamA..ParamH.
float GriffBegrenzen(const fuzzy::TFuzzy& v, int term, int param, float wunsch);

// The step by which the keyboard moves a handle and the grid a dragged
// handle snaps to: about a hundredth of the range for a..d, rounded to a
// readable 1, 2, 2.5 or 5 times a power of ten (at least a tiny positive
// step), 0.05 for h. The same grid the tuner puts corners on
// (fuzzy/StepGrid.h, which these three forward to).
float GriffSchritt(const fuzzy::TFuzzy& v, int param);
// Where one key press moves a handle (`richtung` +1 or -1, `zehnfach` with
// Shift): a step of GriffSchritt further, landing on its grid when the handle
// was off it (typed, or from a file), so that the sum of steps shows as 0.85
// rather than 0.84999996; rounding to the grid never undoes the step nor
// moves against it. The wish still goes through GriffBegrenzen.
float GriffTaste(const fuzzy::TFuzzy& v, int term, int param, int richtung, bool zehnfach);
// Where a dragged handle lands: on the grid of GriffSchritt, or where the
// pointer is when it moves freely (Ctrl).
float GriffGezogen(const fuzzy::TFuzzy& v, int param, float wunsch, bool frei);
// A new range with the terms taken along: every corner keeps its place
// relative to the range (moved and stretched as the range), heights stay.
// False and nothing changes when the old or the new range has no width.
bool BereichMitTermen(fuzzy::TFuzzy& v, float min, float max);

// The readable step nearest to `roh` (1, 2, 2.5 or 5 times a power of ten).
double RundeSchritt(double roh);
// `v` on the grid of `schritt`: the nearest multiple, computed so that a
// step of 0.01 from 0.84 gives the float nearest to 0.85.
float AufRaster(float v, double schritt);

// --- templates ------------------------------------------------------------------

// Defines an input v with the given name, range and terms spread evenly:
// triangles that meet their neighbours at the peaks, the outer ones as
// shoulders reaching a range width beyond it (fuzzy::SpreadTerms).
void TermeVerteilen(fuzzy::TFuzzy& v, const std::string& name, float min, float max,
                    const std::vector<std::string>& termNamen);

// Gives input B a definition to work with when it is switched on: its old
// one if it had a name, otherwise three terms over -1 .. 1.
void EingangBEinschalten(fuzzy::Project& p);

}  // namespace werkstatt

namespace werkstatt {

// Nothing when `name` can stand as a name line of a project file, otherwise
// the reason: names must not be empty, must fit on one line and must consist
// of characters the file's code page (Windows-1252) holds.
std::optional<std::string> NamensFehler(const std::string& name);

}  // namespace werkstatt
