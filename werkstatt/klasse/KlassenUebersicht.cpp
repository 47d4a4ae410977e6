#include "werkstatt/klasse/KlassenUebersicht.h"

#include "exercise/Gradebook.h"
#include "exercise/Reader.h"
#include "fuzzy/AtomicFile.h"
#include "werkstatt/blatt/BlattTeile.h"
#include "widgets/MessageBoxes.h"

#include <QBuffer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>
#include <filesystem>

namespace werkstatt {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A cell that sorts by its number, not by its text.
class Zahlzelle : public QTableWidgetItem {
public:
    Zahlzelle(const QString& text, double wert) : QTableWidgetItem(text), Wert_(wert) {}
    bool operator<(const QTableWidgetItem& o) const override {
        const auto* z = dynamic_cast<const Zahlzelle*>(&o);
        return z ? Wert_ < z->Wert_ : QTableWidgetItem::operator<(o);
    }

private:
    double Wert_;
};

constexpr int RolleAbgabe = Qt::UserRole + 1;

}  // namespace

KlassenUebersicht::KlassenUebersicht(QWidget* parent)
    : QWidget(parent, Qt::Window), Rechnung_(this, [this](exercise::ClassResult&& r) { Zeigen(std::move(r)); }) {
    setObjectName(QStringLiteral("Klassenuebersicht"));
    setWindowTitle(tr("Klassenübersicht"));
    setAcceptDrops(true);
    Titel_ = new QLabel(this);
    Titel_->setObjectName(QStringLiteral("titel"));
    Titel_->setTextFormat(Qt::PlainText);
    QFont gross = Titel_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.2);
    Titel_->setFont(gross);
    auto* aufgabe = new QPushButton(tr("&Aufgabe…"), this);
    aufgabe->setObjectName(QStringLiteral("aufgabe"));
    aufgabe->setToolTip(tr("Die Aufgabe wählen, nach der die Abgaben bewertet werden (die Fassung der Lehrkraft)"));
    auto* dateien = new QPushButton(tr("Abgaben &hinzufügen…"), this);
    dateien->setObjectName(QStringLiteral("dateien"));
    dateien->setToolTip(tr("Abgaben (*.fuzabgabe) wählen; Dateien und Ordner lassen sich auch auf das Fenster ziehen"));
    auto* ordner = new QPushButton(tr("&Ordner…"), this);
    ordner->setObjectName(QStringLiteral("ordner"));
    ordner->setToolTip(tr("Alle Abgaben (*.fuzabgabe) eines Ordners"));
    auto* leer = new QPushButton(tr("&Leeren"), this);
    leer->setObjectName(QStringLiteral("leeren"));
    Status_ = new QLabel(this);
    Status_->setObjectName(QStringLiteral("status"));
    Status_->setTextFormat(Qt::PlainText);
    Status_->setWordWrap(true);
    Tabelle_ = new QTableWidget(this);
    Tabelle_->setObjectName(QStringLiteral("tabelle"));
    Tabelle_->setAccessibleName(tr("Abgaben der Klasse"));
    Tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle_->setWordWrap(false);
    Tabelle_->verticalHeader()->hide();
    Tabelle_->setToolTip(
        tr("Ein Klick auf einen Spaltenkopf sortiert; ein Doppelklick öffnet die Abgabe im Editor "
           "mit ihrer gescheiterten Fahrt."));
    Pdf_ = new QPushButton(tr("Als &PDF…"), this);
    Pdf_->setObjectName(QStringLiteral("pdf"));
    Pdf_->setToolTip(tr("Die Tabelle zum Drucken als PDF (A4 quer)"));
    Csv_ = new QPushButton(tr("Als &CSV…"), this);
    Csv_->setObjectName(QStringLiteral("csv"));
    Csv_->setToolTip(tr("Die Tabelle für eine Tabellenkalkulation"));
    Notenbuch_ = new QPushButton(tr("Für das &Notenbuch…"), this);
    Notenbuch_->setObjectName(QStringLiteral("notenbuch"));
    Notenbuch_->setToolTip(
        tr("Die Punkte als CSV, wie der Notenbuch-Import von Moodle sie nimmt; Abgaben ohne "
           "Kennung, doppelte und fremde kommen in eine zweite Datei"));
    for (QPushButton* k : {Pdf_, Csv_, Notenbuch_}) k->setEnabled(false);

    auto* oben = new QHBoxLayout;
    oben->addWidget(aufgabe);
    oben->addWidget(dateien);
    oben->addWidget(ordner);
    oben->addWidget(leer);
    oben->addStretch(1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(Pdf_);
    unten->addWidget(Csv_);
    unten->addWidget(Notenbuch_);
    unten->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Titel_);
    layout->addLayout(oben);
    layout->addWidget(Status_);
    layout->addWidget(Tabelle_, 1);
    layout->addLayout(unten);

    DateienDialog = [this] {
        return QFileDialog::getOpenFileNames(this, tr("Abgaben wählen"), QString(), tr("Abgaben (*.fuzabgabe)"));
    };
    OrdnerDialog = [this] { return QFileDialog::getExistingDirectory(this, tr("Ordner mit Abgaben")); };
    AufgabeDialog = [this] {
        return QFileDialog::getOpenFileName(this, tr("Aufgabe wählen"), QString(), tr("Aufgaben (*.fuzaufgabe)"));
    };
    SpeichernDialog = [this](const QString& titel, const QString& vorschlag, const QString& filter) {
        return QFileDialog::getSaveFileName(this, titel, vorschlag, filter);
    };
    connect(aufgabe, &QPushButton::clicked, this, [this] {
        const QString d = AufgabeDialog ? AufgabeDialog() : QString();
        if (!d.isEmpty()) setAufgabe(d);
    });
    connect(dateien, &QPushButton::clicked, this, [this] {
        const QStringList d = DateienDialog ? DateienDialog() : QStringList();
        if (!d.isEmpty()) hinzufuegen(d);
    });
    connect(ordner, &QPushButton::clicked, this, [this] {
        const QString d = OrdnerDialog ? OrdnerDialog() : QString();
        if (!d.isEmpty()) hinzufuegen({d});
    });
    connect(leer, &QPushButton::clicked, this, &KlassenUebersicht::leeren);
    const auto neben = [this](const QString& endung) {
        const QFileInfo a(AufgabenDatei_);
        return a.dir().filePath(a.completeBaseName() + endung);
    };
    const auto melden = [this](const QString& fehler, const QString& ziel) {
        if (fehler.isEmpty())
            Status_->setText(tr("Geschrieben: %1").arg(QDir::toNativeSeparators(ziel)));
        else
            widgets::ErrorBox(fehler);
    };
    connect(Pdf_, &QPushButton::clicked, this, [this, neben, melden] {
        const QString ziel =
            SpeichernDialog(tr("Klassenübersicht als PDF"), neben(tr("-klasse.pdf")), tr("PDF (*.pdf)"));
        if (!ziel.isEmpty()) melden(pdfSchreiben(ziel), ziel);
    });
    connect(Csv_, &QPushButton::clicked, this, [this, neben, melden] {
        const QString ziel =
            SpeichernDialog(tr("Klassenübersicht als CSV"), neben(tr("-klasse.csv")), tr("CSV (*.csv)"));
        if (!ziel.isEmpty()) melden(csvSchreiben(ziel), ziel);
    });
    connect(Notenbuch_, &QPushButton::clicked, this, [this, neben] {
        const QString ziel =
            SpeichernDialog(tr("Punkte für das Notenbuch"), neben(tr("-noten.csv")), tr("CSV (*.csv)"));
        if (ziel.isEmpty()) return;
        QStringList aus;
        const QString fehler = notenbuchSchreiben(ziel, &aus);
        if (!fehler.isEmpty()) {
            widgets::ErrorBox(fehler);
            return;
        }
        QString text = tr("Für das Notenbuch geschrieben: %1").arg(QDir::toNativeSeparators(ziel));
        if (!aus.isEmpty())
            text +=
                QLatin1Char('\n') +
                tr("Nicht darin (in der zweiten Datei, von Hand eintragen): %1").arg(aus.join(QStringLiteral("; ")));
        Status_->setText(text);
    });
    connect(Tabelle_, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        if (!Ergebnis_) return;
        const QTableWidgetItem* z = Tabelle_->item(zeile, 0);
        if (!z) return;
        const auto i = static_cast<std::size_t>(z->data(RolleAbgabe).toInt());
        if (i < Ergebnis_->Rows.size() && Ergebnis_->Rows[i].Read)
            emit abgabeGewaehlt(AufgabenDatei_, Ergebnis_->Rows[i]);
    });
    resize(1100, 600);
}

bool KlassenUebersicht::setAufgabe(const QString& datei) {
    try {
        const std::string bytes = exercise::ReadBoundedFile(QFile::encodeName(datei).toStdString());
        Aufgabe_ = exercise::ParseExercise(bytes);
        AufgabenBytes_ = bytes;
    } catch (const fuzzy::Error& e) {
        widgets::ErrorBox(
            tr("„%1“ ist keine Aufgabe, die sich lesen lässt:\n%2").arg(QFileInfo(datei).fileName(), Q(e.Describe())));
        return false;
    }
    if (AufgabenDatei_ != datei) Pfade_.clear();
    AufgabenDatei_ = datei;
    Titel_->setText(tr("Klassenübersicht: %1").arg(Q(Aufgabe_->Title.Active())));
    Auswerten();
    return true;
}

void KlassenUebersicht::hinzufuegen(const QStringList& pfade) {
    for (const QString& p : pfade)
        if (!Pfade_.contains(p)) Pfade_ << p;
    Auswerten();
}

void KlassenUebersicht::leeren() {
    Pfade_.clear();
    Auswerten();
}

void KlassenUebersicht::Auswerten() {
    if (!Aufgabe_) {
        Status_->setText(tr("Zuerst die Aufgabe wählen, nach der bewertet wird."));
        return;
    }
    std::vector<std::string> pfade;
    for (const QString& p : Pfade_) pfade.push_back(QFile::encodeName(p).toStdString());
    std::vector<std::string> dateien;
    try {
        dateien = exercise::HandInFiles(pfade);
    } catch (const fuzzy::Error& e) {
        widgets::ErrorBox(Q(e.Describe()));
        return;
    }
    Status_->setText(dateien.empty() ? tr("Noch keine Abgaben: Dateien oder einen Ordner hinzufügen oder auf das "
                                          "Fenster ziehen.")
                                     : tr("Wird bewertet …"));
    // The label outlives the job: the window waits for it before its children go.
    QLabel* status = Status_;
    Rechnung_.Anstossen([e = *Aufgabe_, bytes = AufgabenBytes_, dateien, status](const std::atomic<bool>& abbruch) {
        exercise::MarkOptions o;
        o.Cancel = &abbruch;
        o.Progress = [status](std::size_t fertig, std::size_t alle) {
            QMetaObject::invokeMethod(
                status,
                [status, fertig, alle] {
                    status->setText(KlassenUebersicht::tr("Wird bewertet … %1 von %2").arg(fertig).arg(alle));
                },
                Qt::QueuedConnection);
        };
        return exercise::MarkClass(e, bytes, dateien, o);
    });
}

void KlassenUebersicht::Zeigen(exercise::ClassResult&& r) {
    if (r.Cancelled) return;
    Ergebnis_ = std::move(r);
    const exercise::ClassResult& c = *Ergebnis_;
    QStringList kopf{tr("Name"), tr("Klasse"), tr("Kennung"), tr("Datum"), tr("Ergebnis"), tr("Punkte")};
    const int fest = static_cast<int>(kopf.size());
    for (std::size_t i = 0; i < c.Criteria.Criteria.size(); ++i)
        kopf << (i < c.Start.Criteria.size() ? Q(c.Start.Criteria[i].Name) : Q(c.Criteria.Criteria[i].Id));
    kopf << tr("Anmerkungen");
    Tabelle_->setSortingEnabled(false);
    Tabelle_->clear();
    Tabelle_->setColumnCount(static_cast<int>(kopf.size()));
    Tabelle_->setHorizontalHeaderLabels(kopf);
    for (std::size_t i = 0; i < c.Criteria.Criteria.size(); ++i)
        if (QTableWidgetItem* h = Tabelle_->horizontalHeaderItem(fest + static_cast<int>(i)))
            h->setToolTip(tr("%1 (Punkte: %2)").arg(h->text(), Q(exercise::PointsText(c.Criteria.Points[i]))));
    Tabelle_->setRowCount(static_cast<int>(c.Rows.size()));
    int probleme = 0;
    for (std::size_t z = 0; z < c.Rows.size(); ++z) {
        const exercise::MarkedHandIn& a = c.Rows[z];
        const int zeile = static_cast<int>(z);
        const QString datei = QFileInfo(Q(a.File)).fileName();
        auto* name = new QTableWidgetItem(a.Read ? Q(a.In.Name) : datei);
        name->setData(RolleAbgabe, zeile);
        name->setToolTip(Q(a.File));
        Tabelle_->setItem(zeile, 0, name);
        Tabelle_->setItem(zeile, 1, new QTableWidgetItem(a.Read ? Q(a.In.Class) : QString()));
        Tabelle_->setItem(zeile, 2, new QTableWidgetItem(a.Read ? Q(a.In.Id) : QString()));
        Tabelle_->setItem(zeile, 3, new QTableWidgetItem(a.Read ? Q(a.In.Date).left(10) : QString()));
        auto* ergebnis = new QTableWidgetItem(Q(exercise::RowStateText(a)));
        ergebnis->setToolTip(ergebnis->text());
        Tabelle_->setItem(zeile, 4, ergebnis);
        Tabelle_->setItem(
            zeile, 5,
            new Zahlzelle(a.Points.Graded ? Q(exercise::PointsText(a.Points.Points)) + QStringLiteral(" / ") +
                                                Q(exercise::PointsText(c.Criteria.Total))
                                          : QStringLiteral("–"),
                          a.Points.Graded ? a.Points.Points : -1.0));
        if (a.Result)
            for (std::size_t k = 0; k < a.Result->Criteria.size(); ++k) {
                const exercise::CriterionResult& kr = a.Result->Criteria[k];
                auto* zelle = new Zahlzelle((kr.Passed ? QStringLiteral("✓ ") : QStringLiteral("✗ ")) +
                                                Q(exercise::FigureText(kr, kr.Measured)) +
                                                (kr.Unit.empty() ? QString() : QLatin1Char(' ') + Q(kr.Unit)),
                                            std::isfinite(kr.Measured) ? kr.Measured : 1e300);
                QString gruende;
                for (const std::string& g : kr.Reasons) gruende += (gruende.isEmpty() ? "" : "\n") + Q(g);
                zelle->setToolTip(gruende);
                Tabelle_->setItem(zeile, fest + static_cast<int>(k), zelle);
            }
        QStringList anmerkungen;
        for (const std::string& n : exercise::RowNotes(a)) anmerkungen << Q(n);
        // Long notes whole in the tool tip, one per line.
        auto* notiz = new QTableWidgetItem(anmerkungen.join(QLatin1Char(' ')));
        notiz->setToolTip(anmerkungen.join(QLatin1Char('\n')));
        Tabelle_->setItem(zeile, Tabelle_->columnCount() - 1, notiz);
        if (!a.Read || !a.Problem.empty() || a.Foreign || !a.DuplicateOf.empty()) {
            ++probleme;
            // Marked without colour too: the state says it, the row is bold.
            for (int s = 0; s < Tabelle_->columnCount(); ++s)
                if (QTableWidgetItem* it = Tabelle_->item(zeile, s)) {
                    QFont f = it->font();
                    f.setBold(true);
                    it->setFont(f);
                    it->setBackground(QColor(0xff, 0xf4, 0xd6));
                }
        }
    }
    Tabelle_->setSortingEnabled(true);
    Tabelle_->resizeColumnsToContents();
    for (int s = 0; s < Tabelle_->columnCount() - 1; ++s)
        Tabelle_->setColumnWidth(s, std::min(Tabelle_->columnWidth(s), 220));
    Status_->setText(c.Rows.empty()  ? tr("Noch keine Abgaben: Dateien oder einen Ordner hinzufügen oder auf das "
                                           "Fenster ziehen.")
                     : probleme == 0 ? tr("Abgaben: %1, alle bewertet. Höchstpunktzahl: %2.")
                                           .arg(c.Rows.size())
                                           .arg(Q(exercise::PointsText(c.Criteria.Total)))
                                     : tr("Abgaben: %1, davon zum Nachsehen: %2 (fett). Höchstpunktzahl: %3.")
                                           .arg(c.Rows.size())
                                           .arg(probleme)
                                           .arg(Q(exercise::PointsText(c.Criteria.Total))));
    for (QPushButton* k : {Pdf_, Csv_, Notenbuch_}) k->setEnabled(!c.Rows.empty());
}

int KlassenUebersicht::zeileVon(std::size_t abgabe) const {
    for (int z = 0; z < Tabelle_->rowCount(); ++z)
        if (const QTableWidgetItem* i = Tabelle_->item(z, 0); i && i->data(RolleAbgabe).toInt() == int(abgabe))
            return z;
    return -1;
}

QString KlassenUebersicht::Html() const {
    // Every cell as text, never as markup: the names come from the hand-ins.
    QString html = QStringLiteral(
                       "<h2>%1</h2><p>%2</p><table border='1' cellspacing='0' cellpadding='3' "
                       "style='border-collapse:collapse; font-size:9pt'><tr>")
                       .arg(Titel_->text().toHtmlEscaped(), Status_->text().toHtmlEscaped());
    for (int s = 0; s < Tabelle_->columnCount(); ++s)
        html += QStringLiteral("<th>%1</th>").arg(Tabelle_->horizontalHeaderItem(s)->text().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int z = 0; z < Tabelle_->rowCount(); ++z) {
        html += QStringLiteral("<tr>");
        for (int s = 0; s < Tabelle_->columnCount(); ++s) {
            const QTableWidgetItem* i = Tabelle_->item(z, s);
            const bool fett = i && i->font().bold();
            // Who and when on one line each; figures and notes may wrap.
            html += QStringLiteral("<td%1>%2%3%4</td>")
                        .arg(s < 6 ? QStringLiteral(" style='white-space:nowrap'") : QString(),
                             fett ? QStringLiteral("<b>") : QString(), i ? i->text().toHtmlEscaped() : QString(),
                             fett ? QStringLiteral("</b>") : QString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString KlassenUebersicht::pdfSchreiben(const QString& ziel) const {
    if (!Ergebnis_) return tr("Noch nichts bewertet.");
    QByteArray pdf;
    {
        QBuffer puffer(&pdf);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter schreiber(&puffer);
        schreiber.setTitle(Titel_->text());
        schreiber.setCreator(QStringLiteral("Fuzzy-Werkstatt"));
        schreiber.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                            QPageLayout::Millimeter));
        QTextDocument doc;
        doc.setHtml(Html());
        doc.print(&schreiber);
    }
    return blatt::PdfSchreiben(pdf, ziel, {AufgabenDatei_});
}

QString KlassenUebersicht::csvSchreiben(const QString& ziel) const {
    if (!Ergebnis_) return tr("Noch nichts bewertet.");
    try {
        fuzzy::WriteFileAtomic(QFile::encodeName(ziel).toStdString(), exercise::ClassCsv(*Ergebnis_),
                               QFile::encodeName(AufgabenDatei_).toStdString());
    } catch (const fuzzy::Error& e) {
        return Q(e.what());
    }
    return {};
}

QString KlassenUebersicht::notenbuchSchreiben(const QString& ziel, QStringList* ausgelassen) const {
    if (!Ergebnis_) return tr("Noch nichts bewertet.");
    const exercise::Gradebook g = exercise::GradebookFiles(*Ergebnis_);
    const std::filesystem::path p(QFile::encodeName(ziel).toStdString());
    const std::string links = (p.parent_path() / (p.stem().string() + "-nicht-importiert.csv")).string();
    try {
        fuzzy::WriteFilesAtomic({{p.string(), g.Import}, {links, g.Left}},
                                QFile::encodeName(AufgabenDatei_).toStdString());
    } catch (const fuzzy::Error& e) {
        return Q(e.what());
    }
    if (ausgelassen)
        for (const std::string& l : g.LeftOut) *ausgelassen << Q(l);
    return {};
}

void KlassenUebersicht::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void KlassenUebersicht::dropEvent(QDropEvent* e) {
    QStringList pfade;
    for (const QUrl& u : e->mimeData()->urls())
        if (u.isLocalFile()) {
            const QString p = u.toLocalFile();
            // A dropped exercise is the one to mark by.
            if (p.endsWith(QLatin1String(".fuzaufgabe"), Qt::CaseInsensitive))
                setAufgabe(p);
            else
                pfade << p;
        }
    if (!pfade.isEmpty()) hinzufuegen(pfade);
    e->acceptProposedAction();
}

}  // namespace werkstatt
