#include "job_queue.h"

#include <algorithm>

namespace sorvik::cli {

JobQueue::JobQueue(int threads) {
    for (int t = 0; t < std::max(threads, 1); ++t) {
        threads_.emplace_back([this] { work(); });
    }
}

JobQueue::~JobQueue() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    given_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

std::future<int> JobQueue::submit(std::function<int()> job) {
    std::packaged_task<int()> task(std::move(job));
    std::future<int> answer = task.get_future();
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(task));
    }
    given_.notify_one();
    return answer;
}

void JobQueue::work() {
    while (true) {
        std::packaged_task<int()> task;
        {
            std::unique_lock lock(mutex_);
            given_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            if (jobs_.empty()) {
                return;  // ending, and every job given has run
            }
            task = std::move(jobs_.front());
            jobs_.pop_front();
        }
        task();
    }
}

}  // namespace sorvik::cli
