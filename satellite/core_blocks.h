// Work on independent items shared out over the machine's cores: the range is cut
// into one block per core (none shorter than minBlock, so a few items stay on the
// calling thread), each block runs on a thread of its own and the call returns when
// every block is done.
#pragma once

#include <cstddef>
#include <functional>

void ForBlocksOnEveryCore(std::size_t first, std::size_t end, std::size_t minBlock,
                          const std::function<void(std::size_t from, std::size_t to)>& work);
