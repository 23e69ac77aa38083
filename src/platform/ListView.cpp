#include "platform/ListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/KeyCodes.h"
#include "platform/RuntimeError.h"

namespace platform {

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setColumnCount(0);
  header()->setStretchLastSection(false);
}

int ListView::Index(const QTreeWidgetItem* item) const {
  return item ? indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) + 1 : 0;
}

QTreeWidgetItem* ListView::Item(int index) const {
  if (index < 1 || index > Count())
    throw RuntimeError(kErrIndexOutOfBounds, QStringLiteral("Indexul este in afara limitelor"),
                       QStringLiteral("ListView"));
  return topLevelItem(index - 1);
}

void ListView::Fill(const QList<QStringList>& rows) {
  clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(rows.size());
  for (const QStringList& row : rows) items.append(new QTreeWidgetItem(row));
  addTopLevelItems(items);
}

void ListView::Remove(int index) {
  QTreeWidgetItem* item = Item(index);
  // Without this the list would make a neighbour current (and selected) by itself.
  setCurrentItem(nullptr);
  clearSelection();
  delete takeTopLevelItem(indexOfTopLevelItem(item));
  setCurrentItem(nullptr);
}

void ListView::EnsureVisibleAndSelect(QTreeWidgetItem* item) {
  scrollToItem(item);
  setCurrentItem(item);
  item->setSelected(true);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit Click();
}

void ListView::keyReleaseEvent(QKeyEvent* event) {
  QTreeWidget::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) emit KeyUp(KeyCode(event->key()), event->modifiers());
}

}  // namespace platform
