#include "werkstatt/blatt/Arbeitsblatt.h"
#include "werkstatt/blatt/BlattTeile.h"
#include "werkstatt/blatt/Aufgabenblatt.h"

#include "exercise/ClassList.h"
#include "exercise/HandIn.h"
#include "fuzzy/AtomicFile.h"
#include "werkstatt/labor/BahnenBild.h"
#include "fuzzy/Errors.h"
#include "widgets/Fonts.h"
#include "fuzzy/Surface.h"
#include "werkstatt/ansichten/KennfeldSzene.h"
#include "werkstatt/labor/KurvenDiagramm.h"
#include "werkstatt/labor/LokLabor.h"
#include "fuzzy/Messages.h"
#include "fuzzy/Language.h"
#include "werkstatt/ansichten/PainterPlot.h"
#include "werkstatt/labor/TruckLabor.h"
#include "werkstatt/labor/TruckRechnung.h"
#include "werkstatt/labor/Zahl.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

namespace werkstatt {

namespace {

constexpr double Einheit = 96.0;
constexpr double KopfHoehe = 22.0;
constexpr double FussHoehe = 22.0;
constexpr double DiagrammHoehe = 140.0;

// The sheet's texts, translated in the context "Arbeitsblatt".
struct Blatt {
    Q_DECLARE_TR_FUNCTIONS(Arbeitsblatt)
};

}  // namespace

namespace blatt {

QFont Schrift(int pixel, bool fett) { return widgets::PixelFont(widgets::SansFamily(), pixel, fett); }

QString Text(const std::string& s) { return QString::fromStdString(s); }

QLocale Sprachform() {
    QLocale l = fuzzy::ActiveLanguage() == fuzzy::Language::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                                    : QLocale(QLocale::German, QLocale::Germany);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

QString Zahlwert(float v) {
    QString s = Sprachform().toString(static_cast<double>(v), 'g', 7);
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

double Ueberschrift(QPainter& p, const QRectF& r, const QString& text) {
    p.setFont(Schrift(15, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(r.left(), r.top(), r.width(), 20), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    p.drawLine(QPointF(r.left(), r.top() + 21), QPointF(r.right(), r.top() + 21));
    return 26.0;
}

namespace {

QString Rollentitel(int rolle) {
    switch (rolle) {
    case 0: return Blatt::tr("Eingang A");
    case 1: return Blatt::tr("Eingang B");
    default: return Blatt::tr("Ausgang");
    }
}

}  // namespace

Block VariablenBlock(const fuzzy::TFuzzy& v, int rolle) {
    const QString titel = Rollentitel(rolle);
    if (!v.Defined) {
        return {30.0, [titel](QPainter& p, const QRectF& r) {
                    Ueberschrift(p, r, titel + QStringLiteral(": ") + Blatt::tr("nicht verwendet"));
                }};
    }
    const int n = v.UsedTerms();
    const double hoehe = 26.0 + 18.0 + DiagrammHoehe + 6.0 + TabellenZeile * (n + 1) + 4.0;
    return {hoehe, [v, titel, n](QPainter& p, const QRectF& r) {
                double y = r.top() + Ueberschrift(p, r, titel + QStringLiteral(": ") + Text(v.Name));
                p.setFont(Schrift(12));
                p.setPen(Qt::black);
                p.drawText(
                    QRectF(r.left(), y, r.width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
                    Blatt::tr("Bereich: %1 bis %2, %3 Terme").arg(Zahlwert(v.RangeMin), Zahlwert(v.RangeMax)).arg(n));
                y += 18.0;
                p.save();
                p.translate(r.left(), y);
                ansichten::MaleTermdiagramm(p, QSize(static_cast<int>(r.width()), static_cast<int>(DiagrammHoehe)), v);
                p.restore();
                y += DiagrammHoehe + 6.0;
                // The corners in a table: what the diagram shows, to copy
                // into an exercise.
                const double spalten[] = {0.0, 0.34, 0.44, 0.54, 0.64, 0.74, 0.84, 1.0};
                const QString kopf[] = {Blatt::tr("Term"),   Blatt::tr("Kürzel"), QStringLiteral("a"),
                                        QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                                        Blatt::tr("Höhe")};
                auto zelle = [&](int s, double zy, const QString& t, bool rechts) {
                    const QRectF z(r.left() + spalten[s] * r.width() + 3, zy,
                                   (spalten[s + 1] - spalten[s]) * r.width() - 6, TabellenZeile);
                    p.drawText(z, (rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                               QFontMetrics(p.font()).elidedText(t, Qt::ElideRight, static_cast<int>(z.width())));
                };
                p.setFont(Schrift(11, true));
                for (int s = 0; s < 7; ++s) zelle(s, y, kopf[s], s >= 2);
                p.setPen(QPen(QColor(150, 150, 150), 0.6));
                p.drawLine(QPointF(r.left(), y + TabellenZeile), QPointF(r.right(), y + TabellenZeile));
                p.setFont(Schrift(11));
                p.setPen(Qt::black);
                for (int i = 1; i <= n; ++i) {
                    const double zy = y + TabellenZeile * i;
                    zelle(0, zy, Text(v.GetTermName(i)), false);
                    zelle(1, zy, Text(v.GetTermAbbrev(i)), false);
                    for (int k = fuzzy::ParamA; k <= fuzzy::ParamH; ++k)
                        zelle(k + 1, zy, Zahlwert(v.GetParam(i, k)), true);
                }
            }};
}

Block RegelBlock(const fuzzy::Project& pr, bool leer) {
    const bool zwei = pr.B.Defined;
    const int na = pr.A.UsedTerms(), nb = zwei ? pr.B.UsedTerms() : 1;
    const double hoehe = 26.0 + 18.0 + RegelZeile * (nb + 1) + 4.0;
    return {
        hoehe, [pr, zwei, na, nb, leer](QPainter& p, const QRectF& r) {
            double y = r.top() + Ueberschrift(p, r, Blatt::tr("Regeln"));
            p.setFont(Schrift(12));
            p.setPen(Qt::black);
            const QString satz =
                zwei ? Blatt::tr("WENN %1 ist (Spalte) UND %2 ist (Zeile), DANN %3 ist (Zelle)")
                           .arg(Text(pr.A.Name), Text(pr.B.Name), Text(pr.Out.Name))
                     : Blatt::tr("WENN %1 ist (Spalte), DANN %2 ist (Zelle)").arg(Text(pr.A.Name), Text(pr.Out.Name));
            p.drawText(QRectF(r.left(), y, r.width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
                       QFontMetrics(p.font()).elidedText(satz, Qt::ElideRight, static_cast<int>(r.width())));
            y += 18.0;
            const double w = r.width() / (na + 1);
            for (int zeile = 0; zeile <= nb; ++zeile) {
                for (int spalte = 0; spalte <= na; ++spalte) {
                    const QRectF z(r.left() + spalte * w, y + zeile * RegelZeile, w, RegelZeile);
                    QString t;
                    bool kopf = zeile == 0 || spalte == 0;
                    if (zeile == 0 && spalte > 0) t = Text(pr.A.GetTermName(spalte));
                    if (spalte == 0 && zeile > 0 && zwei) t = Text(pr.B.GetTermName(zeile));
                    if (zeile > 0 && spalte > 0) {
                        const int k = pr.Rules.Get(zeile, spalte);
                        if (k >= 1 && k <= pr.Out.UsedTerms())
                            t = Text(pr.Out.GetTermName(k));
                        else if (k == 0)
                            t = leer ? QString() : QStringLiteral("–");
                        else
                            t = QStringLiteral("#%1").arg(k);
                    }
                    if (kopf) p.fillRect(z, QColor(230, 230, 230));
                    p.setPen(QPen(QColor(120, 120, 120), 0.6));
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(z);
                    p.setFont(Schrift(11, kopf));
                    p.setPen(Qt::black);
                    p.drawText(z.adjusted(3, 1, -3, -1), Qt::AlignCenter | Qt::TextWordWrap, t);
                }
            }
        }};
}

Block KennfeldBlock(const fuzzy::Project& pr, double breite) {
    const double bildHoehe = std::min(480.0, breite * 0.7);
    return {26.0 + bildHoehe, [pr, bildHoehe](QPainter& p, const QRectF& r) {
                const double y =
                    r.top() + Ueberschrift(p, r, pr.B.Defined ? Blatt::tr("Kennfeld") : Blatt::tr("Kennlinie"));
                ansichten::KennfeldSzene s;
                s.projekt = pr;
                s.gitter = fuzzy::ComputeSurface(pr, pr.B.Defined ? 161 : 401, 161);
                ansichten::SzeneAufbereiten(s);
                p.save();
                p.translate(r.left(), y);
                ansichten::MaleKennfeld(p, QSize(static_cast<int>(r.width()), static_cast<int>(bildHoehe)), s);
                p.restore();
            }};
}

// What the lab says beside its figures (places where no rule fires, a
// project for the other vehicle), wrapped to the width; nothing when silent.
// Returns the room it takes on the page.
double WarnBlock(std::vector<Block>& b, const QStringList& saetze, double breite) {
    if (saetze.isEmpty()) return 0.0;
    const QString text = QStringLiteral("⚠ ") + saetze.join(QLatin1Char(' '));
    const QFontMetricsF fm(Schrift(12));
    const double hoehe =
        fm.boundingRect(QRectF(0, 0, breite, 1e6), Qt::AlignLeft | Qt::TextWordWrap, text).height() + 6.0;
    b.push_back({hoehe, [text](QPainter& p, const QRectF& r) {
                     p.setFont(Schrift(12));
                     p.setPen(QColor(160, 48, 0));
                     p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
                 }});
    return hoehe + Abstand;
}

std::vector<Block> TruckBloecke(const fuzzy::Project& pr, float v, double breite, double seitenHoehe, Fahrzeug f) {
    auto e =
        std::make_shared<labor::TruckErgebnis>(labor::RechneTruckRaster(pr, v, nullptr, 0, f == Fahrzeug::Unbestimmt));
    std::vector<Block> b;
    const double kopf = 26.0 + 4 * 17.0 + 6.0;
    b.push_back({kopf,
                 [e, v](QPainter& p, const QRectF& r) {
                     double y = r.top() + Ueberschrift(p, r,
                                                       Blatt::tr("Truck-Labor: alle Starts bei %1 m/s")
                                                           .arg(labor::Zahl(static_cast<double>(v), 0)));
                     p.setFont(Schrift(12));
                     p.setPen(Qt::black);
                     QStringList zeilen;
                     if (!e->Definiert || e->Raster.Runs.empty()) {
                         zeilen << Blatt::tr("Eingang A und/oder Ausgang (noch) nicht definiert: keine Fahrten.");
                     } else {
                         const dorvane::GridFigures& z = e->Raster.Figures;
                         zeilen << Blatt::tr("angedockt: %1 von %2 Starts (|x| < 0,1 m und |Lage| < 1° am Ende)")
                                       .arg(z.Docked)
                                       .arg(z.Starts);
                         zeilen << Blatt::tr("Straße verlassen: %1 von %2 Starts, die auf der Straße bleiben müssen")
                                       .arg(z.LeftRoad())
                                       .arg(z.MustKeepRoad);
                         zeilen << Blatt::tr("größte |x| am Ende: %1 m, größte |Lage| am Ende: %2°")
                                       .arg(labor::Zahl(z.WorstX, 4), labor::Zahl(z.WorstAttitude, 3));
                         zeilen << Blatt::tr("meiste Schritte: %1").arg(z.MostSteps);
                     }
                     for (const QString& t : zeilen) {
                         p.drawText(QRectF(r.left(), y, r.width(), 17), Qt::AlignLeft | Qt::AlignVCenter, t);
                         y += 17.0;
                     }
                 },
                 true});
    // The tracks below, on the same page.
    const double warnung = WarnBlock(b, labor::TruckLabor::Warnungen(*e, f), breite);
    if (e->Definiert && !e->Raster.Runs.empty()) {
        const double hoehe = std::max(200.0, seitenHoehe - kopf - warnung - Abstand - 4.0);
        b.push_back({hoehe, [e, breite, hoehe](QPainter& p, const QRectF& r) {
                         p.save();
                         p.translate(r.left(), r.top());
                         labor::MaleBahnen(p, QSize(static_cast<int>(breite), static_cast<int>(hoehe)), *e);
                         p.restore();
                     }});
    }
    return b;
}

namespace {
QString MasseName(float m) { return QStringLiteral("%1 kg").arg(Zahlwert(m)); }

}  // namespace

namespace {

// A mass's pen as the lab draws it: by its place among the lab's masses,
// also where a sheet runs only some of them.
int Stift(float masse, int i) {
    const auto& massen = pemrak::LabMasses();
    const auto m = std::find(massen.begin(), massen.end(), masse);
    return m == massen.end() ? i : static_cast<int>(m - massen.begin());
}

}  // namespace

std::vector<Block> LokBloecke(const fuzzy::Project& pr, const labor::LokEinstellung& einst, double breite, Fahrzeug f,
                              bool mitKurven) {
    auto e = std::make_shared<labor::LokErgebnis>(labor::RechneLok(pr, einst));
    std::vector<Block> b;
    const int n = static_cast<int>(e->Laeufe.size());
    const std::array<double, 7> spalten{0.0, 0.1, 0.26, 0.42, 0.56, 0.67, 1.0};
    const std::array<QString, 6> kopfText{Blatt::tr("Masse"),
                                          Blatt::tr("in Ruhe ab\n(|s| < 1 cm, |v| < 0,5 cm/s)"),
                                          Blatt::tr("genau ab\n(|s| < 0,5 cm, |v| < 0,5 cm/s)"),
                                          Blatt::tr("Überschwingen"),
                                          Blatt::tr("Kraftwechsel"),
                                          Blatt::tr("Ende des Laufs")};
    // The column headings: three lines, or as many as the longest one wraps
    // to in its column; two lines for each mass.
    const QFontMetricsF fett(Schrift(11, true));
    double kopfHoehe = 3 * TabellenZeile;
    for (std::size_t s = 0; s < kopfText.size(); ++s) {
        const QRectF spalte(0, 0, (spalten[s + 1] - spalten[s]) * breite - 6, 1e6);
        kopfHoehe =
            std::max(kopfHoehe,
                     std::ceil(fett.boundingRect(spalte, Qt::AlignLeft | Qt::TextWordWrap, kopfText[s]).height()) + 2);
    }
    const double kopf = 26.0 + 18.0 + kopfHoehe + TabellenZeile * 2 * n + 8.0;
    b.push_back(
        {kopf,
         [e, einst, n, spalten, kopfText, kopfHoehe](QPainter& p, const QRectF& r) {
             double y = r.top() + Ueberschrift(p, r, Blatt::tr("Lok-Labor"));
             p.setFont(Schrift(12));
             p.setPen(Qt::black);
             p.drawText(QRectF(r.left(), y, r.width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
                        !e->Fehler ? Blatt::tr("Reibung %1 N·s/m, Abstand %2 cm, Zeitschritt %3 s")
                                         .arg(Zahlwert(einst.Reibung), Zahlwert(einst.AbstandCm), Zahlwert(einst.Dt))
                                   : QString::fromStdString(*e->Fehler));
             y += 18.0;
             if (n == 0) return;
             auto zelle = [&](int s, double zy, const QString& t, double h = 2 * TabellenZeile) {
                 const auto k = static_cast<std::size_t>(s);
                 const QRectF z(r.left() + spalten[k] * r.width() + 3, zy,
                                (spalten[k + 1] - spalten[k]) * r.width() - 6, h);
                 p.drawText(z, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, t);
             };
             p.setFont(Schrift(11, true));
             for (int s = 0; s < 6; ++s) zelle(s, y, kopfText[static_cast<std::size_t>(s)], kopfHoehe);
             p.setPen(QPen(QColor(150, 150, 150), 0.6));
             p.drawLine(QPointF(r.left(), y + kopfHoehe), QPointF(r.right(), y + kopfHoehe));
             p.setFont(Schrift(11));
             for (int i = 0; i < n; ++i) {
                 const pemrak::JudgedRun& l = e->Laeufe[static_cast<std::size_t>(i)];
                 const double zy = y + kopfHoehe + 2 * TabellenZeile * i;
                 // The mass's pen before its name, as in the diagrams.
                 const int stift = Stift(l.Options.Start.Masse, i);
                 p.setPen(QPen(labor::LokLabor::Farbe(stift), 2.0, labor::LokLabor::Stil(stift), Qt::FlatCap));
                 p.drawLine(QPointF(r.left() + 3, zy + TabellenZeile), QPointF(r.left() + 25, zy + TabellenZeile));
                 p.setPen(Qt::black);
                 auto ab = [](const std::optional<float>& t) {
                     return t ? QStringLiteral("t = %1 s").arg(labor::Zahl(*t, lab::Quantity::Seconds))
                              : Blatt::tr("nie");
                 };
                 const QRectF nameZelle(r.left() + 29, zy, spalten[1] * r.width() - 29, 2 * TabellenZeile);
                 p.drawText(nameZelle, Qt::AlignLeft | Qt::AlignVCenter, MasseName(l.Options.Start.Masse));
                 zelle(1, zy, ab(l.AtRestFrom));
                 zelle(2, zy, ab(l.ExactFrom));
                 zelle(3, zy,
                       QStringLiteral("%1 cm").arg(labor::Zahl(l.Figures.OvershootCm, lab::Quantity::Centimetres)));
                 zelle(4, zy, QString::number(l.Figures.SignChanges));
                 zelle(5, zy,
                       Blatt::tr("t = %1 s: s = %2 cm, v = %3 cm/s%4")
                           .arg(labor::Zahl(l.Figures.EndT, lab::Quantity::Seconds),
                                labor::Zahl(l.Figures.EndSCm, lab::Quantity::Centimetres),
                                labor::Zahl(l.Figures.EndVCms, lab::Quantity::CmPerSecond),
                                labor::LokLabor::EndeZusatz(l.Figures)));
             }
         },
         true});
    WarnBlock(b, labor::LokLabor::Warnungen(*e, f), breite);
    if (n == 0 || !mitKurven) return b;

    // The curves as the lab draws them: time axes up to a little after the
    // last mass has come to rest.
    double tEnde = 0, tRuhe = 0;
    for (const pemrak::JudgedRun& l : e->Laeufe) {
        tEnde = std::max(tEnde, double(l.Figures.EndT));
        tRuhe = std::max(tRuhe, double(l.AtRestFrom.value_or(l.Figures.EndT)));
    }
    const double tBis = std::min(tEnde, std::max(2.0, tRuhe * 1.25 + 0.5));
    struct Bild {
        const char* titel;
        const char* x;
        const char* y;
    };
    // The axes name a quantity by its symbol and unit, the same in every language.
    const Bild bilder[4] = {{QT_TRANSLATE_NOOP("Arbeitsblatt", "Weg über der Zeit"), "t in s", "s in cm"},
                            {QT_TRANSLATE_NOOP("Arbeitsblatt", "Geschwindigkeit über der Zeit"), "t in s", "v in cm/s"},
                            {QT_TRANSLATE_NOOP("Arbeitsblatt", "Kraft über der Zeit"), "t in s", "F in N"},
                            {QT_TRANSLATE_NOOP("Arbeitsblatt", "s-v-Diagramm"), "s in cm", "v in cm/s"}};
    auto diagramme = std::make_shared<std::vector<std::unique_ptr<labor::KurvenDiagramm>>>();
    for (int d = 0; d < 4; ++d) {
        auto k =
            std::make_unique<labor::KurvenDiagramm>(QCoreApplication::translate("Arbeitsblatt", bilder[d].titel),
                                                    QString::fromUtf8(bilder[d].x), QString::fromUtf8(bilder[d].y));
        QVector<labor::KurvenDiagramm::Kurve> kurven;
        for (int i = 0; i < n; ++i) {
            const pemrak::JudgedRun& l = e->Laeufe[static_cast<std::size_t>(i)];
            labor::KurvenDiagramm::Kurve c{MasseName(l.Options.Start.Masse),
                                           labor::LokLabor::Farbe(Stift(l.Options.Start.Masse, i)),
                                           {},
                                           labor::LokLabor::Stil(Stift(l.Options.Start.Masse, i))};
            for (const pemrak::TrackPoint& q : l.Run.Track) {
                if (d == 3 && q.t > tBis) break;
                switch (d) {
                case 0: c.Punkte.append(QPointF(q.t, q.sCm)); break;
                case 1: c.Punkte.append(QPointF(q.t, q.vCms)); break;
                case 2: c.Punkte.append(QPointF(q.t, q.Kraft)); break;
                default: c.Punkte.append(QPointF(q.sCm, q.vCms)); break;
                }
            }
            kurven.append(c);
        }
        if (d < 3) k->setXBereich(0.0, tBis);
        k->setKurven(kurven);
        diagramme->push_back(std::move(k));
    }
    const double h = std::floor((breite / 2 - 6) * 0.9);
    for (int zeile = 0; zeile < 2; ++zeile) {
        b.push_back({h, [diagramme, zeile, h](QPainter& p, const QRectF& r) {
                         const double w = (r.width() - 12) / 2;
                         for (int s = 0; s < 2; ++s) {
                             p.save();
                             p.translate(r.left() + s * (w + 12), r.top());
                             (*diagramme)[static_cast<std::size_t>(zeile * 2 + s)]->malen(
                                 p, QSize(static_cast<int>(w), static_cast<int>(h)));
                             p.setPen(QPen(QColor(160, 160, 160), 0.6));
                             p.setBrush(Qt::NoBrush);
                             p.drawRect(QRectF(0, 0, w, h));
                             p.restore();
                         }
                     }});
    }
    return b;
}

int MaleSeiten(QPagedPaintDevice& geraet, const std::function<std::vector<Block>(double, double)>& bauen,
               const QString& kopfLinks, const QString& kopfRechts) {
    QPainter p;
    if (!p.begin(&geraet)) return 0;
    const double faktor = geraet.logicalDpiX() / Einheit;
    const QRectF seite(QPointF(0, 0), QSizeF(geraet.width() / faktor, geraet.height() / faktor));
    const QRectF inhalt = seite.adjusted(0, KopfHoehe + 6, 0, -(FussHoehe + 6));
    const double breite = inhalt.width();
    const std::vector<Block> bloecke = bauen(breite, inhalt.height());

    // Pages first, so that every page can say how many there are.
    std::vector<int> seiteVon(bloecke.size());
    std::vector<double> obenVon(bloecke.size());
    int seiten = 1;
    double y = inhalt.top();
    for (std::size_t i = 0; i < bloecke.size(); ++i) {
        const bool passt = y + bloecke[i].hoehe <= inhalt.bottom() + 0.5;
        if (y > inhalt.top() && (bloecke[i].neueSeite || !passt)) {
            ++seiten;
            y = inhalt.top();
        }
        seiteVon[i] = seiten;
        obenVon[i] = y;
        y += bloecke[i].hoehe + Abstand;
    }

    std::size_t i = 0;
    for (int s = 1; s <= seiten; ++s) {
        if (s > 1 && !geraet.newPage()) {
            p.end();
            return 0;
        }
        p.save();
        p.scale(faktor, faktor);
        // Header and footer of every page.
        p.setFont(Schrift(11));
        p.setPen(QColor(90, 90, 90));
        const QRectF kopf(seite.left(), seite.top(), seite.width(), KopfHoehe);
        const int rechtsBreite = QFontMetrics(p.font()).horizontalAdvance(kopfRechts) + 12;
        p.drawText(kopf.adjusted(0, 0, -rechtsBreite, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(p.font()).elidedText(kopfLinks, Qt::ElideRight,
                                                     static_cast<int>(kopf.width()) - rechtsBreite));
        p.drawText(kopf, Qt::AlignRight | Qt::AlignVCenter, kopfRechts);
        p.setPen(QPen(QColor(150, 150, 150), 0.6));
        p.drawLine(QPointF(seite.left(), seite.top() + KopfHoehe), QPointF(seite.right(), seite.top() + KopfHoehe));
        p.drawLine(QPointF(seite.left(), seite.bottom() - FussHoehe),
                   QPointF(seite.right(), seite.bottom() - FussHoehe));
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRectF(seite.left(), seite.bottom() - FussHoehe, seite.width(), FussHoehe),
                   Qt::AlignHCenter | Qt::AlignVCenter, Blatt::tr("Seite %1 von %2").arg(s).arg(seiten));
        for (; i < bloecke.size() && seiteVon[i] == s; ++i) {
            p.save();
            bloecke[i].malen(p, QRectF(inhalt.left(), obenVon[i], breite, bloecke[i].hoehe));
            p.restore();
        }
        p.restore();
    }
    p.end();
    return seiten;
}

QByteArray Pdf(const QString& titel, const std::function<int(QPagedPaintDevice&)>& malen) {
    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                      QPageLayout::Millimeter));
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Fuzzy-Werkstatt"));
        if (malen(pdf) == 0) return {};
    }
    puffer.close();
    return daten;
}

QString PdfSchreiben(const QByteArray& pdf, const QString& ziel, const QStringList& quellen) {
    if (ziel.isEmpty()) return Blatt::tr("Es wurde keine Zieldatei angegeben.");
    if (QFileInfo(ziel).isDir())
        return Blatt::tr("„%1“ ist keine gewöhnliche Datei und wird nicht überschrieben.")
            .arg(QDir::toNativeSeparators(ziel));
    if (pdf.isEmpty()) return Blatt::tr("Das Arbeitsblatt konnte nicht erzeugt werden.");
    try {
        std::vector<std::string> eingaben;
        for (const QString& q : quellen) {
            if (!q.isEmpty()) eingaben.push_back(QFile::encodeName(q).toStdString());
        }
        fuzzy::WriteFileAtomic(QFile::encodeName(ziel).toStdString(), std::string_view(pdf.constData(), pdf.size()),
                               eingaben);
    } catch (const fuzzy::ESaveError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

}  // namespace blatt

using namespace blatt;

namespace {

QString Projektname(const BlattDaten& d) {
    return d.datei.isEmpty() ? Blatt::tr("Unbenannt") : QFileInfo(d.datei).completeBaseName();
}

}  // namespace

int MaleArbeitsblatt(QPagedPaintDevice& geraet, const BlattDaten& d) {
    const QString name = Projektname(d);
    auto bauen = [&d, &name](double breite, double hoehe) {
        std::vector<Block> bloecke;
        bloecke.push_back(
            {58.0, [&d, name](QPainter& q, const QRectF& r) {
                 q.setFont(Schrift(22, true));
                 q.setPen(Qt::black);
                 q.drawText(QRectF(r.left(), r.top(), r.width(), 28), Qt::AlignLeft | Qt::AlignVCenter,
                            Blatt::tr("Arbeitsblatt: %1").arg(name));
                 q.setFont(Schrift(12));
                 // The file by its name: a sheet handed out never shows
                 // where it lies on the teacher's disk.
                 const QString datei =
                     d.datei.isEmpty() ? Blatt::tr("noch nicht gespeichert") : QFileInfo(d.datei).fileName();
                 const QString fahrzeug = d.fahrzeug == Fahrzeug::Lok ? Blatt::tr("Fuzzy-Regler für die Lokomotive")
                                                                      : Blatt::tr("Fuzzy-Regler für den Truck");
                 q.drawText(QRectF(r.left(), r.top() + 30, r.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
                            QFontMetrics(q.font()).elidedText(Blatt::tr("Datei: %1  •  %2").arg(datei, fahrzeug),
                                                              Qt::ElideMiddle, static_cast<int>(r.width())));
             }});
        bloecke.push_back(VariablenBlock(d.projekt.A, 0));
        bloecke.push_back(VariablenBlock(d.projekt.B, 1));
        bloecke.push_back(VariablenBlock(d.projekt.Out, 2));
        if (d.projekt.A.Defined && d.projekt.Out.Defined) {
            bloecke.push_back(RegelBlock(d.projekt));
            bloecke.push_back(KennfeldBlock(d.projekt, breite));
        }
        for (Block& b : d.fahrzeug == Fahrzeug::Lok
                            ? LokBloecke(d.projekt, d.lok, breite, d.fahrzeug)
                            : TruckBloecke(d.projekt, d.truckGeschwindigkeit, breite, hoehe, d.fahrzeug))
            bloecke.push_back(std::move(b));
        return bloecke;
    };
    // "8. Dezember 2026", "December 8, 2026".
    const QString datum =
        Sprachform().toString(d.datum.isValid() ? d.datum : QDate::currentDate(), Blatt::tr("d. MMMM yyyy"));
    return MaleSeiten(geraet, bauen, Blatt::tr("Fuzzy-Werkstatt – Arbeitsblatt %1").arg(name), datum);
}

QByteArray ArbeitsblattPdf(const BlattDaten& d) {
    return Pdf(Blatt::tr("Arbeitsblatt %1").arg(Projektname(d)),
               [&d](QPagedPaintDevice& g) { return MaleArbeitsblatt(g, d); });
}

QString ArbeitsblattSchreiben(const BlattDaten& d, const QString& ziel) {
    if (ziel.isEmpty() || QFileInfo(ziel).isDir()) return PdfSchreiben({}, ziel, {d.datei});
    // The project's own file is never written over, whatever name leads to
    // it: a path, a symbolic or a hard link (the writer refuses it too; this
    // says which file it is).
    std::error_code ec;
    if (!d.datei.isEmpty() &&
        std::filesystem::equivalent(QFile::encodeName(ziel).toStdString(), QFile::encodeName(d.datei).toStdString(),
                                    ec) &&
        !ec)
        return Blatt::tr(
                   "Das Arbeitsblatt würde die Projektdatei „%1“ überschreiben. Bitte einen anderen Namen wählen.")
            .arg(QDir::toNativeSeparators(d.datei));
    return PdfSchreiben(ArbeitsblattPdf(d), ziel, {d.datei});
}

QString ArbeitsblattDrucken(QPrinter& drucker, const BlattDaten& d) {
    // Nothing is painted on a printer bound for a file: only painting would
    // make it open (and follow, and truncate) that file.
    if (!drucker.outputFileName().isEmpty()) return ArbeitsblattSchreiben(d, drucker.outputFileName());
    if (MaleArbeitsblatt(drucker, d) == 0) return Blatt::tr("Das Arbeitsblatt konnte nicht erzeugt werden.");
    return {};
}

QString BlattOption(const QString& arg) {
    static const std::pair<const char*, const char*> englisch[] = {{"--sheet", "--blatt"},
                                                                   {"--solution", "--loesung"},
                                                                   {"--vehicle", "--fahrzeug"},
                                                                   {"--class-list", "--klassenliste"}};
    const QString name = arg.section(QLatin1Char('='), 0, 0);
    for (const auto& [en, de] : englisch)
        if (name == QLatin1String(en)) return QLatin1String(de) + arg.mid(name.size());
    return arg;
}

bool IstBlattBefehl(const QStringList& args) {
    return !args.isEmpty() && BlattOption(args.first()) == QLatin1String("--blatt");
}

namespace {

// The engine's messages on the command line: to standard error, never a
// window that no one can close.
class TextMeldungen : public fuzzy::IMessages {
public:
    explicit TextMeldungen(QTextStream& aus) : aus_(aus) { fuzzy::SetMessages(this); }
    ~TextMeldungen() override { fuzzy::SetMessages(nullptr); }
    TextMeldungen(const TextMeldungen&) = delete;
    TextMeldungen& operator=(const TextMeldungen&) = delete;
    void Warning(const std::string& text) override { Melden(text); }
    void Error(const std::string& text) override {
        ++fehler;
        Melden(text);
    }
    int fehler = 0;

private:
    void Melden(const std::string& text) { aus_ << QString::fromStdString(text) << Qt::endl; }
    QTextStream& aus_;
};

}  // namespace

int BlattBefehl(const QStringList& args, QTextStream& fehler) {
    const QString aufruf = Blatt::tr(
        "Aufruf: werkstatt --blatt PROJEKT.fuz -o BLATT.pdf [--fahrzeug truck|lok]\n"
        "        werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf [--loesung] [--name NAME] [--klassenliste LISTE]\n"
        "Ohne --fahrzeug gilt das im Fenster für diese Datei gewählte Fahrzeug, sonst der Truck. Zu einer Aufgabe "
        "gibt es das Schülerblatt, mit --loesung das Lösungsblatt; --name druckt auf das Schülerblatt die Zahlen "
        "dieser Person, --klassenliste setzt auf das Lösungsblatt die Zahlen und Antworten jeder Person der Liste.");
    QString projekt, ziel;
    Fahrzeug fahrzeug = Fahrzeug::Unbestimmt;
    bool loesung = false;
    QString name, liste;
    bool mitName = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString a = BlattOption(args[i]);
        if (a == QLatin1String("-o") && i + 1 < args.size() && ziel.isEmpty()) {
            ziel = args[++i];
        } else if (a == QLatin1String("--fahrzeug") && i + 1 < args.size() && fahrzeug == Fahrzeug::Unbestimmt) {
            // The locomotive's English word beside the file's own.
            ++i;
            fahrzeug = FahrzeugAusWort(args[i] == QLatin1String("loco") ? "lok" : args[i].toStdString());
            if (fahrzeug == Fahrzeug::Unbestimmt) {
                fehler << Blatt::tr("Unbekanntes Fahrzeug: %1 (erlaubt sind truck und lok)").arg(args[i]) << Qt::endl
                       << aufruf << Qt::endl;
                return 2;
            }
        } else if (a == QLatin1String("--loesung") && !loesung) {
            loesung = true;
        } else if (a == QLatin1String("--name") && i + 1 < args.size() && !mitName) {
            name = args[++i];
            mitName = true;
        } else if (a == QLatin1String("--klassenliste") && i + 1 < args.size() && liste.isEmpty()) {
            liste = args[++i];
        } else if (!a.startsWith(QLatin1Char('-')) && projekt.isEmpty()) {
            projekt = a;
        } else {
            fehler << Blatt::tr("Unbekanntes oder doppeltes Argument: %1").arg(args[i]) << Qt::endl
                   << aufruf << Qt::endl;
            return 2;
        }
    }
    if (projekt.isEmpty() || ziel.isEmpty()) {
        fehler << aufruf << Qt::endl;
        return 2;
    }
    if (!ziel.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        fehler << Blatt::tr("Das Arbeitsblatt ist ein PDF: Der Zielname muss auf .pdf enden.") << Qt::endl;
        return 2;
    }
    const bool aufgabe = projekt.endsWith(QLatin1String(".fuzaufgabe"), Qt::CaseInsensitive);
    if (aufgabe && fahrzeug != Fahrzeug::Unbestimmt) {
        fehler << Blatt::tr("--fahrzeug gilt nur für ein Projekt; eine Aufgabe nennt ihr Fahrzeug selbst.") << Qt::endl
               << aufruf << Qt::endl;
        return 2;
    }
    if (!aufgabe && (mitName || !liste.isEmpty())) {
        fehler << Blatt::tr("--name und --klassenliste gelten nur für eine Aufgabe (.fuzaufgabe).") << Qt::endl
               << aufruf << Qt::endl;
        return 2;
    }
    if (mitName) {
        if (const auto warum = exercise::FieldError(exercise::HandInField::Name, name.toStdString())) {
            fehler << QString::fromStdString(*warum) << Qt::endl;
            return 2;
        }
    }
    if (!liste.isEmpty() && !loesung) {
        fehler << Blatt::tr("--klassenliste gilt für das Lösungsblatt (mit --loesung).") << Qt::endl
               << aufruf << Qt::endl;
        return 2;
    }
    if (!aufgabe && loesung) {
        fehler << Blatt::tr("--loesung gilt nur für eine Aufgabe (.fuzaufgabe).") << Qt::endl << aufruf << Qt::endl;
        return 2;
    }
    if (aufgabe) {
        AufgabenblattDaten d;
        {
            TextMeldungen meldungen(fehler);
            try {
                QStringList namen;
                if (!liste.isEmpty())
                    for (const std::string& n : exercise::ReadClassList(QFile::encodeName(liste).toStdString()))
                        namen << QString::fromStdString(n);
                d = LadeAufgabenblatt(projekt, loesung, name, namen);
            } catch (const fuzzy::Error& e) {
                fehler << QDir::toNativeSeparators(projekt) << QStringLiteral(": ")
                       << QString::fromStdString(e.Describe()) << Qt::endl;
                meldungen.fehler = std::max(meldungen.fehler, 1);
            } catch (const std::exception&) {
                // The reader has said why (a message above).
                meldungen.fehler = std::max(meldungen.fehler, 1);
            }
            if (meldungen.fehler > 0) {
                fehler << Blatt::tr("%1: Die Aufgabe konnte nicht gelesen werden; es wurde nichts geschrieben.")
                              .arg(QDir::toNativeSeparators(projekt))
                       << Qt::endl;
                return 1;
            }
        }
        const QString meldung = AufgabenblattSchreiben(d, ziel);
        if (!meldung.isEmpty()) {
            fehler << meldung << Qt::endl;
            return 1;
        }
        return 0;
    }
    BlattDaten d;
    {
        TextMeldungen meldungen(fehler);
        try {
            d.projekt = fuzzy::LoadProject(QFile::encodeName(projekt).toStdString());
        } catch (const fuzzy::EUnreadableFile& e) {
            // Why the file is not read at all.
            fehler << QString::fromStdString(e.what()) << Qt::endl;
            meldungen.fehler = std::max(meldungen.fehler, 1);
        } catch (const std::exception&) {
            // The reader has said why (a message above).
            meldungen.fehler = std::max(meldungen.fehler, 1);
        }
        if (meldungen.fehler > 0) {
            fehler << Blatt::tr("%1: Das Projekt konnte nicht gelesen werden; es wurde nichts geschrieben.")
                          .arg(QDir::toNativeSeparators(projekt))
                   << Qt::endl;
            return 1;
        }
    }
    d.datei = QFileInfo(projekt).absoluteFilePath();
    d.fahrzeug = fahrzeug != Fahrzeug::Unbestimmt ? fahrzeug : GemerktesFahrzeug(Inhaltsschluessel(d.projekt));
    d.datum = QDate::currentDate();
    const QString meldung = ArbeitsblattSchreiben(d, ziel);
    if (!meldung.isEmpty()) {
        fehler << meldung << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace werkstatt
