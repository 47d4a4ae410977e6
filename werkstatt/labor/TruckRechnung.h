#pragma once

// The truck grid as the lab shows it: lab's runs on the lab's own copy of
// the project, and the three verdicts the picture colours by. No Qt: it runs
// on a worker thread.

#include "fuzzy/Project.h"
#include "lab/TruckLab.h"
#include "truck/model/Grid.h"

#include <atomic>
#include <optional>

namespace labor {

enum class TruckUrteil { Angedockt, NichtAngedockt, StrasseVerlassen };

// The colour class of lab's verdict of a run at this speed.
TruckUrteil Beurteile(const dorvane::StartRun& r, float geschwindigkeit);

struct TruckErgebnis {
    dorvane::GridRun Raster;  // with the tracks
    bool Definiert = false;   // false: input A or the output is missing, nothing was run
    // Starts at which no rule fires, so that the steering falls to Rueckfall
    // (the output's range start), and further runs that reach such a place
    // later on their way; docked runs that needed more than the lab's usual time.
    int KeineRegelAmStart = 0;
    int KeineRegelUnterwegs = 0;
    int Langsam = 0;
    float Rueckfall = 0.0f;
    // When asked to try the locomotive and fewer than half of the starts
    // docked: whether a locomotive lab run (its first settings) came to rest.
    std::optional<bool> LokProbeInRuhe;
};

// The grid at the given speed; stops early when abbruch is set. The starts
// are shared out over up to `teile` threads; the runs and figures are the
// same as from one thread. `lokProbieren`: nothing says which vehicle the
// project is for; when the truck mostly fails, the locomotive is run as well
// (LokProbeInRuhe).
TruckErgebnis RechneTruckRaster(const fuzzy::Project& p, float geschwindigkeit,
                                const std::atomic<bool>* abbruch = nullptr, int teile = 0, bool lokProbieren = false);

}  // namespace labor
