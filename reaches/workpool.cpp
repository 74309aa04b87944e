#include "workpool.h"

#include <algorithm>
#include <utility>

namespace fluvara {

TWorkPool::TWorkPool(unsigned threads)
{
    const unsigned n = std::max(1u, threads);
    threads_.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        threads_.emplace_back([this] { Work(); });
}

TWorkPool::~TWorkPool()
{
    {
        std::unique_lock lock(mutex_);
        WaitIdle(lock);
        stopping_ = true;
    }
    wake_.notify_all();
}

void TWorkPool::Start(std::size_t count, TBody body)
{
    {
        std::unique_lock lock(mutex_);
        WaitIdle(lock);
        body_ = std::move(body);
        count_ = count;
        next_ = 0;
        error_ = nullptr;
        busy_ = static_cast<unsigned>(threads_.size());
        ++generation_;
    }
    wake_.notify_all();
}

void TWorkPool::Wait()
{
    std::unique_lock lock(mutex_);
    WaitIdle(lock);
    if (std::exception_ptr error = std::exchange(error_, nullptr))
        std::rethrow_exception(error);
}

void TWorkPool::WaitIdle(std::unique_lock<std::mutex>& lock)
{
    idle_.wait(lock, [this] { return busy_ == 0; });
}

void TWorkPool::Work()
{
    std::uint64_t seen = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
        if (stopping_)
            return;
        seen = generation_;
        while (next_ < count_) {
            const std::size_t begin = next_;
            const std::size_t end = std::min(count_, begin + Slice);
            next_ = end;
            lock.unlock();
            try {
                body_(begin, end);
                lock.lock();
            } catch (...) {
                lock.lock();
                if (!error_)
                    error_ = std::current_exception();
                next_ = count_;  // the rest is not worth calculating
            }
        }
        if (--busy_ == 0)
            idle_.notify_all();
    }
}

}  // namespace fluvara
