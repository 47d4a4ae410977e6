#pragma once

// "Abgeben…": who hands in (name, class and, for the school's gradebook, an
// ID number or e-mail address) and where the hand-in goes. Each field is
// checked as the hand-in's reader checks it; what is wrong stands in red
// under the fields and "Abgeben" waits until it fits. Name, class and
// identifier are remembered for the next hand-in.

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace werkstatt {

struct Abgabeangaben {
    QString name;
    QString klasse;
    QString kennung;  // may be empty
    QString datei;    // the .fuzabgabe to write
};

class AbgabeDialog : public QDialog {
    Q_OBJECT
public:
    // `vorschlag`: what the fields start with (the name the numbers are drawn
    // by, the file in the folder hand-ins go to); empty fields take what was
    // given last. `titel` is the exercise's, `aufgabeDatei` its file: until
    // the file is chosen by hand, its name follows the student's name.
    AbgabeDialog(const Abgabeangaben& vorschlag, const QString& titel, const QString& aufgabeDatei,
                 QWidget* parent = nullptr);

    Abgabeangaben angaben() const;
    QLineEdit* nameFeld() const { return Name_; }
    QLineEdit* klasseFeld() const { return Klasse_; }
    QLineEdit* kennungFeld() const { return Kennung_; }
    QLineEdit* dateiFeld() const { return Datei_; }
    QPushButton* abgebenKnopf() const { return Abgeben_; }
    QLabel* fehler() const { return Fehler_; }

    // The file dialog of "Ändern…"; replaceable for tests.
    std::function<QString(const QString& vorschlag)> DateiDialog;

    // What is wrong with the fields, one sentence per line; empty when all fit.
    QString pruefen() const;
    void accept() override;

private:
    void Aktualisieren();
    void DateiNachName();

    QLineEdit* Name_ = nullptr;
    QLineEdit* Klasse_ = nullptr;
    QLineEdit* Kennung_ = nullptr;
    QLineEdit* Datei_ = nullptr;
    QPushButton* Abgeben_ = nullptr;
    QLabel* Fehler_ = nullptr;
    QString AufgabeDatei_;
    bool DateiVonHand_ = false;
};

// A file name for a hand-in from the student's name and the exercise: letters,
// digits, '-' and '_' only ("Anna_Berg-03_lok_tabelle.fuzabgabe").
QString AbgabeDateiname(const QString& name, const QString& aufgabeDatei);

}  // namespace werkstatt
