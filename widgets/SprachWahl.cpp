#include "widgets/SprachWahl.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>
#include <memory>
#include <vector>

namespace widgets {

namespace {

struct Eingerichtet {
    std::vector<std::unique_ptr<QTranslator>> uebersetzer;
    QStringList kataloge;
    std::optional<QLocale> systemZahlen;  // the default before English changed it
};

Eingerichtet& Zustand() {
    static Eingerichtet z;
    return z;
}

void Entfernen(int& argc, char** argv, int i, int anzahl) {
    for (int j = i; j + anzahl <= argc; ++j) argv[j] = argv[j + anzahl];
    argc -= anzahl;
}

}  // namespace

std::optional<fuzzy::Language> SpracheAusArgumenten(int& argc, char** argv, std::string& fehler) {
    fehler.clear();
    std::optional<fuzzy::Language> gewaehlt;
    for (int i = 1; i < argc;) {
        const char* a = argv[i];
        if (std::strcmp(a, "--") == 0) break;
        const char* wert = nullptr;
        int anzahl = 1;
        if (std::strcmp(a, "--lang") == 0) {
            if (i + 1 >= argc) {
                fehler = "--lang erwartet de oder en / --lang expects de or en.\n";
                return std::nullopt;
            }
            wert = argv[i + 1];
            anzahl = 2;
        } else if (std::strncmp(a, "--lang=", 7) == 0) {
            wert = a + 7;
        } else {
            ++i;
            continue;
        }
        const std::string w = wert;
        if (w != "de" && w != "en") {
            fehler = "--lang erwartet de oder en, gefunden: " + w + " / --lang expects de or en, found: " + w + "\n";
            return std::nullopt;
        }
        gewaehlt = w == "en" ? fuzzy::Language::English : fuzzy::Language::German;
        Entfernen(argc, argv, i, anzahl);
    }
    return gewaehlt;
}

void SpracheEinrichten(fuzzy::Language sprache, const QStringList& kataloge) {
    Eingerichtet& z = Zustand();
    for (const auto& t : z.uebersetzer) QCoreApplication::removeTranslator(t.get());
    z.uebersetzer.clear();
    z.kataloge = kataloge;
    fuzzy::SetLanguage(sprache);

    auto laden = [&](const QString& datei, const QString& ordner) {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(datei, ordner)) return;
        QCoreApplication::installTranslator(t.get());
        z.uebersetzer.push_back(std::move(t));
    };
    if (!z.systemZahlen) z.systemZahlen = QLocale();
    if (sprache == fuzzy::Language::English) {
        // The toolkit's own texts are English already.
        for (const QString& k : kataloge) laden(k + QStringLiteral("_en"), QStringLiteral(":/i18n"));
        QLocale englisch(QLocale::English, QLocale::UnitedStates);
        englisch.setNumberOptions(QLocale::OmitGroupSeparator);
        QLocale::setDefault(englisch);
    } else {
        // German is the source language of every catalogue; only the
        // toolkit's own dialogs need theirs, where it is installed.
        laden(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QLocale::setDefault(*z.systemZahlen);
    }
}

QStringList EingerichteteKataloge() { return Zustand().kataloge; }

}  // namespace widgets
