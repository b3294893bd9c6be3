#include "tools/zip/ZipWorkers.h"

#include <algorithm>

CZipWorkers::CZipWorkers(int iCount) {
    iCount = std::max(iCount, 1);
    m_threads.reserve((size_t)iCount);
    try {
        for (int i = 0; i < iCount; ++i) m_threads.emplace_back([this, i] { Run(i); });
    } catch (...) {
        // Fewer threads than asked for still do the work; none at all cannot.
        if (m_threads.empty()) throw;
    }
}

CZipWorkers::~CZipWorkers() {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bStop = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads) t.join();
}

int CZipWorkers::DefaultCount() {
    unsigned n = std::thread::hardware_concurrency();
    return (int)std::min(std::max(n, 1u), 8u);
}

std::future<bool> CZipWorkers::Post(std::function<bool(int)> job) {
    Job task(std::move(job));
    std::future<bool> result = task.get_future();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_jobs.push_back(std::move(task));
    }
    m_wake.notify_one();
    return result;
}

void CZipWorkers::Run(int iIndex) {
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_wake.wait(lock, [this] { return m_bStop || !m_jobs.empty(); });
            if (m_bStop) return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        // Whatever the job throws is kept for whoever waits on its future.
        job(iIndex);
    }
}
