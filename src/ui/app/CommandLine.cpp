#include "ui/app/CommandLine.h"

namespace kav::ui {

CommandLine::CommandLine()
    : version_(QStringList{"v", "version"}, "Displays version information.") {
  parser_.setApplicationDescription(
      "Compares the directory NEW with the directory OLD on a binary basis.");
  parser_.addHelpOption();
  parser_.addOption(version_);
  parser_.addPositionalArgument("NEW", "The New directory, shown in the main panel.", "[NEW");
  parser_.addPositionalArgument("OLD", "The Old directory, shown in the main panel.", "[OLD]]");
}

bool CommandLine::AsksForInfoOnly(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    if (arg == "--") return false;
    if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
        arg == "--version") {
      return true;
    }
  }
  return false;
}

void CommandLine::Process(const QStringList& arguments) {
  parser_.process(arguments);
}

bool CommandLine::VersionAsked() const {
  return parser_.isSet(version_);
}

std::vector<std::string> CommandLine::Directories() const {
  std::vector<std::string> directories;
  for (const QString& directory : parser_.positionalArguments()) {
    if (directories.size() == 2) break;
    directories.push_back(directory.toStdString());
  }
  return directories;
}

}  // namespace kav::ui
