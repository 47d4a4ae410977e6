#include "Befehle.h"

#include <utility>

namespace werkstatt {

TProjektBefehl::TProjektBefehl(TProjektModell& modell, const QString& text, Stand vorher, Stand nachher)
    : QUndoCommand(text), modell_(modell), vorher_(std::move(vorher)), nachher_(std::move(nachher)) {}

void TProjektBefehl::undo() { modell_.setzeProjekt(vorher_.projekt); }

void TProjektBefehl::redo() { modell_.setzeProjekt(nachher_.projekt); }

void TNeuBefehl::undo() { modell_.setzeStand(vorher_); }

void TNeuBefehl::redo() { modell_.setzeStand(nachher_); }

TGriffBefehl::TGriffBefehl(TProjektModell& modell, const QString& text, Stand vorher, Stand nachher, int zug, int rolle,
                           int term, int param)
    : TProjektBefehl(modell, text, std::move(vorher), std::move(nachher)),
      zug_(zug),
      rolle_(rolle),
      term_(term),
      param_(param) {}

bool TGriffBefehl::mergeWith(const QUndoCommand* other) {
    const auto* o = dynamic_cast<const TGriffBefehl*>(other);
    if (!o || zug_ == 0 || o->zug_ != zug_ || o->rolle_ != rolle_ || o->term_ != term_ || o->param_ != param_)
        return false;
    nachher_ = o->nachher_;
    setObsolete(GleichesProjekt(vorher_.projekt, nachher_.projekt) && vorher_.datei == nachher_.datei);
    return true;
}

}  // namespace werkstatt
