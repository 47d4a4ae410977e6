#pragma once

// The worksheet of a project for the classroom: on A4, the project's name and
// file, each variable's term diagram with its terms, the rule table, the
// control surface and the lab results of the project's vehicle, with page
// numbers and the date. The same painting serves the printer, the print
// preview and the PDF file.

#include "werkstatt/labor/LokRechnung.h"
#include "werkstatt/modell/Modell.h"
#include "werkstatt/kern/Bearbeitung.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPrinter;
class QTextStream;

namespace werkstatt {

struct BlattDaten {
    fuzzy::Project projekt;
    QString datei;  // the project's file; empty for an unsaved project
    QDate datum;
    // Which lab's results the sheet shows: the locomotive's only when that
    // was chosen; unknown counts as the truck.
    Fahrzeug fahrzeug = Fahrzeug::Unbestimmt;
    float truckGeschwindigkeit = -1.0f;  // m/s, as the truck lab offers it
    labor::LokEinstellung lok;
};

// Paints the sheet on the device, page after page (the caller has chosen A4
// and the margins). Returns the number of pages, 0 when the device could not
// be painted on.
int MaleArbeitsblatt(QPagedPaintDevice& geraet, const BlattDaten& d);

// The sheet as a PDF document in memory, A4 portrait; empty on failure.
QByteArray ArbeitsblattPdf(const BlattDaten& d);

// Writes the sheet as PDF to `ziel`, replacing it only when the whole file
// has been written. Never onto the project's own file. Returns an empty
// string when done, else a German message and nothing changed.
QString ArbeitsblattSchreiben(const BlattDaten& d, const QString& ziel);

// The sheet for the print dialog's printer. A printer that prints into a
// file ("Print to file (PDF)") does not write that file itself: the PDF goes
// through ArbeitsblattSchreiben, with its refusals. Returns an empty string
// when done, else a German message.
QString ArbeitsblattDrucken(QPrinter& drucker, const BlattDaten& d);

// The command line's worksheet:
// `werkstatt --blatt PROJEKT.fuz -o BLATT.pdf [--fahrzeug truck|lok]`.
// Without --fahrzeug the vehicle chosen for that file in the window, else
// the truck. An exercise's sheets (Aufgabenblatt.h):
// `werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf [--loesung]`.
// Every option also has an English spelling: --sheet, --solution,
// --vehicle truck|loco, --class-list.
// True when the arguments ask for it.
bool IstBlattBefehl(const QStringList& args);
// The German spelling of a worksheet option written in English, with its
// "=value" if it has one ("--vehicle=lok" is "--fahrzeug=lok"); any other
// argument as it is.
QString BlattOption(const QString& arg);
// Runs it (args without the program's name); messages go to `fehler`.
// Returns the exit code: 0 done, 1 the project or the file failed, 2 wrong
// arguments.
int BlattBefehl(const QStringList& args, QTextStream& fehler);

}  // namespace werkstatt
