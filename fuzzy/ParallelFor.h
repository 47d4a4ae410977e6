#pragma once

// One loop over independent items, spread over threads: the truck lab's
// grid of starts, the rows of the Kennfeld and the tuner's candidates.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace fuzzy {

// Whether this build can start threads: a WebAssembly build without shared
// memory cannot, and then every loop runs on the calling thread alone.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool HasThreads = false;
#else
inline constexpr bool HasThreads = true;
#endif

// The threads a loop over `items` uses when `wanted` are asked for: one per
// core for wanted <= 0, never more than there are items, at least one (and
// only one without HasThreads).
inline int ThreadsFor(int wanted, std::size_t items) {
    if (!HasThreads) return 1;
    int n = wanted > 0 ? wanted : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (items < static_cast<std::size_t>(n)) n = static_cast<int>(std::max<std::size_t>(items, 1));
    return n;
}

// Calls body(i, worker) once for every i in [0, n), on ThreadsFor(threads, n)
// threads, the calling thread being worker 0; returns when all items are
// done. Items go to whichever worker is free next, so slow items do not hold
// the others up. The result is the same for any number of threads as long as
// body(i, ...) writes only what belongs to item i; `worker` (0 .. threads-1)
// selects scratch space of that worker's own, e.g. a copy of a project that
// inference may write. An exception thrown by a body stops the handing out of
// further items and is rethrown here once every worker has ended.
template <class Body>
void ParallelFor(std::size_t n, int threads, Body&& body) {
    if (n == 0) return;
    const int workers = ThreadsFor(threads, n);
    std::atomic<std::size_t> next{0};
    std::exception_ptr error;
    std::mutex errorMutex;
    auto work = [&](int worker) {
        try {
            for (std::size_t i = next++; i < n; i = next++) body(i, worker);
        } catch (...) {
            next = n;
            const std::lock_guard<std::mutex> lock(errorMutex);
            if (!error) error = std::current_exception();
        }
    };
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(workers - 1));
    for (int w = 1; w < workers; ++w) helpers.emplace_back(work, w);
    work(0);
    for (std::thread& t : helpers) t.join();
    if (error) std::rethrow_exception(error);
}

}  // namespace fuzzy
