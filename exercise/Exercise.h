#pragma once
// An exercise as a .fuzaufgabe file holds it (docs/aufgaben.md): title and
// task in German and English, the project the student starts from, what the
// student may change, the checks and the hints. The reader (Reader.h) makes
// one; the check (Check.h) judges a student's project and answers by it.

#include "fuzzy/Language.h"
#include "fuzzy/Project.h"
#include "loco/model/LocoLauf.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace exercise {

// A text in both languages; English may be missing, then German stands in.
struct Text {
    std::string De;
    std::string En;
    const std::string& In(fuzzy::Language l) const { return l == fuzzy::Language::English && !En.empty() ? En : De; }
    // In the active language.
    const std::string& Active() const { return In(fuzzy::ActiveLanguage()); }
    bool Empty() const { return De.empty() && En.empty(); }
};

// The parts of a project an exercise may leave to the student. Whatever is
// not allowed is locked: the Werkstatt does not let it be edited, and the
// check refuses a project in which it changed. Which variables exist is never
// the student's to change; the names of variables and terms always are (no
// check reads a name).
struct Permissions {
    bool Rules = false;   // the 25 entries of the rule table
    bool Terms = false;   // how many terms each variable has, their corners and heights
    bool Ranges = false;  // each variable's range (RangeMin, RangeMax)
    bool Nothing() const { return !Rules && !Terms && !Ranges; }
};

// Who marks the exercise: the check alone, the teacher alone (a drawing or a
// written explanation; the check covers only what a program can judge), or both.
enum class Marking { Automatic, Teacher, Both };

// The vehicle an exercise is about: its lab's figures go on the solution
// sheet. Unknown for a project of neither (the heating).
enum class Plant { Unknown, Truck, Loco };

// Which copy of an exercise a file is (fassung): the teacher's, as written,
// or the students' copy a package holds (fassung = schueler): no teacher's
// text, and no program shows its teacher's sheet.
enum class Edition { Teacher, Students };

// What each criterion of a check section is worth (punkte.NAME), by the
// criterion's id ("truck.docked"); a criterion the file gives no points is
// worth 1. A criterion the starting project already meets earns nothing,
// unless its id is in EvenAtStart (startpunkte).
struct Scoring {
    std::map<std::string, double> Points;
    std::vector<std::string> EvenAtStart;
    double Of(const std::string& id) const {
        const auto i = Points.find(id);
        return i == Points.end() ? 1.0 : i->second;
    }
    bool CountsAtStart(const std::string& id) const {
        for (const std::string& s : EvenAtStart)
            if (s == id) return true;
        return false;
    }
};

// [truck]: the truck grid (dorvane::GridStarts, 164 starts) at each speed.
struct TruckCheck {
    int Line = 0;                    // where the section starts in the file
    std::vector<float> Speeds;       // m/s, negative: backwards
    std::optional<int> MinDocked;    // docked starts at each speed, at least
    std::optional<int> MaxLeftRoad;  // starts that leave the road at each speed, at most
    // s: a start counts as docked only when it docks within this time (without
    // the key: within the lab's usual time, lab::UsualSteps)
    std::optional<float> MaxDockSeconds;
    std::optional<int> MaxRules;  // filled rule cells, at most
    Text Hint;                    // shown when this check fails
    Scoring Score;
};

// [lok]: every mass with every step size, from the given distance.
struct LocoCheck {
    int Line = 0;
    std::vector<float> Masses;  // kg
    std::vector<float> Steps;   // s
    float Friction = 3.0f;      // N*s/m
    float DistanceCm = 100.0f;
    float MaxTime = 60.0f;                // s, a run ends at the latest here
    std::optional<float> RestWithin;      // s: at rest (|s| < 1 cm, |v| < 0.5 cm/s to the end) by then
    std::optional<float> MaxOvershootCm;  // cm past the mark, at most
    bool ForceInRange = false;            // the force always within the output's range
    std::optional<int> MaxSignChanges;    // of the force in one run, at most
    std::optional<int> MaxRules;          // filled rule cells, at most
    Text Hint;
    Scoring Score;

    // The runs in order: masses outside, steps inside.
    std::vector<pemrak::RunOptions> Runs() const;
};

// What a hand inference step asks for.
enum class Quantity { Membership, Firing, Heights, Output };

// [handrechnung]: one inference step worked out by hand at (A, B).
struct HandCheck {
    int Line = 0;
    std::string Point;  // its name, the section of the answers ("P1")
    float A = 0.0f;
    std::optional<float> B;         // given when the project has input B
    std::vector<Quantity> Asked;    // in the order of the file
    float Tolerance = 0.01f;        // each degree, strength and height within this of the engine's
    float OutputTolerance = 0.01f;  // the crisp output within this (toleranz_ausgang, else Tolerance)
    Text Hint;
    Scoring Score;
    // variante = name: the point's inputs are drawn from these values by the
    // student's name (Variants.h), the same name always the same; until a
    // name is given, A and B hold the first of them. Empty: A and B as given.
    std::vector<float> AChoices;
    std::vector<float> BChoices;
    // The inputs came from a student's name (ForStudent).
    bool FromName = false;
    bool Asks(Quantity q) const;
    bool ByName() const { return !AChoices.empty() || !BChoices.empty(); }
};

// [abdeckung]: no point of the inputs' ranges without a firing rule.
struct CoverageCheck {
    int Line = 0;
    Text Hint;
    Scoring Score;
};

struct Exercise {
    int Format = 1;
    Text Title;
    Text Task;         // the task for the student, several lines
    Text Hint;         // shown after any failed check
    Text TeacherNote;  // for the teacher's sheet: what a good answer says, how to mark
    Edition Copy = Edition::Teacher;
    Permissions MayChange;
    Marking MarkedBy = Marking::Automatic;
    // fahrzeug = truck|lok; without it, see OnPlant().
    Plant Vehicle = Plant::Unknown;
    // zeichnen = ja: the students' sheet has a blank diagram to draw in,
    // input A to the right, input B upwards (the locomotive's s-v plane).
    bool Drawing = false;
    // The starting project: a template by name ("leer", "truck", "lok") or
    // embedded. An embedded one may come with English names as well (the same
    // numbers); a template has its names in the active language anyway.
    std::string Template;
    fuzzy::Project Start;
    std::optional<fuzzy::Project> StartEn;

    std::vector<CoverageCheck> Coverage;
    std::vector<HandCheck> Hand;
    std::vector<TruckCheck> Truck;
    std::vector<LocoCheck> Loco;

    // The starting project with the names of the active language (a
    // template's names follow it; an embedded project has English names
    // only where [projekt.en] gives them).
    fuzzy::Project StartProject() const;
    // Whether a student's project is needed (some check reads it, or the
    // student may change it); otherwise the answers are all there is.
    bool NeedsProject() const { return !Coverage.empty() || !Truck.empty() || !Loco.empty() || !MayChange.Nothing(); }
    bool NeedsAnswers() const { return !Hand.empty(); }
    // The vehicle: as the file says, else by the template or the checks.
    Plant OnPlant() const;
    // The students' copy: no teacher's text, no teacher's sheet anywhere.
    bool ForStudents() const { return Copy == Edition::Students; }
    // Some hand step draws its point from the student's name.
    bool NeedsName() const {
        for (const HandCheck& h : Hand)
            if (h.ByName() && !h.FromName) return true;
        return false;
    }
};

// A student's answers to the hand inference steps: per point, each quantity
// by term or rule cell. What is not given counts as 0.
struct PointAnswers {
    std::array<std::optional<float>, fuzzy::MaxTerms> MembershipA{};  // term i at [i - 1]
    std::array<std::optional<float>, fuzzy::MaxTerms> MembershipB{};
    // Rule in row r (term of B), column c (term of A) at [(r - 1) * 5 + c - 1].
    std::array<std::optional<float>, 25> Firing{};
    std::array<std::optional<float>, fuzzy::MaxTerms> Heights{};  // output term k at [k - 1]
    std::optional<float> Output;
};

struct Answers {
    std::map<std::string, PointAnswers> Points;  // by the point's name
    // Where a file had them (nothing for answers typed in): a point's
    // section line, and each key's line by point and key.
    std::map<std::string, int> PointLines{};
    std::map<std::pair<std::string, std::string>, int> KeyLines{};
};

}  // namespace exercise
