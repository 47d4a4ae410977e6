#pragma once

// "Klassenübersicht…": the hand-ins of a class, marked by the exercise in the
// background (exercise/Marking.h, the table `fuzzysim aufgabe auswerten`
// prints), in a table sorted by a click on a column: name, class, result,
// points and each criterion's measured value. A file that cannot be read, a
// hand-in for another exercise and two hand-ins of one student say so in
// their row. Files and folders are added by the buttons or dropped on the
// window. A double click opens the hand-in in the editor with its failing
// run; the table goes out as a PDF, as CSV, or for the school's gradebook.

#include "exercise/Exercise.h"
#include "exercise/Marking.h"
#include "widgets/Neuberechnung.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QPushButton;
class QTableWidget;

namespace werkstatt {

class KlassenUebersicht : public QWidget {
    Q_OBJECT
public:
    explicit KlassenUebersicht(QWidget* parent = nullptr);

    // The exercise the hand-ins are marked by; forgets the hand-ins of another.
    // A file that does not read is named in a message; false then.
    bool setAufgabe(const QString& datei);
    QString aufgabe() const { return AufgabenDatei_; }
    // Adds files or folders (a folder gives its *.fuzabgabe) and marks them all anew.
    void hinzufuegen(const QStringList& pfade);
    void leeren();

    bool rechnet() const { return Rechnung_.Rechnet(); }
    const std::optional<exercise::ClassResult>& ergebnis() const { return Ergebnis_; }
    QTableWidget* tabelle() const { return Tabelle_; }
    QLabel* status() const { return Status_; }
    // The row of the table that shows a hand-in of the result (they sort).
    int zeileVon(std::size_t abgabe) const;

    // Writes the table as PDF (landscape A4), as CSV, or the gradebook's two
    // files; returns an empty string when done, else the reason.
    QString pdfSchreiben(const QString& ziel) const;
    QString csvSchreiben(const QString& ziel) const;
    QString notenbuchSchreiben(const QString& ziel, QStringList* ausgelassen = nullptr) const;

    // The dialogs; replaceable for tests.
    std::function<QStringList()> DateienDialog;
    std::function<QString()> OrdnerDialog;
    std::function<QString()> AufgabeDialog;
    std::function<QString(const QString& titel, const QString& vorschlag, const QString& filter)> SpeichernDialog;

signals:
    // A double click on the row of a hand-in that was read.
    void abgabeGewaehlt(const QString& aufgabe, const exercise::MarkedHandIn& abgabe);

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void Auswerten();
    void Zeigen(exercise::ClassResult&& r);
    QString Html() const;

    QString AufgabenDatei_;
    std::string AufgabenBytes_;
    std::optional<exercise::Exercise> Aufgabe_;
    QStringList Pfade_;
    std::optional<exercise::ClassResult> Ergebnis_;
    widgets::Neuberechnung<exercise::ClassResult> Rechnung_;

    QLabel* Titel_ = nullptr;
    QLabel* Status_ = nullptr;
    QTableWidget* Tabelle_ = nullptr;
    QPushButton* Pdf_ = nullptr;
    QPushButton* Csv_ = nullptr;
    QPushButton* Notenbuch_ = nullptr;
};

}  // namespace werkstatt
