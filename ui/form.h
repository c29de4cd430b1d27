// The base of every window. A window class declares its controls as members
// and builds them from its layout in design(); load() builds them and runs
// Form_Load, unload() runs Form_Unload, stops the timers and discards the
// controls while the fields keep their values. One instance per class lives
// for the whole run.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/color.h"
#include "ui/control.h"
#include "ui/controls.h"
#include "ui/keyboard.h"
#include "ui/pixel_buffer.h"
#include "ui/surface.h"
#include "ui/timer.h"

namespace ui {

// The host's view of one loaded window: told what to repaint or update.
class WindowScene;

class FormView {
 public:
  virtual ~FormView() = default;
  // Area of a container (its own coordinates) that must be repainted.
  virtual void invalidate(const Container& c, const RectF& r) = 0;
  // A widget control changed caption, text, items or visibility.
  virtual void widgetChanged(const Control& c) = 0;
  virtual void inputEnabledChanged() = 0;
  // A short text for assistive technology to speak without moving the focus.
  virtual void announce(const std::string&) {}
  // What assistive technology is told of a label (its name, place or
  // whether it is shown) may have changed. Only such changes are sent: a
  // tick that moves lines sends none.
  virtual void accessChanged(const Control&) {}
};

struct WindowStyle {
  std::string caption;
  float clientWidth = 0, clientHeight = 0;  // twips
  Color backColor = sys::ButtonFace;
  bool showInTaskbar = true;
};

class Form : public Container {
 public:
  Form(Application& app, WindowStyle style);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& app() const { return app_; }
  const WindowStyle& style() const { return style_; }
  // What a browser tab names the open window by, where the caption says
  // something else.
  const std::string& pageTitle() const { return pageTitle_.empty() ? style_.caption : pageTitle_; }
  void setPageTitle(std::string t) { pageTitle_ = std::move(t); }
  // A window may grow or shrink between two loads, never while loaded.
  void setClientSize(float width, float height);
  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }
  // False while a modal window it owns is open.
  bool inputEnabled() const { return inputEnabled_; }
  bool acceptsInput() const { return loaded_ && visible_ && inputEnabled_; }
  Form* modalOwner() const { return modalOwner_; }

  void load();
  void show();
  // Shows this window over the owner and returns at once; the owner takes
  // no input until this window is unloaded.
  void showModal(Form& owner);
  void unload();
  // The title-bar close box: unloads, as the windows' own close buttons do;
  // nothing while a modal window it owns is open, as for any other input.
  void closeBox() { if (loaded_ && inputEnabled_) unload(); }

  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }
  // Every control and timer of the loaded window, in build order.
  const std::vector<Control*>& controls() const { return all_; }
  const std::vector<Timer*>& timers() const { return timers_; }

  // Keys, tab order and accessible names of the loaded window.
  Keyboard& keyboard() { return keyboard_; }
  const Keyboard& keyboard() const { return keyboard_; }
  // Tells assistive technology something happened (a pick-up, the end of a run).
  void announce(const std::string& text);
  const std::string& lastAnnouncement() const { return lastAnnouncement_; }

  void setView(FormView* v) { view_ = v; }
  FormView* view() const { return view_; }
  // What a host shows of the window while it is loaded: made at load where
  // the program has a host, on first use here where it has none (the image
  // host of tests); gone at unload.
  WindowScene* scene() const { return scene_.get(); }
  WindowScene& makeScene(ByteOrder order);

  Form* owningForm() const override { return const_cast<Form*>(this); }
  float originX() const override { return 0; }
  float originY() const override { return 0; }
  float areaWidth() const override { return style_.clientWidth; }
  float areaHeight() const override { return style_.clientHeight; }

  // Layout building, for design() and the layout helpers it calls.
  // Builds one control of the layout afresh, in z-order: later ones on top.
  template <class T>
  T& add(T& c, const std::string& name, RectF r, Container* parent = nullptr, int index = -1) {
    c = T();
    place(c, name, r, parent, index);
    return c;
  }
  Line& addLine(Line& l, const std::string& name, float x1, float y1, float x2, float y2,
                Container* parent = nullptr, int index = -1);
  Timer& addTimer(Timer& t, const std::string& name, int interval, bool enabled);

 protected:
  virtual void design() = 0;
  virtual void Form_Load() {}
  virtual void Form_Unload() {}

 private:
  void place(Control& c, const std::string& name, RectF r, Container* parent, int index);
  void setInputEnabled(bool e);

  Application& app_;
  WindowStyle style_;
  bool loaded_ = false;
  bool visible_ = false;
  bool inputEnabled_ = true;
  bool unloading_ = false;
  Form* modalOwner_ = nullptr;
  Surface surface_;
  std::vector<Control*> all_;
  std::vector<Timer*> timers_;
  FormView* view_ = nullptr;
  std::unique_ptr<WindowScene> scene_;
  Keyboard keyboard_{*this};
  std::string lastAnnouncement_;
  std::string pageTitle_;
};

}  // namespace ui
