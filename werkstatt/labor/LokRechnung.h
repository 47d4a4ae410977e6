#pragma once

// The locomotive runs the lab shows: the shared run for the masses 1, 2 and
// 4 kg at the chosen friction, distance and step, on the lab's own copy of
// the project. No Qt: it runs on a worker thread.

#include "fuzzy/Project.h"
#include "loco/model/LocoVersuch.h"

#include <atomic>
#include <string>
#include <vector>

namespace labor {

struct LokEinstellung {
    float Reibung = 3.0f;      // N*s/m
    float AbstandCm = 100.0f;  // cm
    float Dt = 0.055f;         // s, every step after the first (which is 0.1 s as in the program)
};

struct LokErgebnis {
    LokEinstellung Einstellung;
    std::vector<pemrak::JudgedRun> Laeufe;  // one per mass, in the order of LaborMassen
    std::optional<std::string> Fehler;      // why nothing could be run
};

LokErgebnis RechneLok(fuzzy::Project p, const LokEinstellung& e, const std::atomic<bool>* abbruch = nullptr);

}  // namespace labor
