// Pemrak's windows driven as the event loop would drive them, on a clock of
// our own: the run's pause "sleeps" by advancing it, so every step lasts
// exactly 55 ms and nothing depends on the machine's speed.
#include "loco/app/Controls.h"
#include "dialogs/Graph.h"
#include "loco/app/Info.h"
#include "widgets/Ks.h"
#include "loco/app/Main.h"
#include "tests/support/MessageRecorder.h"
#include "loco/app/PlotForm.h"
#include "loco/app/Programm.h"
#include "dialogs/RegEdit.h"
#include "widgets/SingEdit.h"
#include "loco/app/Typ.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>

using namespace pemrak;
using widgets::MessageKind;

namespace {

const QString LokFuz = QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz");
const QString SchiebenFuz = QStringLiteral(FUZZY_TEST_DATA "/schieben.fuz");
const QString KaputtFuz = QStringLiteral(FUZZY_TEST_DATA "/kaputt.fuz");
const QString FehltFuz = QStringLiteral(FUZZY_TEST_DATA "/gibt_es_nicht.fuz");

const QString FormatFehler = QString::fromUtf8(fuzzy::texts::FormatError);

class PemrakTest : public ::testing::Test {
protected:
    testsupport::MessageRecorder meldungen;
    std::unique_ptr<Programm> programm;
    std::uint32_t uhr = 1000;
    // Runs while the run's pause waits, five times per step (once per 11 ms).
    std::function<void(TMainForm&)> waehrendPause;

    TMainForm& Starte(const QStringList& args = {}) {
        programm = std::make_unique<Programm>(args);
        TMainForm& m = *programm->MainForm;
        m.Tick = [this] { return uhr; };
        m.Ruhen = [this, &m] {
            uhr += 11;
            if (waehrendPause) waehrendPause(m);
        };
        m.show();
        return m;
    }
    TMainForm& M() { return *programm->MainForm; }

    // Runs `aktion` once, in the pause of step n.
    void BeiSchritt(int n, std::function<void(TMainForm&)> aktion) {
        auto erledigt = std::make_shared<bool>(false);
        auto vorher = waehrendPause;
        waehrendPause = [=](TMainForm& m) {
            if (vorher) vorher(m);
            if (!*erledigt && m.Punkte.Anzahl == n) {
                *erledigt = true;
                aktion(m);
            }
        };
    }
    // Presses Stop in the pause of step n.
    void StopBei(int n) {
        BeiSchritt(n, [](TMainForm& m) { m.StartClick(); });
    }
    // Presses Stop once the run has gone on for `sekunden` of simulated time.
    void StopNach(float sekunden) {
        auto vorher = waehrendPause;
        waehrendPause = [=](TMainForm& m) {
            if (vorher) vorher(m);
            if (m.StartTag() == 1 && m.Zustand.t >= sekunden) m.StartClick();
        };
    }

    // Opens a modal dialog through `handler` and lets `imDialog` act in it.
    template <class Dialog>
    void Modal(Dialog* d, const std::function<void()>& handler, const std::function<void(Dialog&)>& imDialog) {
        bool gesehen = false;
        QTimer::singleShot(0, d, [&] {
            gesehen = d->isVisible();
            imDialog(*d);
        });
        handler();
        EXPECT_TRUE(gesehen);
        EXPECT_FALSE(d->isVisible());
    }

    // Chooses the control type in the dialog and closes it with OK or Abbrechen.
    void Betriebsart(int item, bool ok) {
        Modal<TTypForm>(
            programm->TypForm.get(), [this] { M().Whlen1Click(); },
            [&](TTypForm& d) {
                d.SetItemIndex(item);
                (ok ? d.OKBtn : d.CancelBtn)->click();
            });
    }

    QColor Label9Farbe() { return M().Label9->palette().color(QPalette::WindowText); }
};

// ---------------------------------------------------------------------------
// Start-up

struct StartFall {
    const char* name;
    QStringList args;
    QString caption;  // empty: "Pemrak [" + argument + "]"
    bool fuzzy;
    std::vector<std::pair<MessageKind, QString>> meldungen;
};

TEST_F(PemrakTest, StartUpFollowsTheCommandLine) {
    const StartFall faelle[] = {
        {"no argument", {}, "Pemrak 2.0", false, {}},
        {"readable project", {LokFuz}, "", true, {}},
        {"project with a format error", {KaputtFuz}, "", true, {{MessageKind::Error, FormatFehler}}},
        {"file that cannot be opened",
         {FehltFuz},
         "Pemrak 2.0",
         false,
         {{MessageKind::Warning, "Daten konnten nicht gelesen werden!"}, {MessageKind::Error, "E/A-Fehler 103."}}},
        // A device or a pipe said "E/A-Fehler 103" where the importers say what it is.
        {"a device",
         {QStringLiteral("/dev/null")},
         "Pemrak 2.0",
         false,
         {{MessageKind::Warning, "Daten konnten nicht gelesen werden!"},
          {MessageKind::Error,
           "Die Datei „/dev/null“ ist keine gewöhnliche Datei (ein Gerät oder eine Pipe) und wird nicht gelesen."}}},
        {"two arguments load nothing", {LokFuz, LokFuz}, "Pemrak 2.0", false, {}},
    };
    for (const StartFall& f : faelle) {
        SCOPED_TRACE(f.name);
        meldungen.Clear();
        TMainForm& m = Starte(f.args);
        const QString caption = f.caption.isEmpty() ? "Pemrak [" + f.args.first() + "]" : f.caption;
        EXPECT_EQ(m.windowTitle(), caption);
        EXPECT_EQ(m.Handbetrieb, !f.fuzzy);
        EXPECT_EQ(m.Regelneditieren1->isEnabled(), f.caption.isEmpty());
        EXPECT_EQ(m.Fuzzydiagrammzeigen1->isEnabled(), f.caption.isEmpty());
        EXPECT_EQ(m.Label9->text(), f.fuzzy ? "Fuzzyregelung" : "Handregelung");
        EXPECT_EQ(Label9Farbe(), f.fuzzy ? QColor(255, 0, 0) : QColor(0, 0, 255));
        EXPECT_EQ(m.Start->text(), "Start");
        ASSERT_EQ(meldungen.Count(), static_cast<int>(f.meldungen.size()));
        for (std::size_t i = 0; i < f.meldungen.size(); ++i) {
            EXPECT_EQ(meldungen.Messages()[i].kind, f.meldungen[i].first);
            EXPECT_EQ(meldungen.Messages()[i].text, f.meldungen[i].second);
        }
        // The error of the unreadable file goes to the default error handling,
        // headed with the application's title.
        if (f.meldungen.size() == 2) {
            EXPECT_EQ(meldungen.Last().title, "Fuzzy-Pemrak");
        }
    }
}

TEST_F(PemrakTest, FirstShowingEmptiesThePlotsCounterOnlyOnce) {
    programm = std::make_unique<Programm>(QStringList{});
    TMainForm& m = *programm->MainForm;
    m.Punkte.Anzahl = 12;
    m.show();
    EXPECT_EQ(m.Punkte.Anzahl, 0);
    m.Punkte.Anzahl = 12;
    m.hide();
    m.show();
    EXPECT_EQ(m.Punkte.Anzahl, 12);
}

TEST_F(PemrakTest, LayoutAndStartValues) {
    TMainForm& m = Starte();
    EXPECT_EQ(m.PaintBox1->size(), QSize(529, 153));
    EXPECT_EQ(m.PaintBox1->mapTo(m.centralWidget(), QPoint(0, 0)), QPoint(20, 12));
    EXPECT_EQ(m.Start->geometry(), QRect(16, 336, 217, 33));
    EXPECT_EQ(m.Shape1->geometry(), QRect(476, 272, 41, 41));
    EXPECT_EQ(m.MasseEdit->text(), "  2.0000");
    EXPECT_EQ(m.Abstand->text(), "100.0000");
    EXPECT_EQ(m.ReibungEdit->text(), "  3.0000");
    EXPECT_EQ(m.KraftEdit->text(), "");
    for (TSingEdit* e : {m.sim_s, m.sim_v, m.sim_t}) {
        EXPECT_EQ(e->text(), "0");
        EXPECT_TRUE(e->isReadOnly());
    }
    EXPECT_EQ(m.TrackBar1->minimum(), -20);
    EXPECT_EQ(m.TrackBar1->maximum(), 20);
    EXPECT_EQ(m.TrackBar1->singleStep(), 2);
    EXPECT_EQ(m.Shape1->Brush(), QColor(255, 0, 0));
    // Tab order of the layout.
    const QWidget* folge[] = {m.MasseEdit, m.Abstand,     m.sim_s,     m.sim_v,    m.Start,
                              m.sim_t,     m.ReibungEdit, m.KraftEdit, m.TrackBar1};
    const auto naechster = [](const QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (n != w && !(n->focusPolicy() & Qt::TabFocus)) n = n->nextInFocusChain();
        return n;
    };
    for (std::size_t i = 0; i + 1 < std::size(folge); ++i) EXPECT_EQ(naechster(folge[i]), folge[i + 1]) << i;
}

// ---------------------------------------------------------------------------
// The pictures and the drawing of the locomotive

// The main window's outer size is 598 x 456 with a standard frame (4 px
// borders, 19 px caption); the dialogs give their client areas.
TEST_F(PemrakTest, WindowsHaveTheSizesOfTheLayout) {
    TMainForm& m = Starte();
    const struct {
        const char* name;
        QWidget* window;
        QSize size;
    } fenster[] = {
        {"main window: client area and menu", &m, QSize(598 - 8, 456 - 19 - 8)},
        {"control type", programm->TypForm.get(), QSize(355, 100)},
        {"plot", programm->PlotForm.get(), QSize(479, 278)},
        {"about box", programm->Infoform.get(), QSize(257, 195)},
        {"diagram dialog", programm->Graphform.get(), QSize(480, 193)},
    };
    for (const auto& f : fenster) {
        f.window->show();
        EXPECT_EQ(f.window->size(), f.size) << f.name;
        EXPECT_EQ(f.window->minimumSize(), f.window->maximumSize()) << f.name << " is not of fixed size";
        if (f.window != &m) f.window->hide();
    }
    EXPECT_LE(m.menuBar()->height() + 369, m.height());  // the Start button's lower edge
}

TEST_F(PemrakTest, PicturesHaveTheirSizesRailsFlagAndAMatchingSilhouette) {
    TMainForm& m = Starte();
    ASSERT_EQ(m.Image1.size(), QSize(529, 153));
    ASSERT_EQ(m.Image2.size(), QSize(100, 32));
    ASSERT_EQ(m.Image3.size(), QSize(100, 32));
    for (int x = 0; x < 529; ++x) {
        ASSERT_EQ(m.Image1.pixelColor(x, 138), QColor(128, 64, 0)) << x;
        ASSERT_EQ(m.Image1.pixelColor(x, 139), QColor(128, 64, 0)) << x;
    }
    for (int y = 119; y <= 124; ++y)
        for (int x = 17; x <= 24; ++x) ASSERT_EQ(m.Image1.pixelColor(x, y), QColor(255, 0, 0)) << x << "," << y;
    EXPECT_EQ(m.Image1.pixelColor(16, 134), QColor(0, 0, 0));  // the pole
    int links = 100, rechts = -1, oben = 32, unten = -1;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool innen = m.Image2.pixel(x, y) == qRgb(0, 0, 0);
            if (!innen) {
                ASSERT_EQ(m.Image2.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
            // The sprite has colour exactly where the mask is black.
            ASSERT_EQ(innen, m.Image3.pixel(x, y) != qRgb(0, 0, 0)) << x << "," << y;
            if (innen) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
                oben = std::min(oben, y);
                unten = std::max(unten, y);
            }
        }
    }
    EXPECT_EQ(QRect(QPoint(links, oben), QPoint(rechts, unten)), QRect(QPoint(27, 7), QPoint(58, 26)));
}

TEST_F(PemrakTest, TheLocomotiveStandsOnTheRailsAndTheBackgroundShowsAroundIt) {
    TMainForm& m = Starte();
    m.Zustand.s0 = 1.0f;
    struct Fall {
        const char* name;
        float x;
        int px;
    };
    const Fall faelle[] = {{"start", 1.0f, 476}, {"mark", 0.0f, 0}, {"half way", 0.5f, 238}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        m.GraphInit();
        m.Pemrak_zeigen(f.x);
        for (int y = 110; y < 142; ++y) {
            for (int x = std::max(0, f.px); x < std::min(529, f.px + 100); ++x) {
                const int mx = x - f.px - 1, my = y - 111;  // the pictures stand at (1, 1) in the work bitmap
                const bool innen = mx >= 0 && my >= 0 && m.Image2.pixel(mx, my) == qRgb(0, 0, 0);
                const QRgb erwartet = innen ? m.Image3.pixel(mx, my) : m.Image1.pixel(x, y);
                ASSERT_EQ(m.Szene.pixel(x, y), erwartet) << x << "," << y;
            }
        }
        // The silhouette's left end on the scene, and opaque pixels from the XOR.
        EXPECT_EQ(m.Szene.pixel(f.px + 28, 128), m.Image3.pixel(27, 17));
        EXPECT_EQ(m.Szene.pixel(f.px + 27, 128), m.Image1.pixel(f.px + 27, 128));
        EXPECT_EQ(qAlpha(m.Szene.pixel(f.px + 40, 125)), 255);
    }
    // At the mark the flag stays visible just left of the locomotive.
    EXPECT_EQ(m.Szene.pixelColor(20, 121), QColor(255, 0, 0));
}

TEST_F(PemrakTest, ARepaintWhileIdleShowsTheLandscapeWithoutTheLocomotive) {
    TMainForm& m = Starte();
    m.Zustand.s0 = 1.0f;
    m.GraphInit();
    m.Pemrak_zeigen(0.5f);
    QApplication::processEvents();  // shown
    m.PaintBox1->repaint();         // covered and uncovered: not the window's own drawing
    EXPECT_EQ(m.Szene, m.Image1);
    m.Pemrak_zeigen(0.5f);
    m.PaintBox1->Zeigen();
    QApplication::processEvents();
    EXPECT_NE(m.Szene, m.Image1);  // its own drawing stays

    // A draw that could not be shown (the window was away) does not make the
    // repaint on its return the window's own: the landscape comes back bare.
    m.hide();
    m.Pemrak_zeigen(0.5f);
    m.show();
    QApplication::processEvents();
    EXPECT_EQ(m.Szene, m.Image1);
}

// ---------------------------------------------------------------------------
// Runs

TEST_F(PemrakTest, StartPressedTwiceStopsAfterTheCurrentStep) {
    TMainForm& m = Starte();
    QString caption;
    int tag = -1;
    BeiSchritt(2, [&](TMainForm& f) {
        caption = f.Start->text();
        tag = f.StartTag();
    });
    StopBei(3);
    m.StartClick();
    EXPECT_EQ(caption, "Stop");
    EXPECT_EQ(tag, 1);
    EXPECT_EQ(m.Start->text(), "Start");
    EXPECT_EQ(m.StartTag(), 0);
    EXPECT_EQ(m.Punkte.Anzahl, 3);
    // Hand control, track bar untouched: nothing moves, time goes on.
    EXPECT_EQ(m.sim_s->text(), "100.0000");
    EXPECT_EQ(m.sim_v->text(), "  0.0000");
    EXPECT_FLOAT_EQ(m.Zustand.t, 0.1f + 0.055f + 0.055f);
    EXPECT_FLOAT_EQ(m.Zustand.dt, 0.055f);
    EXPECT_EQ(m.Shape1->Brush(), QColor(255, 0, 0));
    EXPECT_TRUE(meldungen.Messages().empty());
}

TEST_F(PemrakTest, ThePausesTickDifferenceSurvivesTheCountersWrap) {
    TMainForm& m = Starte();
    uhr = 0xFFFFFFFFu - 20;  // wraps during the first step
    StopBei(3);
    m.StartClick();
    EXPECT_FLOAT_EQ(m.Zustand.t, 0.1f + 0.055f + 0.055f);
}

TEST_F(PemrakTest, HandRunWithTheTrackBarAtItsLeftEndRunsPastTheMarkAndEndsByItself) {
    TMainForm& m = Starte();
    BeiSchritt(1, [](TMainForm& f) { f.TrackBar1->setValue(-20); });
    float vmin = 0;
    waehrendPause = [&, vorher = waehrendPause](TMainForm& f) {
        vorher(f);
        vmin = std::min(vmin, f.sim_v->Number());
    };
    m.StartClick();
    EXPECT_EQ(m.KraftEdit->text(), "  1.0000");
    EXPECT_EQ(m.Zustand.Kraft, 1.0f);
    EXPECT_LE(m.Zustand.s, -0.3f);
    EXPECT_LE(m.sim_s->Number(), -30.0f);
    EXPECT_NEAR(vmin, -33.3f, 0.5f);  // terminal speed 1/3 m/s
    EXPECT_EQ(m.Start->text(), "Start");
    EXPECT_EQ(m.StartTag(), 0);
    EXPECT_EQ(m.Shape1->Brush(), QColor(255, 0, 0));
}

// A dialog held the loop for 1.8 s: the next step integrates over that time.
// In one piece it threw the locomotive from 100 cm to -223 cm; in stable
// parts it moves as it would have, never faster than F / R.
TEST_F(PemrakTest, AStepHeldUpByADialogMovesTheLocomotiveAsTheTimeWould) {
    TMainForm& m = Starte();
    BeiSchritt(1, [](TMainForm& f) { f.TrackBar1->setValue(-20); });  // 1 N towards the mark
    float sVorher = 0;
    BeiSchritt(2, [&](TMainForm& f) {
        uhr += 1800;  // the step measures 1.8 s more
        sVorher = f.Zustand.s;
    });
    StopBei(3);
    m.StartClick();
    ASSERT_EQ(m.Punkte.Anzahl, 3);
    const SimZustand& z = m.Zustand;
    EXPECT_LE(z.v, 0.0f);
    EXPECT_GE(z.v, -1.0f / 3.0f * 1.001f);  // terminal velocity F / R
    EXPECT_LT(z.s, sVorher);
    EXPECT_GE(z.s, sVorher - 1.0f / 3.0f * 1.86f);  // no faster than terminal for the whole step
    EXPECT_GT(z.s, 0.0f);                           // from 100 cm it cannot reach the mark in 2 s
    EXPECT_EQ(m.sim_s->text(), TSingEdit::FormatNumber(static_cast<float>(double(z.s) * 100.0)));
}

TEST_F(PemrakTest, TheTrackBarSetsTheForceOnlyUnderHandControl) {
    TMainForm& m = Starte({LokFuz});
    m.TrackBar1->setValue(10);
    EXPECT_EQ(m.Zustand.Kraft, 0.0f);
    EXPECT_EQ(m.KraftEdit->text(), "");
    Betriebsart(0, true);
    m.TrackBar1->setValue(4);
    EXPECT_EQ(m.Zustand.Kraft, -0.2f);
    EXPECT_EQ(m.KraftEdit->text(), " -0.2000");
}

TEST_F(PemrakTest, FuzzyRunStopsAtTheMarkWithTheIndicatorGreen) {
    TMainForm& m = Starte({LokFuz});
    bool kraftWieGezeigt = true;
    waehrendPause = [&](TMainForm& f) {
        // The force used in the step is the one shown.
        if (std::fabs(f.KraftEdit->Number() - f.Zustand.Kraft) > 0.00005f) kraftWieGezeigt = false;
    };
    StopNach(15.0f);
    m.StartClick();
    EXPECT_TRUE(kraftWieGezeigt);
    EXPECT_LT(std::fabs(m.sim_s->Number()), 1.0f);
    EXPECT_LT(std::fabs(m.sim_v->Number()), 0.5f);
    EXPECT_EQ(m.Shape1->Brush(), QColor(0, 255, 0));
    EXPECT_EQ(m.Start->text(), "Start");
    EXPECT_TRUE(meldungen.Messages().empty());
}

TEST_F(PemrakTest, FuzzyRunThatKeepsPullingEndsThirtyCentimetresPastTheMark) {
    TMainForm& m = Starte({SchiebenFuz});
    bool gruen = false;
    waehrendPause = [&](TMainForm& f) { gruen = gruen || f.Shape1->Brush() == QColor(0, 255, 0); };
    m.StartClick();
    EXPECT_TRUE(gruen);  // on its way through the band around the mark
    EXPECT_LE(m.Zustand.s, -0.3f);
    EXPECT_EQ(m.Shape1->Brush(), QColor(255, 0, 0));  // and red again past it
    EXPECT_EQ(m.Start->text(), "Start");
    EXPECT_EQ(m.StartTag(), 0);
    EXPECT_EQ(m.KraftEdit->text(), "  2.0000");
}

TEST_F(PemrakTest, StartUnderFuzzyControlWithoutAUsableProjectIsRefused) {
    struct Fall {
        const char* name;
        QStringList args;
    };
    const Fall faelle[] = {{"no project", {}}, {"project with a format error", {KaputtFuz}}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TMainForm& m = Starte(f.args);
        if (m.Handbetrieb) Betriebsart(1, true);  // the dialog accepts fuzzy control
        ASSERT_FALSE(m.Handbetrieb);
        EXPECT_EQ(m.Label9->text(), "Fuzzyregelung");
        meldungen.Clear();
        m.Punkte.Anzahl = 7;
        m.StartClick();
        ASSERT_EQ(meldungen.Count(), 1);
        EXPECT_EQ(meldungen.Last().kind, MessageKind::Error);
        EXPECT_EQ(meldungen.Last().title, "Fehler");
        EXPECT_EQ(meldungen.Last().text, "Kein (geeignetes) Fuzzyprojekt vorhanden");
        EXPECT_EQ(m.Start->text(), "Start");
        EXPECT_EQ(m.StartTag(), 0);
        EXPECT_EQ(m.Punkte.Anzahl, 7);  // no run
    }
}

TEST_F(PemrakTest, StartRefusesStartValuesTheModelCannotRunWith) {
    struct Fall {
        const char* name;
        const char* masse;
        const char* abstand;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"mass 0", "0", "100", "Die Masse muss größer als 0 sein."},
        {"negative mass", "-1,5", "100", "Die Masse muss größer als 0 sein."},
        {"mass that is no number", "zwei", "100", "Die Masse muss größer als 0 sein."},
        {"distance 0", "2", "0", "Der Abstand darf nicht 0 sein."},
        {"empty distance", "2", "", "Der Abstand darf nicht 0 sein."},
        {"distance that is 0 m as a single", "2", "1e-45", "Der Abstand darf nicht 0 sein."},
    };
    TMainForm& m = Starte();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        meldungen.Clear();
        m.MasseEdit->setText(f.masse);
        m.Abstand->setText(f.abstand);
        m.Punkte.Anzahl = 3;
        m.StartClick();
        ASSERT_EQ(meldungen.Count(), 1);
        EXPECT_EQ(meldungen.Last().kind, MessageKind::Error);
        EXPECT_EQ(meldungen.Last().text, QString::fromUtf8(f.meldung));
        EXPECT_EQ(m.Start->text(), "Start");
        EXPECT_EQ(m.StartTag(), 0);
        EXPECT_EQ(m.Punkte.Anzahl, 3);
        EXPECT_EQ(m.sim_t->text(), "0");
    }
}

TEST_F(PemrakTest, ClosingDuringARunEndsTheRunAfterItsStepAndThenTheWindow) {
    TMainForm& m = Starte();
    bool nochOffen = false;
    BeiSchritt(4, [](TMainForm& f) { EXPECT_FALSE(f.close()); });
    BeiSchritt(5, [&](TMainForm& f) { nochOffen = f.isVisible(); });
    m.StartClick();
    EXPECT_EQ(m.Punkte.Anzahl, 4);
    EXPECT_FALSE(nochOffen);  // step 5 never came
    EXPECT_FALSE(m.isVisible());
    EXPECT_EQ(m.Start->text(), "Start");
}

TEST_F(PemrakTest, StartDuringTheStepThatStopsGoesOnWithoutASecondRun) {
    TMainForm& m = Starte();
    BeiSchritt(2, [](TMainForm& f) {
        f.StartClick();  // Stop
        f.StartClick();  // Start again before the step is done
        EXPECT_EQ(f.Start->text(), "Stop");
    });
    StopBei(6);
    m.StartClick();
    EXPECT_EQ(m.Punkte.Anzahl, 6);  // one run, counted through
    EXPECT_EQ(m.Start->text(), "Start");
}

// Found by the monkey: "Start" pressed in the run's last dispatch of events,
// after its loop had ended on "Stop", left the button at "Stop" with no run.
TEST_F(PemrakTest, StartPressedWhileTheStoppedRunEndsStartsTheNextRun) {
    TMainForm& m = Starte();
    int laeufe = 0;
    bool neu = true, gedrueckt = false;
    std::function<void(int)> spaeter = [&](int n) {
        // Each hop is one more dispatch of events: five in the pause, one
        // after the second draw, and the seventh after the loop has ended.
        if (n == 0)
            m.StartClick();  // Start
        else
            QMetaObject::invokeMethod(
                qApp, [&spaeter, n] { spaeter(n - 1); }, Qt::QueuedConnection);
    };
    waehrendPause = [&](TMainForm& f) {
        if (f.Punkte.Anzahl == 1 && neu) ++laeufe;
        neu = f.Punkte.Anzahl != 1;
        if (laeufe == 1 && f.Punkte.Anzahl == 3 && !gedrueckt) {
            gedrueckt = true;
            f.StartClick();  // Stop
            spaeter(7);
        }
        if (f.StartTag() == 1 && (f.Punkte.Anzahl >= 10 || (laeufe == 2 && f.Punkte.Anzahl == 2)))
            f.StartClick();  // Stop, and never a run without end
    };
    m.StartClick();
    EXPECT_EQ(laeufe, 2);
    EXPECT_EQ(m.Punkte.Anzahl, 2);
    EXPECT_EQ(m.Start->text(), "Start");
    EXPECT_EQ(m.StartTag(), 0);
    EXPECT_FALSE(m.LaufAktiv());
}

TEST_F(PemrakTest, ARunOfMoreThanThousandStepsRecordsTheFirstThousand) {
    TMainForm& m = Starte();
    m.Abstand->setNumber(300.0f);
    BeiSchritt(1, [](TMainForm& f) { f.TrackBar1->setValue(-1); });      // 0.05 N: creeps along
    BeiSchritt(1100, [](TMainForm& f) { f.TrackBar1->setValue(-20); });  // then 1 N
    StopBei(1200);
    m.StartClick();
    ASSERT_EQ(m.Punkte.Anzahl, 1200);
    EXPECT_GT(m.Zustand.s, 0.0f);
    EXPECT_EQ(m.Punkte.Gueltig(), 1000);
    const Punkt p1000 = m.Punkte.Get(1000);
    EXPECT_GT(p1000.s, m.sim_s->Number() + 50.0f);  // it went on after the last recorded point
    EXPECT_GT(p1000.v, m.sim_v->Number() + 20.0f);  // and much faster
    EXPECT_EQ(m.Punkte.Get(1001).s, 0.0f);
    float vmin = 1000000.0f;
    for (int i = 1; i <= 1000; ++i) vmin = std::min(vmin, m.Punkte.Get(i).v);
    Modal<TPlotForm>(
        programm->PlotForm.get(), [&] { m.Plot1Click(); },
        [&](TPlotForm& d) {
            EXPECT_EQ(d.Koordinatensystem1->y1(), vmin);
            d.OKBtn->click();
        });
}

// ---------------------------------------------------------------------------
// Menu and dialogs

TEST_F(PemrakTest, ControlTypeDialogShowsTheModeAndTakesItOnlyOnOk) {
    TMainForm& m = Starte({LokFuz});
    int gezeigt = -1;
    Modal<TTypForm>(
        programm->TypForm.get(), [&] { m.Whlen1Click(); },
        [&](TTypForm& d) {
            gezeigt = d.ItemIndex();
            d.SetItemIndex(0);
            d.CancelBtn->click();
        });
    EXPECT_EQ(gezeigt, 1);
    EXPECT_FALSE(m.Handbetrieb);
    EXPECT_EQ(m.Label9->text(), "Fuzzyregelung");
    Modal<TTypForm>(
        programm->TypForm.get(), [&] { m.Whlen1Click(); },
        [&](TTypForm& d) {
            gezeigt = d.ItemIndex();
            d.reject();  // the close box
        });
    EXPECT_EQ(gezeigt, 1);  // Cancel did not change the mode
    EXPECT_FALSE(m.Handbetrieb);
    Betriebsart(0, true);
    EXPECT_TRUE(m.Handbetrieb);
    EXPECT_EQ(m.Label9->text(), "Handregelung");
    EXPECT_EQ(Label9Farbe(), QColor(0, 0, 255));
}

TEST_F(PemrakTest, OpeningAProjectFromTheMenu) {
    TMainForm& m = Starte();
    m.OpenDialog1 = [] { return QString(); };  // cancelled
    m.ffnen1Click();
    EXPECT_EQ(m.windowTitle(), "Pemrak 2.0");
    EXPECT_FALSE(m.Regelneditieren1->isEnabled());

    m.OpenDialog1 = [] { return FehltFuz; };
    m.ffnen1Click();
    ASSERT_EQ(meldungen.Count(), 2);
    EXPECT_EQ(meldungen.Last().text, "E/A-Fehler 103.");
    EXPECT_EQ(meldungen.Last().title, "Fuzzy-Pemrak");
    EXPECT_EQ(m.windowTitle(), "Pemrak 2.0");
    EXPECT_FALSE(m.Fuzzydiagrammzeigen1->isEnabled());

    m.OpenDialog1 = [] { return LokFuz; };
    m.ffnen1Click();
    EXPECT_EQ(m.windowTitle(), "Pemrak [" + LokFuz + "]");
    EXPECT_TRUE(m.Regelneditieren1->isEnabled());
    EXPECT_TRUE(m.Fuzzydiagrammzeigen1->isEnabled());
    EXPECT_TRUE(m.Handbetrieb);  // the mode is not changed
    EXPECT_EQ(m.Label9->text(), "Handregelung");
    EXPECT_TRUE(m.AusgangKopie.Defined);
}

TEST_F(PemrakTest, AnUnreadableProjectOpenedDuringARunIsReportedAndTheRunGoesOn) {
    TMainForm& m = Starte({LokFuz});
    m.OpenDialog1 = [] { return FehltFuz; };
    BeiSchritt(3, [](TMainForm& f) { f.ffnen1Click(); });
    StopBei(10);
    m.StartClick();
    EXPECT_EQ(m.Punkte.Anzahl, 10);
    EXPECT_EQ(meldungen.Last().text, "E/A-Fehler 103.");
    EXPECT_TRUE(m.EingangA.Defined);  // unchanged
}

TEST_F(PemrakTest, RuleEditorGetsCopiesAndGivesBackOnlyOnOk) {
    TMainForm& m = Starte({LokFuz});
    const fuzzy::RuleTable vorher = m.Regeln;
    TRegEditForm* r = programm->RegEditForm.get();
    Modal<TRegEditForm>(
        r, [&] { m.Regelneditieren1Click(); },
        [&](TRegEditForm& d) {
            EXPECT_EQ(d.EditRegeln, vorher);
            EXPECT_EQ(d.EditEingangA.Name, m.EingangA.Name);
            d.EditRegeln.Set(1, 1, 3);
            d.CancelBtn->click();
        });
    EXPECT_EQ(m.Regeln, vorher);
    Modal<TRegEditForm>(
        r, [&] { m.Regelneditieren1Click(); },
        [&](TRegEditForm& d) {
            d.EditRegeln.Set(1, 1, 3);
            d.OKBtn->click();
        });
    EXPECT_EQ(m.Regeln.Get(1, 1), 3);
}

TEST_F(PemrakTest, RuleEditorWithAnUndefinedInputAIsRefusedWithAWarning) {
    TMainForm& m = Starte({KaputtFuz});
    meldungen.Clear();
    m.Regelneditieren1Click();
    ASSERT_EQ(meldungen.Count(), 1);
    EXPECT_EQ(meldungen.Last().kind, MessageKind::Warning);
    EXPECT_EQ(meldungen.Last().text, "Eingang A und/oder Ausgang (noch) nicht definiert!");
    EXPECT_FALSE(programm->RegEditForm->isVisible());
}

namespace {

int SchwarzePunkte(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == qRgb(0, 0, 0);
    return n;
}

}  // namespace

TEST_F(PemrakTest, PlotBeforeAnyRunShowsOnlyTheAxesAndAfterARunTheCurve) {
    TMainForm& m = Starte({LokFuz});
    TPlotForm* plot = programm->PlotForm.get();
    QImage leer, nachLauf, nochmal;
    Modal<TPlotForm>(
        plot, [&] { m.Plot1Click(); },
        [&](TPlotForm& d) {
            EXPECT_EQ(d.Koordinatensystem1->x1(), 0.0f);
            EXPECT_EQ(d.Koordinatensystem1->x2(), 100.0f);
            EXPECT_EQ(d.Koordinatensystem1->y1(), 0.0f);
            EXPECT_EQ(d.Koordinatensystem1->y2(), 0.0001f);
            leer = d.Koordinatensystem1->Image().copy();
            d.OKBtn->click();
        });
    EXPECT_EQ(SchwarzePunkte(leer), 0);
    StopNach(10.0f);
    m.StartClick();
    float vmin = 0;
    for (int i = 1; i <= m.Punkte.Gueltig(); ++i) vmin = std::min(vmin, m.Punkte.Get(i).v);
    ASSERT_LT(vmin, -10.0f);
    Modal<TPlotForm>(
        plot, [&] { m.Plot1Click(); },
        [&](TPlotForm& d) {
            EXPECT_EQ(d.Koordinatensystem1->y1(), vmin);
            nachLauf = d.Koordinatensystem1->Image().copy();
            d.OKBtn->click();
        });
    EXPECT_GT(SchwarzePunkte(nachLauf), 200);
    // The curve starts at s = 100 cm, v = 0: the right end of the top grid line.
    TKoordinatensystem& k = *plot->Koordinatensystem1;
    EXPECT_EQ(nachLauf.pixel(k.FracToPixelX(1.0f), k.FracToPixelY(k.NormY(0.0f))), qRgb(0, 0, 0));
    Modal<TPlotForm>(
        plot, [&] { m.Plot1Click(); },
        [&](TPlotForm& d) {
            nochmal = d.Koordinatensystem1->Image().copy();
            d.OKBtn->click();
        });
    EXPECT_EQ(nochmal, nachLauf);
}

// "Geschwindigkeit in cm/s" was cut to "Geschwindigkeit in c" in the diagram
// dialog, whose size the layout fixes.
TEST_F(PemrakTest, DiagramDialogShowsEveryVariableNameInFull) {
    TMainForm& m = Starte({LokFuz});
    m.EingangA.Name = "Abstand in cm";
    m.EingangB.Name = "Geschwindigkeit in cm/s";
    m.Ausgang.Name = "Antriebskraft in Newton";
    TGraphform& d = *programm->Graphform;
    Modal<TGraphform>(
        &d, [&m] { m.Fuzzydiagrammzeigen1Click(); },
        [](TGraphform& g) {
            for (QRadioButton* item : g.RadioItems) {
                QStyleOptionButton opt;
                opt.initFrom(item);
                opt.text = item->text();
                const int room = item->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, item).width();
                EXPECT_LE(QFontMetrics(item->font()).horizontalAdvance(item->text()), room)
                    << item->text().toStdString();
                const int stretch = item->font().stretch();  // 0: as the dialog's font
                EXPECT_TRUE(stretch == 0 || stretch >= 60) << item->text().toStdString() << ": " << stretch;
            }
            EXPECT_EQ(g.RadioItems[1]->text(), QStringLiteral("Geschwindigkeit in cm/s"));
            EXPECT_EQ(g.RadioItems[0]->font(), g.font());  // a short name keeps the dialog's font
            EXPECT_EQ(g.size(), QSize(480, 193));
            g.OKBtn->click();
        });
}

TEST_F(PemrakTest, DiagramAndAboutBoxOpenModally) {
    TMainForm& m = Starte({LokFuz});
    Modal<TGraphform>(
        programm->Graphform.get(), [&] { m.Fuzzydiagrammzeigen1Click(); },
        [&](TGraphform& d) {
            EXPECT_EQ(d.RadioItems[0]->text(), QString::fromStdString(m.EingangA.Name));
            d.accept();
        });
    Modal<TInfoform>(
        programm->Infoform.get(), [&] { m.Info2Click(); },
        [&](TInfoform& d) {
            EXPECT_EQ(d.Label1->text(), "Pemrak 2.0");
            EXPECT_EQ(d.Image1->pixmap().size(), QSize(32, 32));
            d.OKButton->click();
        });
}

TEST_F(PemrakTest, ControlTypeChangedDuringARunTakesEffectAtTheNextStep) {
    TMainForm& m = Starte({LokFuz});
    BeiSchritt(5, [this](TMainForm&) { Betriebsart(0, true); });
    float kraftVorher = 0;
    BeiSchritt(4, [&](TMainForm& f) { kraftVorher = f.Zustand.Kraft; });
    StopBei(8);
    m.StartClick();
    EXPECT_GT(kraftVorher, 0.0f);
    EXPECT_TRUE(m.Handbetrieb);
    // Under hand control the force stays what the fuzzy controller left.
    EXPECT_NEAR(m.Zustand.Kraft, m.KraftEdit->Number(), 0.00005f);
    EXPECT_EQ(m.Label9->text(), "Handregelung");
}

}  // namespace
