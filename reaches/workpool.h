#pragma once
// A fixed set of threads that share one piece of work at a time in slices.
// The batch run starts each batch's calculation here and reads the next
// batch meanwhile; keeping the threads for the whole run spares a thread
// start and fresh heap pages per batch.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace fluvara {

class TWorkPool {
public:
    using TBody = std::function<void(std::size_t begin, std::size_t end)>;
    // Rows per slice: small enough to balance, large enough that the lock is rare.
    static constexpr std::size_t Slice = 256;

    explicit TWorkPool(unsigned threads);
    ~TWorkPool();  // waits for started work
    TWorkPool(const TWorkPool&) = delete;
    TWorkPool& operator=(const TWorkPool&) = delete;

    // Runs body over [0, count) on the pool's threads and returns at once.
    // Only one piece of work at a time: Wait before the next Start.
    void Start(std::size_t count, TBody body);
    // Until the started work is done; throws what a slice threw.
    void Wait();

private:
    void Work();
    void WaitIdle(std::unique_lock<std::mutex>& lock);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    TBody body_;
    std::size_t count_ = 0;
    std::size_t next_ = 0;
    unsigned busy_ = 0;
    std::uint64_t generation_ = 0;
    bool stopping_ = false;
    std::exception_ptr error_;
    std::vector<std::jthread> threads_;
};

}  // namespace fluvara
