#include "tuning/Workers.h"

#include <algorithm>

namespace tuning {

Workers::Workers(int threads) {
    const int n = threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    helpers_.reserve(static_cast<std::size_t>(n - 1));
    for (int i = 1; i < n; ++i) helpers_.emplace_back([this] { Help(); });
}

Workers::~Workers() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : helpers_) t.join();
}

void Workers::Work() {
    // Takes items under the lock: a handful per round, each far longer than
    // the lock.
    for (;;) {
        std::size_t item;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (next_ >= n_) return;
            const std::size_t k = next_++;
            item = order_->empty() ? k : (*order_)[k];
        }
        try {
            (*body_)(item);
        } catch (...) {
            const std::lock_guard<std::mutex> lock(mutex_);
            next_ = n_;
            if (!error_) error_ = std::current_exception();
        }
    }
}

void Workers::Help() {
    std::size_t seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [&] { return quit_ || batch_ != seen; });
            if (quit_) return;
            seen = batch_;
            ++busy_;
        }
        Work();
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            --busy_;
        }
        done_.notify_all();
    }
}

void Workers::Run(std::size_t n, const std::vector<std::size_t>& order, const std::function<void(std::size_t)>& body) {
    if (n == 0) return;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        n_ = std::min(n, order.empty() ? n : order.size());
        next_ = 0;
        order_ = &order;
        body_ = &body;
        error_ = nullptr;
        ++batch_;
    }
    wake_.notify_all();
    Work();
    std::exception_ptr error;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        // Every item is handed out; wait for the helpers still on one. A
        // helper that wakes only now finds nothing left and counts itself out.
        done_.wait(lock, [&] { return busy_ == 0; });
        error = error_;
        error_ = nullptr;
        order_ = nullptr;
        body_ = nullptr;
    }
    if (error) std::rethrow_exception(error);
}

}  // namespace tuning
