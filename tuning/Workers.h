#pragma once

// The tuner's threads: started once for a whole search and handed one batch
// of items after the other (a round's candidates), so that a round costs no
// thread start. Items go out in the order given, each to whichever thread is
// free next; the caller's thread works along. As with fuzzy::ParallelFor, the
// result is the same for any number of threads as long as item i writes only
// what belongs to it.

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tuning {

class Workers {
public:
    // threads <= 0: one per core.
    explicit Workers(int threads);
    ~Workers();
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    int Count() const { return static_cast<int>(helpers_.size()) + 1; }

    // Calls body(order[k]) for every k, or body(k) for k < n when order is
    // empty; returns when all are done. An exception thrown by a body stops
    // the handing out and is rethrown here once every thread has finished.
    void Run(std::size_t n, const std::vector<std::size_t>& order, const std::function<void(std::size_t)>& body);

private:
    void Help();
    void Work();

    std::vector<std::thread> helpers_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    // The batch under way, guarded by mutex_.
    std::size_t batch_ = 0;  // counts batches; a helper joins each once
    std::size_t n_ = 0, next_ = 0;
    int busy_ = 0;  // helpers working on the batch
    const std::vector<std::size_t>* order_ = nullptr;
    const std::function<void(std::size_t)>* body_ = nullptr;
    std::exception_ptr error_;
    bool quit_ = false;
};

}  // namespace tuning
