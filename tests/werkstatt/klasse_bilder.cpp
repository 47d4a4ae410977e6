// Pictures of the classroom on a screen of 1366 x 768 (a school projector's):
// the class overview of exercise 03 with 25 hand-ins (among them a wrong, a
// duplicate, a foreign and a broken one), and "Abgeben…" over the exercise
// panel:
//   xvfb-run -s "-screen 0 1366x768x24" werkstatt_klasse_bilder OUTDIR [--lang en]
// Writes OUTDIR/klasse.png and OUTDIR/abgabe.png. Run by hand when the look
// changes; not a test.
#include "exercise/HandIn.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "werkstatt/Main.h"
#include "werkstatt/aufgabe/AbgabeDialog.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/klasse/KlassenUebersicht.h"
#include "widgets/Application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kAufgaben = QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/");

std::string Pfad(const QString& s) { return QFile::encodeName(s).toStdString(); }

void Abgabe(const QString& ordner, const QString& datei, const QString& name, const QString& id, const char* aufgabe,
            const char* projekt) {
    const QString ex = kAufgaben + QLatin1String(aufgabe) + QStringLiteral(".fuzaufgabe");
    exercise::HandIn h;
    h.Name = name.toStdString();
    h.Class = "10b";
    h.Id = id.toStdString();
    h.Date = "2025-03-14T09:30:00Z";
    h.Title = exercise::ReadExercise(Pfad(ex)).Title.Active();
    h.Fingerprint = exercise::ExerciseFingerprint(exercise::ReadBoundedFile(Pfad(ex)));
    h.Project = fuzzy::LoadProject(Pfad(kAufgaben + QLatin1String(projekt)));
    QFile f(QDir(ordner).filePath(datei));
    if (f.open(QIODevice::WriteOnly)) f.write(QByteArray::fromStdString(exercise::HandInText(h)));
}

}  // namespace

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("werkstatt"), QStringLiteral("labor")});
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehreDoku"));
    const QString out = argc > 1 && argv[1][0] != '-' ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    const QRect schirm = QApplication::primaryScreen()->availableGeometry();

    QTemporaryDir tmp;
    const QStringList namen{
        QStringLiteral("Anna Berg"),    QStringLiteral("Ben Ulm"),      QStringLiteral("Cem Yıldız"),
        QStringLiteral("Dana Kraus"),   QStringLiteral("Emil Roth"),    QStringLiteral("Fatma Öztürk"),
        QStringLiteral("Greta Lang"),   QStringLiteral("Hannes Weiß"),  QStringLiteral("Ida Vogel"),
        QStringLiteral("Jonas Brandt"), QStringLiteral("Klara Seidel"), QStringLiteral("Luca Meier"),
        QStringLiteral("Mia Schubert"), QStringLiteral("Noah Winter"),  QStringLiteral("Olga Petrova"),
        QStringLiteral("Paul Hahn"),    QStringLiteral("Quirin Maier"), QStringLiteral("Rosa Fink"),
        QStringLiteral("Sami Haddad"),  QStringLiteral("Tina Koch"),    QStringLiteral("Udo Beck")};
    for (int i = 0; i < namen.size(); ++i)
        Abgabe(tmp.path(), QStringLiteral("s%1.fuzabgabe").arg(i, 2, 10, QLatin1Char('0')), namen[i],
               QString::number(4711 + i), "03_lok_tabelle",
               i % 4 == 1 ? "03_lok_tabelle.falsch.fuz" : "03_lok_tabelle.loesung.fuz");
    Abgabe(tmp.path(), QStringLiteral("s99.fuzabgabe"), namen[1], QStringLiteral("4712"), "03_lok_tabelle",
           "03_lok_tabelle.loesung.fuz");
    Abgabe(tmp.path(), QStringLiteral("fremd.fuzabgabe"), QStringLiteral("Vera Falk"), QString(), "05_truck_12_regeln",
           "05_truck_12_regeln.loesung.fuz");
    QFile kaputt(QDir(tmp.path()).filePath(QStringLiteral("kaputt.fuzabgabe")));
    if (kaputt.open(QIODevice::WriteOnly)) kaputt.write("[abgabe]\nformat = 1\nname = \n");
    kaputt.close();

    werkstatt::TMainForm form;
    form.setGeometry(schirm);
    form.show();
    werkstatt::KlassenUebersicht* k = form.Klassenuebersicht();
    k->setGeometry(schirm);
    k->setAufgabe(kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe"));
    k->hinzufuegen({tmp.path()});
    k->show();
    if (!QTest::qWaitFor([k] { return !k->rechnet() && k->ergebnis().has_value(); }, 300000)) return 1;
    QTest::qWait(300);
    k->grab().save(out + QStringLiteral("/klasse.png"));
    k->hide();

    if (!form.AufgabeOeffnen(kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe"))) return 1;
    QTest::qWait(300);
    werkstatt::AbgabeDialog d(
        {QStringLiteral("Anna Berg"), QStringLiteral("10b"), QString(), QDir::home().filePath(QStringLiteral("x"))},
        form.Aufgabe()->aufgabe()->Title.Active().c_str(), kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe"),
        &form);
    d.show();
    d.kennungFeld()->setText(QStringLiteral("anna berg@schule"));
    QTest::qWait(300);
    d.move(schirm.center() - d.rect().center());
    QTest::qWait(300);
    // The dialog over the window, as the screen shows both.
    QPixmap bild = form.grab();
    QPainter maler(&bild);
    maler.drawPixmap(d.geometry().topLeft() - form.geometry().topLeft(), d.grab());
    maler.end();
    bild.save(out + QStringLiteral("/abgabe.png"));
    return 0;
}
