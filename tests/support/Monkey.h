#pragma once

// A seeded random user for a whole program: mouse clicks and moves, keys,
// typed numbers (valid and not), menu commands, answers to message boxes,
// sent to whatever window is on top (an open menu, a modal dialog, the main
// window). Every event is posted to the event loop that is running at that
// moment, so the monkey goes on inside modal dialogs and inside a run that
// dispatches events itself. After each event the program's checks run.
// The same seed gives the same events, as long as the program itself is
// deterministic (its clock and random generator are the test's).

#include "widgets/MessageBoxes.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

class QEventLoop;
class QWidget;

namespace monkey {

struct Options {
    std::uint64_t seed = 1;
    long maxEvents = 2000;    // 0: no limit
    double maxSeconds = 0.0;  // 0: no limit
};

// Seed and limits from the environment (MONKEY_SEED, MONKEY_EVENTS,
// MONKEY_SECONDS), the given defaults where a variable is not set.
Options FromEnvironment(Options defaults);

class Monkey : public QObject {
    Q_OBJECT
public:
    Monkey(QWidget& mainWindow, const Options& options);
    ~Monkey() override;

    // --- what the program adds --------------------------------------------------
    // A program action of its own (a menu command, a tick of its timer, ...),
    // tried with the given weight among the general ones; returns a short
    // description, or an empty string when it did nothing.
    std::function<std::string(Monkey&)> ProgramAction;
    int ProgramWeight = 20;
    // Runs after every event; reports what it finds with Fault().
    std::function<void(Monkey&)> Check;
    // Winding down: true while the program still has something under way
    // (a run) after every dialog has been closed; WindDown then ends it.
    std::function<bool()> Busy;
    std::function<void()> WindDown;
    // The main window was closed ("Beenden"): the user starts the program
    // again. By default the window is shown again.
    std::function<void()> Reopen;

    // Runs until the limits are reached and everything is wound down.
    void Run();

    // --- for the program's actions and checks -----------------------------------
    std::mt19937_64& Rng() { return rng_; }
    int Uniform(int n);  // 0 .. n-1
    bool Chance(double p);
    template <class T>
    const T& Pick(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(Uniform(static_cast<int>(v.size())))];
    }

    // The window the user sees on top: an open menu, else the modal dialog,
    // else the main window.
    QWidget* Top() const;
    QWidget& MainWindow() const { return main_; }
    bool MainOnTop() const { return Top() == &main_; }

    // Records a fault (the first few of each kind in full, with the events
    // that led to it).
    void Fault(const std::string& kind, const std::string& detail);
    void Count(const std::string& what) { ++counts_[what]; }
    // Adds an event of the program's own to the trace.
    void Note(const std::string& event);

    long Events() const { return events_; }
    std::uint64_t TraceHash() const { return hash_; }
    const std::vector<std::string>& Faults() const { return faults_; }
    const std::map<std::string, int>& Counts() const { return counts_; }
    const std::map<std::string, int>& Messages() const { return messages_; }
    double Seconds() const;
    // One line with the figures, one line per fault.
    std::string Report(const std::string& program) const;

    // Numbers to type: valid, out of range, not numbers at all.
    static const QStringList& Numbers();

private:
    void Step();
    void Act();
    bool LimitReached() const;
    bool WindDownStep();

    std::string ClickSomewhere(QWidget* top);
    std::string MoveSomewhere(QWidget* top);
    std::string PressKey(QWidget* top);
    std::string TypeNumber(QWidget* top);

    QWidget& main_;
    Options options_;
    std::mt19937_64 rng_;
    QEventLoop* loop_ = nullptr;
    long events_ = 0;
    std::uint64_t hash_ = 1469598103934665603ull;
    std::deque<std::string> recent_;
    std::vector<std::string> faults_;
    std::map<std::string, int> faultKinds_;
    std::map<std::string, int> counts_;
    std::map<std::string, int> messages_;
    widgets::MessageHandler previousHandler_;
    std::int64_t startMs_ = 0;
    bool finished_ = false;
    bool quitOnLastWindowClosed_ = true;
};

// Describes a widget for the trace: class and object name.
std::string Describe(const QWidget* w);

}  // namespace monkey
