#include "support/Unprivileged.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace kav::test {

void RunUnprivileged(const std::function<void()>& body) {
  std::fflush(nullptr);  // the child must not write out the parent's buffered output again
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0) << "fork failed";
  if (pid == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setresgid(NobodyId, NobodyId, NobodyId) != 0 ||
         ::setresuid(NobodyId, NobodyId, NobodyId) != 0)) {
      std::fprintf(stderr, "cannot give up root\n");
      ::_exit(3);
    }
    body();
    std::fflush(nullptr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the unprivileged part failed (status " << status << ")";
}

void OpenToEveryone(const std::string& dir) {
  ASSERT_EQ(::chmod(dir.c_str(), 0755), 0) << dir;
}

}  // namespace kav::test
