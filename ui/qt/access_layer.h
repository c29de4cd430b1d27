// Keys and assistive technology in one window widget: the tab chain in the
// window layer's order, a focusable item over each painted target (the focus
// rectangle, keys passed to ui/), a named item over every painted label as
// each frame changes it, names for the widgets the layout names, and
// announcements.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/window_scene.h"
#include "ui/qt/painted_item.h"

namespace zemlox::qt {

class FormWidget;

class AccessLayer : public QObject {
 public:
  AccessLayer(FormWidget& window, ui::Form& form);
  ~AccessLayer() override;
  AccessLayer(const AccessLayer&) = delete;
  AccessLayer& operator=(const AccessLayer&) = delete;

  // A frame's changes to the items over labels.
  void apply(const std::vector<ui::ItemChange>& changes);
  void announce(const std::string& text);
  PaintedItem* itemFor(const ui::Control& c) const;
  // `c` is being hidden with `w`, its widget: where the window's focus is on
  // it, the focus goes where the window layer hands it on.
  void handOnFocus(const ui::Control& c, QWidget* w);
  void handOnFocus(QWidget* w, const ui::Control* next);

 protected:
  // Enter clicks a focused button, as Space does.
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void chainTabOrder();
  // The widget that takes the focus for a control: its own or its item.
  QWidget* focusWidgetFor(const ui::Control* c) const;

  FormWidget& window_;
  ui::Form& form_;
  std::vector<QPointer<PaintedItem>> items_;
  QHash<QObject*, ui::Control*> buttons_;
  QPointer<QWidget> announcer_;
};

}  // namespace zemlox::qt
