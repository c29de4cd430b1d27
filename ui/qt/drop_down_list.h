// The widget of an editable drop-down list. Only a pick selects an item and
// reaches the window layer as a click: an item chosen in the open list
// (activated), or a step of the arrow keys or, on the focused list, the
// wheel, whose item the window layer chooses (onStep). Typed text, Enter,
// Escape and leaving the field only change the text. The list shows the focus by its text cursor
// alone, as in the browser: the style draws no focus frame.
#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

namespace zemlox::qt {

class DropDownList : public QComboBox {
 public:
  explicit DropDownList(QWidget* parent);
  // Shows the items and the text the window holds, without signals, with
  // `selected` (the window layer's selected item, or -1) as the current
  // item the open list highlights.
  void setContents(const std::vector<std::string>& items, const std::string& text, int selected);
  // Up (-1) or down (+1) one item, by an arrow key or a wheel notch.
  std::function<void(int)> onStep;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
};

}  // namespace zemlox::qt
