#include "ui/viewers/ViewerControls.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>

#include "ui/viewers/FixedRowDelegate.h"

namespace kav::ui {
namespace {

constexpr int kRowHeight = 14;

}  // namespace

QPushButton* ViewerButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  if (hint != nullptr) button->setToolTip(QString::fromUtf8(hint));
  button->setAutoDefault(false);
  return button;
}

QLabel* ColoredLabel(QWidget* parent, const char* name, const QString& caption,
                     const QColor& colour) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

QLabel* PathLabel(QWidget* parent, const char* name, const QColor& colour) {
  QLabel* label = ColoredLabel(parent, name, QString(), colour);
  label->setTextFormat(Qt::PlainText);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->setMinimumWidth(40);
  return label;
}

QLabel* NoteLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->setMinimumWidth(120);
  return label;
}

QFrame* ViewerPanel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return panel;
}

QComboBox* FontSizeBox(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (const char* size : {"8", "9", "10", "11", "12"}) box->addItem(QString::fromLatin1(size));
  box->setCurrentIndex(0);
  box->setMinimumContentsLength(3);
  return box;
}

QFont ReportFont(int points) {
  QFont font(QStringLiteral("Courier New"), points);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

QTreeView* ReportListBox(QWidget* parent, const char* name) {
  auto* list = new QTreeView(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setItemDelegate(new FixedRowDelegate(kRowHeight, list));
  list->setUniformRowHeights(true);
  list->setRootIsDecorated(false);
  list->setItemsExpandable(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  list->setTextElideMode(Qt::ElideNone);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionsClickable(false);
  list->setFont(ReportFont(8));
  return list;
}

void FitReportListColumn(QTreeView* list, int columns) {
  const QFontMetrics metrics(list->font());
  const int rows = metrics.horizontalAdvance(QString(std::max(columns, 1), QLatin1Char('M'))) + 12;
  const QString header = list->model() != nullptr
                             ? list->model()->headerData(0, Qt::Horizontal).toString()
                             : QString();
  const int heading = list->header()->fontMetrics().horizontalAdvance(header) + 16;
  // The one column, and with it the header band, spans the list however wide the list is,
  // and reaches past it to the widest row, which the horizontal scroll bar then brings in.
  list->header()->setStretchLastSection(true);
  list->header()->setMinimumSectionSize(std::max({rows, heading, 200}));
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

}  // namespace kav::ui
