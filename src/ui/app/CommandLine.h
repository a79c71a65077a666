#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <string>
#include <vector>

namespace kav::ui {

// kavdrift's own command line: --help, --version and up to two directories (New, Old).
class CommandLine {
 public:
  CommandLine();

  // True when the arguments ask only for --help or --version, which must be answered without
  // opening a display (in a terminal without one, for instance).
  static bool AsksForInfoOnly(const QStringList& arguments);

  // Parses the arguments of a running application; for --help or a faulty command line the
  // parser prints its text and ends the program.
  void Process(const QStringList& arguments);

  bool VersionAsked() const;

  // The New and Old directories given, at most two; further ones are ignored.
  std::vector<std::string> Directories() const;

 private:
  QCommandLineParser parser_;
  QCommandLineOption version_;
};

}  // namespace kav::ui
