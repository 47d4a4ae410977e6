#include "werkstatt/modell/Modell.h"

#include "werkstatt/modell/Befehle.h"

#include "fuzzy/Errors.h"
#include "fuzzy/Project.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QSettings>
#include <QStringList>

namespace werkstatt {

TProjektModell::TProjektModell(QObject* parent) : QObject(parent) {
    stand_.projekt = fuzzy::TemplateEmpty();
    connect(&stack_, &QUndoStack::cleanChanged, this, &TProjektModell::dateistatusGeaendert);
}

void TProjektModell::setzeStand(const Stand& s) {
    const bool dateiAnders = s.datei != stand_.datei;
    const bool fahrzeugAnders = s.fahrzeug != stand_.fahrzeug;
    stand_ = s;
    emit projektGeaendert();
    if (dateiAnders) emit dateistatusGeaendert();
    if (fahrzeugAnders) emit fahrzeugGeaendert();
}

void TProjektModell::setzeSperre(const Sperre& s, SperrPruefung pruefen) {
    sperre_ = s;
    pruefen_ = s.aktiv() ? std::move(pruefen) : SperrPruefung();
    emit sperreGeaendert();
}

void TProjektModell::setzeProjekt(const fuzzy::Project& p) {
    stand_.projekt = p;
    emit projektGeaendert();
}

void TProjektModell::laden(const fuzzy::Project& p, const QString& datei) {
    stack_.clear();
    const QString inhalt = Inhaltsschluessel(p);
    setzeStand({p, datei, GemerktesFahrzeug(inhalt), inhalt});
    stack_.setClean();
    emit dateistatusGeaendert();
}

void TProjektModell::gespeichert(const QString& datei) {
    stand_.datei = datei;
    stand_.inhalt = Inhaltsschluessel(stand_.projekt);
    if (stand_.fahrzeug != Fahrzeug::Unbestimmt) FahrzeugMerken(stand_.inhalt, stand_.fahrzeug);
    stack_.setClean();
    emit dateistatusGeaendert();
}

void TProjektModell::ausfuehren(int art, const QString& text, const Stand& nachher, int zug, int rolle, int term,
                                int param) {
    if (GleichesProjekt(nachher.projekt, stand_.projekt) && nachher.datei == stand_.datei && art != ArtNeu) return;
    if (art != ArtNeu && pruefen_) {
        const QStringList gruende = pruefen_(stand_.projekt, nachher.projekt);
        if (!gruende.isEmpty()) {
            emit bearbeitungAbgelehnt(gruende);
            return;
        }
    }
    stack_.push(new TProjektBefehl(
        [this](const Stand& s, bool ganz) {
            if (ganz)
                setzeStand(s);
            else
                setzeProjekt(s.projekt);
        },
        static_cast<BefehlArt>(art), text, stand_, nachher, Griff{zug, rolle, term, param}));
}

QString TProjektModell::setzeName(Rolle r, const QString& name) {
    const std::string s = name.toStdString();
    if (const auto fehler = NamensFehler(s)) return QString::fromStdString(*fehler);
    Stand n = stand_;
    Variable(n.projekt, r).Name = s;
    ausfuehren(ArtName, tr("Name ändern"), n);
    return {};
}

void TProjektModell::setzeBereich(Rolle r, float min, float max, bool termeMit) {
    Stand n = stand_;
    fuzzy::TFuzzy& v = Variable(n.projekt, r);
    if (termeMit && BereichMitTermen(v, min, max)) {
        ausfuehren(ArtBereich, tr("Bereich und Terme ändern"), n);
        return;
    }
    v.RangeMin = min;
    v.RangeMax = max;
    ausfuehren(ArtBereich, tr("Bereich ändern"), n);
}

QString TProjektModell::setzeTermName(Rolle r, int term, const QString& name) {
    const std::string s = name.toStdString();
    if (const auto fehler = NamensFehler(s)) return QString::fromStdString(*fehler);
    Stand n = stand_;
    fuzzy::TFuzzy& v = Variable(n.projekt, r);
    if (term < 1 || term > v.UsedTerms()) return {};
    v.SetTermName(term, s);
    ausfuehren(ArtTermName, tr("Termname ändern"), n);
    return {};
}

void TProjektModell::setzeParameter(Rolle r, int term, int param, float wert) {
    Stand n = stand_;
    fuzzy::TFuzzy& v = Variable(n.projekt, r);
    if (term < 1 || term > v.UsedTerms() || param < 1 || param > 5) return;
    v.SetParam(term, param, wert);
    ausfuehren(ArtParameter, tr("Parameter ändern"), n);
}

void TProjektModell::zieheGriff(Rolle r, int term, int param, float wunsch, int zug) {
    Stand n = stand_;
    fuzzy::TFuzzy& v = Variable(n.projekt, r);
    if (term < 1 || term > v.UsedTerms() || param < 1 || param > 5) return;
    v.SetParam(term, param, GriffBegrenzen(v, term, param, wunsch));
    ausfuehren(ArtGriff, tr("Griff verschieben"), n, zug, static_cast<int>(r), term, param);
}

bool TProjektModell::termHinzufuegen(Rolle r) {
    Stand n = stand_;
    if (!TermHinzufuegen(n.projekt, r)) return false;
    ausfuehren(ArtTermHinzu, tr("Term hinzufügen"), n);
    return true;
}

bool TProjektModell::termEntfernen(Rolle r, int term) {
    Stand n = stand_;
    if (!TermEntfernen(n.projekt, r, term)) return false;
    ausfuehren(ArtTermEntfernen, tr("Term entfernen"), n);
    return true;
}

bool TProjektModell::termVerschieben(Rolle r, int term, int nach) {
    Stand n = stand_;
    if (!TermeTauschen(n.projekt, r, term, nach)) return false;
    ausfuehren(ArtTermVerschieben, tr("Term verschieben"), n);
    return true;
}

void TProjektModell::setzeRegel(int zeile, int spalte, int ausgangsterm) {
    if (zeile < 1 || zeile > 5 || spalte < 1 || spalte > 5) return;
    Stand n = stand_;
    n.projekt.Rules.Set(zeile, spalte, ausgangsterm);
    ausfuehren(ArtRegel, tr("Regel ändern"), n);
}

void TProjektModell::setzeEingangB(bool an) {
    Stand n = stand_;
    if (an)
        EingangBEinschalten(n.projekt);
    else
        n.projekt.B.Defined = false;
    ausfuehren(ArtEingangB, an ? tr("Eingang B verwenden") : tr("Eingang B nicht verwenden"), n);
}

void TProjektModell::ersetzen(const fuzzy::Project& p, const QString& text) {
    ausfuehren(ArtErsetzen, text, Stand{p, stand_.datei, stand_.fahrzeug, stand_.inhalt});
}

void TProjektModell::neu(const fuzzy::Project& p, const QString& name, Fahrzeug f) {
    ausfuehren(ArtNeu, tr("Neu: %1").arg(name), Stand{p, QString(), f, QString()});
}

void TProjektModell::setzeFahrzeug(Fahrzeug f) {
    if (f == stand_.fahrzeug) return;
    stand_.fahrzeug = f;
    FahrzeugMerken(stand_.inhalt, f);
    emit fahrzeugGeaendert();
}

namespace {

// One list in the settings, newest first: "KEY truck" / "KEY lok".
const QString FahrzeugSchluessel = QStringLiteral("Fahrzeug/Inhalte");
// Where earlier versions kept the choice by the file's path.
const QString AlterSchluessel = QStringLiteral("Fahrzeug/Dateien");

}  // namespace

QString Inhaltsschluessel(const fuzzy::Project& p) {
    try {
        const std::string text = fuzzy::ProjectText(p);
        return QString::fromLatin1(
            QCryptographicHash::hash(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())),
                                     QCryptographicHash::Sha256)
                .toHex());
    } catch (const fuzzy::Error&) {
        return {};
    }
}

Fahrzeug GemerktesFahrzeug(const QString& inhalt) {
    if (inhalt.isEmpty()) return Fahrzeug::Unbestimmt;
    for (const QString& e : QSettings().value(FahrzeugSchluessel).toStringList())
        if (e.section(QLatin1Char(' '), 0, 0) == inhalt)
            return FahrzeugAusWort(e.section(QLatin1Char(' '), 1).toStdString());
    return Fahrzeug::Unbestimmt;
}

void FahrzeugMerken(const QString& inhalt, Fahrzeug f) {
    if (inhalt.isEmpty()) return;
    QSettings s;
    QStringList liste = s.value(FahrzeugSchluessel).toStringList();
    liste.removeIf([&](const QString& e) { return e.section(QLatin1Char(' '), 0, 0) == inhalt; });
    if (f != Fahrzeug::Unbestimmt) liste.prepend(inhalt + QLatin1Char(' ') + QString::fromLatin1(FahrzeugWort(f)));
    while (liste.size() > MaxGemerkt) liste.removeLast();
    s.setValue(FahrzeugSchluessel, liste);
    // A choice by path could belong to a file that now holds another project.
    s.remove(AlterSchluessel);
}

}  // namespace werkstatt
