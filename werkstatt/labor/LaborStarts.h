#pragma once

// Where the labs start their vehicles, as points of the project's inputs,
// and the hints on starts that lie outside an input's range: there the
// Kennfeld and the inspector show nothing, and often no rule fires, so the
// vehicle gets the output's range start.

#include "fuzzy/Hints.h"
#include "fuzzy/Project.h"

#include <QString>

#include <vector>

namespace labor {

// A start as the controller first sees it: input A and input B.
struct StartPunkt {
    float a = 0.0f;
    float b = 0.0f;
};

// Every start of the truck grid: the rear end's x and the attitude.
const std::vector<StartPunkt>& TruckStarts();
// The locomotive's start at this distance: s, and v = 0.
StartPunkt LokStart(float abstandCm);

enum class Labor { Truck, Lok };

struct StartHinweis {
    QString text;
    fuzzy::HintPlace ort;  // the page of the input concerned
};

// For each input, the lab's starts beyond its range: all of them when
// `alleNennen`, else only when no rule fires at one of them. Nothing for an
// input that is not defined.
std::vector<StartHinweis> StartHinweise(const fuzzy::Project& p, Labor labor, const std::vector<StartPunkt>& starts,
                                        bool alleNennen);

}  // namespace labor
