#pragma once

#include "werkstatt/modell/Stand.h"

#include <QUndoCommand>

#include <functional>

namespace werkstatt {

// The kinds of edit. The kind is the command's id, so that only handle
// moves of one drag merge.
enum BefehlArt : int {
    ArtName = 1,
    ArtBereich,
    ArtTermName,
    ArtParameter,
    ArtGriff,
    ArtTermHinzu,
    ArtTermEntfernen,
    ArtTermVerschieben,
    ArtRegel,
    ArtEingangB,
    ArtNeu,
    ArtErsetzen,
};

// Which handle a move took, and in which drag (`zug`, 0 = a move of its own).
struct Griff {
    int zug = 0, rolle = 0, term = 0, param = 0;
    friend bool operator==(const Griff& a, const Griff& b) {
        return a.zug == b.zug && a.rolle == b.rolle && a.term == b.term && a.param == b.param;
    }
};

// One step of every kind: the model's state before and after. Restoring
// whole states makes undo exact to the bit and keeps the rule table in step
// with term moves without per-kind inverse code. A new project (ArtNeu)
// restores the file name as well; moves of the same handle within one drag
// (ArtGriff, the same non-zero zug) merge into one step, and a drag that ends
// where it began leaves no step.
// The command knows its model only through `herstellen`, which puts a state
// back: the whole state for a new project (ArtNeu), else the project alone.
class TProjektBefehl : public QUndoCommand {
public:
    using Herstellung = std::function<void(const Stand& s, bool ganz)>;
    TProjektBefehl(Herstellung herstellen, BefehlArt art, const QString& text, Stand vorher, Stand nachher,
                   Griff griff = {});
    int id() const override { return art_; }
    void undo() override;
    void redo() override;
    bool mergeWith(const QUndoCommand* other) override;

    const Stand& vorher() const { return vorher_; }
    const Stand& nachher() const { return nachher_; }

private:
    void Herstellen(const Stand& s);

    Herstellung herstellen_;
    BefehlArt art_;
    Stand vorher_;
    Stand nachher_;
    Griff griff_;
};

}  // namespace werkstatt
