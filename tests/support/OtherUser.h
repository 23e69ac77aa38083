#pragma once
// Runs a piece of a test in a child process that the file modes bind: as the user nobody
// when the tests run as root, who may read and write anywhere. What the piece says comes
// back as its text.

#include <functional>
#include <string>

namespace testsupport {

// Runs fn in the child and returns what it returned ("no user" when the child could not
// become nobody, "exception: ..." when fn threw). fn may call pause() once: the child then waits while `meanwhile` runs
// here, in this process and as this user (another desk that acts in the meantime).
std::string InChildBoundByFileModes(const std::function<std::string(const std::function<void()>& pause)>& fn,
                                    const std::function<void()>& meanwhile = {});

}  // namespace testsupport
