#pragma once

#include "fuzzy/FuzUnits.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QShowEvent;
class TRuleGrid;

namespace Ui {
class TRegEditForm;
}

// The modal rule editor "Regeln editieren". It works on copies: the caller
// assigns its three variables to EditEingangA/B and EditAusgang, copies its
// 25 rule entries into EditRegeln, calls exec(), and copies EditRegeln back
// only when exec() returns Accepted (Execute() does all of this).
//
// Grid cell (column j, row i), j and i from 1 to 5, shows EditRegeln.Get(j, i):
// the rule for input B's term j and input A's term i. Row 0 and column 0 are
// the header cells with the abbreviations of B's and A's terms.
class TRegEditForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2;

    // withHelpButton: Dorvane's variant with "&Hilfe"; Pemrak's has none and
    // its OK and Abbrechen buttons stand further right.
    explicit TRegEditForm(bool withHelpButton, QWidget* parent = nullptr);
    ~TRegEditForm() override;

    fuzzy::TFuzzy EditEingangA;
    fuzzy::TFuzzy EditEingangB;
    fuzzy::TFuzzy EditAusgang;
    fuzzy::RuleTable EditRegeln;
    // Output term (1..5) last chosen in the list; 0 until one is chosen. It
    // survives closing the dialog, the list's selection does not.
    int AusgangsTerm = 0;

    // Called with HelpContext when "&Hilfe" is clicked; the dialog stays open.
    void setHelpHandler(std::function<void(int context)> handler);

    // Copies the variables and rules in, shows the dialog modally and copies
    // the 25 entries back into rules on OK. True when closed with OK.
    bool Execute(const fuzzy::TFuzzy& a, const fuzzy::TFuzzy& b, const fuzzy::TFuzzy& out, fuzzy::RuleTable& rules);

    // What "Regeln editieren" does in both programs: warns when input A or the
    // output is undefined (input B may be), otherwise Execute.
    bool EditProjectRules(const fuzzy::TFuzzy& a, const fuzzy::TFuzzy& b, const fuzzy::TFuzzy& out,
                          fuzzy::RuleTable& rules);

    // Event handlers (connected in the constructor; public so callers and
    // tests can run them as the event loop would).
    void FormCreate();
    void FormActivate();
    void ListBox1Click();
    void StringGrid1Click();
    void StringGrid1DblClick();
    void Neu1Click();
    void KopierenClick();
    void HelpBtnClick();

    // Controls, named as in the window layout.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    TRuleGrid* StringGrid1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Neu1 = nullptr;
    QPushButton* Kopieren = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    // The text a cell shows for a rule entry: the output term's abbreviation;
    // nothing for 0 and for entries outside 1..5 (which inference ignores).
    QString CellText(int entry) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TRegEditForm> ui_;
    std::function<void(int)> helpHandler_;
};
