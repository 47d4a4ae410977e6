#pragma once

#include "werkstatt/modell/Modell.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class QLabel;
class QListWidget;
class QListWidgetItem;
class TRuleGrid;

namespace Ui {
class TRegelSeite;
}

namespace werkstatt {

// The rule page: the rule editor's grid, edited in place. Grid column j is
// term j of input A, grid row i term i of input B (row 1 alone without input
// B), as the rule table stores them and as every other grid of the workshop
// shows them; rows and columns beyond the term counts are hidden. A cell shows
// its output term's abbreviation; "#k" marks an entry that names no term.
class TRegelSeite : public QWidget {
    Q_OBJECT
public:
    explicit TRegelSeite(QWidget* parent = nullptr);
    ~TRegelSeite() override;

    void setModell(TProjektModell* modell);
    void Aktualisieren();

    // Selects the cell of the rule with B's term `zeile` and A's term
    // `spalte` (the rule table's row and column).
    void WaehleRegel(int zeile, int spalte);
    // The rule table's row and column of the current cell; {0, 0} for none.
    std::pair<int, int> GewaehlteRegel() const;
    // Selects every cell of a set (bit (row - 1) * 5 + (column - 1), as the
    // hints name them), the first by row and column being the current cell.
    void WaehleRegeln(std::uint32_t zellen);
    // The selected cells of the terms in use, in the same bits.
    std::uint32_t GewaehlteRegeln() const;

    TRuleGrid* RegelGitter = nullptr;
    QListWidget* AusgangListe = nullptr;
    QLabel* SpaltenLbl = nullptr;
    QLabel* ZeilenLbl = nullptr;

    // Sets the current cell's rule; 0 = no rule.
    void SetzeAusgangsterm(int k);
    void GitterClick();
    void ListeClick(QListWidgetItem* item);

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    void ListeZeigen();
    // What an exercise locks, with a tooltip that says why.
    void SperreZeigen();

    std::unique_ptr<Ui::TRegelSeite> ui_;
    TProjektModell* modell_ = nullptr;
    bool aktualisiert_ = false;
};

}  // namespace werkstatt
