#pragma once

// The truck grid as the lab shows it: the shared grid run on the lab's own
// copy of the project, and the three verdicts the picture colours by.
// No Qt: it runs on a worker thread.

#include "truck/model/Grid.h"
#include "fuzzy/Project.h"

#include <atomic>
#include <optional>

namespace labor {

enum class TruckUrteil { Angedockt, NichtAngedockt, StrasseVerlassen };

// Docked: the teaching goal met; left the road: a start that had to keep to
// the road and did not; everything else did not dock.
TruckUrteil Beurteile(const dorvane::Quality& q);

struct TruckErgebnis {
    dorvane::GridRun Raster;  // with the tracks
    bool Definiert = false;   // false: input A or the output is missing, nothing was run
    // Starts at which no rule fires, so that the steering falls to Rueckfall
    // (the output's range start), and further runs that reach such a place
    // later on their way.
    int KeineRegelAmStart = 0;
    int KeineRegelUnterwegs = 0;
    float Rueckfall = 0.0f;
    // When asked to try the locomotive and fewer than half of the starts
    // docked: whether a locomotive lab run (its first settings) came to rest.
    std::optional<bool> LokProbeInRuhe;
};

// The grid at the given speed; stops early when abbruch is set. The starts
// are shared out over up to `teile` threads (each with its own copy of the
// project); the runs and figures are the same as from one thread.
// `lokProbieren`: nothing says which vehicle the project is for; when the
// truck mostly fails, the locomotive is run as well (LokProbeInRuhe).
TruckErgebnis RechneTruckRaster(fuzzy::Project p, float geschwindigkeit, const std::atomic<bool>* abbruch = nullptr,
                                int teile = 0, bool lokProbieren = false);

}  // namespace labor
