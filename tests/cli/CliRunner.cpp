#include "CliRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#ifndef KAVDRIFT_CLI_PATH
#error "KAVDRIFT_CLI_PATH must name the kavdrift-cli binary"
#endif

namespace kav::test {
namespace {

// An unnamed temporary file that collects one output stream of the child.
class Capture {
 public:
  Capture() : file_(std::tmpfile()) {
    if (file_ == nullptr) throw std::runtime_error("tmpfile failed");
  }
  ~Capture() { std::fclose(file_); }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  int Fd() const { return fileno(file_); }
  std::string Text() const {
    std::string text;
    std::rewind(file_);
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) text.append(buffer, n);
    return text;
  }

 private:
  std::FILE* file_;
};

}  // namespace

CliResult RunCli(const std::vector<std::string>& args,
                 const std::function<void(pid_t)>& whileRunning, const std::string& workingDir) {
  Capture out;
  Capture err;
  std::vector<char*> argv;
  std::string program = KAVDRIFT_CLI_PATH;
  argv.push_back(program.data());
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(out.Fd(), STDOUT_FILENO);
    dup2(err.Fd(), STDERR_FILENO);
    setenv("LC_ALL", "C", 1);
    if (!workingDir.empty() && chdir(workingDir.c_str()) != 0) _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (whileRunning) whileRunning(pid);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  CliResult result;
  if (WIFEXITED(status)) result.ExitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
  result.Out = out.Text();
  result.Err = err.Text();
  return result;
}

bool WaitUntilCatchingSigint(pid_t pid) {
  const std::string statusPath = "/proc/" + std::to_string(pid) + "/status";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream status(statusPath);
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("SigCgt:", 0) != 0) continue;
      const unsigned long long caught = std::strtoull(line.c_str() + 7, nullptr, 16);
      if (caught & (1ULL << (SIGINT - 1))) return true;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  return false;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace kav::test
