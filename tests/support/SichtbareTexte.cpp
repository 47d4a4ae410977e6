#include "tests/support/SichtbareTexte.h"

#include "widgets/SprachWahl.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextDocument>
#include <QWidget>

namespace testsupport {

namespace {

QString Name(const QObject* o, int index) {
    if (!o->objectName().isEmpty()) return o->objectName();
    return QString::fromLatin1(o->metaObject()->className()) + QLatin1Char('#') + QString::number(index);
}

void Merken(std::vector<SichtbarerText>& out, const QString& ort, const QString& text) {
    if (!text.trimmed().isEmpty()) out.push_back({ort, text});
}

void Aktionen(std::vector<SichtbarerText>& out, const QString& ort, const QList<QAction*>& aktionen) {
    int i = 0;
    for (const QAction* a : aktionen) {
        const QString hier = ort + QLatin1Char('/') + Name(a, i++);
        if (a->isSeparator()) continue;
        Merken(out, hier + QStringLiteral(".text"), a->text());
        if (a->toolTip() != a->text() && a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            Merken(out, hier + QStringLiteral(".toolTip"), a->toolTip());
        Merken(out, hier + QStringLiteral(".statusTip"), a->statusTip());
        if (a->menu()) Aktionen(out, hier, a->menu()->actions());
    }
}

void Modell(std::vector<SichtbarerText>& out, const QString& ort, const QAbstractItemModel* m) {
    if (!m) return;
    for (int c = 0; c < m->columnCount(); ++c)
        Merken(out, ort + QStringLiteral(".spalte%1").arg(c), m->headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < m->rowCount(); ++r)
        Merken(out, ort + QStringLiteral(".zeile%1").arg(r), m->headerData(r, Qt::Vertical).toString());
}

void Sammeln(std::vector<SichtbarerText>& out, const QWidget* w, const QString& ort) {
    if (w->isWindow()) Merken(out, ort + QStringLiteral(".windowTitle"), w->windowTitle());
    Merken(out, ort + QStringLiteral(".toolTip"), w->toolTip());
    Merken(out, ort + QStringLiteral(".statusTip"), w->statusTip());
    Merken(out, ort + QStringLiteral(".whatsThis"), w->whatsThis());
    if (const auto* l = qobject_cast<const QLabel*>(w)) Merken(out, ort + QStringLiteral(".text"), l->text());
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) Merken(out, ort + QStringLiteral(".text"), b->text());
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) Merken(out, ort + QStringLiteral(".title"), g->title());
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        Merken(out, ort + QStringLiteral(".placeholder"), e->placeholderText());
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        for (int i = 0; i < c->count(); ++i) Merken(out, ort + QStringLiteral(".item%1").arg(i), c->itemText(i));
    if (const auto* t = qobject_cast<const QTabBar*>(w))
        for (int i = 0; i < t->count(); ++i) {
            Merken(out, ort + QStringLiteral(".tab%1").arg(i), t->tabText(i));
            Merken(out, ort + QStringLiteral(".tabToolTip%1").arg(i), t->tabToolTip(i));
        }
    if (const auto* v = qobject_cast<const QAbstractItemView*>(w)) {
        Modell(out, ort, v->model());
        if (const QAbstractItemModel* m = v->model())
            for (int r = 0; r < m->rowCount() && r < 200; ++r)
                for (int c = 0; c < m->columnCount() && c < 20; ++c)
                    Merken(out, ort + QStringLiteral(".zelle%1_%2").arg(r).arg(c),
                           m->data(m->index(r, c), Qt::DisplayRole).toString());
    }
    if (const auto* mb = qobject_cast<const QMenuBar*>(w))
        Aktionen(out, ort, mb->actions());
    else if (!qobject_cast<const QMenu*>(w))
        Aktionen(out, ort + QStringLiteral("/aktionen"), w->actions());
    int i = 0;
    for (const QObject* kind : w->children()) {
        const auto* k = qobject_cast<const QWidget*>(kind);
        const int index = i++;
        if (!k || qobject_cast<const QMenu*>(k)) continue;  // menus: through their actions
        // The menu bar's overflow button keeps copies of the menus made
        // before the window was first laid out; the menus themselves count.
        if (k->objectName() == QLatin1String("qt_menubar_ext_button")) continue;
        Sammeln(out, k, ort + QLatin1Char('/') + Name(k, index));
    }
}

QString OhneAuszeichnung(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    QTextDocument d;
    d.setHtml(text);
    return d.toPlainText();
}

// Letter-free texts (numbers, signs) and units read the same in both.
bool InBeidenGleich(const QString& text, const QStringList& gleich) {
    const QString t = OhneAuszeichnung(text).remove(QLatin1Char('&')).trimmed();
    if (gleich.contains(t)) return true;
    static const QRegularExpression ohneWort(QStringLiteral("^[^\\p{L}]*$"));
    if (ohneWort.match(t).hasMatch()) return true;
    // A number with a unit, or a unit alone ("5,0 m", "cm/s", "[N]", "°").
    static const QRegularExpression einheit(
        QStringLiteral("^[-−+\\d.,\\s()\\[\\]=:]*(m|cm|s|N|kg|°|m/s|cm/s|cm/s²|N\\*s/m|N·s/m|Hz|ms|%|x|y|A|B|t|v|F)?"
                       "[\\s()\\[\\]:]*$"));
    return einheit.match(t).hasMatch();
}

}  // namespace

std::vector<SichtbarerText> SichtbareTexte(const QWidget* wurzel) {
    std::vector<SichtbarerText> out;
    Sammeln(out, wurzel, Name(wurzel, 0));
    return out;
}

QStringList Unuebersetzt(const std::vector<SichtbarerText>& deutsch, const std::vector<SichtbarerText>& englisch,
                         const QStringList& gleich) {
    QStringList fehler;
    if (deutsch.size() != englisch.size())
        fehler << QStringLiteral("%1 deutsche, aber %2 englische Texte").arg(deutsch.size()).arg(englisch.size());
    for (std::size_t i = 0; i < deutsch.size() && i < englisch.size(); ++i) {
        const SichtbarerText& d = deutsch[i];
        const SichtbarerText& e = englisch[i];
        if (d.ort != e.ort) {
            fehler << QStringLiteral("%1 ≠ %2").arg(d.ort, e.ort);
            break;
        }
        if (d.text == e.text && !InBeidenGleich(d.text, gleich))
            fehler << QStringLiteral("%1: „%2“").arg(d.ort, d.text);
    }
    return fehler;
}

std::vector<SichtbarerText> Gezeigt(QWidget* fenster) {
    fenster->show();
    QCoreApplication::processEvents();
    std::vector<SichtbarerText> texte = SichtbareTexte(fenster);
    fenster->hide();
    return texte;
}

SpracheFuer::SpracheFuer(fuzzy::Language sprache, const QStringList& kataloge) : kataloge_(kataloge) {
    widgets::SpracheEinrichten(sprache, kataloge);
}

SpracheFuer::~SpracheFuer() { widgets::SpracheEinrichten(fuzzy::Language::German, kataloge_); }

}  // namespace testsupport
