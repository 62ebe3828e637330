#include "satellite/core_blocks.h"

#include <algorithm>
#include <thread>
#include <vector>

void ForBlocksOnEveryCore(std::size_t first, std::size_t end, std::size_t minBlock,
                          const std::function<void(std::size_t from, std::size_t to)>& work) {
    if (first >= end) return;
    const std::size_t items = end - first;
    const std::size_t blocks = std::clamp<std::size_t>(
        std::thread::hardware_concurrency(), 1, 1 + items / std::max<std::size_t>(minBlock, 1));
    std::vector<std::thread> threads;
    threads.reserve(blocks - 1);
    for (std::size_t b = 1; b < blocks; ++b)
        threads.emplace_back(work, first + items * b / blocks, first + items * (b + 1) / blocks);
    work(first, first + items / blocks);
    for (std::thread& thread : threads) thread.join();
}
