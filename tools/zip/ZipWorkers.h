// A few threads that run an archive's per-file work (compressing, reading and
// writing the files themselves) while the one thread that owns the archive
// file reads or writes it in entry order.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

class CZipWorkers {
public:
    // A job gets the number of the thread that runs it (0 to GetCount() - 1),
    // so that it can use state kept for that thread.
    typedef std::packaged_task<bool(int)> Job;

    explicit CZipWorkers(int iCount);
    // Jobs not yet begun are dropped; running ones are waited for.
    ~CZipWorkers();
    CZipWorkers(const CZipWorkers&) = delete;
    CZipWorkers& operator=(const CZipWorkers&) = delete;

    int GetCount() const { return (int)m_threads.size(); }
    // The job's result, or the exception it threw, comes through the future.
    std::future<bool> Post(std::function<bool(int)> job);

    // As many as the machine has cores, within reason.
    static int DefaultCount();

private:
    void Run(int iIndex);

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_bStop = false;
    std::vector<std::thread> m_threads;
};
