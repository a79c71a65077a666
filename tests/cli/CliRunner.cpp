#include "CliRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "support/Unprivileged.h"

#ifndef KAVDRIFT_CLI_PATH
#error "KAVDRIFT_CLI_PATH must name the kavdrift-cli binary"
#endif
#ifndef KAVDRIFT_FAILSYS_PATH
#error "KAVDRIFT_FAILSYS_PATH must name the fault library"
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
  CliSetup setup;
  setup.WorkingDir = workingDir;
  return RunCli(args, setup, whileRunning);
}

CliResult RunCli(const std::vector<std::string>& args, const CliSetup& setup,
                 const std::function<void(pid_t)>& whileRunning) {
  Capture out;
  Capture err;
  std::vector<std::string> words;
  if (setup.Unprivileged && ::geteuid() == 0) {
    const std::string id = std::to_string(NobodyId);
    words = {"/usr/bin/setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups", "--"};
  }
  words.push_back(KAVDRIFT_CLI_PATH);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(out.Fd(), STDOUT_FILENO);
    dup2(err.Fd(), STDERR_FILENO);
    setenv("LC_ALL", "C", 1);
    for (const auto& [name, value] : setup.Env) setenv(name.c_str(), value.c_str(), 1);
    if (setup.WithFailSys) {
      setenv("LD_PRELOAD", KAVDRIFT_FAILSYS_PATH, 1);
      setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);  // a sanitized build still runs
    }
    if (!setup.WorkingDir.empty() && chdir(setup.WorkingDir.c_str()) != 0) _exit(126);
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

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string WithoutStamp(const std::string& text) {
  static const std::regex stamp("[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}");
  return std::regex_replace(text, stamp, "<stamp>");
}

}  // namespace kav::test
