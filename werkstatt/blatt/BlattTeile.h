#pragma once

// The parts both sheets are made of, the project's worksheet (Arbeitsblatt.h)
// and an exercise's sheets (Aufgabenblatt.h): blocks of a known height that
// are laid out on A4 pages, the term diagrams, the rule table, the control
// surface and the labs' results as the worksheet draws them, the page frame.
// Everything is measured in units of a 96-dpi screen pixel, whatever the
// device (A4 less the margins is about 680 x 1009 of them).

#include "fuzzy/Project.h"
#include "werkstatt/kern/Bearbeitung.h"
#include "werkstatt/labor/LokRechnung.h"

#include <QByteArray>
#include <QFont>
#include <QLocale>
#include <QString>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace werkstatt::blatt {

// One block of a sheet: its height and how to paint it at the top of a
// rectangle of the content's width.
struct Block {
    double hoehe = 0.0;
    std::function<void(QPainter&, const QRectF&)> malen;
    bool neueSeite = false;  // starts a new page
};

constexpr double Abstand = 14.0;  // between two blocks
constexpr double TabellenZeile = 15.0;
constexpr double RegelZeile = 26.0;

QFont Schrift(int pixel, bool fett = false);
// The sheet's numbers and date in the language of its texts.
QLocale Sprachform();
// A number as a teacher reads it: the language's decimal sign, a true minus,
// no more digits than the float holds.
QString Zahlwert(float v);
// A heading with a rule under it; returns the height it takes.
double Ueberschrift(QPainter& p, const QRectF& r, const QString& text);

// The term diagram of a variable with its corners in a table; `rolle` 0 = A,
// 1 = B, 2 = the output.
Block VariablenBlock(const fuzzy::TFuzzy& v, int rolle);
// The rule table. `leer`: cells without a rule stay blank, to write in.
Block RegelBlock(const fuzzy::Project& pr, bool leer = false);
Block KennfeldBlock(const fuzzy::Project& pr, double breite);
// The truck lab at one speed: the figures, what the lab warns of (`f`: the
// vehicle the project is for), then (on the same page) all tracks.
std::vector<Block> TruckBloecke(const fuzzy::Project& pr, float v, double breite, double seitenHoehe, Fahrzeug f);
// The locomotive lab: the figures of the three masses, its warnings, then the
// four diagrams.
// With mitKurven = false only the table, for a further setting of the same sheet.
std::vector<Block> LokBloecke(const fuzzy::Project& pr, const labor::LokEinstellung& einst, double breite, Fahrzeug f,
                              bool mitKurven = true);

// Lays the blocks out on pages and paints them with a header (left and right
// text) and the page numbers. `bauen` makes the blocks for the content's
// width and height. Returns the number of pages, 0 when the device could not
// be painted on.
int MaleSeiten(QPagedPaintDevice& geraet, const std::function<std::vector<Block>(double breite, double hoehe)>& bauen,
               const QString& kopfLinks, const QString& kopfRechts);

// A PDF document in memory, A4 portrait, painted by `malen`; empty on failure.
QByteArray Pdf(const QString& titel, const std::function<int(QPagedPaintDevice&)>& malen);

// Writes a sheet's PDF to `ziel` through the one atomic writer, never onto
// one of `quellen` (the project, or the exercise and its reference solution,
// that it shows) whatever name leads to it. Returns an empty string when
// done, else a message and nothing changed.
QString PdfSchreiben(const QByteArray& pdf, const QString& ziel, const QStringList& quellen);

}  // namespace werkstatt::blatt
