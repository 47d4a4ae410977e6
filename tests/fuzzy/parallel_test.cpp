// The one parallel loop of the engine and the message sink its workers see.
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/ParallelFor.h"

#include <atomic>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

struct LoopCase {
    const char* name;
    std::size_t items;
    int threads;
};

class ParallelForTest : public ::testing::TestWithParam<LoopCase> {};

// Each item is handed out exactly once, whatever the number of threads,
// including more threads than items and "one per core" (0).
TEST_P(ParallelForTest, CallsEveryItemExactlyOnce) {
    const LoopCase& c = GetParam();
    std::vector<std::atomic<int>> calls(c.items);
    fuzzy::ParallelFor(c.items, c.threads, [&](std::size_t i, int) { ++calls[i]; });
    for (std::size_t i = 0; i < c.items; ++i) EXPECT_EQ(calls[i].load(), 1) << "item " << i;
}

// The worker number selects scratch space: it stays below the number of
// threads the loop uses, so a vector of that size is enough.
TEST_P(ParallelForTest, WorkerNumbersStayBelowTheThreadCount) {
    const LoopCase& c = GetParam();
    const int workers = fuzzy::ThreadsFor(c.threads, c.items);
    std::atomic<int> bad{0};
    fuzzy::ParallelFor(c.items, c.threads, [&](std::size_t, int w) {
        if (w < 0 || w >= workers) ++bad;
    });
    EXPECT_EQ(bad.load(), 0);
    EXPECT_GE(workers, 1);
    if (c.items > 0) {
        EXPECT_LE(static_cast<std::size_t>(workers), c.items);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ParallelForTest,
                         ::testing::Values(LoopCase{"None", 0, 4}, LoopCase{"One", 1, 8},
                                           LoopCase{"FewerThanThreads", 3, 8}, LoopCase{"Many", 1000, 3},
                                           LoopCase{"OnePerCore", 257, 0}, LoopCase{"Single", 50, 1}),
                         [](const auto& row) { return std::string(row.param.name); });

// A worker's exception reaches the caller after all workers ended, and no
// item is started twice on the way.
TEST(ParallelForErrors, AnExceptionInABodyIsRethrownToTheCaller) {
    std::atomic<int> started{0};
    EXPECT_THROW(fuzzy::ParallelFor(100, 4,
                                    [&](std::size_t i, int) {
                                        ++started;
                                        if (i == 7) throw std::runtime_error("kaputt");
                                    }),
                 std::runtime_error);
    EXPECT_LE(started.load(), 100);
}

// A message raised on a worker never reaches the sink the GUI thread
// installed (a message box or a counter of the GUI thread); on the thread
// that installed it, it does.
class MessagesTest : public EngineTest {};

TEST_F(MessagesTest, OnlyTheInstallingThreadReachesTheInstalledSink) {
    fuzzy::Messages().Warning("vorne");
    std::thread worker([] { fuzzy::Messages().Error("hinten"); });
    worker.join();
    EXPECT_EQ(messages.log, std::vector<RecordedMessage>{Warning("vorne")});
}

TEST_F(MessagesTest, WorkersWritingAtOnceLoseNoMessageToTheInstaller) {
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([] {
            for (int i = 0; i < 50; ++i) fuzzy::Messages().Warning("w");
        });
    for (int i = 0; i < 20; ++i) fuzzy::Messages().Error("gui");
    for (auto& w : workers) w.join();
    EXPECT_EQ(messages.log.size(), 20u);
}

}  // namespace
