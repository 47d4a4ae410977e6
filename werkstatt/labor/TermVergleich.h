#pragma once

// The terms of a project's three variables, one small diagram each, for the
// tuning dialog: "Vorher" shows the start's terms, "Nachher" the result's,
// where every term the search moved is drawn bold with its shape before it
// dashed and pale beneath, and named in the caption.

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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void malen(QPainter& p, QSize groesse) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Variable(QPainter& p, const QRectF& feld, int welche) const;

    std::optional<fuzzy::Project> Zeigen_, Vergleich_;
    QStringList Geaendert_;
};

}  // namespace labor
