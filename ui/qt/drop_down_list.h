// The widget of an editable drop-down list. Only a pick selects an item and
// reaches the window layer as a click (activated): an item chosen in the open
// list, or the arrow keys and the wheel stepping to another item. Typed text,
// Enter, Escape and leaving the field only change the text.
#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace zemlox::qt {

class DropDownList : public QComboBox {
 public:
  explicit DropDownList(QWidget* parent);
  // Shows the items and the text the window holds, without signals. When
  // the text is an item, that item is the selected one, so the open list
  // highlights it and the arrow keys step on from it.
  void setContents(const std::vector<std::string>& items, const std::string& text);
};

}  // namespace zemlox::qt
