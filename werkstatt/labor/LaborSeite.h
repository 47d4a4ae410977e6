#pragma once

#include "FuzUnits.h"

#include <QWidget>

namespace labor {

// What both labs share: the project they run, handed over after every edit.
class LaborSeite : public QWidget {
public:
    using QWidget::QWidget;

    // Takes a copy of the project and re-simulates it in the background;
    // cheap to call after every edit.
    void setProjekt(const fuzzy::Project& p) {
        Projekt_ = p;
        HatProjekt_ = true;
        NeuRechnen();
    }

protected:
    // Starts the lab's simulation of Projekt_ anew.
    virtual void NeuRechnen() = 0;

    fuzzy::Project Projekt_;
    bool HatProjekt_ = false;
};

}  // namespace labor
