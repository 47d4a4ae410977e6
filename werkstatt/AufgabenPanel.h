#pragma once

// The exercise beside the editor: its title and task, "Prüfen", and a live
// status after every edit, checked in the background by the exercise's own
// check (the same as `fuzzysim aufgabe check`). Each criterion shows the
// check's line with its measured value and limit and, when it fails, the
// check's reasons; a failing truck start or locomotive run is one click from
// its lab. "Prüfen" adds the verdict and, after a failure, the hints.

#include "exercise/Check.h"
#include "exercise/Exercise.h"
#include "widgets/Neuberechnung.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace werkstatt {

class AufgabenPanel : public QWidget {
    Q_OBJECT
public:
    explicit AufgabenPanel(QWidget* parent = nullptr);
    ~AufgabenPanel() override;

    // The exercise to work on; `name` (its file's name) stands in the
    // status. Forgets the answers of an exercise before.
    void setAufgabe(const exercise::Exercise& e, const QString& name);
    const std::optional<exercise::Exercise>& aufgabe() const { return Aufgabe_; }
    // No exercise any more: the panel is empty and checks nothing.
    void leeren();
    // The student's project, after every edit: checked anew in the
    // background; only the newest project's result is shown.
    void setProjekt(const fuzzy::Project& p);
    // The answers to the hand steps, as a .fuzantwort file holds them.
    void setAntworten(const exercise::Answers& a, const QString& name);
    // Reads an answers file; a file that does not fit is named in a message
    // with its line, and the answers stay as they were.
    bool antwortenLaden(const QString& datei);
    // "Prüfen": the verdict for the project as it is now, with the hints
    // after a failure (at once, or when the running check ends).
    void pruefen();

    bool rechnet() const { return Rechnung_.Rechnet(); }
    // The newest check's result, for the project on show.
    const std::optional<exercise::CheckResult>& ergebnis() const { return Ergebnis_; }
    // Whether the verdict of "Prüfen" is on show (until the next edit).
    bool urteilSichtbar() const { return Geprueft_; }

    // The file dialog of "Antworten öffnen…"; replaceable for tests.
    std::function<QString()> AntwortenDialog;

    QTextBrowser* aufgabenText() const { return Text_; }
    QPushButton* pruefenKnopf() const { return Pruefen_; }
    QPushButton* antwortenKnopf() const { return AntwortenKnopf_; }
    QPushButton* beendenKnopf() const { return Beenden_; }
    QPushButton* schuelerblattKnopf() const { return Schuelerblatt_; }
    QPushButton* loesungsblattKnopf() const { return Loesungsblatt_; }
    QLabel* status() const { return Status_; }
    QLabel* urteil() const { return Urteil_; }
    // The criteria with their reasons; its links open failing starts and runs.
    QTextBrowser* kriterien() const { return Kriterien_; }
    // The links in the list, in order ("start:…", "lauf:…").
    const QStringList& verweise() const { return Verweise_; }
    // Follows a link of the list, as a click does; false for one that names nothing.
    bool oeffneVerweis(const QString& verweis);

signals:
    // A click on a failing truck start or locomotive run.
    void startGewaehlt(const exercise::StartRef& start);
    void laufGewaehlt(const pemrak::RunOptions& lauf);
    // "Aufgabe beenden": the window unlocks the editor and hides the panel.
    void beendenGewuenscht();
    // "Schülerblatt…" or "Lösungsblatt…": the sheet of the exercise on show.
    void blattGewuenscht(bool loesung);

private:
    void NeuPruefen();
    void Zeigen(exercise::CheckResult&& r);
    void ZeigeKriterien();
    void ZeigeUrteil();

    std::optional<exercise::Exercise> Aufgabe_;
    QString Name_;
    fuzzy::Project Projekt_;
    bool HatProjekt_ = false;
    exercise::Answers Antworten_;
    QString AntwortenName_;
    std::optional<exercise::CheckResult> Ergebnis_;
    bool Geprueft_ = false;
    widgets::Neuberechnung<exercise::CheckResult> Rechnung_;

    QLabel* Titel_ = nullptr;
    QTextBrowser* Text_ = nullptr;
    QPushButton* AntwortenKnopf_ = nullptr;
    QLabel* AntwortenText_ = nullptr;
    QPushButton* Pruefen_ = nullptr;
    QPushButton* Beenden_ = nullptr;
    QPushButton* Schuelerblatt_ = nullptr;
    QPushButton* Loesungsblatt_ = nullptr;
    QLabel* Status_ = nullptr;
    QLabel* Urteil_ = nullptr;
    QTextBrowser* Kriterien_ = nullptr;
    QStringList Verweise_;
};

}  // namespace werkstatt
