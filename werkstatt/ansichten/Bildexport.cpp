#include "werkstatt/ansichten/Bildexport.h"

#include "fuzzy/AtomicFile.h"
#include "widgets/MessageBoxes.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace ansichten {

namespace {

// Functions, not constants: the filters speak the language chosen at start.
QString PngFilter() { return QCoreApplication::translate("ansichten::Bildexport", "PNG-Bild (*.png)"); }
QString SvgFilter() { return QCoreApplication::translate("ansichten::Bildexport", "SVG-Grafik (*.svg)"); }

DateiWahl& Wahl() {
    static DateiWahl wahl;
    return wahl;
}

QString& Ordner() {
    static QString ordner;
    return ordner;
}

QString& Projektdatei() {
    static QString datei;
    return datei;
}

GroessenWahl& GroesseWahl() {
    static GroessenWahl wahl;
    return wahl;
}

constexpr double MmJePixel = 25.4 / 96.0;

// The size in millimetres, the height kept in the proportions of the
// suggestion until it is changed by hand.
QSize GroessenDialog(QWidget* parent, QSize vorschlag) {
    QDialog d(parent);
    d.setWindowTitle(QCoreApplication::translate("ansichten::Bildexport", "Bildgröße"));
    auto* breite = new QSpinBox(&d);
    auto* hoehe = new QSpinBox(&d);
    for (QSpinBox* f : {breite, hoehe}) {
        f->setRange(30, 1000);
        f->setSuffix(QCoreApplication::translate("ansichten::Bildexport", " mm"));
    }
    breite->setValue(static_cast<int>(std::lround(vorschlag.width() * MmJePixel)));
    hoehe->setValue(static_cast<int>(std::lround(vorschlag.height() * MmJePixel)));
    const double verhaeltnis = double(vorschlag.height()) / std::max(1, vorschlag.width());
    QObject::connect(breite, &QSpinBox::valueChanged, hoehe, [hoehe, verhaeltnis](int b) {
        const QSignalBlocker sperre(hoehe);
        hoehe->setValue(static_cast<int>(std::lround(b * verhaeltnis)));
    });
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("ansichten::Bildexport", "&Breite:"), breite);
    form->addRow(QCoreApplication::translate("ansichten::Bildexport", "&Höhe:"), hoehe);
    auto* hinweis =
        new QLabel(QCoreApplication::translate("ansichten::Bildexport",
                                               "Vorgabe: die Breite einer A4-Seite. Die Schrift behält ihre Größe."),
                   &d);
    hinweis->setWordWrap(true);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("ansichten::Bildexport", "OK"));
    knoepfe->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("ansichten::Bildexport", "Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* layout = new QVBoxLayout(&d);
    layout->addLayout(form);
    layout->addWidget(hinweis);
    layout->addWidget(knoepfe);
    if (d.exec() != QDialog::Accepted) return {};
    return QSize(static_cast<int>(std::lround(breite->value() / MmJePixel)),
                 static_cast<int>(std::lround(hoehe->value() / MmJePixel)));
}

bool Fehler(QString* fehler, const QString& text) {
    if (fehler) *fehler = text;
    return false;
}

QString Anzeigename(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

QByteArray AlsPng(QSize groesse, const Maler& malen, int faktor) {
    QImage bild(groesse * faktor, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(faktor);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        malen(p, groesse);
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG")) return {};
    return daten;
}

}  // namespace

QByteArray AlsSvg(QSize groesse, const Maler& malen, const QString& titel) {
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    // 96 pixels to the inch, as on screen: the picture's size on paper is
    // the size chosen, not that of a page at 72 per inch.
    svg.setResolution(96);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setTitle(titel);
    svg.setDescription(QStringLiteral("Fuzzy-Werkstatt"));
    {
        QPainter p;
        if (!p.begin(&svg)) return {};
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
        malen(p, groesse);
    }
    return daten;
}

bool SpeichereAnsicht(const QString& pfad, QSize groesse, const Maler& malen, QString* fehler, int pngFaktor) {
    const QFileInfo info(pfad);
    const QString endung = info.suffix().toLower();
    if (endung != QLatin1String("png") && endung != QLatin1String("svg"))
        return Fehler(fehler, QCoreApplication::translate(
                                  "ansichten::Bildexport",
                                  "Unbekanntes Bildformat: Der Dateiname muss auf .png oder .svg enden."));
    if (groesse.isEmpty() || !malen)
        return Fehler(fehler, QCoreApplication::translate("ansichten::Bildexport", "Die Ansicht ist leer."));
    if (info.isDir())
        return Fehler(fehler, QCoreApplication::translate("ansichten::Bildexport",
                                                          "„%1“ ist ein Ordner und kann kein Bild aufnehmen.")
                                  .arg(Anzeigename(pfad)));
    if (!info.absoluteDir().exists())
        return Fehler(fehler, QCoreApplication::translate("ansichten::Bildexport", "Der Ordner „%1“ existiert nicht.")
                                  .arg(Anzeigename(info.absolutePath())));

    const QByteArray daten = endung == QLatin1String("png") ? AlsPng(groesse, malen, pngFaktor < 1 ? 1 : pngFaktor)
                                                            : AlsSvg(groesse, malen, info.completeBaseName());
    if (daten.isEmpty())
        return Fehler(fehler,
                      QCoreApplication::translate("ansichten::Bildexport", "Das Bild konnte nicht erzeugt werden."));

    // The one writer: replaced whole or not at all, into a device or pipe
    // as it is, and never onto the project, under whatever name.
    try {
        fuzzy::WriteFileAtomic(QFile::encodeName(pfad).toStdString(), std::string_view(daten.constData(), daten.size()),
                               QFile::encodeName(Projektdatei()).toStdString());
    } catch (const fuzzy::ESaveError& e) {
        return Fehler(fehler, QString::fromStdString(e.what()));
    }
    return true;
}

QString Dateivorschlag(const QString& ansicht, const QString& name) {
    QString teil = name.trimmed();
    for (QChar& c : teil)
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    return (teil.isEmpty() ? ansicht : ansicht + QLatin1Char('-') + teil) + QStringLiteral(".png");
}

QString BildFilter() { return PngFilter() + QStringLiteral(";;") + SvgFilter(); }

DateiWahl SetDateiWahl(DateiWahl wahl) { return std::exchange(Wahl(), std::move(wahl)); }

void SetBildordner(const QString& ordner) { Ordner() = ordner; }

void SetProjektdatei(const QString& datei) {
    Projektdatei() = datei;
    Ordner() = datei.isEmpty() ? QString() : QFileInfo(datei).absolutePath();
}

QString Bildordner() { return Ordner(); }

GroessenWahl SetGroessenWahl(GroessenWahl wahl) { return std::exchange(GroesseWahl(), std::move(wahl)); }

QSize Exportgroesse(QSize ansicht) {
    if (ansicht.isEmpty()) return QSize(A4BreitePixel, A4BreitePixel * 3 / 4);
    const double hoehe = double(A4BreitePixel) * ansicht.height() / ansicht.width();
    return QSize(A4BreitePixel, std::clamp(static_cast<int>(std::lround(hoehe)), 200, A4HoehePixel));
}

QFileDialog* BildDialog(QWidget* parent, const QString& vorschlag) {
    auto* d = new QFileDialog(parent, QCoreApplication::translate("ansichten::Bildexport", "Bild speichern"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    d->setNameFilters({PngFilter(), SvgFilter()});
    d->setLabelText(QFileDialog::LookIn, QCoreApplication::translate("ansichten::Bildexport", "Suchen in:"));
    d->setLabelText(QFileDialog::FileName, QCoreApplication::translate("ansichten::Bildexport", "Datei&name:"));
    d->setLabelText(QFileDialog::FileType, QCoreApplication::translate("ansichten::Bildexport", "Dateityp:"));
    d->setLabelText(QFileDialog::Accept, QCoreApplication::translate("ansichten::Bildexport", "&Speichern"));
    d->setLabelText(QFileDialog::Reject, QCoreApplication::translate("ansichten::Bildexport", "Abbrechen"));
    if (!vorschlag.isEmpty()) {
        const QFileInfo i(vorschlag);
        if (i.isAbsolute()) d->setDirectory(i.absolutePath());
        d->selectFile(i.fileName());
    }
    return d;
}

bool BildSpeichern(QWidget* parent, const QString& gewuenscht, QSize ansicht, const Maler& malen) {
    // A bare name starts in the project's folder, not wherever the program
    // was started.
    QString vorschlag = gewuenscht;
    if (!vorschlag.isEmpty() && QFileInfo(vorschlag).isRelative() && !Ordner().isEmpty())
        vorschlag = QDir(Ordner()).filePath(vorschlag);
    QString pfad;
    if (Wahl()) {
        pfad = Wahl()(parent, vorschlag);
    } else {
        std::unique_ptr<QFileDialog> d(BildDialog(parent, vorschlag));
        if (d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty()) {
            pfad = d->selectedFiles().first();
            // A name typed without a suffix gets the one of the chosen filter.
            if (QFileInfo(pfad).suffix().isEmpty())
                pfad += d->selectedNameFilter() == SvgFilter() ? QStringLiteral(".svg") : QStringLiteral(".png");
        }
    }
    if (pfad.isEmpty()) return false;
    QSize groesse = Exportgroesse(ansicht);
    if (GroesseWahl())
        groesse = GroesseWahl()(parent, groesse);
    else if (!Wahl())
        groesse = GroessenDialog(parent, groesse);
    if (groesse.isEmpty()) return false;
    QString fehler;
    if (!SpeichereAnsicht(pfad, groesse, malen, &fehler, 2)) {
        widgets::ErrorBox(fehler);
        return false;
    }
    return true;
}

SzenenBild::SzenenBild(QWidget* parent, QString ansicht, Maler malen, std::function<QString()> name)
    : QWidget(parent), ansicht_(std::move(ansicht)), malen_(std::move(malen)), name_(std::move(name)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SzenenBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    malen_(p, size());
}

void SzenenBild::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    menu.addAction(QCoreApplication::translate("ansichten::Bildexport", "Bild speichern…"), this,
                   [this] { bildSpeichern(); });
    menu.exec(e->globalPos());
}

bool SzenenBild::bildSpeichern() {
    return BildSpeichern(parentWidget(), Dateivorschlag(ansicht_, name_()), size(), malen_);
}

}  // namespace ansichten
