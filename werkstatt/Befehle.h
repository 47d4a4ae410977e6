#pragma once

#include "Modell.h"

#include <QUndoCommand>

namespace werkstatt {

// The kinds of edit; each is its own command with its own id, so that only
// handle moves of one drag merge.
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

// One step: the model's state before and after. Restoring whole states
// makes undo exact to the bit and keeps the rule table in step with term
// moves without per-kind inverse code.
class TProjektBefehl : public QUndoCommand {
public:
    TProjektBefehl(TProjektModell& modell, const QString& text, Stand vorher, Stand nachher);
    void undo() override;
    void redo() override;

    const Stand& vorher() const { return vorher_; }
    const Stand& nachher() const { return nachher_; }

protected:
    TProjektModell& modell_;
    Stand vorher_;
    Stand nachher_;
};

#define WERKSTATT_BEFEHL(Klasse, Art)           \
    class Klasse : public TProjektBefehl {      \
    public:                                     \
        using TProjektBefehl::TProjektBefehl;   \
        int id() const override { return Art; } \
    };

WERKSTATT_BEFEHL(TNameBefehl, ArtName)
WERKSTATT_BEFEHL(TBereichBefehl, ArtBereich)
WERKSTATT_BEFEHL(TTermNameBefehl, ArtTermName)
WERKSTATT_BEFEHL(TParameterBefehl, ArtParameter)
WERKSTATT_BEFEHL(TTermHinzuBefehl, ArtTermHinzu)
WERKSTATT_BEFEHL(TTermEntfernenBefehl, ArtTermEntfernen)
WERKSTATT_BEFEHL(TTermVerschiebenBefehl, ArtTermVerschieben)
WERKSTATT_BEFEHL(TRegelBefehl, ArtRegel)
WERKSTATT_BEFEHL(TEingangBBefehl, ArtEingangB)
WERKSTATT_BEFEHL(TErsetzenBefehl, ArtErsetzen)

#undef WERKSTATT_BEFEHL

// A new project replaces the file name as well.
class TNeuBefehl : public TProjektBefehl {
public:
    using TProjektBefehl::TProjektBefehl;
    int id() const override { return ArtNeu; }
    void undo() override;
    void redo() override;
};

// A handle moved by mouse or keyboard. Consecutive moves of the same handle
// within one drag (the same `zug`) merge into one step; a drag that ends
// where it began leaves no step.
class TGriffBefehl : public TProjektBefehl {
public:
    TGriffBefehl(TProjektModell& modell, const QString& text, Stand vorher, Stand nachher, int zug, int rolle, int term,
                 int param);
    int id() const override { return ArtGriff; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    int zug_, rolle_, term_, param_;
};

}  // namespace werkstatt
