#pragma once

namespace qb::cli {

// Ends a command's process at once. A command that has written its output
// has nothing left to do with the project it loaded: taking a plan of 100k
// schedules apart object by object would only add to the wait. Buffered
// output is flushed first; files the command wrote must be closed already.
class ProcessExit {
public:
    [[noreturn]] static void Now(int status);
};

}  // namespace qb::cli
