#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace sorvik::cli {

// Threads that run the jobs given to them, first given first taken. With one thread the jobs
// run one after another in their order. The queue's end waits for the jobs given.
class JobQueue {
  public:
    explicit JobQueue(int threads);
    ~JobQueue();
    JobQueue(const JobQueue&) = delete;
    JobQueue& operator=(const JobQueue&) = delete;

    // The job's answer, or what it threw.
    std::future<int> submit(std::function<int()> job);

  private:
    void work();

    std::mutex mutex_;
    std::condition_variable given_;
    std::deque<std::packaged_task<int()>> jobs_;
    bool ending_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace sorvik::cli
