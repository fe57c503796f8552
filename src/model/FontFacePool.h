#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

// The face names of fonts, each text held once in the process and shared by
// every font that names it: a plan has a handful of faces but a font in every
// row, schedule and memo. A face is counted by the fonts holding it and goes
// when the last of them does, so reading many files with many faces leaves
// nothing behind. Safe to use from several threads.
class FontFacePool {
public:
    struct Face {
        explicit Face(std::string_view name) : text(name) {}
        const std::string text;
        // Counts above one change without the pool's lock. The step from one
        // to zero and every count taken through Acquire happen under it, so a
        // face is never found again while it is being removed.
        std::atomic<std::size_t> holders{1};
    };

    // The face with that text, counted once more for the caller.
    static Face* Acquire(std::string_view text);
    // One more count for a face the caller already holds.
    static void AddRef(Face* face);
    // Gives back one count; the face goes with its last.
    static void Release(Face* face);
    static const std::string& Text(const Face* face) { return face->text; }
    // How many faces are held now.
    static std::size_t Count();
};

}  // namespace qb
