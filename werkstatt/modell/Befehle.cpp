#include "werkstatt/modell/Befehle.h"

#include <utility>

namespace werkstatt {

TProjektBefehl::TProjektBefehl(Herstellung herstellen, BefehlArt art, const QString& text, Stand vorher, Stand nachher,
                               Griff griff)
    : QUndoCommand(text),
      herstellen_(std::move(herstellen)),
      art_(art),
      vorher_(std::move(vorher)),
      nachher_(std::move(nachher)),
      griff_(griff) {}

void TProjektBefehl::Herstellen(const Stand& s) {
    // An edit restores the project only: the file stays what it is now, e.g.
    // after "Speichern unter".
    herstellen_(s, art_ == ArtNeu);
}

void TProjektBefehl::undo() { Herstellen(vorher_); }

void TProjektBefehl::redo() { Herstellen(nachher_); }

bool TProjektBefehl::mergeWith(const QUndoCommand* other) {
    const auto* o = dynamic_cast<const TProjektBefehl*>(other);
    if (!o || art_ != ArtGriff || o->art_ != ArtGriff || griff_.zug == 0 || !(o->griff_ == griff_)) return false;
    nachher_ = o->nachher_;
    setObsolete(GleichesProjekt(vorher_.projekt, nachher_.projekt) && vorher_.datei == nachher_.datei);
    return true;
}

}  // namespace werkstatt
