#pragma once

#include <chrono>
#include <functional>

namespace qb {

// How long an open keeps trying while another process holds the file: a
// number of attempts and the pause before each further one. The default is
// ten attempts with 100 to 500 ms pauses, about 1 to 5 seconds in all.
struct OpenRetryPolicy {
    using Milliseconds = std::chrono::milliseconds;

    // 100 + r * 400 / 32767 ms with r uniform in 0..32767.
    static Milliseconds RandomWait();
    static void Sleep(Milliseconds wait);

    int attempts = 10;
    std::function<Milliseconds()> nextWait = RandomWait;
    std::function<void(Milliseconds)> sleep = Sleep;
};

}  // namespace qb
