// kavdrift: the desktop program.
#include <QApplication>
#include <clocale>

#include "core/CompareTypes.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/SettingsPath.h"
#include "ui/main/QtText.h"
#include "ui/main/TFrmMain.h"
#include "ui/viewers/TFrmVSingle.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_ALL, "");
  QApplication::setApplicationName(kav::ui::ToQt(kav::ApplicationTitle));

  kav::ui::MainWindowSetup setup;
  setup.ExeDir = kav::ProgramFolder();
  setup.SettingsPath = kav::SettingsFilePath(setup.ExeDir);
  // QApplication has taken its own options out of argv; what is left is NEW and OLD.
  for (int i = 1; i < argc && i <= 2; ++i) setup.Arguments.emplace_back(argv[i]);
  setup.Locale = kav::ReadProcessLocale();
  setup.StartStamp = kav::StartStampNow(setup.Locale.Date);
  setup.Fs = &kav::RealFileSystem();

  // The windows in their creation order; those of later versions join here.
  kav::ui::TFrmMain main(std::move(setup));
  auto* single = new kav::ui::TFrmVSingle(main.State(), &main);
  main.SetSingleViewer(single);
  main.show();
  return QApplication::exec();
}
