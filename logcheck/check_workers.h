#pragma once

#include "log_check_run.h"

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace vermil {

// The threads that check blocks of a log. They live for the whole check, so
// each keeps its working buffers from block to block.
class CheckWorkers {
public:
    explicit CheckWorkers(unsigned count);
    ~CheckWorkers();
    CheckWorkers(const CheckWorkers&) = delete;
    CheckWorkers& operator=(const CheckWorkers&) = delete;

    std::future<CheckedBlock> submit(std::packaged_task<CheckedBlock()> job);

private:
    void work();
    void stop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<CheckedBlock()>> jobs_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace vermil
