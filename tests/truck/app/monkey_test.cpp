// Dorvane under the monkey: thousands of random events, and after each one
// the state tables, the shown values and the road picture are checked.
// MONKEY_SEED, MONKEY_EVENTS and MONKEY_SECONDS set a longer run.
#include "tests/support/Monkey.h"

#include "truck/model/Control.h"
#include "widgets/Ks.h"
#include "truck/app/Main.h"
#include "tests/support/MessageRecorder.h"
#include "truck/app/Programm.h"
#include "widgets/SingEdit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <iostream>
#include <random>

using namespace dorvane;

namespace {

const QStringList Projects = {
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck_einachsig.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/beispiel.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/tests/loco/model/data/kaputt.fuz"),
    QStringLiteral(FUZZY_SOURCE_DIR "/tests/support/gibt_es_nicht.fuz"),
    QString(),  // cancelled
};

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

// One run of the monkey over a fresh Dorvane; returns it for its figures.
class DorvaneMonkey {
public:
    explicit DorvaneMonkey(const monkey::Options& o)
        : programm_(std::make_unique<Programm>(StartArguments(o.seed))),
          m_(*programm_->MainForm),
          monkey_(m_, o),
          rng_(o.seed) {
        m_.Random = [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); };
        // The monkey ticks the control loop itself, so that a seed always
        // gives the same run whatever the machine's speed.
        m_.Timer1->setInterval(24 * 3600 * 1000);
        m_.OpenDialog1 = [this] { return Projects.at(monkey_.Uniform(static_cast<int>(Projects.size()))); };
        m_.show();
        clean_ = m_.KS1->Image().copy();
        monkey_.ProgramAction = [this](monkey::Monkey& k) { return Action(k); };
        monkey_.Check = [this](monkey::Monkey& k) { Check(k); };
        // Shown again after "Beenden", the road is drawn afresh: a program
        // started anew. The truck is on it again after the next placement.
        monkey_.Reopen = [this] { picture_ = false; };
        QObject::connect(m_.TruckBtn1, &QPushButton::clicked, [this] { picture_ = true; });
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
        const int r = k.Uniform(10);
        if (m_.Running() && r < 6) {
            k.Note("tick");
            k.Count("ticks");
            ticked_ = true;
            m_.Timer1Timer();
            return "tick";
        }
        if (!k.MainOnTop()) return {};
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
        k.Note("Truck setzen");
        k.Count("Truck setzen");
        m_.TruckBtn1->click();
        return "Truck setzen";
    }

    void Check(monkey::Monkey& k) {
        const bool tick = ticked_;
        ticked_ = false;
        const bool hand = m_.Handbetrieb;
        if (m_.BetriebLbl->text() != (hand ? QStringLiteral("Handsteuerung") : QStringLiteral("Fuzzyregelung")))
            k.Fault("mode label", m_.BetriebLbl->text().toStdString());
        if (m_.ProgressBar->isHidden() == hand)
            k.Fault("steering bar shown in fuzzy mode or hidden in hand mode", hand ? "hand" : "fuzzy");
        if (!hand && (!m_.StopImage->isHidden() || !m_.VorImage->isHidden() || !m_.RueckImage->isHidden()))
            k.Fault("run indicator shown in fuzzy mode", "");
        const bool loaded = m_.windowTitle() != QStringLiteral("Dorvane 1.3");
        if (m_.Betriebsart1->isEnabled() != loaded)
            k.Fault("Betriebsart umschalten does not follow the loaded project", m_.windowTitle().toStdString());
        for (QAction* a : {m_.ffnen1, m_.Fuzzymengenzeigen1, m_.Beenden1, m_.Startwerte1, m_.Regelneditieren1,
                           m_.Hilfe2, m_.Info1}) {
            if (!a->isEnabled()) k.Fault("an always enabled menu item is disabled", a->text().toStdString());
        }
        if (m_.Start1->isEnabled() || m_.Stop1->isEnabled())
            placed_ = true;
        else if (placed_)
            k.Fault("Start and Stop both disabled after a placement", "");
        if (tick && Arrived(m_.Truck1) && m_.Running())
            k.Fault("timer still running after arrival", std::to_string(m_.Truck1.RearY));
        if (!placed_) return;  // before the first placement the truck stands unseen at the origin
        CheckValues(k);
        if (picture_) CheckPicture(k);
    }

    void CheckValues(monkey::Monkey& k) {
        const struct {
            TSingEdit* field;
            float value;
            const char* name;
        } shown[] = {{m_.SingEdit1, m_.Truck1.RearX, "Abstand"},
                     {m_.SingEdit2, Attitude(m_.Truck1), "Lage"},
                     {m_.SingEdit3, SteeringDegrees(m_.Truck1), "Lenkwinkel"}};
        for (const auto& s : shown) {
            const QString expected = TSingEdit::FormatNumber(s.value);
            if (s.field->text() != expected)
                k.Fault(std::string("field ") + s.name + " does not show the truck",
                        s.field->text().toStdString() + " instead of " + expected.toStdString());
        }
    }

    // Erasing the truck and the target line (exclusive-or, drawn once more)
    // must leave the bare road; drawing them again the picture as it was.
    void CheckPicture(monkey::Monkey& k) {
        const QImage before = m_.KS1->Image().copy();
        m_.Truck1.Draw(*m_.KS1);
        m_.Linie();
        if (m_.KS1->Image() != clean_)
            k.Fault("remnants on the road", "erasing truck and line does not give the bare road");
        m_.Linie();
        m_.Truck1.Draw(*m_.KS1);
        if (m_.KS1->Image() != before) k.Fault("truck or line drawn differently twice", "");
    }

    // Answers the messages of the start-up, before the monkey is there.
    testsupport::MessageRecorder startup_;
    // The program next: the members after it refer to its window.
    std::unique_ptr<Programm> programm_;
    TMainForm& m_;
    monkey::Monkey monkey_;
    std::mt19937 rng_;
    QImage clean_;
    bool placed_ = false;   // "Truck setzen" was pressed at least once
    bool picture_ = false;  // the road shows the truck and line of the last placement
    bool ticked_ = false;
};

}  // namespace

TEST(DorvaneMonkey, RandomEventsKeepTheWindowSane) {
    const monkey::Options o = monkey::FromEnvironment({20261207, 6000, 0.0});
    DorvaneMonkey run(o);
    const monkey::Monkey& k = run.Run();
    std::cout << k.Report("Dorvane") << std::endl;
    EXPECT_TRUE(k.Faults().empty());
    EXPECT_GE(k.Events(), o.maxEvents > 0 ? o.maxEvents : 1);
}

TEST(DorvaneMonkey, SameSeedGivesTheSameEvents) {
    const monkey::Options o{77, 300, 0.0};
    std::uint64_t hash[2] = {};
    for (std::uint64_t& h : hash) {
        DorvaneMonkey run(o);
        h = run.Run().TraceHash();
    }
    EXPECT_EQ(hash[0], hash[1]);
}
