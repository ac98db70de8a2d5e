#include "check_workers.h"

namespace vermil {

CheckWorkers::CheckWorkers(unsigned count) {
    try {
        threads_.reserve(count);
        for (unsigned i = 0; i < count; ++i)
            threads_.emplace_back(&CheckWorkers::work, this);
    } catch (...) {
        // No room for another thread: the ones started must end before the error goes on.
        stop();
        throw;
    }
}

CheckWorkers::~CheckWorkers() {
    stop();
}

void CheckWorkers::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        if (thread.joinable())
            thread.join();
}

std::future<CheckedBlock> CheckWorkers::submit(std::packaged_task<CheckedBlock()> job) {
    std::future<CheckedBlock> result = job.get_future();
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
    return result;
}

void CheckWorkers::work() {
    for (;;) {
        std::packaged_task<CheckedBlock()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

} // namespace vermil
