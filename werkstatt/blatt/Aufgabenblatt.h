#pragma once

// The sheets of an exercise, on A4 for the classroom.
//
// The students' sheet: fields for name, class and date, the task, what the
// task needs to be seen (the starting project's term diagrams and rule
// table), what will be checked with a box for the student's own figure, and
// room for the answers: boxes for every degree, firing strength, height and
// output asked at a point, a blank diagram to draw in, lines to write on.
//
// The teacher's sheet: the task, the teacher's note, every inference step
// worked out with the engine's own numbers (and drawn as the inspector draws
// it), the reference solution's figures against the exercise's limits and
// its lab.
//
// Neither names a folder: the sheet is handed out.

#include "exercise/Exercise.h"
#include "fuzzy/Project.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace werkstatt {

struct AufgabenblattDaten {
    exercise::Exercise aufgabe;
    QString datei;  // the exercise's file (only its name is printed)
    bool loesung = false;
    // The reference solution, for the teacher's sheet: the project beside
    // the exercise named NAME.loesung.fuz, where there is one.
    std::optional<fuzzy::Project> muster;
    QString musterDatei;
    QDate datum;  // printed on the teacher's sheet only
    // The student whose numbers a sheet of numbers by name bears (the
    // exercise is already drawn for them), and for the teacher's sheet the
    // class whose numbers and answers it lists.
    QString name;
    QStringList klassenliste;
};

// Reads the exercise and, for the teacher's sheet, its reference solution
// beside it; with a name, the numbers of a step drawn by name are that
// student's. Throws fuzzy::Error (the exercise's or the project's reader)
// with the reason, and for the teacher's sheet of a students' copy.
// The name the print dialog proposes for the sheet's PDF: the exercise's
// file's stem, the teacher's sheet marked as the solution, a student's sheet
// with the student's name, so that one exercise's sheet never replaces
// another's. Only letters, digits, "-", "_" and "." from the names.
QString BlattDateiname(const AufgabenblattDaten& d);

AufgabenblattDaten LadeAufgabenblatt(const QString& datei, bool loesung, const QString& name = {},
                                     const QStringList& klassenliste = {});

// The scales of the blank diagram a drawing task gives: input A to the right,
// input B upwards, over their ranges; for the locomotive also from the mark
// to the lab's start, so that the whole run fits in.
struct Zeichenachsen {
    double a0 = 0, a1 = 1, b0 = 0, b1 = 1;
};
Zeichenachsen ZeichenAchsen(const exercise::Exercise& e, const fuzzy::Project& pr);

// Paints the sheet page after page; returns the number of pages, 0 when the
// device could not be painted on.
int MaleAufgabenblatt(QPagedPaintDevice& geraet, const AufgabenblattDaten& d);

// The sheet as a PDF document in memory, A4 portrait; empty on failure.
QByteArray AufgabenblattPdf(const AufgabenblattDaten& d);

// Writes the sheet as PDF to `ziel` whole or not at all, never onto the
// exercise itself. Returns an empty string when done, else the reason.
QString AufgabenblattSchreiben(const AufgabenblattDaten& d, const QString& ziel);

// The sheet for the print dialog's printer; a printer that prints into a
// file gets the PDF through AufgabenblattSchreiben. Returns an empty string
// when done, else the reason.
QString AufgabenblattDrucken(QPrinter& drucker, const AufgabenblattDaten& d);

// "Datei ▸ Aufgabenblatt…": asks for an exercise and which sheet, then shows
// the print preview (printing and PDF from there).
void AufgabenblattDrucken(QWidget* eltern, const QString& ordner);

// The print preview of an exercise's sheet, for a window that has the exercise open.
void AufgabenblattVorschau(QWidget* eltern, const AufgabenblattDaten& d);

}  // namespace werkstatt
