#pragma once

#include "werkstatt/kern/Bearbeitung.h"
#include "werkstatt/modell/Stand.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <functional>

namespace werkstatt {

// The vehicle chosen for a project is remembered by what the file holds, not
// by its name: a renamed or copied file keeps the choice, a file whose
// project was replaced by another one has none. The key is a hash of the
// project as the project writer writes it; empty for a project the format
// cannot hold.
QString Inhaltsschluessel(const fuzzy::Project& p);
// The vehicle the user chose for a file holding this content (a key from
// Inhaltsschluessel); Unbestimmt when never chosen.
Fahrzeug GemerktesFahrzeug(const QString& inhalt);
// Keeps `f` for this content (Unbestimmt forgets it); an empty key keeps
// nothing. The newest choices are kept, the oldest beyond MaxGemerkt dropped.
void FahrzeugMerken(const QString& inhalt, Fahrzeug f);
constexpr int MaxGemerkt = 1000;

// What an exercise locks in the editor: each part the student may not
// change, and for each the sentence a tooltip shows. Which variables exist is
// locked by every exercise; names never are.
struct Sperre {
    bool Regeln = false;
    bool Terme = false;
    bool Bereiche = false;
    bool Variablen = false;  // input B on or off
    QString Grund;           // names the exercise, for the tooltips
    bool aktiv() const { return Regeln || Terme || Bereiche || Variablen; }
};

// The project being edited, its file name and its history. Every change goes
// through a command on the undo stack; the stack's clean state is the
// "saved" state. No widget lives here, so the editing logic is testable on
// its own.
class TProjektModell : public QObject {
    Q_OBJECT
public:
    explicit TProjektModell(QObject* parent = nullptr);

    const fuzzy::Project& projekt() const { return stand_.projekt; }
    QString datei() const { return stand_.datei; }
    Fahrzeug fahrzeug() const { return stand_.fahrzeug; }
    bool geaendert() const { return !stack_.isClean(); }
    QUndoStack& undoStack() { return stack_; }

    // A project just read from or written to `datei`: replaces everything,
    // forgets the history and counts as saved. Its vehicle is the one
    // remembered for that content, else Unbestimmt.
    void laden(const fuzzy::Project& p, const QString& datei);
    // The project now is what `datei` holds; a known vehicle is remembered
    // for that content.
    void gespeichert(const QString& datei);

    // --- edits: each is one step of the history ------------------------------
    // The methods that take text return an empty string when done, otherwise
    // a German reason and nothing changes. An edit that changes nothing adds
    // no step.
    QString setzeName(Rolle r, const QString& name);
    // With `termeMit` the terms move and stretch with the range, in the same
    // step (when both ranges have a width).
    void setzeBereich(Rolle r, float min, float max, bool termeMit = false);
    QString setzeTermName(Rolle r, int term, const QString& name);
    // A value typed into the table: stored as typed (the hints point out
    // corners out of order).
    void setzeParameter(Rolle r, int term, int param, float wert);
    // A handle moved by mouse or keyboard: kept in order (a <= b <= c <= d,
    // 0 <= h <= 1). Moves with the same non-zero `zug` form one step.
    void zieheGriff(Rolle r, int term, int param, float wunsch, int zug);
    bool termHinzufuegen(Rolle r);
    bool termEntfernen(Rolle r, int term);
    bool termVerschieben(Rolle r, int term, int nach);
    // Entry of the rule with B's term `zeile` and A's term `spalte`.
    void setzeRegel(int zeile, int spalte, int ausgangsterm);
    void setzeEingangB(bool an);
    // A new project (template, import); it belongs to no file yet. A
    // template knows its vehicle, an import does not.
    void neu(const fuzzy::Project& p, const QString& name, Fahrzeug f = Fahrzeug::Unbestimmt);
    // The user's choice of vehicle: not an edit of the file, so no step of
    // the history; remembered for what the project's file holds.
    void setzeFahrzeug(Fahrzeug f);
    // The whole project replaced in one step (e.g. by the tuner's result);
    // it stays with its file.
    void ersetzen(const fuzzy::Project& p, const QString& text);

    // Locks parts of the project (an exercise): an edit that changes a
    // locked part is refused, says why (bearbeitungAbgelehnt) and changes
    // nothing. `pruefen` gets the project before and after an edit and
    // returns what changed that may not, in words (empty: allowed). Loading
    // and new projects are not edits; undo and redo go back along the
    // history as it is. An empty Sperre unlocks everything.
    using SperrPruefung = std::function<QStringList(const fuzzy::Project& vorher, const fuzzy::Project& nachher)>;
    void setzeSperre(const Sperre& s, SperrPruefung pruefen);
    const Sperre& sperre() const { return sperre_; }

    // A new number for one mouse drag or one run of key presses.
    int neuerZug() { return ++zug_; }

    // Used by the commands: an edit restores the project only (the file
    // stays what it is now, e.g. after "Speichern unter"); a new project
    // restores the file name as well.
    void setzeProjekt(const fuzzy::Project& p);
    void setzeStand(const Stand& s);

signals:
    // The project changed (edit, undo, redo, load).
    void projektGeaendert();
    // File name or saved state changed: the title needs updating.
    void dateistatusGeaendert();
    // The vehicle changed (choice, load, new project, undo of one).
    void fahrzeugGeaendert();
    // An edit was refused by the lock, with the reasons; the project is as
    // it was (a page may still show the refused value until it is refreshed).
    void bearbeitungAbgelehnt(const QStringList& gruende);
    // The lock changed: the pages show what may be edited.
    void sperreGeaendert();

private:
    void ausfuehren(int art, const QString& text, const Stand& nachher, int zug = 0, int rolle = 0, int term = 0,
                    int param = 0);

    Stand stand_;
    Sperre sperre_;
    SperrPruefung pruefen_;
    QUndoStack stack_;
    int zug_ = 0;
};

}  // namespace werkstatt
