// The rule editor and the diagram dialog in English: every text translated,
// every English text within its box, the editor's messages in English.
#include "dialogs/Graph.h"
#include "dialogs/RegEdit.h"

#include "tests/dialogs/DialogTest.h"
#include "tests/support/Kuerzel.h"
#include "tests/support/Zugaenglich.h"
#include "tests/support/MessageRecorder.h"
#include "dialogs/RuleGrid.h"
#include "tests/support/SichtbareTexte.h"
#include "tests/support/TextePassen.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

using testsupport::SichtbareTexte;
using testsupport::SpracheFuer;
using testsupport::Unuebersetzt;

const QStringList Kataloge{QStringLiteral("gemeinsam")};

struct Dialog {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> bauen;
};

const Dialog AlleDialoge[] = {
    {"RuleEditorWithHelp", [] { return std::make_unique<TRegEditForm>(true); }},
    {"RuleEditorWithoutHelp", [] { return std::make_unique<TRegEditForm>(false); }},
    {"DiagramDialog", [] { return std::make_unique<TGraphform>(GraphVariables{}); }},
};

class DialogSprache : public testing::TestWithParam<Dialog> {};

TEST_P(DialogSprache, EveryTextIsTranslated) {
    const auto de = SichtbareTexte(GetParam().bauen().get());
    std::vector<testsupport::SichtbarerText> en;
    {
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        en = SichtbareTexte(GetParam().bauen().get());
    }
    ASSERT_FALSE(de.empty());
    const QStringList fehler = Unuebersetzt(de, en, {QStringLiteral("OK")});
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

TEST_P(DialogSprache, EveryEnglishTextFitsItsBox) {
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    const std::unique_ptr<QWidget> d = GetParam().bauen();
    d->show();
    const QStringList fehler = textepassen::NichtPassend(*d);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
    d->hide();
}

// Alt+letter reaches one entry only: no two of one menu or of the dialog share it.
TEST_P(DialogSprache, NoTwoEntriesShareAMnemonic) {
    const QStringList fehler = testsupport::DoppelteKuerzelBeiderSprachen(
        [] { return GetParam().bauen(); }, [](std::unique_ptr<QWidget>& d) { return d.get(); }, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

// A screen reader names every control.
TEST_P(DialogSprache, EveryControlHasAnAccessibleName) {
    const QStringList fehler = testsupport::OhneNamenBeiderSprachen(
        [] { return GetParam().bauen(); }, [](std::unique_ptr<QWidget>& d) { return d.get(); }, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Dialoge, DialogSprache, testing::ValuesIn(AlleDialoge),
                         [](const testing::TestParamInfo<Dialog>& i) { return std::string(i.param.name); });

struct Meldung {
    const char* name;
    std::function<void(TRegEditForm&)> aktion;
    widgets::MessageKind art;
    const char* titel;
    const char* text;
};

class RegEditMeldung : public testing::TestWithParam<Meldung> {};

TEST_P(RegEditMeldung, IsEnglish) {
    const Meldung& m = GetParam();
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    testsupport::MessageRecorder rec;
    TRegEditForm form(true);
    m.aktion(form);
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Last().kind, m.art);
    EXPECT_EQ(rec.Last().title, QString::fromUtf8(m.titel));
    EXPECT_EQ(rec.Last().text, QString::fromUtf8(m.text));
}

INSTANTIATE_TEST_SUITE_P(
    Meldungen, RegEditMeldung,
    testing::Values(Meldung{"UndefinedVariables",
                            [](TRegEditForm& f) {
                                fuzzy::RuleTable rules;
                                f.EditProjectRules(fuzzy::TFuzzy(), fuzzy::TFuzzy(), fuzzy::TFuzzy(), rules);
                            },
                            widgets::MessageKind::Warning, "Warning", "Input A and/or output not defined (yet)!"},
                    Meldung{"CellWithoutOutputTerm",
                            [](TRegEditForm& f) {
                                f.StringGrid1->setCurrentCell(1, 1);
                                f.StringGrid1Click();
                            },
                            widgets::MessageKind::Warning, "Warning", "Choose an output term first!"},
                    Meldung{"ClearTheRules", [](TRegEditForm& f) { f.Neu1Click(); }, widgets::MessageKind::Confirmation,
                            "Confirmation", "Do you really want to delete the rules?"}),
    [](const testing::TestParamInfo<Meldung>& i) { return std::string(i.param.name); });

}  // namespace
