#include "werkstatt/aufgabe/AbgabeDialog.h"

#include "exercise/HandIn.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace werkstatt {

namespace {

const QString SchluesselName = QStringLiteral("Abgabe/Name");
const QString SchluesselKlasse = QStringLiteral("Abgabe/Klasse");
const QString SchluesselKennung = QStringLiteral("Abgabe/Kennung");

}  // namespace

QString AbgabeDateiname(const QString& name, const QString& aufgabeDatei) {
    auto sauber = [](const QString& s) {
        QString out;
        for (const QChar c : s) {
            if (c.isLetterOrNumber() && c.unicode() < 0x80)
                out += c;
            else if (c == QLatin1Char('-') || c == QLatin1Char('_'))
                out += c;
            else if (!out.endsWith(QLatin1Char('_')))
                out += QLatin1Char('_');
        }
        // Umlauts as a German writes them in a file name.
        return out;
    };
    QString n = name;
    n.replace(QStringLiteral("ä"), QStringLiteral("ae")).replace(QStringLiteral("ö"), QStringLiteral("oe"));
    n.replace(QStringLiteral("ü"), QStringLiteral("ue")).replace(QStringLiteral("ß"), QStringLiteral("ss"));
    n.replace(QStringLiteral("Ä"), QStringLiteral("Ae")).replace(QStringLiteral("Ö"), QStringLiteral("Oe"));
    n.replace(QStringLiteral("Ü"), QStringLiteral("Ue"));
    QString a = sauber(n).left(60);
    while (a.startsWith(QLatin1Char('_'))) a.remove(0, 1);
    while (a.endsWith(QLatin1Char('_'))) a.chop(1);
    QString stamm = QFileInfo(aufgabeDatei).completeBaseName();
    stamm = sauber(stamm).left(60);
    if (a.isEmpty()) a = QStringLiteral("abgabe");
    return (stamm.isEmpty() ? a : a + QLatin1Char('-') + stamm) + QStringLiteral(".fuzabgabe");
}

AbgabeDialog::AbgabeDialog(const Abgabeangaben& vorschlag, const QString& titel, const QString& aufgabeDatei,
                           QWidget* parent)
    : QDialog(parent), AufgabeDatei_(aufgabeDatei) {
    setWindowTitle(tr("Abgeben"));
    QSettings gemerkt;
    const auto start = [&gemerkt](const QString& wert, const QString& schluessel) {
        return wert.isEmpty() ? gemerkt.value(schluessel).toString() : wert;
    };
    auto* kopf = new QLabel(tr("Abgabe zu „%1“: Projekt und Antworten, wie sie jetzt sind, mit Ihrem Namen in einer "
                               "Datei für die Lehrkraft.")
                                .arg(titel),
                            this);
    kopf->setTextFormat(Qt::PlainText);
    kopf->setWordWrap(true);
    Name_ = new QLineEdit(start(vorschlag.name, SchluesselName), this);
    Name_->setObjectName(QStringLiteral("abgabeName"));
    Klasse_ = new QLineEdit(start(vorschlag.klasse, SchluesselKlasse), this);
    Klasse_->setObjectName(QStringLiteral("abgabeKlasse"));
    Kennung_ = new QLineEdit(start(vorschlag.kennung, SchluesselKennung), this);
    Kennung_->setObjectName(QStringLiteral("abgabeKennung"));
    Kennung_->setPlaceholderText(tr("freiwillig"));
    Kennung_->setToolTip(
        tr("Die ID-Nummer oder E-Mail-Adresse, mit der die Lehrkraft die Punkte ins Notenbuch der "
           "Schule überträgt"));
    Datei_ = new QLineEdit(vorschlag.datei, this);
    Datei_->setObjectName(QStringLiteral("abgabeDatei"));
    Datei_->setAccessibleName(tr("Datei der Abgabe"));
    connect(Datei_, &QLineEdit::textEdited, this, [this] { DateiVonHand_ = true; });
    connect(Name_, &QLineEdit::textChanged, this, &AbgabeDialog::DateiNachName);
    for (QLineEdit* e : {Name_, Klasse_, Kennung_}) e->setMaxLength(100);
    auto* aendern = new QPushButton(tr("Ändern…"), this);
    aendern->setObjectName(QStringLiteral("abgabeDateiAendern"));
    aendern->setAccessibleName(tr("Datei der Abgabe ändern"));
    auto* dateiZeile = new QHBoxLayout;
    dateiZeile->addWidget(Datei_, 1);
    dateiZeile->addWidget(aendern);
    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), Name_);
    form->addRow(tr("&Klasse:"), Klasse_);
    form->addRow(tr("K&ennung (ID oder E-Mail):"), Kennung_);
    auto* dateiText = new QLabel(tr("&Datei:"), this);
    dateiText->setBuddy(Datei_);
    form->addRow(dateiText, dateiZeile);
    Fehler_ = new QLabel(this);
    Fehler_->setObjectName(QStringLiteral("abgabeFehler"));
    Fehler_->setTextFormat(Qt::PlainText);
    Fehler_->setWordWrap(true);
    Fehler_->setStyleSheet(QStringLiteral("QLabel { color: #b71c1c; }"));
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    Abgeben_ = knoepfe->addButton(tr("&Abgeben"), QDialogButtonBox::AcceptRole);
    Abgeben_->setObjectName(QStringLiteral("abgabeOk"));
    Abgeben_->setDefault(true);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kopf);
    layout->addLayout(form);
    layout->addWidget(Fehler_);
    layout->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &AbgabeDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &AbgabeDialog::reject);
    for (QLineEdit* e : {Name_, Klasse_, Kennung_, Datei_})
        connect(e, &QLineEdit::textChanged, this, &AbgabeDialog::Aktualisieren);
    DateiDialog = [this](const QString& vorschlagDatei) {
        return QFileDialog::getSaveFileName(this, tr("Abgabe speichern"), vorschlagDatei, tr("Abgaben (*.fuzabgabe)"));
    };
    connect(aendern, &QPushButton::clicked, this, [this] {
        QString d = DateiDialog ? DateiDialog(Datei_->text()) : QString();
        if (d.isEmpty()) return;
        if (!d.endsWith(QLatin1String(".fuzabgabe"), Qt::CaseInsensitive)) d += QStringLiteral(".fuzabgabe");
        DateiVonHand_ = true;
        Datei_->setText(d);
    });
    DateiNachName();
    Aktualisieren();
    setMinimumWidth(520);
}

Abgabeangaben AbgabeDialog::angaben() const {
    return {Name_->text().trimmed(), Klasse_->text().trimmed(), Kennung_->text().trimmed(), Datei_->text().trimmed()};
}

QString AbgabeDialog::pruefen() const {
    const Abgabeangaben a = angaben();
    QStringList warum;
    for (const auto& [feld, wert] :
         {std::pair{exercise::HandInField::Name, a.name}, std::pair{exercise::HandInField::Class, a.klasse},
          std::pair{exercise::HandInField::Id, a.kennung}})
        if (const auto w = exercise::FieldError(feld, wert.toStdString())) warum << QString::fromStdString(*w);
    if (a.datei.isEmpty()) warum << tr("Es fehlt die Datei, in die die Abgabe geht.");
    return warum.join(QLatin1Char('\n'));
}

void AbgabeDialog::DateiNachName() {
    if (DateiVonHand_) return;
    const QString ordner = Datei_->text().isEmpty() ? QString() : QFileInfo(Datei_->text()).path();
    const QString name = AbgabeDateiname(Name_->text().trimmed(), AufgabeDatei_);
    Datei_->setText(ordner.isEmpty() ? name : QDir(ordner).filePath(name));
}

void AbgabeDialog::Aktualisieren() {
    const QString warum = pruefen();
    Fehler_->setText(warum);
    Fehler_->setVisible(!warum.isEmpty());
    Abgeben_->setEnabled(warum.isEmpty());
}

void AbgabeDialog::accept() {
    if (!pruefen().isEmpty()) return;
    QSettings gemerkt;
    const Abgabeangaben a = angaben();
    gemerkt.setValue(SchluesselName, a.name);
    gemerkt.setValue(SchluesselKlasse, a.klasse);
    gemerkt.setValue(SchluesselKennung, a.kennung);
    QDialog::accept();
}

}  // namespace werkstatt
