#pragma once

// "Regeln verbessern": runs the tuner on a copy of the current project off the
// GUI thread, with a progress bar, the figures, rule tables and terms before
// and after side by side (after = best so far while it runs; changed cells
// and terms marked), a sentence on what got better and what worse,
// "Abbrechen" that keeps the best so far, and "Übernehmen", which hands the
// improved project back for the window to apply as one undoable change.

#include "fuzzy/Project.h"
#include "widgets/Neuberechnung.h"
#include "tuning/Tuner.h"

#include <QDialog>
#include <QStringList>
#include <QMutex>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class RegelnVerbessern;
}

namespace labor {

class TermVergleich;

class RegelnVerbessern : public QDialog {
    Q_OBJECT
public:
    explicit RegelnVerbessern(QWidget* parent = nullptr);
    ~RegelnVerbessern() override;

    // The project the search starts from; ignored while a search runs.
    void setProjekt(const fuzzy::Project& p);

    // The search settings as the controls show them, and back.
    tuning::Options optionen() const;
    void setOptionen(const tuning::Options& o);

    void starten();
    void abbrechen();
    bool laeuft() const { return Rechnung_.Laeuft(); }

    // The best project of the last search (finished or cancelled), when it
    // scores better than its start.
    std::optional<fuzzy::Project> ergebnis() const { return Ergebnis_; }
    // What the comparison says (Explain) and which terms it marks as changed.
    QString erklaerung() const;
    QStringList geaenderteTerme() const;

    // The best project the running search has reported so far, with its score.
    std::optional<fuzzy::Project> bestesBisher() const { return BestesBisher_; }
    std::optional<tuning::Score> besteWertungBisher() const { return BesteWertung_; }
    QString status() const;

    // Closing the dialog stops a search under way first.
    void reject() override;

signals:
    // "Übernehmen": the improved project, to be applied as one change.
    void uebernehmen(const fuzzy::Project& besser);
    // A search has ended (by itself, cancelled, or with an error).
    void beendet();
    // The best so far has been shown (after each round).
    void fortschritt(int runde);

private:
    struct Lauf;  // what the worker shares with the dialog
    struct LaufErgebnis {
        std::optional<tuning::Result> Ergebnis;
        std::string Fehler;
    };

    void Fortschritt();
    void Fertig(LaufErgebnis&& a);
    void Uebernehmen();
    void Bereit(bool laeuft);
    void ZeigeVergleich(const tuning::Score* vorher, const fuzzy::Project* nachher, const tuning::Score* besser);

    std::unique_ptr<Ui::RegelnVerbessern> Ui_;
    TermVergleich* VorherTerme_ = nullptr;
    TermVergleich* NachherTerme_ = nullptr;
    fuzzy::Project Start_;
    bool HatStart_ = false;
    std::optional<fuzzy::Project> Ergebnis_;
    std::optional<fuzzy::Project> BestesBisher_;
    std::optional<tuning::Score> BesteWertung_;
    tuning::Options Basis_;  // settings without a control of their own (threads, rounds)
    std::shared_ptr<Lauf> Lauf_;
    // Last: destroyed first, it stops and awaits a search still running.
    widgets::Neuberechnung<LaufErgebnis> Rechnung_;
};

// The rule table as a small HTML table of output term abbreviations; cells
// that differ from vergleich are highlighted, those among them in ohneFahrt
// (bits as tuning::Score::Reached: changed although no run reaches them) in
// a paler colour and in italics.
QString RegelnAlsHtml(const fuzzy::Project& p, const fuzzy::RuleTable* vergleich, std::uint32_t ohneFahrt = 0);

}  // namespace labor
