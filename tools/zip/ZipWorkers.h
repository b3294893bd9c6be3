// A few threads that do an archive's per-file work (reading, writing,
// compressing and decompressing the files themselves) while the one thread
// that owns the archive file reads or writes it in entry order. Work is
// handed over a batch of files at a time: under Wine every wait and every
// wake-up between threads is a trip to the server, too dear for each file.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CZipWorkers {
public:
    // iCount threads besides the caller's.
    explicit CZipWorkers(int iCount);
    // Waits for work still running.
    ~CZipWorkers();
    CZipWorkers(const CZipWorkers&) = delete;
    CZipWorkers& operator=(const CZipWorkers&) = delete;

    // The thread numbers work is called with: 0 to GetCount() - 1, the last
    // one the caller's.
    int GetCount() const { return (int)m_threads.size() + 1; }
    // Runs work(thread number) on every thread but the caller's; Wait
    // returns when all have returned and then throws the first exception
    // one of them threw. work must stay until then.
    void Start(const std::function<void(int)>& work);
    void Wait();
    // Start, the caller's share, and Wait.
    void RunOnAll(const std::function<void(int)>& work);

    // As many as the machine has cores, within reason.
    static int DefaultCount();

private:
    void Run(int iIndex);

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    const std::function<void(int)>* m_pWork = nullptr;
    unsigned m_uRound = 0;
    int m_iRunning = 0;
    bool m_bStop = false;
    std::exception_ptr m_failure;
    std::vector<std::thread> m_threads;
};
