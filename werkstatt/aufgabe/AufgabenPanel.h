#pragma once

// The exercise beside the editor: its title and task, "Prüfen", and a live
// status after every edit, checked in the background by the exercise's own
// check (the same as `fuzzysim aufgabe check`). Each criterion shows the
// check's line with its measured value and limit and, when it fails, the
// check's reasons; a failing truck start or locomotive run is one click from
// its lab. "Prüfen" adds the verdict and, after a failure, the hints.
//
// An exercise with hand steps has a box for every number it asks, grouped by
// point and quantity and labelled with the terms' names (the strengths as the
// rule table: a row per term of B, a column per term of A). What is typed is
// read as an answers file reads it (comma or point); every edit checks anew,
// a moment after the typing stops. An entry that is no number is framed red
// and counts as wrong; an empty box is not answered. "Antworten öffnen…" fills the boxes from
// a .fuzantwort file, "Antworten speichern…" writes them as one.

#include "exercise/AnswerFields.h"
#include "exercise/Check.h"
#include "exercise/Exercise.h"
#include "exercise/Points.h"
#include "exercise/TeacherCheck.h"
#include "werkstatt/aufgabe/AbgabeDialog.h"
#include "widgets/Neuberechnung.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTextBrowser;
class QTimer;
class QVBoxLayout;

namespace werkstatt {

class Notiz;

class AufgabenPanel : public QWidget {
    Q_OBJECT
public:
    explicit AufgabenPanel(QWidget* parent = nullptr);
    ~AufgabenPanel() override;

    // The exercise to work on; `name` (its file's name) stands in the
    // status, `datei` (its path, if any) is never replaced by saved answers.
    // Forgets the answers of an exercise before: the boxes start empty.
    void setAufgabe(const exercise::Exercise& e, const QString& name, const QString& datei = {});
    const std::optional<exercise::Exercise>& aufgabe() const { return Aufgabe_; }
    // No exercise any more: the panel is empty and checks nothing.
    void leeren();
    // The keyboard's place in the panel: the first answer box, else the task.
    void fokusSetzen();
    // The student's project, after every edit: checked anew in the
    // background; only the newest project's result is shown.
    void setProjekt(const fuzzy::Project& p);
    // The answers to the hand steps, as a .fuzantwort file holds them: into
    // the boxes (a box the answers leave out is emptied).
    void setAntworten(const exercise::Answers& a, const QString& name);
    // Reads an answers file; a file that does not fit is named in a message
    // with its line, and the answers stay as they were.
    bool antwortenLaden(const QString& datei);
    // Writes the boxes as an answers file through the one atomic writer;
    // refused (with a message, nothing written) while a box holds no number.
    bool antwortenSpeichern(const QString& datei);
    // The answers in the boxes as the check gets them: an empty box is no
    // answer, an entry that is no number is NaN (never right).
    exercise::Answers antworten() const;
    // The box of a point's answer by its key in an answers file ("P1",
    // "feuerstaerke.1.2"); nullptr when the exercise asks no such number.
    QLineEdit* antwortFeld(const QString& punkt, const QString& schluessel) const;
    // How many boxes hold something that is no number.
    int unlesbareFelder() const;
    // Whether forgetting the boxes loses nothing: they are empty, or as they
    // were last opened or saved.
    bool antwortenGesichert() const;
    // Before the boxes are forgotten (another exercise, the end of this one,
    // the window closing): offers to save what was typed. False when the
    // student cancels, or saving fails; then nothing may be forgotten.
    bool antwortenSichern();
    // "Prüfen": the verdict for the project as it is now, with the hints
    // after a failure (at once, or when the running check ends).
    void pruefen();

    // A check runs or waits for the typing to stop.
    bool rechnet() const;
    // The newest check's result, for the project on show.
    const std::optional<exercise::CheckResult>& ergebnis() const { return Ergebnis_; }
    // Whether the verdict of "Prüfen" is on show (until the next edit).
    bool urteilSichtbar() const { return Geprueft_; }

    // "Abgeben…": asks who hands in (AbgabeDialog) and writes the hand-in
    // with the project and the answers as they are; false when cancelled or
    // it cannot be written (with a message). abgebenNach writes without asking.
    bool abgeben();
    bool abgebenNach(const Abgabeangaben& a);
    // The dialog of "Abgeben…" (replaceable for tests) and the folder a hand-in
    // goes to when the dialog names no file.
    std::function<std::optional<Abgabeangaben>(const Abgabeangaben& vorschlag)> AbgabeFragen;
    QString AbgabeOrdner;
    QPushButton* abgebenKnopf() const { return Abgeben_; }
    // The name a step drawn by name takes its numbers from.
    void setSchuelername(const QString& name);
    QString schuelername() const;
    QLineEdit* schuelernameFeld() const { return SchuelerName_; }
    // The teacher's check of a teacher's copy (TeacherCheck.h), once it is done.
    const std::vector<exercise::Finding>& befunde() const { return Befunde_; }
    bool gegenprobeRechnet() const { return Gegenprobe_Rechnung_.Rechnet(); }
    QLabel* gegenprobe() const { return Gegenprobe_; }
    // What the criteria are worth, once the starting project is checked.
    const std::optional<exercise::Worth>& wert() const { return Wert_; }
    bool bewertungRechnet() const { return Bewertung_.Rechnet(); }

    // The file dialogs of "Antworten öffnen…" and "Antworten speichern…";
    // replaceable for tests.
    std::function<QString()> AntwortenDialog;
    std::function<QString()> SpeichernDialog;

    QTextBrowser* aufgabenText() const { return Text_; }
    QPushButton* pruefenKnopf() const { return Pruefen_; }
    QPushButton* antwortenKnopf() const { return AntwortenKnopf_; }
    QPushButton* speichernKnopf() const { return Speichern_; }
    // The boxes, in a scrolling area of their own.
    QScrollArea* antwortenBereich() const { return Bereich_; }
    // The width at which every box is in sight without scrolling sideways.
    int bequemeBreite() const;
    // Where the answers came from, and what is wrong with the typing.
    QLabel* antwortenText() const;
    QPushButton* beendenKnopf() const { return Beenden_; }
    QPushButton* schuelerblattKnopf() const { return Schuelerblatt_; }
    QPushButton* loesungsblattKnopf() const { return Loesungsblatt_; }
    QLabel* status() const { return Status_; }
    QLabel* urteil() const { return Urteil_; }
    // The verdict's box: it scrolls when the hints are longer than its room.
    QScrollArea* urteilBereich() const { return UrteilRollen_; }
    // The criteria with their reasons; its links open failing starts and runs.
    QTextBrowser* kriterien() const { return Kriterien_; }
    // The links in the list, in order ("start:…", "lauf:…").
    const QStringList& verweise() const { return Verweise_; }
    // Follows a link of the list, as a click does; false for one that names nothing.
    bool oeffneVerweis(const QString& verweis);

signals:
    // A click on a failing truck start or locomotive run.
    void startGewaehlt(const exercise::StartRef& start);
    // `punkt`: the point of the run's track its reason names.
    void laufGewaehlt(const pemrak::RunOptions& lauf, int punkt);
    // "Aufgabe beenden": the window unlocks the editor and hides the panel.
    void beendenGewuenscht();
    // "Schülerblatt…" or "Lösungsblatt…": the sheet of the exercise on show.
    void blattGewuenscht(bool loesung);
    // A hand-in was written to this file.
    void abgegeben(const QString& datei);

private:
    // One box: the point and key it answers.
    struct Feld {
        std::string Punkt;
        std::string Schluessel;
        QLineEdit* Edit = nullptr;
    };
    // The project the hand steps are worked out on: the student's where the
    // exercise reads one, else its starting project.
    fuzzy::Project RechenProjekt() const;
    // The boxes for the project's terms and rules; what is typed stays.
    void FelderBauen(const fuzzy::Project& p);
    void Tabfolge();
    void PunktBauen(const exercise::HandCheck& h, const fuzzy::Project& p,
                    const std::vector<exercise::AnswerField>& felder, QVBoxLayout* ziel);
    QLineEdit* NeuesFeld(const exercise::AnswerField& f, const QString& erklaerung);
    void FeldGeaendert(QLineEdit* edit);
    void FeldZeigen(QLineEdit* edit);
    void ZeigeAntwortenText();
    void NeuPruefen();
    void Zeigen(exercise::CheckResult&& r);
    void ZeigeKriterien();
    void ZeigeUrteil();
    void UrteilPlatzHalten(bool halten);
    void UrteilPlatzMachen(bool nochmal);
    void NameGeaendert();
    void GegenprobeAnstossen(const exercise::Exercise& e, const QString& datei);
    void ZeigeGegenprobe(std::vector<exercise::Finding>&& f);

    std::optional<exercise::Exercise> Aufgabe_;   // as this student works it (numbers by their name)
    std::optional<exercise::Exercise> Original_;  // as the file has it
    QString Name_;
    fuzzy::Project Projekt_;
    bool HatProjekt_ = false;
    QString AufgabenDatei_;
    QString AntwortenName_;            // the file the answers came from or went to
    bool AntwortenGeaendert_ = false;  // typed since
    std::vector<Feld> Felder_;
    std::string FelderFuer_;  // what the boxes were built for: keys and names
    std::optional<exercise::CheckResult> Ergebnis_;
    bool Geprueft_ = false;
    bool PlatzMachen_ = false;  // "Prüfen" asked: the next verdict comes into view
    widgets::Neuberechnung<exercise::CheckResult> Rechnung_;
    std::optional<exercise::Worth> Wert_;
    widgets::Neuberechnung<std::optional<exercise::Worth>> Bewertung_;
    std::vector<exercise::Finding> Befunde_;
    widgets::Neuberechnung<std::vector<exercise::Finding>> Gegenprobe_Rechnung_;
    QString LetzteAbgabe_;

    QLabel* Titel_ = nullptr;
    QTextBrowser* Text_ = nullptr;
    QPushButton* AntwortenKnopf_ = nullptr;
    QPushButton* Speichern_ = nullptr;
    Notiz* AntwortenText_ = nullptr;
    QScrollArea* Bereich_ = nullptr;
    QWidget* AntwortenTeil_ = nullptr;  // the boxes with their buttons
    QSplitter* Teile_ = nullptr;
    QWidget* FelderInhalt_ = nullptr;
    QTimer* Verzoegerung_ = nullptr;
    QPushButton* Pruefen_ = nullptr;
    QPushButton* Beenden_ = nullptr;
    QPushButton* Schuelerblatt_ = nullptr;
    QPushButton* Loesungsblatt_ = nullptr;
    QLabel* Status_ = nullptr;
    QLabel* Urteil_ = nullptr;
    QScrollArea* UrteilRollen_ = nullptr;  // the verdict, scrolling
    QTextBrowser* Kriterien_ = nullptr;
    QLineEdit* SchuelerName_ = nullptr;
    QWidget* NameZeile_ = nullptr;
    QPushButton* Abgeben_ = nullptr;
    QLabel* Gegenprobe_ = nullptr;
    QScrollArea* GegenprobeRollen_ = nullptr;
    QStringList Verweise_;
};

}  // namespace werkstatt
