#include "werkstatt/aufgabe/AufgabenPanel.h"

#include "werkstatt/aufgabe/Notiz.h"

#include "exercise/HandIn.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "exercise/TaskText.h"
#include "exercise/Variants.h"
#include "fuzzy/AtomicFile.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Zahlformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
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

// A task as paragraphs for a box of any width; the gaps and indents the
// author typed inside a line stay.
QString Fliesstext(const std::string& text) {
    QString html;
    for (const exercise::TaskParagraph& absatz : exercise::TaskParagraphs(text)) {
        QStringList zeilen;
        for (const std::string& z : absatz) zeilen << Text(z).toHtmlEscaped();
        html += QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(zeilen.join(QStringLiteral("<br>")));
    }
    return html;
}

// A term's name, its number where it has none (as on the students' sheet).
QString TermName(const fuzzy::TFuzzy& v, int i) {
    const QString t = Text(v.GetTermName(i));
    return t.isEmpty() ? QString::number(i) : t;
}

// A tool tip that shows names as they are, never as markup.
QString Tipp(const QString& text) {
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

// A long text (the verdict with its hints, the teacher's check) in a box of
// its own that scrolls: on a projector's 768 lines it gets the room the
// panel has, and what does not fit is a scroll away, never cut off.
class TextRollen : public QScrollArea {
public:
    TextRollen(QLabel* text, QWidget* parent) : QScrollArea(parent), text_(text) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(text);
        hide();
    }
    // As tall as the text at this width, at least three lines of it.
    QSize sizeHint() const override {
        const int breite = std::max(viewport()->width(), 100);
        return {breite, std::max(text_->heightForWidth(breite), 0) + 2 * frameWidth()};
    }
    QSize minimumSizeHint() const override {
        return {100, std::min(sizeHint().height(), 3 * fontMetrics().height() + 12)};
    }

private:
    QLabel* text_;
};

// How long the typing must rest before the boxes are checked: a keystroke
// must not start a truck grid each time.
constexpr int PauseMs = 300;

// The marks stay apart without colour: a tick and a cross.
const QString Gut = QStringLiteral("\u2713 ");
const QString Schlecht = QStringLiteral("\u2717 ");

}  // namespace

AufgabenPanel::AufgabenPanel(QWidget* parent)
    : QWidget(parent),
      Rechnung_(this, [this](exercise::CheckResult&& r) { Zeigen(std::move(r)); }),
      Bewertung_(this,
                 [this](std::optional<exercise::Worth>&& w) {
                     if (!Aufgabe_ || !w) return;
                     Wert_ = std::move(w);
                     // The status line says the points as soon as they are known.
                     if (Ergebnis_) {
                         exercise::CheckResult r = *Ergebnis_;
                         Zeigen(std::move(r));
                     }
                 }),
      Gegenprobe_Rechnung_(this, [this](std::vector<exercise::Finding>&& f) { ZeigeGegenprobe(std::move(f)); }) {
    Titel_ = new QLabel(this);
    Titel_->setObjectName(QStringLiteral("titel"));
    // Every text of an exercise file as it is, never as markup (a link, a picture).
    Titel_->setTextFormat(Qt::PlainText);
    Titel_->setWordWrap(true);
    QFont gross = Titel_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.2);
    Titel_->setFont(gross);
    Text_ = new QTextBrowser(this);
    Text_->setObjectName(QStringLiteral("aufgabenText"));
    Text_->setAccessibleName(tr("Aufgabe"));
    Text_->setOpenLinks(false);
    Text_->setMinimumHeight(100);

    AntwortenKnopf_ = new QPushButton(tr("Antworten öffnen…"), this);
    AntwortenKnopf_->setObjectName(QStringLiteral("antworten"));
    AntwortenKnopf_->setToolTip(
        tr("Die Antworten der Handrechnung aus einer Antwortdatei (*.fuzantwort) in die Felder übernehmen"));
    Speichern_ = new QPushButton(tr("Antworten speichern…"), this);
    Speichern_->setObjectName(QStringLiteral("speichern"));
    Speichern_->setToolTip(
        tr("Die Zahlen in den Feldern als Antwortdatei (*.fuzantwort) speichern, zum Abgeben oder Weiterrechnen"));
    AntwortenText_ = new Notiz(this);
    AntwortenText_->setObjectName(QStringLiteral("antwortenText"));
    FelderInhalt_ = new QWidget;
    FelderInhalt_->setObjectName(QStringLiteral("antwortFelder"));
    Bereich_ = new QScrollArea(this);
    Bereich_->setObjectName(QStringLiteral("antwortenBereich"));
    Bereich_->setAccessibleName(tr("Antworten"));
    Bereich_->setWidgetResizable(true);
    Bereich_->setFrameShape(QFrame::NoFrame);
    Bereich_->setWidget(FelderInhalt_);
    Bereich_->setMinimumHeight(150);
    Verzoegerung_ = new QTimer(this);
    Verzoegerung_->setSingleShot(true);
    Verzoegerung_->setInterval(PauseMs);
    connect(Verzoegerung_, &QTimer::timeout, this, &AufgabenPanel::NeuPruefen);
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
    Status_->setTextFormat(Qt::PlainText);
    Status_->setWordWrap(true);
    Urteil_ = new QLabel(this);
    Urteil_->setObjectName(QStringLiteral("urteil"));
    Urteil_->setWordWrap(true);
    Urteil_->setTextFormat(Qt::RichText);
    Urteil_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Urteil_->setFrameShape(QFrame::StyledPanel);
    UrteilRollen_ = new TextRollen(Urteil_, this);
    UrteilRollen_->setObjectName(QStringLiteral("urteilRollen"));
    UrteilRollen_->setAccessibleName(tr("Urteil und Hinweise"));
    Kriterien_ = new QTextBrowser(this);
    Kriterien_->setObjectName(QStringLiteral("kriterien"));
    Kriterien_->setAccessibleName(tr("Prüfungen"));
    Kriterien_->setOpenLinks(false);
    // What the verdict leaves, and at least three lines: the verdict's
    // hints come first.
    Kriterien_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    Kriterien_->setMinimumHeight(3 * Kriterien_->fontMetrics().lineSpacing() + 2 * Kriterien_->frameWidth() + 8);
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

    // Numbers drawn by name: the student's name first, then their boxes.
    SchuelerName_ = new QLineEdit(this);
    SchuelerName_->setObjectName(QStringLiteral("schuelerName"));
    SchuelerName_->setMaxLength(100);
    SchuelerName_->setAccessibleName(tr("Ihr Name, nach dem sich Ihre Zahlen richten"));
    SchuelerName_->setToolTip(
        tr("Jede Schülerin und jeder Schüler rechnet mit eigenen Zahlen; sie richten sich nach "
           "dem Namen, den Sie hier und in der Abgabe eintragen."));
    auto* nameText = new QLabel(tr("Ihr Na&me (für Ihre Zahlen):"), this);
    nameText->setBuddy(SchuelerName_);
    NameZeile_ = new QWidget(this);
    auto* nameLayout = new QHBoxLayout(NameZeile_);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    nameLayout->addWidget(nameText);
    nameLayout->addWidget(SchuelerName_, 1);
    NameZeile_->hide();
    Abgeben_ = new QPushButton(tr("Abgebe&n…"), this);
    Abgeben_->setObjectName(QStringLiteral("abgeben"));
    Abgeben_->setToolTip(
        tr("Projekt und Antworten, wie sie jetzt sind, mit Name und Klasse als Abgabe "
           "(*.fuzabgabe) für die Lehrkraft speichern"));
    Gegenprobe_ = new QLabel(this);
    Gegenprobe_->setObjectName(QStringLiteral("gegenprobe"));
    Gegenprobe_->setTextFormat(Qt::RichText);
    Gegenprobe_->setWordWrap(true);
    Gegenprobe_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Gegenprobe_->setFrameShape(QFrame::StyledPanel);
    Gegenprobe_->setStyleSheet(QStringLiteral("QLabel { background: #fff4d6; padding: 4px; }"));
    GegenprobeRollen_ = new TextRollen(Gegenprobe_, this);
    GegenprobeRollen_->setObjectName(QStringLiteral("gegenprobeRollen"));
    GegenprobeRollen_->setAccessibleName(tr("Gegenprobe für die Lehrkraft"));

    auto* dateien = new QHBoxLayout;
    dateien->addWidget(AntwortenKnopf_);
    dateien->addWidget(Speichern_);
    dateien->addStretch(1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Pruefen_);
    knoepfe->addWidget(Abgeben_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(Beenden_);
    // Three parts the student may make larger or smaller: the task, the
    // boxes, the check.
    auto* aufgabe = new QWidget(this);
    auto* oben = new QVBoxLayout(aufgabe);
    oben->setContentsMargins(0, 0, 0, 0);
    oben->addWidget(Text_, 1);
    oben->addLayout(blaetter);
    oben->addWidget(GegenprobeRollen_);
    oben->addWidget(NameZeile_);
    AntwortenTeil_ = new QWidget(this);
    auto* mitte = new QVBoxLayout(AntwortenTeil_);
    mitte->setContentsMargins(0, 0, 0, 0);
    // The note on the typing above the buttons: when it grows by a line,
    // the boxes give way and the buttons stay where they are.
    mitte->addWidget(Bereich_, 1);
    mitte->addWidget(AntwortenText_);
    mitte->addLayout(dateien);
    auto* pruefung = new QWidget(this);
    auto* unten = new QVBoxLayout(pruefung);
    unten->setContentsMargins(0, 0, 0, 0);
    unten->addLayout(knoepfe);
    unten->addWidget(Status_);
    // The verdict as tall as its text, the criteria below in what is left.
    unten->addWidget(UrteilRollen_);
    unten->addWidget(Kriterien_, 1);
    Teile_ = new QSplitter(Qt::Vertical, this);
    Teile_->setObjectName(QStringLiteral("teile"));
    Teile_->setChildrenCollapsible(false);
    Teile_->addWidget(aufgabe);
    Teile_->addWidget(AntwortenTeil_);
    Teile_->addWidget(pruefung);
    Teile_->setStretchFactor(0, 2);
    Teile_->setStretchFactor(1, 5);
    Teile_->setStretchFactor(2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Titel_);
    layout->addWidget(Teile_, 1);

    connect(Pruefen_, &QPushButton::clicked, this, &AufgabenPanel::pruefen);
    connect(AntwortenKnopf_, &QPushButton::clicked, this, [this] {
        // Typed answers are not replaced without asking, as on a change of exercise.
        if (!antwortenSichern()) return;
        const QString datei = AntwortenDialog ? AntwortenDialog() : QString();
        if (!datei.isEmpty()) antwortenLaden(datei);
    });
    connect(Abgeben_, &QPushButton::clicked, this, [this] { abgeben(); });
    connect(SchuelerName_, &QLineEdit::textEdited, this, [this] { NameGeaendert(); });
    AbgabeFragen = [this](const Abgabeangaben& vorschlag) -> std::optional<Abgabeangaben> {
        AbgabeDialog d(vorschlag, Titel_->text(), AufgabenDatei_, this);
        if (d.exec() != QDialog::Accepted) return std::nullopt;
        return d.angaben();
    };
    connect(Speichern_, &QPushButton::clicked, this, [this] {
        // An entry that is no number refuses before the file dialog, not after it.
        if (unlesbareFelder() > 0) {
            antwortenSpeichern(QString());
            return;
        }
        const QString datei = SpeichernDialog ? SpeichernDialog() : QString();
        if (!datei.isEmpty()) antwortenSpeichern(datei);
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

void AufgabenPanel::setAufgabe(const exercise::Exercise& e, const QString& name, const QString& datei) {
    Original_ = e;
    Wert_.reset();
    Aufgabe_ = exercise::ForStudent(e, SchuelerName_->text().toStdString());
    Name_ = name;
    AufgabenDatei_ = datei;
    AntwortenName_.clear();
    AntwortenGeaendert_ = false;
    Ergebnis_.reset();
    Geprueft_ = false;
    Verzoegerung_->stop();
    setEnabled(true);
    Titel_->setText(Text(e.Title.Active()));
    Text_->setHtml(Fliesstext(e.Task.Active()));
    // The numbers of an exercise before answer another one.
    Felder_.clear();
    FelderFuer_.clear();
    FelderBauen(RechenProjekt());
    AntwortenTeil_->setVisible(e.NeedsAnswers());
    NameZeile_->setVisible(e.NeedsName());
    // What students hold has no teacher's sheet.
    Loesungsblatt_->setVisible(!e.ForStudents());
    ZeigeAntwortenText();
    GegenprobeRollen_->hide();
    Gegenprobe_->clear();
    // What the criteria are worth: the starting project's check, once.
    Bewertung_.Anstossen([e](const std::atomic<bool>& abbruch) {
        exercise::CheckOptions o;
        o.Cancel = &abbruch;
        const exercise::CheckResult start = exercise::StartCheck(e, o);
        return start.Cancelled ? std::optional<exercise::Worth>() : exercise::WorthOf(e, start);
    });
    if (!e.ForStudents()) GegenprobeAnstossen(e, datei);
    // The boxes get the room they need, as far as the task and the check leave
    // it: the three parts in these proportions, once the panel is on screen.
    if (e.NeedsAnswers())
        QTimer::singleShot(0, this, [this] {
            const int zeile = fontMetrics().height();
            Teile_->setSizes({9 * zeile, FelderInhalt_->sizeHint().height() + 5 * zeile, 13 * zeile});
        });
    Kriterien_->clear();
    Verweise_.clear();
    UrteilRollen_->hide();
    UrteilPlatzHalten(false);
    NeuPruefen();
}

void AufgabenPanel::leeren() {
    Aufgabe_.reset();
    Original_.reset();
    Wert_.reset();
    Bewertung_.Abbrechen();
    GegenprobeRollen_->hide();
    NameZeile_->hide();
    Ergebnis_.reset();
    Geprueft_ = false;
    AntwortenName_.clear();
    AntwortenGeaendert_ = false;
    Verzoegerung_->stop();
    Rechnung_.Abbrechen();
    Felder_.clear();
    FelderFuer_.clear();
    delete FelderInhalt_->layout();
    qDeleteAll(FelderInhalt_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    Titel_->clear();
    Text_->clear();
    Status_->clear();
    AntwortenText_->clear();
    Kriterien_->clear();
    Verweise_.clear();
    UrteilRollen_->hide();
    UrteilPlatzHalten(false);
    setEnabled(false);
}

bool AufgabenPanel::rechnet() const { return Rechnung_.Rechnet() || Verzoegerung_->isActive(); }

void AufgabenPanel::setProjekt(const fuzzy::Project& p) {
    Projekt_ = p;
    HatProjekt_ = true;
    // The verdict belonged to the project before this edit.
    Geprueft_ = false;
    // Renamed terms rename the boxes; where the student may change the rules
    // or terms, the boxes follow what the check will ask.
    if (Aufgabe_ && Aufgabe_->NeedsAnswers() && Aufgabe_->NeedsProject()) FelderBauen(RechenProjekt());
    NeuPruefen();
}

fuzzy::Project AufgabenPanel::RechenProjekt() const {
    if (!Aufgabe_) return {};
    return Aufgabe_->NeedsProject() && HatProjekt_ ? Projekt_ : Aufgabe_->StartProject();
}

void AufgabenPanel::FelderBauen(const fuzzy::Project& p) {
    if (!Aufgabe_) return;
    const std::vector<exercise::AnswerField> felder = exercise::AnswerFields(*Aufgabe_, p);
    // What the boxes show: their keys and the names in their labels.
    std::string fuer;
    for (const exercise::AnswerField& f : felder) fuer += f.Point + ':' + f.Key + '\n';
    for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        fuer += v->Name + '\n';
        for (int i = 1; i <= v->UsedTerms(); ++i) fuer += v->GetTermName(i) + '\n';
    }
    if (fuer == FelderFuer_) return;
    FelderFuer_ = fuer;
    // What was typed, to go into the new boxes.
    std::vector<std::pair<std::string, QString>> getippt;
    for (const Feld& f : Felder_) getippt.emplace_back(f.Punkt + ':' + f.Schluessel, f.Edit->text());
    Felder_.clear();
    delete FelderInhalt_->layout();
    qDeleteAll(FelderInhalt_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    auto* spalte = new QVBoxLayout(FelderInhalt_);
    spalte->setContentsMargins(0, 0, 0, 0);
    for (const exercise::HandCheck& h : Aufgabe_->Hand) PunktBauen(h, p, felder, spalte);
    spalte->addStretch(1);
    for (const Feld& f : Felder_)
        for (const auto& [schluessel, text] : getippt)
            if (schluessel == f.Punkt + ':' + f.Schluessel) {
                f.Edit->setText(text);
                FeldZeigen(f.Edit);
            }
    Tabfolge();
}

void AufgabenPanel::Tabfolge() {
    // Tab goes through the panel as it reads: the task and its sheets, the
    // boxes as they stand, the answers files, the check and its lines.
    QList<QWidget*> folge{Text_, Schuelerblatt_, Loesungsblatt_, SchuelerName_};
    for (const Feld& f : Felder_) folge << f.Edit;
    folge << AntwortenKnopf_ << Speichern_ << Pruefen_ << Abgeben_ << Beenden_ << Kriterien_;
    for (int i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);
}

void AufgabenPanel::fokusSetzen() {
    if (!Felder_.empty() && AntwortenTeil_->isVisible())
        Felder_.front().Edit->setFocus(Qt::OtherFocusReason);
    else
        Text_->setFocus(Qt::OtherFocusReason);
}

void AufgabenPanel::PunktBauen(const exercise::HandCheck& h, const fuzzy::Project& p,
                               const std::vector<exercise::AnswerField>& felder, QVBoxLayout* ziel) {
    using exercise::Quantity;
    const bool zwei = p.B.Defined && h.B.has_value();
    // A frame per point, its title wrapped to the panel's width.
    auto* gruppe = new QFrame(FelderInhalt_);
    gruppe->setObjectName(QStringLiteral("punkt:%1").arg(Text(h.Point)));
    gruppe->setFrameShape(QFrame::StyledPanel);
    auto* innen = new QVBoxLayout(gruppe);
    innen->setSpacing(3);
    auto* titel =
        new QLabel(zwei ? tr("%1: %2 = %3, %4 = %5")
                              .arg(Text(h.Point), Text(p.A.Name), zahl::Kurz(h.A), Text(p.B.Name), zahl::Kurz(*h.B))
                        : tr("%1: %2 = %3").arg(Text(h.Point), Text(p.A.Name), zahl::Kurz(h.A)),
                   gruppe);
    titel->setTextFormat(Qt::PlainText);
    titel->setWordWrap(true);
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    innen->addWidget(titel);
    auto ueberschrift = [&](const QString& text) {
        auto* l = new QLabel(text, gruppe);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setItalic(true);
        l->setFont(f);
        innen->addSpacing(4);
        innen->addWidget(l);
    };
    auto name = [gruppe](const QString& text, Qt::Alignment wo = Qt::AlignCenter) {
        auto* l = new QLabel(text, gruppe);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(wo | Qt::AlignVCenter);
        return l;
    };
    // The boxes of one quantity in a row under the terms' names.
    auto termZeile = [&](const fuzzy::TFuzzy& v, auto erklaerung, auto passt) {
        auto* g = new QGridLayout;
        int spalte = 0;
        for (const exercise::AnswerField& f : felder)
            if (f.Point == h.Point && passt(f)) {
                g->addWidget(name(TermName(v, f.Term)), 0, spalte);
                g->addWidget(NeuesFeld(f, erklaerung(f)), 1, spalte);
                ++spalte;
            }
        g->setColumnStretch(spalte, 1);
        innen->addLayout(g);
    };
    for (const Quantity q : h.Asked) switch (q) {
        case Quantity::Membership:
            for (const char eingang : {'A', 'B'}) {
                if (eingang == 'B' && !zwei) break;
                const fuzzy::TFuzzy& v = eingang == 'A' ? p.A : p.B;
                ueberschrift(tr("Zugehörigkeitsgrade von %1").arg(Text(v.Name)));
                termZeile(
                    v,
                    [&](const exercise::AnswerField& f) {
                        return tr("Grad μ, zu dem %1 = %2 zum Term „%3“ gehört")
                            .arg(Text(v.Name), zahl::Kurz(eingang == 'A' ? h.A : *h.B), TermName(v, f.Term));
                    },
                    [eingang](const exercise::AnswerField& f) {
                        return f.Asked == Quantity::Membership && f.Input == eingang;
                    });
            }
            break;
        case Quantity::Firing: {
            ueberschrift(p.B.Defined
                             ? tr("Feuerstärken der Regeln (Spalte: %1, Zeile: %2)").arg(Text(p.A.Name), Text(p.B.Name))
                             : tr("Feuerstärken der Regeln (Spalte: %1)").arg(Text(p.A.Name)));
            // As the rule table: a row per term of B, a column per term of A;
            // a cell without a rule has no box.
            auto* g = new QGridLayout;
            const int zeilen = p.B.Defined ? p.B.UsedTerms() : 1;
            for (int c = 1; c <= p.A.UsedTerms(); ++c) g->addWidget(name(TermName(p.A, c)), 0, c);
            for (int r = 1; r <= zeilen; ++r) {
                if (p.B.Defined) g->addWidget(name(TermName(p.B, r), Qt::AlignRight), r, 0);
                for (int c = 1; c <= p.A.UsedTerms(); ++c) {
                    const auto f = std::find_if(felder.begin(), felder.end(), [&](const exercise::AnswerField& x) {
                        return x.Point == h.Point && x.Asked == Quantity::Firing && x.Row == r && x.Column == c;
                    });
                    if (f == felder.end()) {
                        QLabel* leer = name(QStringLiteral("–"));
                        leer->setEnabled(false);
                        leer->setToolTip(tr("Hier steht keine Regel."));
                        g->addWidget(leer, r, c);
                        continue;
                    }
                    const int k = p.Rules.Get(r, c);
                    const QString regel =
                        p.B.Defined ? tr("Feuerstärke der Regel: %1 = „%2“ und %3 = „%4“ → %5 = „%6“")
                                          .arg(Text(p.A.Name), TermName(p.A, c), Text(p.B.Name), TermName(p.B, r),
                                               Text(p.Out.Name), TermName(p.Out, k))
                                    : tr("Feuerstärke der Regel: %1 = „%2“ → %3 = „%4“")
                                          .arg(Text(p.A.Name), TermName(p.A, c), Text(p.Out.Name), TermName(p.Out, k));
                    g->addWidget(NeuesFeld(*f, regel), r, c);
                }
            }
            g->setColumnStretch(p.A.UsedTerms() + 1, 1);
            innen->addLayout(g);
            break;
        }
        case Quantity::Heights:
            ueberschrift(tr("Höhen der Ausgangsterme von %1").arg(Text(p.Out.Name)));
            termZeile(
                p.Out,
                [&](const exercise::AnswerField& f) {
                    return tr("Höhe, bis zu der der Ausgangsterm „%1“ gefüllt wird").arg(TermName(p.Out, f.Term));
                },
                [](const exercise::AnswerField& f) { return f.Asked == Quantity::Heights; });
            break;
        case Quantity::Output: {
            auto* zeile = new QHBoxLayout;
            zeile->addWidget(name(tr("Ausgang %1 =").arg(Text(p.Out.Name)), Qt::AlignLeft));
            for (const exercise::AnswerField& f : felder)
                if (f.Point == h.Point && f.Asked == Quantity::Output)
                    zeile->addWidget(NeuesFeld(f, tr("Der scharfe Ausgangswert, den der Regler ausgibt")));
            zeile->addStretch(1);
            innen->addLayout(zeile);
            break;
        }
        }
    ziel->addWidget(gruppe);
}

QLineEdit* AufgabenPanel::NeuesFeld(const exercise::AnswerField& f, const QString& erklaerung) {
    auto* e = new QLineEdit(FelderInhalt_);
    e->setObjectName(QStringLiteral("antwort:%1:%2").arg(Text(f.Point), Text(f.Key)));
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(40);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("−00,000")) + 16);
    e->setProperty("erklaerung", erklaerung);
    e->setAccessibleName(erklaerung);
    e->setToolTip(Tipp(erklaerung));
    connect(e, &QLineEdit::textEdited, this, [this, e] { FeldGeaendert(e); });
    Felder_.push_back({f.Point, f.Key, e});
    return e;
}

void AufgabenPanel::FeldGeaendert(QLineEdit* edit) {
    FeldZeigen(edit);
    AntwortenGeaendert_ = true;
    ZeigeAntwortenText();
    // The verdict belonged to the answers before this edit.
    Geprueft_ = false;
    UrteilRollen_->hide();
    if (!Aufgabe_) return;
    Status_->setText(tr("Wird geprüft …"));
    Verzoegerung_->start();
}

void AufgabenPanel::FeldZeigen(QLineEdit* edit) {
    const QString text = edit->text();
    const bool unlesbar = !text.trimmed().isEmpty() && !exercise::AnswerNumber(text.toStdString());
    edit->setProperty("unlesbar", unlesbar);
    if (unlesbar) {
        edit->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #c62828; background: #fdecea; }"));
        edit->setToolTip(Tipp(tr("„%1“ ist keine Zahl; schreiben Sie etwa 0,25 oder 0.25. So zählt der Eintrag "
                                 "als falsch.\n%2")
                                  .arg(text, edit->property("erklaerung").toString())));
    } else {
        edit->setStyleSheet(QString());
        edit->setToolTip(Tipp(edit->property("erklaerung").toString()));
    }
}

int AufgabenPanel::unlesbareFelder() const {
    return static_cast<int>(std::count_if(Felder_.begin(), Felder_.end(),
                                          [](const Feld& f) { return f.Edit->property("unlesbar").toBool(); }));
}

QLabel* AufgabenPanel::antwortenText() const { return AntwortenText_; }

void AufgabenPanel::ZeigeAntwortenText() {
    QString text;
    // As the check counts them: an empty box is not answered, whatever the right value.
    if (AntwortenName_.isEmpty())
        text =
            tr("Tragen Sie Ihre Ergebnisse in die Felder ein, mit Komma oder Punkt, auch jede 0: Ein leeres Feld "
               "gilt als nicht beantwortet.");
    else if (AntwortenGeaendert_)
        text = tr("Antworten aus „%1“, seitdem geändert.").arg(AntwortenName_);
    else
        text = tr("Antworten aus „%1“.").arg(AntwortenName_);
    const auto rot = [this](int n) {
        return QLatin1Char(' ') + tr("Rot umrandete Einträge sind keine Zahl und zählen als falsch (%1).").arg(n);
    };
    // Changing a box turns "aus" into "seitdem geändert": room for the longer one.
    const QString laengste =
        (AntwortenName_.isEmpty() ? text : tr("Antworten aus „%1“, seitdem geändert.").arg(AntwortenName_)) +
        rot(static_cast<int>(std::max<std::size_t>(Felder_.size(), 10)));
    if (const int n = unlesbareFelder()) text += rot(n);
    AntwortenText_->setzen(text, laengste);
}

exercise::Answers AufgabenPanel::antworten() const {
    exercise::Answers a;
    for (const Feld& f : Felder_) {
        const QString text = f.Edit->text();
        if (text.trimmed().isEmpty()) continue;
        const std::optional<float> v = exercise::AnswerNumber(text.toStdString());
        *exercise::AnswerSlot(a.Points[f.Punkt], f.Schluessel) = v ? *v : std::nanf("");
    }
    return a;
}

int AufgabenPanel::bequemeBreite() const {
    const QMargins rand = layout()->contentsMargins();
    return FelderInhalt_->minimumSizeHint().width() + Bereich_->verticalScrollBar()->sizeHint().width() + rand.left() +
           rand.right() + 2 * Bereich_->frameWidth();
}

QLineEdit* AufgabenPanel::antwortFeld(const QString& punkt, const QString& schluessel) const {
    for (const Feld& f : Felder_)
        if (Text(f.Punkt) == punkt && Text(f.Schluessel) == schluessel) return f.Edit;
    return nullptr;
}

void AufgabenPanel::setAntworten(const exercise::Answers& a, const QString& name) {
    static const exercise::PointAnswers keine;
    for (const Feld& f : Felder_) {
        const auto p = a.Points.find(f.Punkt);
        const std::optional<float>* v = exercise::AnswerSlot(p == a.Points.end() ? keine : p->second, f.Schluessel);
        f.Edit->setText(v && *v ? zahl::Kurz(**v) : QString());
        FeldZeigen(f.Edit);
    }
    AntwortenName_ = name;
    AntwortenGeaendert_ = false;
    ZeigeAntwortenText();
    Geprueft_ = false;
    Verzoegerung_->stop();
    NeuPruefen();
}

bool AufgabenPanel::antwortenLaden(const QString& datei) {
    try {
        const exercise::Answers a = exercise::ReadAnswers(QFile::encodeName(datei).toStdString());
        // A point or a box the exercise does not have is refused with its line, not left out unseen.
        if (Aufgabe_) exercise::CheckAnswersFit(*Aufgabe_, RechenProjekt(), a);
        setAntworten(a, QFileInfo(datei).fileName());
        return true;
    } catch (const fuzzy::Error& e) {
        widgets::ErrorBox(tr("„%1“ ist keine Antwortdatei, die sich lesen lässt:\n%2")
                              .arg(QFileInfo(datei).fileName(), Text(e.Describe())));
        return false;
    }
}

bool AufgabenPanel::antwortenGesichert() const {
    if (!AntwortenGeaendert_ && !AntwortenName_.isEmpty()) return true;
    return std::all_of(Felder_.begin(), Felder_.end(),
                       [](const Feld& f) { return f.Edit->text().trimmed().isEmpty(); });
}

bool AufgabenPanel::antwortenSichern() {
    if (antwortenGesichert()) return true;
    switch (widgets::QuestionBox(tr("Die Antworten der Handrechnung sind nicht gespeichert. Jetzt speichern?"))) {
    case widgets::MessageAnswer::Yes: {
        const QString datei = SpeichernDialog ? SpeichernDialog() : QString();
        return !datei.isEmpty() && antwortenSpeichern(datei);
    }
    case widgets::MessageAnswer::No: return true;
    default: return false;
    }
}

bool AufgabenPanel::antwortenSpeichern(const QString& datei) {
    if (!Aufgabe_) return false;
    if (const int n = unlesbareFelder()) {
        // A file without them would count them as 0: the check there and here would differ.
        widgets::WarningBox(
            tr("Die Antworten sind nicht gespeichert: Rot umrandete Einträge sind keine Zahl (Anzahl: %1). "
               "Verbessern oder leeren Sie sie.")
                .arg(n));
        return false;
    }
    try {
        fuzzy::WriteFileAtomic(QFile::encodeName(datei).toStdString(), exercise::AnswersText(antworten()),
                               QFile::encodeName(AufgabenDatei_).toStdString());
    } catch (const fuzzy::Error& e) {
        widgets::ErrorBox(tr("Die Antworten lassen sich nicht als „%1“ speichern:\n%2")
                              .arg(QFileInfo(datei).fileName(), Text(e.Describe())));
        return false;
    }
    AntwortenName_ = QFileInfo(datei).fileName();
    AntwortenGeaendert_ = false;
    ZeigeAntwortenText();
    return true;
}

void AufgabenPanel::pruefen() {
    if (!Aufgabe_) return;
    Geprueft_ = true;
    PlatzMachen_ = true;
    // The result on show is the current project's unless a check still runs;
    // then the verdict follows when it ends.
    if (!rechnet()) ZeigeUrteil();
}

void AufgabenPanel::NeuPruefen() {
    if (!Aufgabe_) return;
    UrteilRollen_->hide();
    if (Aufgabe_->NeedsProject() && !HatProjekt_) return;
    Status_->setText(tr("Wird geprüft …"));
    // An exercise that needs no project judges its own starting project.
    const fuzzy::Project p = Aufgabe_->NeedsProject() ? Projekt_ : Aufgabe_->StartProject();
    Verzoegerung_->stop();
    Rechnung_.Anstossen([e = *Aufgabe_, p, a = antworten()](const std::atomic<bool>& abbruch) {
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
    else if (Wert_ && Wert_->Criteria.size() == k.size())
        // Points, not checks passed: what the starting project meets earns nothing.
        Status_->setText(tr("Stand nach der letzten Änderung: %1 von %2 Punkten (%3 von %4 Prüfungen erfüllt)")
                             .arg(Text(exercise::PointsText(exercise::ScoreOf(*Wert_, *Ergebnis_).Points)),
                                  Text(exercise::PointsText(Wert_->Total)))
                             .arg(erfuellt)
                             .arg(static_cast<int>(k.size())));
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
    UrteilRollen_->show();
    UrteilPlatzHalten(true);
    UrteilRollen_->updateGeometry();
    if (std::exchange(PlatzMachen_, false)) QTimer::singleShot(0, this, [this] { UrteilPlatzMachen(true); });
}

// Asked for, the verdict comes into view with all its hints: the check's
// part grows by what the verdict lacks, taken from the boxes down to their
// least, then from the task. It never shrinks here, so that a second
// "Prüfen" leaves the buttons where they are.
void AufgabenPanel::UrteilPlatzMachen(bool nochmal) {
    QList<int> hoehen = Teile_->sizes();
    if (hoehen.size() != 3 || !UrteilRollen_->isVisible()) return;
    // What the text lacks as laid out now (its scroll range), or at the
    // width it will have once it no longer scrolls.
    int fehlt = std::max(UrteilRollen_->sizeHint().height() - UrteilRollen_->height(),
                         UrteilRollen_->verticalScrollBar()->maximum());
    for (const int teil : {1, 0}) {
        if (fehlt <= 0) break;
        const QWidget* w = Teile_->widget(teil);
        const int frei = w->isVisible() ? std::max(0, hoehen[teil] - w->minimumSizeHint().height()) : 0;
        const int gib = std::min(frei, fehlt);
        hoehen[teil] -= gib;
        hoehen[2] += gib;
        fehlt -= gib;
    }
    if (hoehen == Teile_->sizes()) return;
    Teile_->setSizes(hoehen);
    // Laid out anew, the text may still lack a few pixels (the layout's
    // spacing): once more, then it scrolls.
    if (nochmal) QTimer::singleShot(0, this, [this] { UrteilPlatzMachen(false); });
}

// Once a verdict has been shown, an edit that takes it away leaves its room
// empty: the boxes and buttons above stay where the student's eye is.
void AufgabenPanel::UrteilPlatzHalten(bool halten) {
    QSizePolicy p = UrteilRollen_->sizePolicy();
    p.setRetainSizeWhenHidden(halten);
    UrteilRollen_->setSizePolicy(p);
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
        const std::size_t k = static_cast<std::size_t>(j);
        emit laufGewaehlt(c.Runs[k], k < c.RunPoints.size() ? c.RunPoints[k] : 0);
        return true;
    }
    return false;
}

void AufgabenPanel::NameGeaendert() {
    if (!Original_) return;
    Aufgabe_ = exercise::ForStudent(*Original_, SchuelerName_->text().toStdString());
    // The boxes are those of the new numbers; what was typed stays.
    FelderFuer_.clear();
    FelderBauen(RechenProjekt());
    Geprueft_ = false;
    UrteilRollen_->hide();
    Verzoegerung_->start();
}

void AufgabenPanel::setSchuelername(const QString& name) {
    SchuelerName_->setText(name);
    NameGeaendert();
}

QString AufgabenPanel::schuelername() const { return SchuelerName_->text().trimmed(); }

void AufgabenPanel::GegenprobeAnstossen(const exercise::Exercise& e, const QString& datei) {
    // The reference solution beside the exercise, as the teacher's sheet takes it.
    exercise::TeacherCheckInput in;
    if (!datei.isEmpty()) {
        const QFileInfo i(datei);
        QString stamm = i.fileName();
        if (stamm.endsWith(QLatin1String(".fuzaufgabe"), Qt::CaseInsensitive)) stamm.chop(11);
        try {
            const QString fuz = i.dir().filePath(stamm + QStringLiteral(".loesung.fuz"));
            const QString antworten = i.dir().filePath(stamm + QStringLiteral(".loesung.fuzantwort"));
            if (e.NeedsProject() && QFileInfo(fuz).isFile())
                in.Reference = fuzzy::LoadProject(QFile::encodeName(fuz).toStdString());
            if (e.NeedsAnswers() && QFileInfo(antworten).isFile())
                in.ReferenceAnswers = exercise::ReadAnswers(QFile::encodeName(antworten).toStdString());
        } catch (const std::exception&) {
            // A reference that does not read is as none: the check says so.
        }
    }
    Gegenprobe_Rechnung_.Anstossen([e, in](const std::atomic<bool>& abbruch) mutable {
        in.Examples = exercise::ShippedProjects();
        exercise::CheckOptions o;
        o.Cancel = &abbruch;
        return exercise::TeacherCheck(e, in, o);
    });
}

void AufgabenPanel::ZeigeGegenprobe(std::vector<exercise::Finding>&& f) {
    Befunde_ = std::move(f);
    if (!Aufgabe_ || Befunde_.empty()) {
        GegenprobeRollen_->hide();
        return;
    }
    QString html = QStringLiteral("<b>%1</b><ul style='margin-left:-20px'>").arg(tr("Gegenprobe für die Lehrkraft:"));
    for (const exercise::Finding& b : Befunde_)
        html += QStringLiteral("<li>%1%2</li>").arg(b.Fault() ? Schlecht : QString(), Text(b.Text).toHtmlEscaped());
    Gegenprobe_->setText(html + QStringLiteral("</ul>"));
    GegenprobeRollen_->show();
    GegenprobeRollen_->updateGeometry();
}

bool AufgabenPanel::abgeben() {
    if (!Aufgabe_ || !Original_) return false;
    if (const int n = unlesbareFelder()) {
        widgets::WarningBox(tr("Nicht abgegeben: Rot umrandete Einträge sind keine Zahl (Anzahl: %1). Verbessern oder "
                               "leeren Sie sie.")
                                .arg(n));
        return false;
    }
    Abgabeangaben vorschlag;
    vorschlag.name = schuelername();
    const QString ordner = AbgabeOrdner.isEmpty() ? QDir::homePath() : AbgabeOrdner;
    vorschlag.datei = QDir(ordner).filePath(AbgabeDateiname(vorschlag.name, AufgabenDatei_));
    const std::optional<Abgabeangaben> a = AbgabeFragen ? AbgabeFragen(vorschlag) : std::nullopt;
    if (!a) return false;
    return abgebenNach(*a);
}

bool AufgabenPanel::abgebenNach(const Abgabeangaben& a) {
    if (!Aufgabe_ || !Original_) return false;
    try {
        const std::string aufgabe = exercise::ReadBoundedFile(QFile::encodeName(AufgabenDatei_).toStdString());
        exercise::HandIn h;
        h.Name = a.name.toStdString();
        h.Class = a.klasse.toStdString();
        h.Id = a.kennung.toStdString();
        h.Date = exercise::DateText(exercise::HandInClock());
        h.Title = Original_->Title.Active();
        h.Fingerprint = exercise::ExerciseFingerprint(aufgabe);
        const exercise::Exercise mein = exercise::ForStudent(*Original_, h.Name);
        if (mein.NeedsProject() && HatProjekt_) h.Project = Projekt_;
        if (mein.NeedsAnswers()) h.Given = antworten();
        fuzzy::WriteFileAtomic(QFile::encodeName(a.datei).toStdString(), exercise::HandInText(h),
                               QFile::encodeName(AufgabenDatei_).toStdString());
    } catch (const fuzzy::Error& e) {
        widgets::ErrorBox(tr("Die Abgabe lässt sich nicht als „%1“ speichern:\n%2")
                              .arg(QFileInfo(a.datei).fileName(), Text(e.Describe())));
        return false;
    }
    // The numbers are the hand-in's name's from now on.
    if (Original_->NeedsName() && schuelername() != a.name) setSchuelername(a.name);
    LetzteAbgabe_ = a.datei;
    Status_->setText(tr("Abgegeben: %1 (%2, %3). Die Datei geht an die Lehrkraft.")
                         .arg(QFileInfo(a.datei).fileName(), a.name, a.klasse));
    emit abgegeben(a.datei);
    return true;
}

}  // namespace werkstatt
