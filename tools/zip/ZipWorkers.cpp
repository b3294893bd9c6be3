#include "tools/zip/ZipWorkers.h"

#include <algorithm>

CZipWorkers::CZipWorkers(int iCount) {
    for (int i = 0; i < iCount; ++i) {
        try {
            m_threads.emplace_back([this, i] { Run(i); });
        } catch (...) {
            // Fewer threads still do the work: the caller's alone can.
            break;
        }
    }
}

CZipWorkers::~CZipWorkers() {
    try {
        Wait();
    } catch (...) {
        // Whoever started the work has stopped caring for its result.
    }
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bStop = true;
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads) t.join();
}

int CZipWorkers::DefaultCount() {
    unsigned n = std::thread::hardware_concurrency();
    return (int)std::min(std::max(n, 1u), 8u);
}

void CZipWorkers::Start(const std::function<void(int)>& work) {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_pWork = &work;
        m_iRunning = (int)m_threads.size();
        m_failure = nullptr;
        ++m_uRound;
    }
    m_wake.notify_all();
}

void CZipWorkers::Wait() {
    std::unique_lock<std::mutex> lock(m_lock);
    m_done.wait(lock, [this] { return m_iRunning == 0; });
    m_pWork = nullptr;
    std::exception_ptr failure = m_failure;
    m_failure = nullptr;
    if (failure) std::rethrow_exception(failure);
}

void CZipWorkers::RunOnAll(const std::function<void(int)>& work) {
    Start(work);
    std::exception_ptr mine;
    try {
        work(GetCount() - 1);
    } catch (...) {
        mine = std::current_exception();
    }
    try {
        Wait();
    } catch (...) {
        if (!mine) throw;
    }
    if (mine) std::rethrow_exception(mine);
}

void CZipWorkers::Run(int iIndex) {
    unsigned uSeen = 0;
    for (;;) {
        const std::function<void(int)>* pWork;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_wake.wait(lock, [&] { return m_bStop || m_uRound != uSeen; });
            if (m_bStop) return;
            uSeen = m_uRound;
            pWork = m_pWork;
        }
        std::exception_ptr failure;
        try {
            (*pWork)(iIndex);
        } catch (...) {
            failure = std::current_exception();
        }
        std::lock_guard<std::mutex> lock(m_lock);
        if (failure && !m_failure) m_failure = failure;
        if (--m_iRunning == 0) m_done.notify_one();
    }
}
