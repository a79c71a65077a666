// kavdrift: the desktop program.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <clocale>
#include <cstdio>

#include "core/CompareTypes.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/SettingsPath.h"
#include "ui/app/CommandLine.h"
#include "ui/main/QtText.h"
#include "ui/main/TFrmMain.h"

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// Answers --help or --version; needs no display, so a plain core application does.
int PrintInfo(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("kavdrift");
  kav::ui::CommandLine commandLine;
  commandLine.Process(QCoreApplication::arguments());
  if (commandLine.VersionAsked()) {
    // The same line as kavdrift-cli --version.
    std::printf("%.*s\n", static_cast<int>(kav::VersionText.size()), kav::VersionText.data());
  }
  return 0;
}

QIcon ProgramIcon() {
  QIcon icon;
  icon.addFile(":/icons/kavdrift-48.png");
  icon.addFile(":/icons/kavdrift-256.png");
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (kav::ui::CommandLine::AsksForInfoOnly(ArgumentsOf(argc, argv))) return PrintInfo(argc, argv);

  QApplication app(argc, argv);
  std::setlocale(LC_ALL, "");
  QApplication::setApplicationName(kav::ui::ToQt(kav::ApplicationTitle));
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName("kavdrift");
  // QApplication has taken its own options out of the arguments; what is left is ours.
  kav::ui::CommandLine commandLine;
  commandLine.Process(QCoreApplication::arguments());

  kav::ui::MainWindowSetup setup;
  setup.ExeDir = kav::ProgramFolder();
  setup.SettingsPath = kav::SettingsFilePath(setup.ExeDir);
  setup.Arguments = commandLine.Directories();
  setup.Locale = kav::ReadProcessLocale();
  setup.StartStamp = kav::StartStampNow(setup.Locale.Date);
  setup.Fs = &kav::RealFileSystem();

  // The main window creates the others when it starts.
  kav::ui::TFrmMain main(std::move(setup));
  main.show();
  return QApplication::exec();
}
