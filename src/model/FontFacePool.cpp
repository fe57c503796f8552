#include "FontFacePool.h"

#include <mutex>
#include <unordered_map>

namespace qb {

namespace {

struct Pool {
    std::mutex mutex;
    // Keyed by each face's own text, which stays where it is.
    std::unordered_map<std::string_view, FontFacePool::Face*> faces;
};

// Never destroyed: fonts in static objects may give their faces back after
// every other static is gone.
Pool& ThePool() {
    static Pool* pool = new Pool;
    return *pool;
}

}  // namespace

FontFacePool::Face* FontFacePool::Acquire(std::string_view text) {
    Pool& pool = ThePool();
    std::lock_guard lock(pool.mutex);
    auto found = pool.faces.find(text);
    if (found != pool.faces.end()) {
        found->second->holders.fetch_add(1, std::memory_order_relaxed);
        return found->second;
    }
    Face* face = new Face(text);
    pool.faces.emplace(face->text, face);
    return face;
}

void FontFacePool::AddRef(Face* face) {
    face->holders.fetch_add(1, std::memory_order_relaxed);
}

void FontFacePool::Release(Face* face) {
    std::size_t holders = face->holders.load(std::memory_order_relaxed);
    while (holders > 1) {
        if (face->holders.compare_exchange_weak(holders, holders - 1, std::memory_order_acq_rel,
                                                std::memory_order_relaxed))
            return;
    }
    Pool& pool = ThePool();
    std::lock_guard lock(pool.mutex);
    if (face->holders.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    pool.faces.erase(face->text);
    delete face;
}

std::size_t FontFacePool::Count() {
    Pool& pool = ThePool();
    std::lock_guard lock(pool.mutex);
    return pool.faces.size();
}

}  // namespace qb
