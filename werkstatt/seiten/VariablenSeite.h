#pragma once

#include "werkstatt/modell/Modell.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class TSingEdit;
class TTermDiagramm;

namespace Ui {
class TVariablenSeite;
}

namespace werkstatt {

// The page of one variable: name, range, the table of up to five terms and
// the term diagram with its handles. Every change goes to the model; the
// page shows what the model holds after it.
class TVariablenSeite : public QWidget {
    Q_OBJECT
public:
    explicit TVariablenSeite(QWidget* parent = nullptr);
    ~TVariablenSeite() override;

    void setModell(TProjektModell* modell, Rolle rolle);
    Rolle rolle() const { return rolle_; }

    // Shows what the model holds now.
    void Aktualisieren();
    // Selects a term row (1..5) and that term in the diagram; 0 clears.
    void WaehleTerm(int term);
    int GewaehlterTerm() const;
    // Selects every term of a set (bit i - 1 for term i), as a hint points at
    // the terms to widen; the first becomes the diagram's term. While more
    // than one is selected, the buttons that act on one term are off.
    void WaehleTerme(std::uint8_t terme);
    // The selected terms, bit i - 1 for term i.
    std::uint8_t GewaehlteTerme() const;
    void setMarke(std::optional<float> wert);

    // --- the page's controls, for the window and the tests ---------------------
    QCheckBox* BVerwenden = nullptr;
    QLabel* NichtVerwendet = nullptr;
    QLineEdit* NameEdit = nullptr;
    TSingEdit* MinEdit = nullptr;
    TSingEdit* MaxEdit = nullptr;
    QTableWidget* TermTabelle = nullptr;
    QPushButton* HinzuBtn = nullptr;
    QPushButton* EntfernenBtn = nullptr;
    QPushButton* HochBtn = nullptr;
    QPushButton* RunterBtn = nullptr;
    // "Bild speichern…": only where the views' picture export is built in.
    QPushButton* BildBtn = nullptr;
    TTermDiagramm* Diagramm = nullptr;

    // Table columns.
    enum Spalte { SpalteName = 0, SpalteKuerzel = 1, SpalteA = 2, SpalteH = 6, Spalten = 7 };

    // --- handlers --------------------------------------------------------------
    void NameEditFertig();
    void MinEditFertig();
    void MaxEditFertig();
    void TermTabelleGeaendert(QTableWidgetItem* item);
    void TermTabelleAuswahl();
    void HinzuClick();
    void EntfernenClick();
    void HochClick();
    void RunterClick();
    void BVerwendenClick(bool an);
    void BildClick();
    void DiagrammGriff(int term, int param, float wert, bool neuerZug);
    void DiagrammTerm(int term);

private:
    void KnoepfeEinstellen();
    // What an exercise locks: off or read-only, with a tooltip that says why.
    void SperreZeigen();
    void BereichFertig(TSingEdit* feld, bool unten);

    std::unique_ptr<Ui::TVariablenSeite> ui_;
    TProjektModell* modell_ = nullptr;
    Rolle rolle_ = Rolle::A;
    bool aktualisiert_ = false;  // true while the page writes its own controls
    int zug_ = 0;
    QString minText_, maxText_;
};

// A float as the shortest text that reads back as the same float.
QString ZahlText(float v);

}  // namespace werkstatt
