#include "werkstatt/AufgabenPanel.h"

#include "exercise/Reader.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Zahlformat.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace werkstatt {

namespace {

// A link of the list: a failing start or run of the check's result,
// "start:CRITERION:INDEX" or "lauf:CRITERION:INDEX".
QString Verweis(const char* art, std::size_t kriterium, std::size_t index) {
    return QStringLiteral("%1:%2:%3").arg(QLatin1String(art)).arg(kriterium).arg(index);
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A paragraph per line of the check's texts, for rich text.
QString Absaetze(const std::vector<std::string>& zeilen) {
    QString html;
    for (const std::string& z : zeilen) html += QStringLiteral("<li>%1</li>").arg(Text(z).toHtmlEscaped());
    return html.isEmpty() ? html : QStringLiteral("<ul style='margin-left:-20px'>%1</ul>").arg(html);
}

// A task as the file holds it, hard-wrapped, for a box of any width:
// lines of a paragraph flow together; a blank line ends a paragraph, and a
// line that begins a list item ("- ", "* ", "• ", "1. ") or is indented
// begins a line of its own.
QString Fliesstext(const std::string& text) {
    const QStringList zeilen = Text(text).split(QLatin1Char('\n'));
    QString html, absatz;
    auto ende = [&] {
        if (!absatz.isEmpty()) html += QStringLiteral("<p>%1</p>").arg(absatz);
        absatz.clear();
    };
    static const QRegularExpression eintrag(QStringLiteral("^(\\s+|[-*\u2022\u2013] |\\d+[.)] )"));
    for (const QString& z : zeilen) {
        if (z.trimmed().isEmpty()) {
            ende();
            continue;
        }
        if (!absatz.isEmpty()) absatz += eintrag.match(z).hasMatch() ? QStringLiteral("<br>") : QStringLiteral(" ");
        absatz += z.trimmed().toHtmlEscaped();
    }
    ende();
    return html;
}

// The marks stay apart without colour: a tick and a cross.
const QString Gut = QStringLiteral("\u2713 ");
const QString Schlecht = QStringLiteral("\u2717 ");

}  // namespace

AufgabenPanel::AufgabenPanel(QWidget* parent)
    : QWidget(parent), Rechnung_(this, [this](exercise::CheckResult&& r) { Zeigen(std::move(r)); }) {
    Titel_ = new QLabel(this);
    Titel_->setObjectName(QStringLiteral("titel"));
    Titel_->setWordWrap(true);
    QFont gross = Titel_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.2);
    Titel_->setFont(gross);
    Text_ = new QTextBrowser(this);
    Text_->setObjectName(QStringLiteral("aufgabenText"));
    Text_->setOpenLinks(false);
    Text_->setMinimumHeight(120);

    AntwortenKnopf_ = new QPushButton(tr("Antworten öffnen…"), this);
    AntwortenKnopf_->setObjectName(QStringLiteral("antworten"));
    AntwortenKnopf_->setToolTip(tr("Die Antworten der Handrechnung aus einer Antwortdatei (*.fuzantwort) lesen"));
    AntwortenText_ = new QLabel(this);
    AntwortenText_->setWordWrap(true);
    Pruefen_ = new QPushButton(tr("&Prüfen"), this);
    Pruefen_->setObjectName(QStringLiteral("pruefen"));
    Pruefen_->setToolTip(
        tr("Das Projekt, wie es jetzt ist, nach der Aufgabe beurteilen, mit Hinweisen, wenn "
           "etwas fehlt"));
    QFont fett = Pruefen_->font();
    fett.setBold(true);
    Pruefen_->setFont(fett);

    Status_ = new QLabel(this);
    Status_->setObjectName(QStringLiteral("status"));
    Status_->setWordWrap(true);
    Urteil_ = new QLabel(this);
    Urteil_->setObjectName(QStringLiteral("urteil"));
    Urteil_->setWordWrap(true);
    Urteil_->setTextFormat(Qt::RichText);
    Urteil_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Urteil_->setFrameShape(QFrame::StyledPanel);
    Urteil_->hide();
    Kriterien_ = new QTextBrowser(this);
    Kriterien_->setObjectName(QStringLiteral("kriterien"));
    Kriterien_->setOpenLinks(false);
    Kriterien_->setToolTip(
        tr("Jede Prüfung der Aufgabe mit dem gemessenen Wert und der Grenze. Ein Klick auf einen "
           "Start oder einen Lauf zeigt ihn in seinem Labor."));

    Beenden_ = new QPushButton(tr("Aufgabe beenden"), this);
    Beenden_->setObjectName(QStringLiteral("beenden"));
    Beenden_->setToolTip(tr("Die Aufgabe schließen: Der Editor lässt wieder alles ändern; das Projekt bleibt."));

    Schuelerblatt_ = new QPushButton(tr("Schülerblatt…"), this);
    Schuelerblatt_->setObjectName(QStringLiteral("schuelerblatt"));
    Schuelerblatt_->setToolTip(
        tr("Das Blatt für die Klasse: Name, Klasse, Datum, die Aufgabe und Platz für die "
           "Antworten, in der Druckvorschau (drucken oder als PDF)"));
    Loesungsblatt_ = new QPushButton(tr("Lösungsblatt…"), this);
    Loesungsblatt_->setObjectName(QStringLiteral("loesungsblatt"));
    Loesungsblatt_->setToolTip(
        tr("Das Blatt für die Lehrkraft: die Aufgabe mit den Zahlen des Programms "
           "vorgerechnet, in der Druckvorschau"));
    auto* blaetter = new QHBoxLayout;
    blaetter->addWidget(Schuelerblatt_);
    blaetter->addWidget(Loesungsblatt_);
    blaetter->addStretch(1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Pruefen_);
    knoepfe->addWidget(AntwortenKnopf_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(Beenden_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Titel_);
    layout->addWidget(Text_, 2);
    layout->addLayout(blaetter);
    layout->addLayout(knoepfe);
    layout->addWidget(AntwortenText_);
    layout->addWidget(Status_);
    layout->addWidget(Urteil_);
    layout->addWidget(Kriterien_, 3);

    connect(Pruefen_, &QPushButton::clicked, this, &AufgabenPanel::pruefen);
    connect(AntwortenKnopf_, &QPushButton::clicked, this, [this] {
        const QString datei = AntwortenDialog ? AntwortenDialog() : QString();
        if (!datei.isEmpty()) antwortenLaden(datei);
    });
    connect(Beenden_, &QPushButton::clicked, this, &AufgabenPanel::beendenGewuenscht);
    connect(Schuelerblatt_, &QPushButton::clicked, this, [this] { emit blattGewuenscht(false); });
    connect(Loesungsblatt_, &QPushButton::clicked, this, [this] { emit blattGewuenscht(true); });
    connect(Kriterien_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& verweis) { oeffneVerweis(verweis.toString()); });
    // Room for a criterion's line with its measured value and limit.
    setMinimumWidth(330);
    setEnabled(false);
}

AufgabenPanel::~AufgabenPanel() = default;

void AufgabenPanel::setAufgabe(const exercise::Exercise& e, const QString& name) {
    Aufgabe_ = e;
    Name_ = name;
    Antworten_ = {};
    AntwortenName_.clear();
    Ergebnis_.reset();
    Geprueft_ = false;
    setEnabled(true);
    Titel_->setText(Text(e.Title.Active()));
    Text_->setHtml(Fliesstext(e.Task.Active()));
    AntwortenKnopf_->setVisible(e.NeedsAnswers());
    AntwortenText_->setVisible(e.NeedsAnswers());
    AntwortenText_->setText(
        tr("Noch keine Antworten: Tragen Sie sie in eine Antwortdatei ein und öffnen Sie "
           "sie mit „Antworten öffnen…“."));
    Kriterien_->clear();
    Verweise_.clear();
    Urteil_->hide();
    NeuPruefen();
}

void AufgabenPanel::leeren() {
    Aufgabe_.reset();
    Ergebnis_.reset();
    Geprueft_ = false;
    Antworten_ = {};
    Rechnung_.Abbrechen();
    Titel_->clear();
    Text_->clear();
    Status_->clear();
    Kriterien_->clear();
    Verweise_.clear();
    Urteil_->hide();
    setEnabled(false);
}

void AufgabenPanel::setProjekt(const fuzzy::Project& p) {
    Projekt_ = p;
    HatProjekt_ = true;
    // The verdict belonged to the project before this edit.
    Geprueft_ = false;
    NeuPruefen();
}

void AufgabenPanel::setAntworten(const exercise::Answers& a, const QString& name) {
    Antworten_ = a;
    AntwortenName_ = name;
    AntwortenText_->setText(tr("Antworten aus „%1“").arg(name));
    Geprueft_ = false;
    NeuPruefen();
}

bool AufgabenPanel::antwortenLaden(const QString& datei) {
    try {
        setAntworten(exercise::ReadAnswers(QFile::encodeName(datei).toStdString()), QFileInfo(datei).fileName());
        return true;
    } catch (const fuzzy::Error& e) {
        widgets::ErrorBox(tr("„%1“ ist keine Antwortdatei, die sich lesen lässt:\n%2")
                              .arg(QFileInfo(datei).fileName(), Text(e.Describe())));
        return false;
    }
}

void AufgabenPanel::pruefen() {
    if (!Aufgabe_) return;
    Geprueft_ = true;
    // The result on show is the current project's unless a check still runs;
    // then the verdict follows when it ends.
    if (!rechnet()) ZeigeUrteil();
}

void AufgabenPanel::NeuPruefen() {
    if (!Aufgabe_) return;
    Urteil_->setVisible(false);
    if (Aufgabe_->NeedsProject() && !HatProjekt_) return;
    Status_->setText(tr("Wird geprüft …"));
    // An exercise that needs no project judges its own starting project.
    const fuzzy::Project p = Aufgabe_->NeedsProject() ? Projekt_ : Aufgabe_->StartProject();
    Rechnung_.Anstossen([e = *Aufgabe_, p, a = Antworten_](const std::atomic<bool>& abbruch) {
        exercise::CheckOptions o;
        o.Cancel = &abbruch;
        return exercise::Check(e, p, a, o);
    });
}

void AufgabenPanel::Zeigen(exercise::CheckResult&& r) {
    // A check stopped half-way says nothing; a newer one is on its way.
    if (r.Cancelled || !Aufgabe_) return;
    Ergebnis_ = std::move(r);
    const auto& k = Ergebnis_->Criteria;
    const auto erfuellt = std::count_if(k.begin(), k.end(), [](const auto& c) { return c.Passed; });
    if (Ergebnis_->Overall == exercise::Verdict::Refused)
        Status_->setText(
            tr("Stand nach der letzten Änderung: %1").arg(Text(exercise::VerdictText(Ergebnis_->Overall))));
    else
        Status_->setText(tr("Stand nach der letzten Änderung: %1 von %2 Prüfungen erfüllt")
                             .arg(erfuellt)
                             .arg(static_cast<int>(k.size())));
    ZeigeKriterien();
    if (Geprueft_) ZeigeUrteil();
}

void AufgabenPanel::ZeigeKriterien() {
    Verweise_.clear();
    if (!Ergebnis_) {
        Kriterien_->clear();
        return;
    }
    // Each criterion in the check's words, its reasons below it, and each
    // failing start or run as a link to its lab.
    QString html;
    auto zeile = [](const QString& zeichen, const QString& text) {
        return QStringLiteral("<p style='margin:6px 0 0 0'>%1%2</p>").arg(zeichen, text.toHtmlEscaped());
    };
    // Refused: what changed that may not; nothing else is judged.
    for (const std::string& aenderung : Ergebnis_->Changes) html += zeile(Schlecht, Text(aenderung));
    for (std::size_t i = 0; i < Ergebnis_->Criteria.size(); ++i) {
        const exercise::CriterionResult& c = Ergebnis_->Criteria[i];
        html += zeile(c.Passed ? Gut : Schlecht, Text(exercise::Summary(c)));
        QString unten;
        for (const std::string& grund : c.Reasons)
            unten += QStringLiteral("<li>%1</li>").arg(Text(grund).toHtmlEscaped());
        auto link = [&](const QString& ziel, const QString& text) {
            Verweise_ << ziel;
            unten += QStringLiteral("<li><a href='%1'>%2</a></li>").arg(ziel, text.toHtmlEscaped());
        };
        for (std::size_t j = 0; j < c.Starts.size(); ++j) {
            const exercise::StartRef& s = c.Starts[j];
            link(Verweis("start", i, j),
                 tr("Im Truck-Labor zeigen: Start (%1 m, %2°) bei %3 m/s")
                     .arg(zahl::Fest(s.Start.CabX, 0), zahl::Fest(s.Start.Attitude, 0), zahl::Kurz(s.Speed)));
        }
        for (std::size_t j = 0; j < c.Runs.size(); ++j) {
            const pemrak::RunOptions& o = c.Runs[j];
            link(Verweis("lauf", i, j),
                 tr("Im Lok-Labor zeigen: %1 kg, Zeitschritt %2 s").arg(zahl::Kurz(o.Start.Masse), zahl::Kurz(o.Dt)));
        }
        if (!unten.isEmpty()) html += QStringLiteral("<ul style='margin:0'>%1</ul>").arg(unten);
    }
    const int oben = Kriterien_->verticalScrollBar()->value();
    Kriterien_->setHtml(html);
    Kriterien_->verticalScrollBar()->setValue(oben);
}

void AufgabenPanel::ZeigeUrteil() {
    if (!Ergebnis_) return;
    const exercise::CheckResult& r = *Ergebnis_;
    QString html = QStringLiteral("<b>%1%2</b>")
                       .arg(r.Passed() ? Gut : Schlecht, Text(exercise::VerdictText(r.Overall)).toHtmlEscaped());
    html += Absaetze(r.Changes);
    if (!r.Hints.empty()) html += QStringLiteral("<p>%1</p>").arg(tr("Hinweise:")) + Absaetze(r.Hints);
    if (r.TeacherMarks)
        html += QStringLiteral("<p><i>%1</i></p>")
                    .arg(tr("Einen Teil dieser Aufgabe bewertet die Lehrkraft; die Prüfung beurteilt nur, was ein "
                            "Programm messen kann."));
    Urteil_->setText(html);
    Urteil_->setStyleSheet(r.Passed() ? QStringLiteral("QLabel { background: #e4f4e4; padding: 4px; }")
                                      : QStringLiteral("QLabel { background: #fbe6e6; padding: 4px; }"));
    Urteil_->setVisible(true);
}

bool AufgabenPanel::oeffneVerweis(const QString& verweis) {
    const QStringList teile = verweis.split(QLatin1Char(':'));
    if (!Ergebnis_ || teile.size() != 3) return false;
    bool ok1 = false, ok2 = false;
    const int i = teile[1].toInt(&ok1), j = teile[2].toInt(&ok2);
    if (!ok1 || !ok2 || i < 0 || j < 0 || i >= static_cast<int>(Ergebnis_->Criteria.size())) return false;
    const exercise::CriterionResult& c = Ergebnis_->Criteria[static_cast<std::size_t>(i)];
    if (teile[0] == QLatin1String("start") && j < static_cast<int>(c.Starts.size())) {
        emit startGewaehlt(c.Starts[static_cast<std::size_t>(j)]);
        return true;
    }
    if (teile[0] == QLatin1String("lauf") && j < static_cast<int>(c.Runs.size())) {
        emit laufGewaehlt(c.Runs[static_cast<std::size_t>(j)]);
        return true;
    }
    return false;
}

}  // namespace werkstatt
