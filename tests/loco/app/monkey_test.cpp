// Pemrak under the monkey: thousands of random events, runs started and
// stopped in between, and after each event the state table, the shown values
// and the scene are checked. The run's clock is the test's: every poll of the
// pause advances it by 5 ms, so a seed always gives the same run.
// MONKEY_SEED, MONKEY_EVENTS and MONKEY_SECONDS set a longer run.
#include "tests/support/Monkey.h"

#include "loco/app/Controls.h"
#include "loco/model/LocoModel.h"
#include "loco/app/Main.h"
#include "tests/support/MessageRecorder.h"
#include "loco/app/Programm.h"
#include "widgets/SingEdit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include <cmath>
#include <iostream>

using namespace pemrak;

namespace {

const QStringList Projects = {
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/beispiel.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/heizung.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/tests/loco/model/data/kaputt.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/tests/support/gibt_es_nicht.fuz"),
    QString(),  // cancelled
};

// Start values worth trying besides the monkey's general numbers.
const QStringList StartValues = {"2",    "1",     "4",     "0.5", "100", "50",  "3",   "0",   "1000",
                                 "1e-6", "0.001", "1e-45", "-10", "-3",  "200", "1e6", "0,1", "30"};

std::vector<QAction*> MenuActions(QMainWindow& w) {
    std::vector<QAction*> result;
    for (QAction* menu : w.menuBar()->actions()) {
        if (!menu->menu()) continue;
        for (QAction* a : menu->menu()->actions()) {
            if (!a->isSeparator()) result.push_back(a);
        }
    }
    return result;
}

class PemrakMonkey {
public:
    explicit PemrakMonkey(const monkey::Options& o)
        : programm_(std::make_unique<Programm>(StartArguments(o.seed))), m_(*programm_->MainForm), monkey_(m_, o) {
        m_.Tick = [this] { return uhr_; };
        m_.Ruhen = [this] { uhr_ += 5; };
        m_.OpenDialog1 = [this] { return Projects.at(monkey_.Uniform(static_cast<int>(Projects.size()))); };
        m_.show();
        monkey_.ProgramAction = [this](monkey::Monkey& k) { return Action(k); };
        monkey_.Check = [this](monkey::Monkey& k) { Check(k); };
        monkey_.Busy = [this] { return m_.LaufAktiv(); };
        monkey_.WindDown = [this] {
            if (m_.StartTag() == 1) {
                monkey_.Note("wind down: Stop");
                m_.StartClick();
            }
        };
    }

    monkey::Monkey& Run() {
        monkey_.Run();
        return monkey_;
    }

private:
    static QStringList StartArguments(std::uint64_t seed) {
        switch (seed % 3) {
        case 1: return {Projects.at(0)};
        case 2: return {Projects.at(5)};
        default: return {};
        }
    }

    std::string Action(monkey::Monkey& k) {
        if (!k.MainOnTop()) return {};
        const int r = k.Uniform(10);
        if (r < 3) {
            const std::string what = "press " + m_.Start->text().toStdString();
            k.Note(what);
            k.Count(m_.LaufAktiv() ? "Stop pressed" : "Start pressed");
            m_.Start->click();  // a run goes on inside this call
            return what;
        }
        if (r < 5) {
            const int v = k.Uniform(41) - 20;
            k.Note("track bar to " + std::to_string(v));
            k.Count("track bar moves");
            m_.TrackBar1->setValue(v);
            return "track bar";
        }
        if (r < 8) {
            std::vector<QAction*> actions;
            for (QAction* a : MenuActions(m_)) {
                // "Beenden" ends the program; random clicks in the menu
                // still hit it now and then.
                if (a->isEnabled() && a != m_.Beenden1) actions.push_back(a);
            }
            if (actions.empty()) return {};
            QAction* a = k.Pick(actions);
            const std::string what = "menu " + a->text().toStdString();
            k.Note(what);
            k.Count("menu commands");
            a->trigger();
            return what;
        }
        TSingEdit* fields[] = {m_.MasseEdit, m_.Abstand, m_.ReibungEdit};
        TSingEdit* f = fields[k.Uniform(3)];
        const QString text = StartValues.at(k.Uniform(static_cast<int>(StartValues.size())));
        const std::string what = "start value " + f->objectName().toStdString() + " := " + text.toStdString();
        k.Note(what);
        k.Count("start values set");
        f->setText(text);
        return what;
    }

    void Check(monkey::Monkey& k) {
        const bool stop = m_.Start->text() == QStringLiteral("Stop");
        if (stop != (m_.StartTag() == 1))
            k.Fault("Start button caption does not follow the run flag", m_.Start->text().toStdString());
        if (m_.StartTag() == 1 && !m_.LaufAktiv()) k.Fault("run flag set without a run", "");
        const QString mode = m_.Handbetrieb ? QStringLiteral("Handregelung") : QStringLiteral("Fuzzyregelung");
        if (m_.Label9->text() != mode)
            k.Fault("mode label does not follow the control mode", m_.Label9->text().toStdString());
        const bool loaded = m_.windowTitle() != QStringLiteral("Pemrak 2.0");
        if (m_.Regelneditieren1->isEnabled() != loaded || m_.Fuzzydiagrammzeigen1->isEnabled() != loaded)
            k.Fault("project menu items do not follow the loaded project", m_.windowTitle().toStdString());
        if (m_.LaufAktiv()) k.Count("checks during a run");
        CheckValues(k);
        if (!m_.LaufAktiv()) CheckScene(k);
    }

    // From the end of a run's first step on, the fields show the state.
    void CheckValues(monkey::Monkey& k) {
        const SimZustand& z = m_.Zustand;
        if (!(z.t > 0.0f)) return;
        const struct {
            TSingEdit* field;
            float value;
            const char* name;
        } shown[] = {{m_.sim_s, static_cast<float>(double(z.s) * 100.0), "s"},
                     {m_.sim_v, static_cast<float>(double(z.v) * 100.0), "v"},
                     {m_.sim_t, z.t, "t"}};
        for (const auto& s : shown) {
            const QString expected = TSingEdit::FormatNumber(s.value);
            if (s.field->text() != expected)
                k.Fault(std::string("field ") + s.name + " does not show the state",
                        s.field->text().toStdString() + " instead of " + expected.toStdString());
        }
        if (std::isfinite(z.s) && (!std::isfinite(z.v) || !std::isfinite(z.a)))
            k.Fault("state not finite", "v " + std::to_string(z.v) + ", a " + std::to_string(z.a));
    }

    // The landscape with one locomotive at scene column px.
    QImage WithLocomotive(int px) const {
        QImage scene = m_.Image1.copy();
        QImage puffer(101, 33, QImage::Format_RGB32);
        puffer.fill(Qt::black);
        {
            QPainter p(&puffer);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QPoint(0, 0), m_.Image1, QRect(px, 110, 101, 33));
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            p.drawImage(QPoint(1, 1), m_.Image2);
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p.drawImage(QPoint(1, 1), m_.Image3);
        }
        QPainter p(&scene);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(px, 110), puffer, QRect(0, 0, 100, 32));
        return scene;
    }

    // Idle after a run whose locomotive never moved so far between two draws
    // that its new picture could not cover the old one: the scene is the
    // landscape, with at most the locomotive where the run left it.
    void CheckScene(monkey::Monkey& k) {
        const SimZustand& z = m_.Zustand;
        const Aufzeichnung& r = m_.Punkte;
        if (m_.Szene == m_.Image1) return;
        if (r.Anzahl < 1 || r.Anzahl > MaxPunkte || z.s0 == 0.0f) return;
        const int breite = m_.Image1.width();
        int vorher = SceneColumn(z.s0, z.s0, breite);
        for (int i = 1; i <= r.Anzahl; ++i) {
            const int px = SceneColumn(static_cast<float>(double(r.Get(i).s) / 100.0), z.s0, breite);
            // Two columns of margin for the recorded point's rounding.
            if (px - vorher > 26 || vorher - px > 38) return;
            vorher = px;
        }
        k.Count("scene checks");
        if (m_.Szene != WithLocomotive(SceneColumn(z.s, z.s0, breite)))
            k.Fault("remnants in the scene", "s " + std::to_string(z.s) + " m, s0 " + std::to_string(z.s0));
    }

    // Answers the messages of the start-up, before the monkey is there.
    testsupport::MessageRecorder startup_;
    // The program next: the members after it refer to its window.
    std::unique_ptr<Programm> programm_;
    TMainForm& m_;
    monkey::Monkey monkey_;
    std::uint32_t uhr_ = 1000;
};

}  // namespace

TEST(PemrakMonkey, RandomEventsKeepTheWindowSane) {
    const monkey::Options o = monkey::FromEnvironment({20261207, 15000, 0.0});
    PemrakMonkey run(o);
    const monkey::Monkey& k = run.Run();
    std::cout << k.Report("Pemrak") << std::endl;
    EXPECT_TRUE(k.Faults().empty());
    EXPECT_GE(k.Events(), o.maxEvents > 0 ? o.maxEvents : 1);
}

TEST(PemrakMonkey, SameSeedGivesTheSameEvents) {
    const monkey::Options o{77, 300, 0.0};
    std::uint64_t hash[2] = {};
    for (std::uint64_t& h : hash) {
        PemrakMonkey run(o);
        h = run.Run().TraceHash();
    }
    EXPECT_EQ(hash[0], hash[1]);
}
