#include "workpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace fluvara {
namespace {

// Every index exactly once, on one piece of work after another, for counts
// around the slice size and any number of threads.
TEST(WorkPool, CoversEveryIndexOnceForEachPieceOfWork)
{
    for (unsigned threads : {1u, 2u, 5u}) {
        TWorkPool pool(threads);
        constexpr std::size_t Slice = TWorkPool::Slice;
        for (std::size_t count : {std::size_t{0}, std::size_t{1}, Slice - 1, Slice, Slice + 1, 40 * Slice + 3}) {
            std::vector<std::atomic<int>> seen(count);
            pool.Start(count, [&](std::size_t begin, std::size_t end) {
                ASSERT_LE(begin, end);
                ASSERT_LE(end, count);
                for (std::size_t i = begin; i < end; ++i)
                    ++seen[i];
            });
            pool.Wait();
            for (std::size_t i = 0; i < count; ++i)
                ASSERT_EQ(seen[i].load(), 1) << "index " << i << " of " << count << ", " << threads << " threads";
        }
    }
}

TEST(WorkPool, WaitThrowsWhatASliceThrewAndThePoolGoesOn)
{
    TWorkPool pool(2);
    pool.Start(5000, [](std::size_t begin, std::size_t) {
        if (begin == 4 * TWorkPool::Slice)
            throw std::runtime_error("slice failed");
    });
    try {
        pool.Wait();
        FAIL() << "Wait did not throw";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "slice failed");
    }
    std::atomic<std::size_t> rows{0};
    pool.Start(3000, [&](std::size_t begin, std::size_t end) { rows += end - begin; });
    pool.Wait();
    EXPECT_EQ(rows.load(), 3000u);
}

// A run that throws while the pool calculates leaves through the destructor,
// which must not return while a slice still touches the caller's rows.
TEST(WorkPool, DestructorWaitsForStartedWork)
{
    std::vector<int> rows(20000, 0);
    {
        TWorkPool pool(3);
        pool.Start(rows.size(), [&](std::size_t begin, std::size_t end) {
            for (std::size_t i = begin; i < end; ++i)
                rows[i] = 1;
        });
    }
    for (int row : rows)
        ASSERT_EQ(row, 1);
}

}  // namespace
}  // namespace fluvara
