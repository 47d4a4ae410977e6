#pragma once

// The locomotive runs the lab shows: lab's runs for the masses 1, 2 and 4 kg
// at the chosen friction, distance and step. No Qt: it runs on a worker thread.

#include "fuzzy/Project.h"
#include "loco/model/LocoVersuch.h"
#include "truck/model/Grid.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace labor {

struct LokEinstellung {
    float Reibung = 3.0f;       // N*s/m
    float AbstandCm = 100.0f;   // cm
    float Dt = 0.055f;          // s, every step after the first (which is 0.1 s as in the program)
    std::vector<float> Massen;  // kg, the masses to run; empty: the lab's (LabMasses)
};

// A moment of a run: which mass (index into LabMasses), when and where.
struct LokStelle {
    int Masse = 0;
    float T = 0.0f, SCm = 0.0f, VCms = 0.0f;
};

struct LokErgebnis {
    LokEinstellung Einstellung;
    std::vector<pemrak::JudgedRun> Laeufe;  // one per mass, in the order of LabMasses
    std::optional<std::string> Fehler;      // why nothing could be run
    // Where no rule fires, so that the force falls to Rueckfall (the output's
    // range start): at the start, which all masses share, or else the
    // earliest moment of any run after its start.
    bool KeineRegelAmStart = false;
    std::optional<LokStelle> KeineRegelUnterwegs;
    float Rueckfall = 0.0f;
    // When asked to try the truck and no mass came to rest: how the truck
    // grid went at -1 m/s, to tell whether the project is the truck's.
    std::optional<dorvane::GridFigures> TruckProbe;
};

// `truckProbieren`: nothing says which vehicle the project is for; when no
// mass comes to rest, the truck grid is run as well (TruckProbe).
LokErgebnis RechneLok(const fuzzy::Project& p, const LokEinstellung& e, const std::atomic<bool>* abbruch = nullptr,
                      bool truckProbieren = false);

}  // namespace labor
