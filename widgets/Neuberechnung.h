#pragma once

// Runs a computation off the GUI thread, newest request wins: the labs'
// simulations, the Kennfeld and the tuning dialog's search.
//
// Every request starts a new generation. At most one job runs at a time: a
// request that arrives while one runs asks the running job to stop (through
// the flag it polls) and waits as the only pending one; older pending ones are
// simply replaced. A finished job's result is handed on only when it belongs
// to the newest generation, so a result of an older request is never shown
// as current, however the threads interleave. Abbrechen stops the running
// job without a new request: what it returns then is still handed on (a
// search keeps the best it found).

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

namespace widgets {

template <class Ergebnis>
class Neuberechnung {
public:
    using Auftrag = std::function<Ergebnis(const std::atomic<bool>& abbruch)>;
    using Fertig = std::function<void(Ergebnis&&)>;

    Neuberechnung(QObject* besitzer, Fertig fertig) : Watcher_(besitzer), Fertig_(std::move(fertig)) {
        QObject::connect(&Watcher_, &QFutureWatcherBase::finished, besitzer, [this] { Beendet(); });
    }

    ~Neuberechnung() {
        // The job owns copies of all it needs; only its end is awaited, so
        // that no worker outlives its owner. (A future whose result has been
        // taken is invalid and must not be waited for.)
        if (Abbruch_) Abbruch_->store(true);
        if (Watcher_.isRunning()) Watcher_.waitForFinished();
    }

    Neuberechnung(const Neuberechnung&) = delete;
    Neuberechnung& operator=(const Neuberechnung&) = delete;

    void Anstossen(Auftrag a) {
        ++Generation_;
        Wartend_ = std::move(a);
        if (Watcher_.isRunning()) {
            Abbruch_->store(true);
            return;
        }
        StarteWartenden();
    }

    // Asks the running job to stop early; its result is still handed on.
    void Abbrechen() {
        if (Abbruch_ && Watcher_.isRunning()) Abbruch_->store(true);
    }
    // Whether the newest job has been asked to stop.
    bool Abgebrochen() const { return Abbruch_ && Abbruch_->load(); }

    // True from a request until its result has been handed on: also in the
    // moment between the worker's end and the delivery of its result.
    bool Rechnet() const { return Gezeigt_ != Generation_; }
    // True while a worker runs.
    bool Laeuft() const { return Watcher_.isRunning(); }
    quint64 Generation() const { return Generation_; }

    // Blocks until the worker has ended; its result comes with the next
    // round of the event loop.
    void WarteAufEnde() {
        if (Watcher_.isRunning()) Watcher_.waitForFinished();
    }
    // Blocks until the newest request's result has been handed on.
    void WarteAufErgebnis() {
        while (Rechnet()) {
            WarteAufEnde();
            // Delivers the worker's end: a pending request starts, or the
            // result is handed on.
            QCoreApplication::processEvents();
            if (Rechnet() && !Watcher_.isRunning()) return;  // a job that left no result
        }
    }

private:
    void StarteWartenden() {
        Auftrag a = std::move(Wartend_);
        Wartend_ = nullptr;
        Laufend_ = Generation_;
        Abbruch_ = std::make_shared<std::atomic<bool>>(false);
        std::shared_ptr<std::atomic<bool>> flag = Abbruch_;
        Watcher_.setFuture(QtConcurrent::run([a = std::move(a), flag] { return a(*flag); }));
    }

    void Beendet() {
        // A late signal of a future that setFuture has already replaced.
        if (!Watcher_.isFinished()) return;
        const bool aktuell = Laufend_ == Generation_;
        if (Wartend_) {
            StarteWartenden();
            return;
        }
        if (aktuell && Watcher_.future().resultCount() > 0) {
            Gezeigt_ = Laufend_;
            Fertig_(Watcher_.future().takeResult());
        }
    }

    QFutureWatcher<Ergebnis> Watcher_;
    Fertig Fertig_;
    Auftrag Wartend_;
    quint64 Generation_ = 0;
    quint64 Laufend_ = 0;
    quint64 Gezeigt_ = 0;
    std::shared_ptr<std::atomic<bool>> Abbruch_;
};

}  // namespace widgets
