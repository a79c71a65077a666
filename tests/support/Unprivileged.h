#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace kav::test {

// The user and group permission tests run as when the tests run as root (as CI does), since
// root reads and writes whatever the permission bits say.
inline constexpr uid_t NobodyId = 65534;

// Runs `body` in a child process that has given up root for NobodyId, when the tests run as
// root; otherwise as the user the tests run as. The body's test assertions count: a failure in
// the child fails the calling test. The files the body uses must be open to that user.
void RunUnprivileged(const std::function<void()>& body);

// Lets every user enter and read the directory (mkdtemp makes it private to its owner).
void OpenToEveryone(const std::string& dir);

}  // namespace kav::test
