#pragma once

#include "fuzzy/FuzUnits.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QShowEvent;
class TKoordinatensystem;

namespace Ui {
class TGraphform;
}

// The main window's variables the diagram dialog shows. The dialog reads them
// at every activation and selection, so they must outlive it. A null pointer
// counts as an undefined variable with an empty name.
struct GraphVariables {
    fuzzy::TFuzzy* EingangA = nullptr;
    fuzzy::TFuzzy* EingangB = nullptr;
    fuzzy::TFuzzy* Ausgang = nullptr;
    fuzzy::TFuzzy* AusgangKopie = nullptr;
};

// The modal dialog "Diagramme der Fuzzyvariablen": the terms of input A,
// input B or the output (drawn from AusgangKopie, which keeps the heights of
// the project file) as a diagram.
class TGraphform : public QDialog {
    Q_OBJECT
public:
    explicit TGraphform(const GraphVariables& vars, QWidget* parent = nullptr);
    ~TGraphform() override;

    void SetVariables(const GraphVariables& vars) { vars_ = vars; }
    const GraphVariables& Variables() const { return vars_; }

    // Event handlers.
    void FormActivate();
    void RadioGroup1Click();

    // The selected radio item: 0 = input A, 1 = input B, 2 = output, -1 none.
    int ItemIndex() const;
    // Selects an item as the operator would (runs RadioGroup1Click when the
    // selection changes).
    void SetItemIndex(int index);

    // Controls, named as in the window layout.
    QFrame* Bevel1 = nullptr;
    QFrame* Panel1 = nullptr;
    TKoordinatensystem* Koordinatensystem2 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioItems[3] = {nullptr, nullptr, nullptr};
    QPushButton* OKBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TGraphform> ui_;
    QButtonGroup* group_ = nullptr;
    GraphVariables vars_;
};
