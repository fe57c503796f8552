#include "OpenRetryPolicy.h"

#include <unistd.h>

#include <random>
#include <thread>

namespace qb {

OpenRetryPolicy::Milliseconds OpenRetryPolicy::RandomWait() {
    // Reseeded in every process (a forked child would otherwise repeat its
    // parent's waits), so processes that collide once do not keep colliding
    // in step.
    static thread_local pid_t seededIn = 0;
    static thread_local std::minstd_rand engine;
    if (seededIn != ::getpid()) {
        seededIn = ::getpid();
        engine.seed(std::random_device{}());
    }
    std::uniform_int_distribution<int> r(0, 32767);
    return Milliseconds(100 + r(engine) * 400 / 32767);
}

void OpenRetryPolicy::Sleep(Milliseconds wait) {
    std::this_thread::sleep_for(wait);
}

}  // namespace qb
