#include "ui/main/TFrmDirLookUp2.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTreeView>
#include <memory>

#include "ui/main/DirBrowser.h"
#include "ui/main/PageWidgets.h"
#include "ui/main/ScreenFit.h"

namespace kav::ui {
namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 368;

std::string Bytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

TFrmDirLookUp2::TFrmDirLookUp2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmDirLookUp2"));
  setWindowTitle(QStringLiteral("Kavdrift  Directory Selection for File Compare"));
  setToolTip(QStringLiteral("File List used only as Dir Reference"));
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  setFont(font);
  setFixedSize(kWidth, kHeight);
  BuildControls();
  browser_ = new DirBrowser(DSDriveComboBox1, DSDirectoryListBox1);
  connect(browser_, &DirBrowser::DirectoryClicked, this,
          [this](const std::string& path) { ShowUsedDir(path); });
  connect(DSUNewDirBut, &QPushButton::clicked, this, &TFrmDirLookUp2::DSUNewDirButClick);
  connect(DSUOldDirBut, &QPushButton::clicked, this, &TFrmDirLookUp2::DSUOldDirButClick);
  connect(DSReturnBut, &QPushButton::clicked, this, &TFrmDirLookUp2::DSReturnButClick);
  connect(DSCancelBut, &QPushButton::clicked, this, &TFrmDirLookUp2::DSCancelButClick);
}

void TFrmDirLookUp2::BuildControls() {
  DSDrLbl = PlaceLabel(this, "DSDrLbl", {8, 11, 40, 18}, "Drive:");
  DSDriveComboBox1 =
      Place<QComboBox>(this, "DSDriveComboBox1", {52, 8, 200, 24}, "Kavdrift Drive Selection");
  DSDirectoryListBox1 = Place<QTreeView>(this, "DSDirectoryListBox1", {8, 38, 244, 190});

  DSGroupBox1 = Place<QGroupBox>(this, "DSGroupBox1", {262, 32, 170, 62});
  DSGroupBox1->setTitle(QStringLiteral("Use As Dir"));
  DSUNewDirBut = PlaceButton(DSGroupBox1, "DSUNewDirBut", {8, 26, 74, 26}, "&New Dir",
                             "Sets New Dir Name for Dir Compare");
  DSUOldDirBut = PlaceButton(DSGroupBox1, "DSUOldDirBut", {88, 26, 74, 26}, "&Old   Dir",
                             "Sets Old Dir Name for Dir Compare");
  DSLblNote = PlaceLabel(this, "DSLblNote", {262, 100, 170, 34},
                         "(Set Dir Names using \"Use As Dir\" Button)");
  DSLblNote->setWordWrap(true);
  DSReturnBut =
      PlaceButton(this, "DSReturnBut", {262, 202, 82, 26}, "    &Return", "Return to Main Panel");
  DSCancelBut = PlaceButton(this, "DSCancelBut", {350, 202, 82, 26}, "    &Cancel",
                            "Restore entry values to Input Directories and return to Main Panel");
  DSReturnBut->setDefault(true);

  DSLblUsedAs = PlaceLabel(this, "DSLblUsedAs", {8, 236, 300, 18}, "Used As Dir Name - New/Old:");
  DSLblDirNm = PlaceLabel(this, "DSLblDirNm", {8, 254, 424, 22}, "",
                          "Highlights Directory for both Dir and File Compare");
  FramePathLabel(DSLblDirNm);
  DSLblReturned = PlaceLabel(this, "DSLblReturned", {8, 284, 300, 18}, "Returned Directories:");
  DSLblInDirN = PlaceLabel(this, "DSLblInDirN", {8, 307, 90, 18}, "New Input Dir:");
  DSInDirN = Place<QLineEdit>(this, "DSInDirN", {100, 304, 332, 24},
                              "New Directory  name returned to previous panel");
  DSLblInDirO = PlaceLabel(this, "DSLblInDirO", {8, 337, 90, 18}, "Old  Input Dir:");
  DSInDirO = Place<QLineEdit>(this, "DSInDirO", {100, 334, 332, 24},
                              "Old Directory  name returned to previous panel");
}

void TFrmDirLookUp2::Prepare(const DirLookUpRequest& request) {
  DSInDirN->setText(request.NewDir);
  DSInDirO->setText(request.OldDir);
  const QString listDir =
      request.ListDir.isEmpty() ? QCoreApplication::applicationDirPath() : request.ListDir;
  browser_->ShowDirectory(Bytes(listDir));
  ShowUsedDir(Bytes(listDir));
  returned_ = false;
}

DirLookUpResult TFrmDirLookUp2::Result() const {
  return {returned_, DSInDirN->text(), DSInDirO->text()};
}

void TFrmDirLookUp2::ShowUsedDir(const std::string& path) {
  usedDir_ = path;
  ShowPathCaption(DSLblDirNm, path, PathCase::AsOnDisk);
}

void TFrmDirLookUp2::DSUNewDirButClick() {
  DSInDirN->setText(QFile::decodeName(QByteArray::fromStdString(usedDir_)));
}

void TFrmDirLookUp2::DSUOldDirButClick() {
  DSInDirO->setText(QFile::decodeName(QByteArray::fromStdString(usedDir_)));
}

void TFrmDirLookUp2::DSReturnButClick() {
  returned_ = true;
  accept();
}

void TFrmDirLookUp2::DSCancelButClick() {
  returned_ = false;
  reject();
}

namespace {

// The dialog the main window created, found from any window it (directly or not) parents.
TFrmDirLookUp2* CreatedDialog(QWidget* parent) {
  for (QWidget* owner = parent; owner != nullptr; owner = owner->parentWidget()) {
    auto* dialog = owner->findChild<TFrmDirLookUp2*>(QString(), Qt::FindDirectChildrenOnly);
    if (dialog != nullptr) return dialog;
  }
  return nullptr;
}

}  // namespace

DirLookUpResult RunDirLookUp(QWidget* parent, const DirLookUpRequest& request) {
  TFrmDirLookUp2* dialog = CreatedDialog(parent);
  std::unique_ptr<TFrmDirLookUp2> own;
  if (dialog == nullptr) {
    own = std::make_unique<TFrmDirLookUp2>(parent);
    dialog = own.get();
  }
  dialog->Prepare(request);
  FitOnScreen(*dialog);
  dialog->exec();
  return dialog->Result();
}

}  // namespace kav::ui
