#pragma once

// The terms of a project's three variables, one small diagram each, for the
// tuning dialog: "Vorher" shows the start's terms, "Nachher" the result's,
// where every term the search moved is drawn bold in the colour of the
// changed rule cells, with its shape before it dashed beneath, and named in
// the caption (grouped by variable), which gets the lines it needs.

#include "fuzzy/Project.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QPainter;

namespace labor {

class TermVergleich : public QWidget {
    Q_OBJECT
public:
    explicit TermVergleich(QWidget* parent = nullptr);

    // The terms to show, and those to compare them with (none: nothing is
    // marked as changed).
    void setProjekte(const fuzzy::Project& zeigen, const fuzzy::Project* vergleich);
    void leeren();

    // "Variable: Term" for every term that differs from the comparison, in
    // the order of the diagrams.
    const QStringList& geaenderteTerme() const { return Geaendert_; }

    // The caption under the diagrams, as shown (empty without a comparison).
    QString unterschrift() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int breite) const override;
    void malen(QPainter& p, QSize groesse) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Variable(QPainter& p, const QRectF& feld, int welche) const;
    int Diagramme() const;
    int DiagrammHoehe() const;
    int UnterschriftHoehe(int breite) const;

    std::optional<fuzzy::Project> Zeigen_, Vergleich_;
    QStringList Geaendert_;
};

}  // namespace labor
