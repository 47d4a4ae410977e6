#pragma once

// The locomotive on its track: one dimension, mass, friction proportional to
// the velocity and a driving force. Plain logic, no toolkit, so that the
// window and the command-line tool run the very same model.

#include "fuzzy/Controller.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pemrak {

// The state of one run. Metres and seconds inside; the window and the fuzzy
// inputs use cm and cm/s.
struct SimZustand {
    float s = 0.0f;        // m, distance from the mark (positive on the start side)
    float v = 0.0f;        // m/s, approaching the mark means v < 0
    float a = 0.0f;        // m/s^2 of the last step
    float t = 0.0f;        // s of simulated time
    float dt = 0.0f;       // s, the step the next integration uses
    float Kraft = 0.0f;    // N, positive drives towards the mark
    float Masse = 0.0f;    // kg
    float Reibung = 0.0f;  // N*s/m
    float s0 = 0.0f;       // m, start distance, the scale of the drawing
    float s_alt = 0.0f;    // m, s at the start of the current step
};

// One recorded point of the s-v plot: s in cm, v in cm/s.
struct Punkt {
    float s = 0.0f;
    float v = 0.0f;
};

constexpr int MaxPunkte = 1000;
constexpr float FirstStepSeconds = 0.1f;  // s, before any step has been measured
// The two limits are compared with the single-precision position in double,
// as the decimal values they are: 0.01f lies a little below 0.01, so a
// position of exactly 0.01f is still inside the band.
constexpr double TargetBand = 0.01;   // m, the indicator turns green inside it
constexpr double RunOutLimit = -0.3;  // m, a run ends by itself at or past it

// The recorded run: points 1..1000 and the 16-bit step counter, which goes
// on counting beyond the recorded points and wraps from 65535 to 0.
class Aufzeichnung {
public:
    std::uint16_t Anzahl = 0;

    // 1-based like the plot reads them; an index outside 1..1000 reads (0, 0).
    Punkt Get(int i) const;
    // The number of points that hold the run: Anzahl, at most 1000.
    int Gueltig() const { return Anzahl < MaxPunkte ? Anzahl : MaxPunkte; }

    void Leeren();
    // Counts a step (with the counter's wrap) ...
    void Zaehlen() { Anzahl = static_cast<std::uint16_t>(Anzahl + 1u); }
    // ... and stores the state after it while the counter is 1..1000.
    void Speichern(const SimZustand& z);

private:
    std::array<Punkt, MaxPunkte> Punkte_{};
};

// The start values of a run as the window's fields give them.
struct StartValues {
    float Masse = 2.0f;        // kg
    float Reibung = 3.0f;      // N*s/m
    float AbstandCm = 100.0f;  // cm
};

// Rejects start values the model cannot run with: a mass of 0 or less (the
// step divides by it) and a start distance of 0 (the drawing scale divides
// by it). Returns the German message for the user, or nothing when fine.
std::optional<std::string> StartValuesError(const StartValues& w);

// Resets state and recording for a new run (the indicator is the window's).
void SimInit(SimZustand& z, Aufzeichnung& r, const StartValues& w);

// The start distance in metres, as the model keeps it.
float StartMetres(float abstandCm);

// A step's duration is measured, so it can be long (a dialog held the loop):
// it is integrated in equal parts of at most MaxTeilschritt and at most
// Masse / Reibung, the longest part that lets the velocity settle without
// swinging past its terminal value. Ordinary steps (0.055 s, 0.1 s) are one
// part. Once the velocity has settled the remaining parts are taken at once,
// and after MaxTeilschritte parts at the latest, so that a step always ends.
constexpr double MaxSubStep = 0.1;  // s
constexpr double MaxSubSteps = 1.0e6;
double SubSteps(double dt, double masse, double reibung);

// Integrates one step over z.dt with z.Kraft, held for the whole step, in
// Teilschritte equal parts: semi-implicit Euler, velocity first, then the
// position with the new velocity. t advances by dt; s_alt is the caller's.
void Step(SimZustand& z);

// One fuzzy control step: distance and velocity in cm and cm/s into the two
// inputs, inference, the defuzzified force in N (or the compiled step's).
float Kraft(const fuzzy::Controller& regler, const SimZustand& z);

// The indicator shows green when the locomotive stands within 1 cm of the mark.
bool InTargetBand(const SimZustand& z);
// The run goes on while the locomotive has not run 30 cm past the mark.
bool OnTrack(const SimZustand& z);

// Seconds between two readings of a 32-bit millisecond counter, taken modulo
// the counter's range so that a wrap in between still gives the true time.
float TickSeconds(std::uint32_t start, std::uint32_t jetzt);

// The scene column at which the locomotive's 100 x 32 picture starts for
// position x (m): x / s0 of 90 % of the scene's width, to the nearest integer
// (halves to even). Positions far outside the scene are kept at a safe
// distance from it, so no value overflows the pixel arithmetic.
int SceneColumn(float x, float s0, int szenenBreite);

}  // namespace pemrak
