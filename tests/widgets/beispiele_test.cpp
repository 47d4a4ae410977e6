// Where the programs find their examples: the English edition offers the
// examples with English names (en/) wherever the German one offers the
// German ones, installed beside the programs or in the source tree.

#include "widgets/Beispiele.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <ostream>
#include <string>

namespace {

// An installed tree: bin/ for the programs, the examples where the package
// puts them, relative to bin/.
struct Baum {
    QTemporaryDir tmp;
    QString bin() const { return tmp.filePath(QStringLiteral("bin")); }
    QString beispiele() const { return QDir::cleanPath(QDir(bin()).filePath(QStringLiteral(FUZZY_BEISPIELE_RELATIV))); }
    void Ordner(const QString& rel) const { ASSERT_TRUE(QDir().mkpath(QDir(beispiele()).filePath(rel))); }
    void Datei(const QString& rel) const {
        QFile f(QDir(beispiele()).filePath(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

struct OrdnerFall {
    const char* name;
    fuzzy::Language sprache;
    bool mitEn;          // the installed tree has en/
    bool mitEnAufgaben;  // ... and en/aufgaben/
    const char* unterordner;
    const char* erwartet;  // relative to the examples' folder
};

std::ostream& operator<<(std::ostream& o, const OrdnerFall& f) { return o << f.name; }

class Beispielordner : public testing::TestWithParam<OrdnerFall> {};

TEST_P(Beispielordner, LanguageChoosesTheFolder) {
    const OrdnerFall& f = GetParam();
    Baum b;
    ASSERT_TRUE(QDir().mkpath(b.bin()));
    b.Ordner(QStringLiteral("aufgaben"));
    if (f.mitEn) b.Ordner(QStringLiteral("en"));
    if (f.mitEnAufgaben) b.Ordner(QStringLiteral("en/aufgaben"));
    const QString soll = QDir::cleanPath(QDir(b.beispiele()).filePath(QString::fromLatin1(f.erwartet)));
    EXPECT_EQ(widgets::Beispielordner(b.bin(), f.sprache, QString::fromLatin1(f.unterordner)), soll);
}

INSTANTIATE_TEST_SUITE_P(
    Installiert, Beispielordner,
    testing::Values(
        OrdnerFall{"GermanTakesTheGermanExamples", fuzzy::Language::German, true, false, "", "."},
        OrdnerFall{"EnglishTakesTheEnglishExamples", fuzzy::Language::English, true, false, "", "en"},
        OrdnerFall{"EnglishWithoutEnglishExamplesTakesTheGerman", fuzzy::Language::English, false, false, "", "."},
        OrdnerFall{"ExercisesLieBesideTheExamplesInBothLanguages", fuzzy::Language::English, true, false, "aufgaben",
                   "aufgaben"},
        OrdnerFall{"EnglishExercisesWhenThereAreSome", fuzzy::Language::English, true, true, "aufgaben", "en/aufgaben"},
        OrdnerFall{"GermanNeverTakesTheEnglishExercises", fuzzy::Language::German, true, true, "aufgaben", "aufgaben"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Beispielordner, WithoutAnInstalledTreeTheSourcesExamplesAreTaken) {
    QTemporaryDir tmp;
    const QString en = widgets::Beispielordner(tmp.path(), fuzzy::Language::English);
    EXPECT_EQ(en, QDir::cleanPath(QStringLiteral(FUZZY_SOURCE_DIR "/examples/en")));
    EXPECT_EQ(widgets::Beispielordner(tmp.path(), fuzzy::Language::German),
              QDir::cleanPath(QStringLiteral(FUZZY_SOURCE_DIR "/examples")));
}

TEST(BeispielProjekte, OnlyProjectFilesSortedByName) {
    Baum b;
    b.Ordner(QStringLiteral("en"));
    b.Datei(QStringLiteral("en/truck.fuz"));
    b.Datei(QStringLiteral("en/beispiel.fuz"));
    b.Datei(QStringLiteral("en/notiz.txt"));
    b.Ordner(QStringLiteral("en/ordner.fuz"));
    const QStringList p = widgets::BeispielProjekte(QDir(b.beispiele()).filePath(QStringLiteral("en")));
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(QFileInfo(p[0]).fileName(), QStringLiteral("beispiel.fuz"));
    EXPECT_EQ(QFileInfo(p[1]).fileName(), QStringLiteral("truck.fuz"));
    EXPECT_TRUE(widgets::BeispielProjekte(QString()).isEmpty()) << "no folder, no examples";
}

}  // namespace
