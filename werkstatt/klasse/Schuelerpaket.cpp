#include "werkstatt/klasse/Schuelerpaket.h"

#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "fuzzy/AtomicFile.h"
#include "werkstatt/blatt/Aufgabenblatt.h"
#include "widgets/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace werkstatt {

namespace {

struct Sp {
    Q_DECLARE_TR_FUNCTIONS(Schuelerpaket)
};

}  // namespace

Paket SchuelerpaketSchreiben(const QStringList& aufgaben, const QString& ordner) {
    Paket p;
    QStringList staemme;
    for (const QString& datei : aufgaben) {
        const QString name = QFileInfo(datei).fileName();
        try {
            const std::string kopie =
                exercise::StudentCopy(exercise::ReadBoundedFile(QFile::encodeName(datei).toStdString()));
            const QString stamm = QString::fromStdString(exercise::PackageStem(QFile::encodeName(datei).toStdString()));
            if (staemme.contains(stamm)) {
                p.fehler << Sp::tr("%1: Eine andere Aufgabe des Pakets heißt schon so.").arg(name);
                continue;
            }
            staemme << stamm;
            const QString ziel = QDir(ordner).filePath(stamm + QStringLiteral(".fuzaufgabe"));
            fuzzy::WriteFileAtomic(QFile::encodeName(ziel).toStdString(), kopie,
                                   QFile::encodeName(datei).toStdString());
            p.geschrieben << ziel;
            // The sheet of the copy, as the class will see it.
            const QString pdf = QDir(ordner).filePath(stamm + QStringLiteral(".pdf"));
            const QString warum = AufgabenblattSchreiben(LadeAufgabenblatt(ziel, false), pdf);
            if (!warum.isEmpty()) {
                p.fehler << QStringLiteral("%1: %2").arg(name, warum);
                continue;
            }
            p.geschrieben << pdf;
        } catch (const fuzzy::Error& e) {
            p.fehler << QStringLiteral("%1: %2").arg(name, QString::fromStdString(e.Describe()));
        }
    }
    return p;
}

QString SchuelerpaketFragen(QWidget* eltern, const QString& start) {
    const QStringList aufgaben = QFileDialog::getOpenFileNames(eltern, Sp::tr("Schülerpaket: Aufgaben wählen"), start,
                                                               Sp::tr("Aufgaben (*.fuzaufgabe)"));
    if (aufgaben.isEmpty()) return {};
    const QString ordner = QFileDialog::getExistingDirectory(
        eltern, Sp::tr("Schülerpaket: Ordner für die Klasse (nicht der Ordner der Musterlösungen)"));
    if (ordner.isEmpty()) return {};
    const Paket p = SchuelerpaketSchreiben(aufgaben, ordner);
    QStringList namen;
    for (const QString& g : p.geschrieben) namen << QFileInfo(g).fileName();
    if (!p.fehler.isEmpty())
        widgets::WarningBox(Sp::tr("Nicht im Schülerpaket:") + QLatin1Char('\n') + p.fehler.join(QLatin1Char('\n')));
    return namen.isEmpty() ? QString()
                           : Sp::tr("Schülerpaket in %1: %2 (ohne Text für die Lehrkraft und ohne Musterlösung)")
                                 .arg(QDir::toNativeSeparators(ordner), namen.join(QStringLiteral(", ")));
}

}  // namespace werkstatt
