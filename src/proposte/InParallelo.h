#pragma once
// Work over a range split in a few fixed parts, one thread each: the parts depend on the
// range's length alone, so what each part writes can be joined in order and the result is
// the same whatever the machine.

#include <algorithm>
#include <cstddef>
#include <thread>
#include <vector>

namespace zelvano {

// Runs f(da, a, parte) over parts of [0, n) on a few threads; the parts are fixed by n
// alone, so whatever f writes per part can be joined in order.
template <class F> void InParallelo(std::size_t n, unsigned parti, F&& f) {
    std::vector<std::thread> t;
    for (unsigned k = 1; k < parti; ++k)
        t.emplace_back([&, k] { f(n * k / parti, n * (k + 1) / parti, k); });
    f(0, n / parti, 0);
    for (auto& x : t)
        x.join();
}

// How many parts for n items: one for few, else one per core, at most four.
inline unsigned Parti(std::size_t n) {
    if (n < 4096)
        return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

} // namespace zelvano
