#pragma once

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/InspektorSzene.h"

#include <QDoubleSpinBox>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QSlider;

namespace ansichten {

// A number field that shows a value as briefly as it reads back exactly and
// takes a point or a comma.
class ZahlFeld : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit ZahlFeld(QWidget* parent = nullptr);
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};

// One control step of a run, as a lab hands it over: where it comes from,
// the controller's inputs exactly as the run fed them and the output the run
// applied.
struct Laufschritt {
    QString Herkunft;  // "Truck-Labor, Start (−14 m, −35°), Schritt 12 von 230"
    float A = 0.0f;
    float B = 0.0f;
    float Angewandt = 0.0f;
};

// The inspector: two sliders (with number fields) set the inputs; the scene
// below shows how one control step turns them into the output.
class Inspektor : public QWidget {
    Q_OBJECT
public:
    explicit Inspektor(QWidget* parent = nullptr);

    // Takes copies of the project; cheap enough to call after every edit.
    // The inputs stay where they were, limited to the new ranges.
    void setProjekt(const fuzzy::Project& p);
    // Sets both inputs (B is ignored without input B), limited to the ranges.
    void setEingaben(float a, float b);
    // Shows a step of a run: the inputs exactly as the run had them, also
    // beyond the ranges, with a line that names the step and compares the
    // output with the one the run applied. Moving an input, or a new
    // project, leaves the step.
    void zeigeSchritt(const Laufschritt& s);
    // Narrow, beside a lab: shorter sliders, the output's line may wrap,
    // a smaller scene.
    void setSchmal();
    // The step on show, if any.
    const std::optional<Laufschritt>& schritt() const { return schritt_; }
    // The line above the scene that names the step (hidden without one).
    QLabel* schrittAnzeige() const { return schrittLabel_; }

    float eingabeA() const { return szene_.auswertung.A; }
    float eingabeB() const { return szene_.auswertung.B; }
    // The crisp output of the current step, as Defuzzify gives it.
    float ausgang() const { return szene_.auswertung.Output; }
    const fuzzy::StepBreakdown& auswertung() const { return szene_.auswertung; }
    const InspektorSzene& szene() const { return szene_; }

    // The scene, for the screen and for pictures.
    void malen(QPainter& p, QSize groesse) const;
    QSize szenengroesse() const;
    // "Bild speichern…"
    bool bildSpeichern();

    // The controls, for tests and for the window's own layout.
    QSlider* schieberA() const { return schieberA_; }
    QSlider* schieberB() const { return schieberB_; }
    ZahlFeld* feldA() const { return feldA_; }
    ZahlFeld* feldB() const { return feldB_; }
    QLabel* ausgangAnzeige() const { return ausgangLabel_; }
    // The sentence under the output when no rule fires; hidden otherwise.
    QLabel* keineRegelAnzeige() const { return keineRegel_; }
    QLabel* nichtVerwendet() const { return nichtVerwendet_; }
    QPushButton* speichernKnopf() const { return speichern_; }
    QWidget* bild() const { return bild_; }

    static constexpr int SchieberSchritte = 1000;

    // Called by the scene widget: a click or drag in an input's diagram
    // moves that input there.
    void MausImBild(QPoint pixel);

signals:
    // The inputs changed, by the controls or by setEingaben.
    void eingabenGeaendert(float a, float b);

private:
    void BreakDownStep(bool melden);
    void Anzeigen();
    void SchieberBewegt();
    void FeldGeaendert();
    float AusSchieber(const QSlider* s, const fuzzy::TFuzzy& v) const;
    void Einstellen(QSlider* s, ZahlFeld* f, const fuzzy::TFuzzy& v, float wert);

    InspektorSzene szene_;
    bool gesetzt_ = false;
    std::optional<Laufschritt> schritt_;
    QLabel* schrittLabel_ = nullptr;
    QLabel* nameA_ = nullptr;
    QLabel* nameB_ = nullptr;
    QSlider* schieberA_ = nullptr;
    QSlider* schieberB_ = nullptr;
    ZahlFeld* feldA_ = nullptr;
    ZahlFeld* feldB_ = nullptr;
    QLabel* nichtVerwendet_ = nullptr;
    QLabel* ausgangLabel_ = nullptr;
    QLabel* keineRegel_ = nullptr;
    QPushButton* speichern_ = nullptr;
    SzenenBild* bild_ = nullptr;
};

}  // namespace ansichten
