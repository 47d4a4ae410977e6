#include "werkstatt/labor/StrassenBild.h"

#include "werkstatt/labor/BahnenBild.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace labor {

namespace {

// The world the picture shows: the road with a strip of verge on either side,
// from above the highest start down to the bar.
constexpr double WeltLinks = -23.5, WeltRechts = 5.0, WeltUnten = -29.2, WeltOben = 29.2;
// As in Dorvane the road is stretched across the width, so that the tracks
// fill the view; but at most this much wider than true to scale, or the
// turns of a wide window would look sharper than they are.
constexpr double MaxStreckung = 3.0;
// A track farther out than this is drawn along a far edge instead, so that
// a runaway truck cannot overflow the pixel arithmetic.
constexpr double Grenze = 1000.0;
// How close to a track a click must be to pick it, in pixels.
constexpr double Fangweite = 6.0;

const QColor Gras(78, 150, 62);
const QColor GrasDunkel(64, 128, 50);
const QColor GrasHell(96, 170, 76);
const QColor Asphalt(168, 168, 168);
const QColor Randlinie(235, 235, 235);
const QColor ZielRot(210, 20, 20);
const QColor TruckGelb(255, 220, 0);

double Begrenzt(double v) { return std::clamp(v, -Grenze, Grenze); }

double AbstandZurStrecke(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    double t = l2 > 0 ? QPointF::dotProduct(p - a, ab) / l2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

bool Endlich(const dorvane::TrackPoint& t) {
    return std::isfinite(t.RearX) && std::isfinite(t.RearY) && std::isfinite(t.CabX) && std::isfinite(t.CabY);
}

}  // namespace

StrassenBild::StrassenBild(QWidget* parent) : QWidget(parent) {
    setMinimumSize(260, 420);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::PointingHandCursor);
    setToolTip(
        tr("Klick auf den Punkt am Anfang einer Bahn: diesen Start in Zeitlupe abspielen.\n"
           "Klick auf eine Bahn: den Schritt an dieser Stelle zeigen."));
}

// The same colours as the printed picture, which stay apart in grey.
QColor StrassenBild::Farbe(TruckUrteil u) { return BahnFarbe(u); }

void StrassenBild::setErgebnis(std::shared_ptr<const TruckErgebnis> e) {
    Ergebnis_ = std::move(e);
    PufferGueltig_ = false;
    update();
}

void StrassenBild::setVergleich(std::shared_ptr<const TruckErgebnis> e) {
    Vergleich_ = std::move(e);
    PufferGueltig_ = false;
    update();
}

void StrassenBild::setVeraltet(bool v) {
    if (Veraltet_ == v) return;
    Veraltet_ = v;
    update();
}

void StrassenBild::setAuswahl(int start, int schritt) {
    if (start != Start_) PufferGueltig_ = false;
    Start_ = start;
    Schritt_ = schritt;
    update();
}

StrassenBild::Massstab StrassenBild::Skala() const {
    Massstab m;
    m.sy = height() / (WeltOben - WeltUnten);
    m.sx = std::min(width() / (WeltRechts - WeltLinks), MaxStreckung * m.sy);
    // A very narrow picture: true to scale across, shorter down.
    if (m.sx < m.sy) m.sy = m.sx;
    m.links = (width() - m.sx * (WeltRechts - WeltLinks)) / 2;
    m.oben = (height() - m.sy * (WeltOben - WeltUnten)) / 2;
    return m;
}

QPointF StrassenBild::ZuBild(double x, double y) const {
    const Massstab m = Skala();
    return {m.links + (Begrenzt(x) - WeltLinks) * m.sx, m.oben + (WeltOben - Begrenzt(y)) * m.sy};
}

QPointF StrassenBild::ZurWelt(QPointF p) const {
    const Massstab m = Skala();
    return {WeltLinks + (p.x() - m.links) / m.sx, WeltOben - (p.y() - m.oben) / m.sy};
}

int StrassenBild::StartBei(QPointF p) const { return TrefferBei(p).Start; }

StrassenBild::Treffer StrassenBild::TrefferBei(QPointF p) const {
    if (!Ergebnis_) return {};
    Treffer best;
    // A click on a start's dot picks that start, even where another track
    // passes through the dot.
    double bestAbstand = Fangweite / 2;
    for (std::size_t i = 0; i < Ergebnis_->Raster.Runs.size(); ++i) {
        const auto& track = Ergebnis_->Raster.Runs[i].Result.Track;
        if (track.empty() || !Endlich(track.front())) continue;
        const QPointF d = p - ZuBild(track.front().RearX, track.front().RearY);
        const double abstand = std::hypot(d.x(), d.y());
        if (abstand < bestAbstand) {
            bestAbstand = abstand;
            best = {static_cast<int>(i), 0};
        }
    }
    if (best.Start >= 0) return best;
    bestAbstand = Fangweite;
    for (std::size_t i = 0; i < Ergebnis_->Raster.Runs.size(); ++i) {
        const auto& track = Ergebnis_->Raster.Runs[i].Result.Track;
        for (std::size_t k = 0; k + 1 < track.size(); ++k) {
            if (!Endlich(track[k + 1])) break;
            const QPointF a = ZuBild(track[k].RearX, track[k].RearY);
            const QPointF b = ZuBild(track[k + 1].RearX, track[k + 1].RearY);
            const double d = AbstandZurStrecke(p, a, b);
            if (d < bestAbstand) {
                bestAbstand = d;
                const bool naeherAnB = QLineF(p, b).length() < QLineF(p, a).length();
                best = {static_cast<int>(i), static_cast<int>(naeherAnB ? k + 1 : k)};
            }
        }
    }
    return best;
}

void StrassenBild::ZeichneStrasse() {
    const qreal dpr = devicePixelRatioF();
    Strasse_ = QPixmap(size() * dpr);
    Strasse_.setDevicePixelRatio(dpr);
    QPainter p(&Strasse_);
    p.fillRect(rect(), Gras);
    // A little texture in the verges, the same every time.
    quint32 zufall = 1234;
    auto naechste = [&zufall] { return zufall = zufall * 1664525u + 1013904223u; };
    for (int i = 0; i < width() * height() / 90; ++i) {
        const int x = static_cast<int>(naechste() >> 8) % std::max(1, width());
        const int y = static_cast<int>(naechste() >> 8) % std::max(1, height());
        p.fillRect(x, y, 2, 2, (naechste() >> 12) & 1 ? GrasDunkel : GrasHell);
    }

    const Massstab m = Skala();
    const double s = m.sy;  // pixels per metre down the road
    const QPointF obenLinks = ZuBild(dorvane::RoadLeft, WeltOben + 5);
    const QPointF untenRechts = ZuBild(dorvane::RoadRight, WeltUnten - 5);
    const QRectF strasse(QPointF(obenLinks.x(), 0), QPointF(untenRechts.x(), height()));
    p.fillRect(strasse, Asphalt);
    p.fillRect(QRectF(strasse.left(), 0, 3, height()), Randlinie);
    p.fillRect(QRectF(strasse.right() - 3, 0, 3, height()), Randlinie);
    // Dashes down the middle, down to the bar.
    const double mitte = (strasse.left() + strasse.right()) / 2;
    const double ziel = ZuBild(0, dorvane::ArrivalY).y();
    for (double y = ZuBild(0, WeltOben).y() + 0.8 * s; y < ziel - 1.4 * s; y += 5.6 * s)
        p.fillRect(QRectF(mitte - 2, y, 4, 3.1 * s), Qt::white);
    // The red bar below the arrival line, with the black cross at the target.
    const double balkenUnten = ZuBild(0, WeltUnten + 0.8).y();
    p.fillRect(QRectF(strasse.left(), ziel + 0.3 * s, strasse.width(), balkenUnten - ziel - 0.3 * s), ZielRot);
    p.setRenderHint(QPainter::Antialiasing);
    const double kx = ZuBild(0, 0).x(), ky = (ziel + 0.3 * s + balkenUnten) / 2, r = 1.3 * s, rx = 1.3 * m.sx;
    p.setPen(QPen(Qt::black, std::max(2.0, 0.5 * s), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(kx - rx, ky - r), QPointF(kx + rx, ky + r));
    p.drawLine(QPointF(kx - rx, ky + r), QPointF(kx + rx, ky - r));
    // The target line x = 0.
    p.setPen(QPen(QColor(255, 0, 0), 1.5, Qt::DashLine));
    p.drawLine(QPointF(kx, 0), QPointF(kx, ziel));
}

void StrassenBild::ZeichneHintergrund() {
    if (Strasse_.size() != size() * devicePixelRatioF()) ZeichneStrasse();
    Puffer_ = Strasse_;
    if (!Ergebnis_) return;
    QPainter p(&Puffer_);
    p.setRenderHint(QPainter::Antialiasing);
    // The tracks of the rear point; the selected one last, broader and with a
    // white edge so that it stands out among the others.
    // A polyline of the rear point's path with segments of about two pixels:
    // at -1 m/s a step moves the truck only 10 cm, and a hundred and sixty
    // tracks of one-pixel segments take the painter far longer than the
    // simulation. The last point moves on until it is two pixels from the
    // one before, so the line still ends where the track ends.
    auto pfadVon = [this](const dorvane::StartRun& t) {
        QVector<QPointF> pfad;
        pfad.reserve(static_cast<int>(t.Result.Track.size()));
        for (const dorvane::TrackPoint& pt : t.Result.Track) {
            if (!Endlich(pt)) break;
            const QPointF q = ZuBild(pt.RearX, pt.RearY);
            if (pfad.size() >= 2 && QLineF(pfad[pfad.size() - 2], q).length() < 2.0)
                pfad.back() = q;
            else
                pfad.append(q);
        }
        return pfad;
    };
    auto zeichneBahn = [&](const dorvane::StartRun& t, double breite) {
        // A pen of one pixel takes the painter's fast path for thin lines.
        QPen stift(Farbe(Beurteile(t, Ergebnis_->Raster.Speed)), breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        stift.setCosmetic(breite <= 1.0);
        p.setPen(stift);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(pfadVon(t));
        if (!t.Result.Track.empty() && Endlich(t.Result.Track.front())) {
            p.setBrush(Farbe(Beurteile(t, Ergebnis_->Raster.Speed)));
            p.setPen(Qt::NoPen);
            p.drawEllipse(ZuBild(t.Result.Track.front().RearX, t.Result.Track.front().RearY), 2.0, 2.0);
        }
    };
    // The compared project's tracks underneath, thin, light and dashed: its
    // shape shows without hiding the current tracks.
    if (Vergleich_) {
        QPen blass(QColor(30, 30, 30, 140), 1.0, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
        blass.setCosmetic(true);
        p.setPen(blass);
        p.setBrush(Qt::NoBrush);
        for (const dorvane::StartRun& t : Vergleich_->Raster.Runs) p.drawPolyline(pfadVon(t));
    }
    for (std::size_t i = 0; i < Ergebnis_->Raster.Runs.size(); ++i)
        if (static_cast<int>(i) != Start_) zeichneBahn(Ergebnis_->Raster.Runs[i], 1.0);
    if (Start_ >= 0 && Start_ < static_cast<int>(Ergebnis_->Raster.Runs.size())) {
        const dorvane::StartRun& t = Ergebnis_->Raster.Runs[static_cast<std::size_t>(Start_)];
        p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(pfadVon(t));
        zeichneBahn(t, 2.2);
    }
}

void StrassenBild::ZeichneTruck(QPainter& p, const dorvane::TrackPoint& t, float lenkwinkel) const {
    if (!Endlich(t)) return;
    const double s = Skala().sy;
    const QPointF hinten = ZuBild(t.RearX, t.RearY), vorn = ZuBild(t.CabX, t.CabY);
    const double richtung = std::atan2(double(t.CabY) - t.RearY, double(t.CabX) - t.RearX) + lenkwinkel * M_PI / 180.0;
    const QPointF kopf = ZuBild(t.CabX + 2.0 * std::cos(richtung), t.CabY + 2.0 * std::sin(richtung));
    p.setRenderHint(QPainter::Antialiasing);
    // The broad yellow bar of the body and the shorter stroke of the cab, as
    // Dorvane draws the truck, with a dark edge so it shows on every ground.
    const QColor rand(90, 70, 0);
    p.setPen(QPen(rand, 2.4 * s + 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(hinten, vorn);
    p.setPen(QPen(rand, 1.4 * s + 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(vorn, kopf);
    p.setPen(QPen(TruckGelb, 2.4 * s, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(hinten, vorn);
    p.setPen(QPen(TruckGelb, 1.4 * s, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(vorn, kopf);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(hinten, 2.5, 2.5);
}

void StrassenBild::paintEvent(QPaintEvent*) {
    if (!PufferGueltig_ || Puffer_.size() != size() * devicePixelRatioF()) {
        ZeichneHintergrund();
        PufferGueltig_ = true;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, Puffer_);
    if (Ergebnis_ && Start_ >= 0 && Start_ < static_cast<int>(Ergebnis_->Raster.Runs.size())) {
        const auto& track = Ergebnis_->Raster.Runs[static_cast<std::size_t>(Start_)].Result.Track;
        // The wheels as the controller turns them at this point, for the step
        // from here; at the end of the run as they were last set.
        if (Schritt_ >= 0 && Schritt_ < static_cast<int>(track.size())) {
            const auto k = static_cast<std::size_t>(Schritt_);
            ZeichneTruck(p, track[k], k + 1 < track.size() ? track[k + 1].Steering : track[k].Steering);
        }
    }
    if (Veraltet_) {
        p.fillRect(rect(), QColor(255, 255, 255, 150));
        QFont f = font();
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, tr("wird berechnet …"));
    }
}

void StrassenBild::resizeEvent(QResizeEvent*) { PufferGueltig_ = false; }

void StrassenBild::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || Veraltet_) return;
    const Treffer t = TrefferBei(e->position());
    emit startGeklickt(t.Start, t.Punkt);
}

}  // namespace labor
