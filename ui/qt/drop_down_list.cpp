// Drop-down list widget: picks only from the list, the arrow keys or the wheel.
#include "ui/qt/drop_down_list.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

namespace zemlox::qt {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // QComboBox would otherwise select an item, and report it as activated,
  // when typed text is completed to it or committed with Enter or by leaving
  // the field while it matches an item: typing would run the click handler.
  setCompleter(nullptr);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void DropDownList::setContents(const std::vector<std::string>& items, const std::string& text) {
  QSignalBlocker block(this);
  QStringList want;
  for (const auto& s : items) want << QString::fromStdString(s);
  QStringList have;
  for (int i = 0; i < count(); ++i) have << itemText(i);
  if (want != have) {
    clear();
    addItems(want);
  }
  const QString shown = QString::fromStdString(text);
  const int item = static_cast<int>(want.indexOf(shown));
  if (item >= 0 && currentIndex() != item) setCurrentIndex(item);
  if (currentText() != shown) setEditText(shown);
}

}  // namespace zemlox::qt
