// kavdrift-cli's standard output: a write that fails (a full disk, a closed descriptor) is
// trouble, said on standard error, never a silently cut report.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "support/TempTree.h"

namespace kav::test {
namespace {

// Runs kavdrift-cli in `dir` with standard output on `outPath`, or closed when it is null,
// and returns its exit status and standard error. A `sizeLimit` makes writes fail past that
// many bytes, as a disk that fills up in the middle of a report would.
CliResult RunWithStdout(const std::vector<std::string>& args, const char* outPath,
                        const std::string& dir, rlim_t sizeLimit) {
  std::FILE* err = std::tmpfile();
  std::vector<std::string> copies = args;
  copies.insert(copies.begin(), KAVDRIFT_CLI_PATH);
  std::vector<char*> argv;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    ::close(STDOUT_FILENO);
    if (outPath != nullptr && ::open(outPath, O_WRONLY | O_CREAT, 0600) != STDOUT_FILENO) {
      _exit(126);
    }
    const struct rlimit limit = {sizeLimit, RLIM_INFINITY};
    ::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
    ::dup2(fileno(err), STDERR_FILENO);
    ::setenv("LC_ALL", "C", 1);
    if (::chdir(dir.c_str()) != 0) _exit(126);
    ::execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  CliResult result;
  result.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::rewind(err);
  char buffer[4096];
  for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, err)) > 0;) {
    result.Err.append(buffer, n);
  }
  std::fclose(err);
  return result;
}

TEST(CliOutput, AFailedWriteIsTroubleAndSaysWhy) {
  TempTree tree;
  // Enough rows that the report fills the output buffer several times over.
  for (int i = 0; i < 1200; ++i) {
    const std::string name = "/a-file-with-a-rather-long-name-" + std::to_string(i) + ".txt";
    tree.File("new" + name, "x");
    tree.File("old" + name, "x");
  }
  const std::string full = "kavdrift-cli: write error: No space left on device\n";
  const std::string closed = "kavdrift-cli: write error: Bad file descriptor\n";
  const std::string cut = tree.Path("cut.txt");
  struct Case {
    std::vector<std::string> Args;
    const char* OutPath;
    std::string WriteError;
    rlim_t SizeLimit = RLIM_INFINITY;
  } cases[] = {
      {{"--version"}, "/dev/full", full},
      {{"--version"}, nullptr, closed},
      {{"--help"}, "/dev/full", full},
      {{"-t", "5", "new", "old"}, "/dev/full", full},
      {{"-t", "5", "new", "old"}, nullptr, closed},
      {{"-t", "1", "new", "old"}, "/dev/full", full},
      {{"-t", "2", "-o", "Lsbs", "new", "old"}, nullptr, closed},
      {{"-t", "5", "new", "old"},
       cut.c_str(),
       "kavdrift-cli: write error: File too large\n",
       30000},
  };
  for (const Case& c : cases) {
    const CliResult normal = RunCli(c.Args, {}, tree.Root());
    ASSERT_NE(normal.ExitStatus, 2) << c.Args[0] << normal.Err;
    ASSERT_FALSE(normal.Out.empty());
    const CliResult failed = RunWithStdout(c.Args, c.OutPath, tree.Root(), c.SizeLimit);
    EXPECT_EQ(failed.Err, c.WriteError) << c.Args[0];
    EXPECT_EQ(failed.ExitStatus, 2) << c.Args[0];
  }
}

}  // namespace
}  // namespace kav::test
