#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

class QContextMenuEvent;
class QFileDialog;
class QPainter;
class QPaintEvent;

namespace ansichten {

// Paints a view's scene at the given size: the one function behind the
// screen, the PNG image and the SVG file.
using Maler = std::function<void(QPainter&, QSize)>;

// The picture as SVG at 96 dpi on a white ground, as "Bild speichern…"
// writes it (empty on failure).
QByteArray AlsSvg(QSize groesse, const Maler& malen, const QString& titel);

// Saves the scene as a picture, the kind chosen by the file's suffix: ".png"
// (an image of groesse times pngFaktor pixels, the scene painted at groesse)
// or ".svg" (vector graphics of groesse). The file is replaced only when the
// whole picture has been written. On failure returns false with a German
// message in *fehler and leaves an existing file as it was.
bool SpeichereAnsicht(const QString& pfad, QSize groesse, const Maler& malen, QString* fehler, int pngFaktor = 1);

// A file name made from a view and a variable name: characters that a file
// name cannot hold become "_" ("Weg/Zeit" gives "kennfeld-Weg_Zeit.png").
QString Dateivorschlag(const QString& ansicht, const QString& name);

// The file filters of the save dialog.
QString BildFilter();

// "Bild speichern…": asks for a file name (PNG or SVG) and the picture's
// size, and saves the scene; a failure is shown in an error box. `ansicht`
// is the view's size on screen: it gives the proportions only. Returns true
// when a picture was saved.
bool BildSpeichern(QWidget* parent, const QString& vorschlag, QSize ansicht, const Maler& malen);

// The size a picture is exported at unless the user chooses another: the
// width of an A4 page (210 mm, at 96 pixels per inch) and the view's
// proportions, no taller than the page.
QSize Exportgroesse(QSize ansicht);
constexpr int A4BreitePixel = 794;
constexpr int A4HoehePixel = 1123;

// Replaces the size dialog, e.g. in tests: gets the suggested size (pixels
// at 96 per inch), returns the chosen one or an empty size for "Abbrechen".
// Without it, and with the file dialog replaced, the suggestion is taken.
using GroessenWahl = std::function<QSize(QWidget* parent, QSize vorschlag)>;
GroessenWahl SetGroessenWahl(GroessenWahl wahl);

// The scene of a view on screen, painted by the view's one painting
// function; its context menu saves it as a picture. The inspector's and the
// Kennfeld's scene differ only in what they paint and how they answer the
// mouse.
class SzenenBild : public QWidget {
public:
    // `ansicht` starts the suggested file name ("kennfeld"), `name` gives the
    // variable name that follows it.
    SzenenBild(QWidget* parent, QString ansicht, Maler malen, std::function<QString()> name);

    void malen(QPainter& p, QSize groesse) const { malen_(p, groesse); }
    // "Bild speichern…" at the size on screen (the dialog of BildSpeichern).
    bool bildSpeichern();

protected:
    void paintEvent(QPaintEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    QString ansicht_;
    Maler malen_;
    std::function<QString()> name_;
};

// The folder "Bild speichern…" starts in (empty: the working folder).
void SetBildordner(const QString& ordner);
QString Bildordner();

// The project's file, set by the main window whenever it changes: no picture
// is ever written onto it (under any name or link), and its folder becomes
// the one "Bild speichern…" starts in. Empty for an unsaved project.
void SetProjektdatei(const QString& datei);

// The save dialog of "Bild speichern…", worded as the project dialogs.
QFileDialog* BildDialog(QWidget* parent, const QString& vorschlag);

// Replaces the file dialog, e.g. in tests: gets the suggested name, returns
// the chosen path or an empty string for "Abbrechen". Returns the one before;
// an empty function restores the real dialog.
using DateiWahl = std::function<QString(QWidget* parent, const QString& vorschlag)>;
DateiWahl SetDateiWahl(DateiWahl wahl);

}  // namespace ansichten
