#include "ui/main/DirBrowser.h"

#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTreeView>

#include "text/Format.h"
#include "ui/main/logic/DirSelectRules.h"

namespace kav::ui {
namespace {

QString Decoded(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string Encoded(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

StringList MountedRoots() {
  StringList roots{"/"};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) roots.push_back(Encoded(volume.rootPath()));
  }
  return DriveRoots(std::move(roots));
}

// A parent directory of `path` (or `path` itself) ends where `path` has a '/'.
bool IsAncestorOrSelf(const QString& candidate, const QString& path) {
  if (!path.startsWith(candidate)) return false;
  return candidate.endsWith('/') || path.size() == candidate.size() ||
         path.at(candidate.size()) == '/';
}

}  // namespace

// Keeps the chosen root the only entry at the list's top: the root's parent directories (which
// the list's top stands on) and everything below the root pass, the root's siblings do not.
class DirTreeFilter : public QSortFilterProxyModel {
 public:
  explicit DirTreeFilter(QObject* parent) : QSortFilterProxyModel(parent) {}

  void SetRoot(const QString& root) {
    root_ = root;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* model = static_cast<const QFileSystemModel*>(sourceModel());
    const QString path = model->filePath(model->index(row, 0, parent));
    return IsAncestorOrSelf(path, root_) || IsAncestorOrSelf(root_, path);
  }

 private:
  QString root_ = QStringLiteral("/");
};

DirBrowser::DirBrowser(QComboBox* drives, QTreeView* list)
    : QObject(list),
      drives_box_(drives),
      list_(list),
      model_(new QFileSystemModel(this)),
      filter_(new DirTreeFilter(this)),
      drives_(MountedRoots()) {
  model_->setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot);
  model_->setReadOnly(true);
  filter_->setSourceModel(model_);
  filter_->setSortCaseSensitivity(Qt::CaseInsensitive);
  filter_->sort(0);
  list_->setModel(filter_);
  list_->setHeaderHidden(true);
  list_->setIndentation(14);
  for (int column = 1; column < model_->columnCount(); ++column) list_->hideColumn(column);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(false);

  for (const std::string& root : drives_)
    drives_box_->addItem(Decoded(root), QByteArray::fromStdString(root));
  connect(drives_box_, &QComboBox::activated, this, [this](int index) {
    ShowDrive(drives_box_->itemData(index).toByteArray().toStdString());
  });
  for (auto signal : {&QAbstractItemView::pressed, &QAbstractItemView::clicked,
                      &QAbstractItemView::doubleClicked}) {
    connect(list_, signal, this,
            [this](const QModelIndex& index) { emit DirectoryClicked(PathAt(index)); });
  }
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this] {
    // Directories above the shown one fill in later and push it down: keep it in view until
    // the user picks another one.
    if (!SelectPending() && following_) KeepInView(list_->currentIndex());
  });
  connect(list_, &QAbstractItemView::pressed, this, [this] { following_ = false; });
  ShowDrive(drives_.front());
}

void DirBrowser::ShowDrive(const std::string& root) {
  const QString path = Decoded(root);
  const int item = drives_box_->findData(QByteArray::fromStdString(root));
  if (item >= 0) drives_box_->setCurrentIndex(item);
  filter_->SetRoot(path);
  model_->setRootPath(path);
  const QModelIndex top = filter_->mapFromSource(model_->index(path));
  list_->setRootIndex(top.parent());
  list_->expand(top);
  pending_ = path;
  SelectPending();
}

void DirBrowser::ShowDirectory(const std::string& path) {
  const std::string drive = DriveOf(drives_, path);
  if (drives_box_->currentData().toByteArray().toStdString() != drive) ShowDrive(drive);
  pending_ = Decoded(path);
  SelectPending();
}

bool DirBrowser::SelectPending() {
  if (pending_.isEmpty()) return false;
  const QModelIndex index = filter_->mapFromSource(model_->index(pending_));
  if (!index.isValid()) return false;
  list_->setCurrentIndex(index);
  list_->expand(index);
  KeepInView(index);
  pending_.clear();
  following_ = true;
  return true;
}

// The row in the middle of the list, its name starting a few levels of indentation from the
// left edge, so that its parent directories still show.
void DirBrowser::KeepInView(const QModelIndex& index) {
  list_->scrollTo(index, QAbstractItemView::PositionAtCenter);
  QScrollBar* across = list_->horizontalScrollBar();
  const int left = list_->visualRect(index).left() - 2 * list_->indentation();
  across->setValue(across->value() + left);
}

std::string DirBrowser::CurrentDirectory() const {
  const QModelIndex index = list_->currentIndex();
  return index.isValid() ? PathAt(index) : std::string();
}

std::string DirBrowser::PathAt(const QModelIndex& index) const {
  return Encoded(model_->filePath(filter_->mapToSource(index)));
}

void FramePathLabel(QLabel* label) {
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Base);
  label->setTextFormat(Qt::PlainText);
}

void ShowPathCaption(QLabel* label, const std::string& path, PathCase shownCase) {
  const QString text = Decoded(shownCase == PathCase::Lower ? ToLower(path) : path);
  const int room = label->contentsRect().width() - 2 * label->margin() - 4;
  label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, room));
}

}  // namespace kav::ui
