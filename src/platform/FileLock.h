#pragma once

#include <cstdint>
#include <string>

#include "IFileOperations.h"

namespace qb {

// The lock that marks an open file as held, and how far it reaches.
//
// The lock is an open-file-description lock over the whole file: a network
// file system carries it to the server as a byte-range lock, and unlike a
// classic record lock it stays until the last descriptor of that open file
// closes, not the first descriptor of the file in this process. Where the
// kernel keeps flock locks apart from byte-range locks (local file systems)
// a flock is taken beside it, so that holders of either kind see each other.
// Where the client turns flock into a byte-range lock itself (NFS, SMB) the
// flock is left out: the description lock already conflicts with a flock
// held elsewhere, and a second lock of our own would only collide with the
// first (SMB counts two locks of one handle as a conflict) or be refused on a
// descriptor opened for reading (NFS wants write access for it).
class FileLock {
public:
    enum class Reach {
        kEveryone,      // every process that can open the file sees the lock
        kNotSupported,  // the file system refused to lock at all
        kThisComputer,  // the lock holds on this computer only
    };
    struct Scope {
        Reach reach = Reach::kEveryone;
        // The file system's name as the system knows it ("fuse", "nfs" ...).
        std::string fileSystem;
        bool Protects() const { return reach == Reach::kEveryone; }
    };

    // statfs type numbers of the file systems named here.
    static constexpr std::uint64_t kNfsMagic = 0x6969;
    static constexpr std::uint64_t kCifsMagic = 0xFF534D42;
    static constexpr std::uint64_t kSmb2Magic = 0xFE534D42;
    static constexpr std::uint64_t kSmbfsMagic = 0x517B;
    static constexpr std::uint64_t kFuseMagic = 0x65735546;
    static constexpr std::uint64_t kCodaMagic = 0x73757245;

    // Locks fd, not waiting. False with errno EWOULDBLOCK when another holder
    // has the file, ESTALE when the file vanished from a network server, or
    // another errno. A file system that cannot lock does not fail: the file
    // is then taken unlocked, and scope says so.
    static bool Take(int fd, IFileOperations& files, Scope& scope);

    // What a file system of this type does with the lock, by type alone.
    static Scope ScopeOfType(std::uint64_t type);
    // The NFS mount option that keeps byte-range locks on this computer
    // ("nolock", "local_lock=posix" or "local_lock=all"); empty for none.
    static std::string NfsLocalLockOption(const std::string& options);
    static std::string NameOfType(std::uint64_t type);
    // Whether the lock call's errno means that no lock can be had here.
    static bool MeansNotSupported(int errnoValue);
};

}  // namespace qb
