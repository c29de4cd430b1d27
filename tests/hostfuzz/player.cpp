// Replaying random input on the Qt host. Mouse, touch and key events enter
// Qt where the window system hands them over, so Qt routes them as it would
// a pupil's: to the widget under the pointer or with the focus, to an open
// drop-down first, never to a window a lesson blocks. The wheel, the input
// method's text and the close box are sent as the events Qt makes of them.
// Every event is played from Qt's event loop, and the next one from
// whichever loop runs next, so a lesson runs in its own modal loop as in
// the program.
#include "tests/hostfuzz/player.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QInputMethodEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <cstdio>
#include <map>
#include <set>

#include "app/frmMain.h"
#include "tests/fuzz/invariants.h"
#include "tests/fuzz/program.h"
#include "tests/hostfuzz/list_rules.h"

namespace hostfuzz {
namespace {

constexpr std::size_t kRecent = 30;

struct Stroke {
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  const char* text;
};

// The engine's key names as Qt delivers them.
const Stroke& strokeOf(const std::string& name) {
  static const std::map<std::string, Stroke> k = {
      {"Enter", {Qt::Key_Return, Qt::NoModifier, "\r"}},
      {"Escape", {Qt::Key_Escape, Qt::NoModifier, "\x1b"}},
      {"Tab", {Qt::Key_Tab, Qt::NoModifier, "\t"}},
      {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier, ""}},
      {"Up", {Qt::Key_Up, Qt::NoModifier, ""}},
      {"Down", {Qt::Key_Down, Qt::NoModifier, ""}},
      {"Left", {Qt::Key_Left, Qt::NoModifier, ""}},
      {"Right", {Qt::Key_Right, Qt::NoModifier, ""}},
      {"PageUp", {Qt::Key_PageUp, Qt::NoModifier, ""}},
      {"PageDown", {Qt::Key_PageDown, Qt::NoModifier, ""}},
      {"Home", {Qt::Key_Home, Qt::NoModifier, ""}},
      {"End", {Qt::Key_End, Qt::NoModifier, ""}},
      {"Space", {Qt::Key_Space, Qt::NoModifier, " "}},
      {"Backspace", {Qt::Key_Backspace, Qt::NoModifier, "\b"}},
      {"Delete", {Qt::Key_Delete, Qt::NoModifier, "\x7f"}},
      {"F4", {Qt::Key_F4, Qt::NoModifier, ""}},
      {"Alt+Down", {Qt::Key_Down, Qt::AltModifier, ""}},
      {"Alt+Up", {Qt::Key_Up, Qt::AltModifier, ""}},
      {"Ctrl+A", {Qt::Key_A, Qt::ControlModifier, "\x01"}},
      {"Ctrl+Z", {Qt::Key_Z, Qt::ControlModifier, "\x1a"}},
      {"Ctrl++", {Qt::Key_Plus, Qt::ControlModifier, "+"}},
      {"Ctrl+=", {Qt::Key_Equal, Qt::ControlModifier, "="}},
      {"Ctrl+-", {Qt::Key_Minus, Qt::ControlModifier, "-"}},
      {"Ctrl+0", {Qt::Key_0, Qt::ControlModifier, "0"}},
  };
  return k.at(name);
}

bool isArrow(Qt::Key k) {
  return k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown ||
         k == Qt::Key_Home || k == Qt::Key_End;
}

Qt::MouseButton buttonOf(int buttons) {
  return buttons & 1 ? Qt::LeftButton : buttons & 2 ? Qt::RightButton : Qt::MiddleButton;
}

// Mouse timestamps run on across runs in one process, and every release is
// followed by a long pause, so that no two clicks make a double click.
int nextTimestamp(int step) {
  static int t = 0;
  t += step;
  return t;
}

QPointingDevice* touchScreen() {
  static QPointingDevice* d = QTest::createTouchDevice();
  return d;
}

// The Qt host with the windows' timers ticked by the sequence alone (the
// program's clock never runs), so a seed replays the same on any machine.
class ShownHost : public zemlox::qt::QtHost {
 public:
  using QtHost::QtHost;
  // The fuzz alone ticks the timers: no frame runs the clock, and check()
  // applies what each event changed.
  void wantFrame() override {}
};

class Player {
 public:
  Player(const std::vector<ui::RandomEvent>& events, bool echo, fuzz::RunResult& r)
      : events_(events), echo_(echo), r_(r), input_(p_.app()) {
    p_.showOn(&host_);
    input_.rare = [this](const ui::Control& c) { return &c == &p_.menu().Command9; };
    next_.setSingleShot(true);
    next_.setInterval(0);
    QObject::connect(&next_, &QTimer::timeout, [this] { step(); });
  }

  void run() {
    nextTimestamp(1000);
    next_.start();
    loop_.exec();
    // Windows unloaded at the end are deleted once control is back here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private:
  // One step: the check of the event before, then the next event, with the
  // next step scheduled before the event is played.
  void step() {
    if (done_) return;
    if (pending_) {
      pending_ = false;
      if (!check(whatPending_)) return finish();
    }
    if (index_ == events_.size()) return finish();
    if (p_.ended()) {
      begin(nullptr, ui::InputKind::Count, "program start");
      p_.start();
      ++r_.starts;
      next_.start();
      return;
    }
    const ui::RandomEvent& e = events_[index_++];
    ++r_.events;
    next_.start();
    play(input_.resolve(e));
  }

  void finish() {
    done_ = true;
    next_.stop();
    ui::Application& app = p_.app();
    while (app.formCount() > 0) app.form(app.formCount() - 1).unload();
    loop_.quit();
  }

  // Starts an event: what the rules need to know about it.
  void begin(ui::Form* target, ui::InputKind kind, const std::string& what) {
    step_ = fuzz::Step{};
    step_.target = target;
    step_.kind = kind;
    step_.lessonBefore = p_.lesson();
    step_.formsBefore = p_.app().formCount();
    picks_.clear();
    // A click, a key or the wheel may pick in an open drop-down.
    if (kind <= ui::InputKind::Wheel && kind != ui::InputKind::Text)
      if (const ui::ComboBox* open = openList()) picks_.insert(open);
    whatPending_ = what;
    pending_ = true;
    number_ = index_ == 0 ? 0 : index_ - 1;
    if (echo_) {
      std::printf("%zu: %s\n", number_, what.c_str());
      std::fflush(stdout);
    }
  }

  bool check(const std::string& what) {
    host_.applyChanges();
    std::string line = std::to_string(number_) + ": " + what;
    if (recent_.empty() || recent_.back() != line) recent_.push_back(std::move(line));  // once for many ticks
    if (recent_.size() > kRecent) recent_.erase(recent_.begin());
    step_.control = p_.clicked.empty() ? nullptr : p_.clicked.back();
    fuzz::Faults faults = fuzz::checkAll(p_, step_);
    checkLists(p_, host_, picks_, faults);
    r_.picks += p_.listClicks.size();
    r_.pages += p_.pages.size();
    p_.forget();
    if (faults.empty()) return true;
    r_.ok = false;
    r_.fault = faults.front();
    r_.failedAt = number_;
    r_.log = recent_;
    return false;
  }

  // --- what is on the screen

  zemlox::qt::FormWidget* widgetOf(const ui::Form* f) { return f ? host_.widget(*f) : nullptr; }

  // The window of the program a top-level widget belongs to (a drop-down
  // belongs to the window of its list).
  ui::Form* formOf(QWidget* w) {
    for (; w; w = w->parentWidget())
      if (auto* fw = dynamic_cast<zemlox::qt::FormWidget*>(w)) return fw->form();
    return nullptr;
  }

  // Whether an open lesson keeps input from this window (not from its own
  // drop-downs).
  static bool blocked(QWidget* top) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    for (QWidget* w = top; w; w = w->parentWidget())
      if (w == modal) return false;
    return true;
  }

  const ui::ComboBox* listOf(QWidget* w) {
    for (; w; w = w->parentWidget()) {
      if (!qobject_cast<QComboBox*>(w)) continue;
      ui::Form* f = formOf(w);
      zemlox::qt::FormWidget* fw = widgetOf(f);
      if (!fw) return nullptr;
      for (ui::Control* c : f->controls())
        if (fw->widgetFor(*c) == w) return static_cast<const ui::ComboBox*>(c);
      return nullptr;
    }
    return nullptr;
  }

  // The list whose drop-down is open, if any.
  const ui::ComboBox* openList() {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? listOf(popup->parentWidget()) : nullptr;
  }

  // A point in twips of the input's area in its window's pixels, whatever
  // the zoom: the twips scaled by the area widget's size.
  QPointF pixels(const ui::PupilInput& in, float x, float y) {
    zemlox::qt::FormWidget* fw = widgetOf(in.form);
    QWidget* area = fw;
    if (auto* box = dynamic_cast<ui::Control*>(in.area); box && fw) area = fw->widgetFor(*box);
    if (!area || !in.area || in.area->areaWidth() <= 0 || in.area->areaHeight() <= 0) return {};
    return area->mapTo(fw, QPointF(double(x) * area->width() / in.area->areaWidth(),
                                   double(y) * area->height() / in.area->areaHeight()));
  }

  // --- delivering

  bool interrupted(std::size_t at) const { return done_ || index_ != at; }

  void mouse(QWindow* w, QPointF at, Qt::MouseButtons held, Qt::MouseButton button, QEvent::Type type) {
    const int t = nextTimestamp(type == QEvent::MouseButtonRelease ? 2000 : 16);
    qt_handleMouseEvent(w, at, w->mapToGlobal(at), held, button, type, Qt::NoModifier, t);
  }

  // A press, moves to `to` and a release; without a button, the moves alone.
  void stroke(QWidget* top, QPointF from, QPointF to, Qt::MouseButton button, int moves) {
    const std::size_t at0 = index_;
    QPointer<QWindow> w = top ? top->windowHandle() : nullptr;
    if (!w) return;
    mouse(w, from, Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
    if (!w || interrupted(at0)) return;
    if (button != Qt::NoButton) mouse(w, from, button, button, QEvent::MouseButtonPress);
    for (int i = 1; i <= moves && w && !interrupted(at0); ++i)
      mouse(w, from + (to - from) * (i / double(moves)), button, Qt::NoButton, QEvent::MouseMove);
    if (w && !interrupted(at0) && button != Qt::NoButton)
      mouse(w, to, Qt::NoButton, button, QEvent::MouseButtonRelease);
  }

  // The window keys go to: the active one. The offscreen platform leaves
  // the keyboard focus on a drop-down once it has closed, where a window
  // system hands it back to the window underneath; so does this.
  QWidget* keyWindow() {
    if (QWindow* w = QGuiApplication::focusWindow(); w && w->isVisible())
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == w) return top;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    const auto& forms = p_.app().forms();
    return forms.empty() ? nullptr : widgetOf(forms.back());
  }

  void giveBackFocus() {
    if (QWindow* w = QGuiApplication::focusWindow(); w && !w->isVisible())
      if (QWidget* top = keyWindow()) top->activateWindow();
  }

  void key(QWidget* top, Qt::Key k, Qt::KeyboardModifiers mods, const QString& text) {
    QPointer<QWindow> w = top ? top->windowHandle() : nullptr;
    if (!w) return;
    const std::size_t at0 = index_;
    qt_handleKeyEvent(w, QEvent::KeyPress, k, mods, text);
    if (w && !interrupted(at0)) qt_handleKeyEvent(w, QEvent::KeyRelease, k, mods, text);
  }

  // --- the events

  void play(const ui::PupilInput& in) {
    giveBackFocus();
    QWidget* top = widgetOf(in.form);
    const std::string what = in.describe();
    switch (in.kind) {
      case ui::InputKind::Button:
      case ui::InputKind::Control:
      case ui::InputKind::Pointer: {
        begin(in.form, in.kind, what);
        if (!in.area) return;
        const QPointF at = pixels(in, in.x, in.y);
        const bool drag = in.kind == ui::InputKind::Pointer && in.action == ui::PointerAction::Drag;
        const bool move = in.kind == ui::InputKind::Pointer && in.action == ui::PointerAction::Move;
        return stroke(top, at, drag || move ? pixels(in, in.x2, in.y2) : at,
                      move ? Qt::NoButton : buttonOf(in.buttons), drag || move ? 3 : 0);
      }
      case ui::InputKind::Touch: return touch(top, in, what);
      case ui::InputKind::Key:
      case ui::InputKind::Zoom: return pressKey(in);
      case ui::InputKind::Text: return type(in, what);
      case ui::InputKind::Pick: return pick(top, in, what);
      case ui::InputKind::Wheel: return wheel(top, in, what);
      case ui::InputKind::Focus: return focus(top, in, what);
      case ui::InputKind::Tick: return tick(in, what);
      case ui::InputKind::LateTick: return lateTick(in);
      case ui::InputKind::CloseBox:
        begin(in.form, in.kind, what);
        // Qt passes no close to a window a lesson blocks.
        if (top && !blocked(top)) top->close();
        return;
      case ui::InputKind::Count: return;
    }
  }

  void touch(QWidget* top, const ui::PupilInput& in, const std::string& what) {
    begin(in.form, in.kind, what);
    QPointer<QWindow> w = top ? top->windowHandle() : nullptr;
    if (!w || blocked(top)) return;
    const QPoint from = pixels(in, in.x, in.y).toPoint();
    const QPoint to = in.action == ui::PointerAction::Drag ? pixels(in, in.x2, in.y2).toPoint() : from;
    const std::size_t at0 = index_;
    QTest::touchEvent(w, touchScreen()).press(0, from, w);
    if (w && !interrupted(at0) && to != from) QTest::touchEvent(w, touchScreen()).move(0, to, w);
    if (w && !interrupted(at0)) QTest::touchEvent(w, touchScreen()).release(0, to, w);
  }

  void pressKey(const ui::PupilInput& in) {
    QWidget* top = keyWindow();
    ui::Form* target = formOf(top);
    begin(target, in.kind, (target ? "「" + target->style().caption + "」" : "no window") + ": key " + in.key);
    const Stroke& k = strokeOf(in.key);
    if (isArrow(k.key) && top)
      if (const ui::ComboBox* focused = listOf(top->focusWidget())) picks_.insert(focused);
    key(top, k.key, k.mods, QString::fromUtf8(k.text));
  }

  void type(const ui::PupilInput& in, const std::string& what) {
    QWidget* top = keyWindow();
    begin(formOf(top), in.kind, what);
    // Qt's widgets take at most a few hundred characters a keystroke.
    const QString text = QString::fromUtf8(in.text.data(), static_cast<qsizetype>(in.text.size())).left(300);
    if (!in.value) return key(top, Qt::Key_unknown, Qt::NoModifier, text);
    QWidget* focus = top ? top->focusWidget() : nullptr;
    if (!focus || !focus->testAttribute(Qt::WA_InputMethodEnabled)) return;
    QInputMethodEvent ev;
    ev.setCommitString(text);
    QCoreApplication::sendEvent(focus, &ev);
  }

  // An item of the open drop-down clicked, or the list clicked to open it.
  void pick(QWidget* top, const ui::PupilInput& in, const std::string& what) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      ui::Form* owner = formOf(popup);
      begin(owner ? owner : in.form, in.kind, what + " in the open drop-down");
      QPointF at(2, 2);
      if (auto* view = popup->findChild<QAbstractItemView*>(); view && view->model()) {
        const int rows = view->model()->rowCount();
        if (const int row = (in.value + 1) % (rows + 1); row < rows)
          at = view->viewport()->mapTo(popup, QPointF(view->visualRect(view->model()->index(row, 0)).center()));
      }
      return stroke(popup, at, at, Qt::LeftButton, 0);
    }
    begin(in.form, in.kind, what);
    if (in.control) stroke(top, pixels(in, in.x, in.y), pixels(in, in.x, in.y), Qt::LeftButton, 0);
  }

  void wheel(QWidget* top, const ui::PupilInput& in, const std::string& what) {
    begin(in.form, in.kind, what);
    if (QWidget* popup = QApplication::activePopupWidget()) top = popup;
    if (!top || blocked(top)) return;
    const QPointF at = top == widgetOf(in.form) ? pixels(in, in.x, in.y) : QPointF(2, 2);
    QWidget* under = top->childAt(at.toPoint());
    if (!under) under = top;
    if (const ui::ComboBox* list = listOf(under)) picks_.insert(list);
    QWheelEvent ev(under->mapFrom(top, at), top->mapToGlobal(at), QPoint(), QPoint(0, in.value > 0 ? -120 : 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&ev);
    QApplication::sendEvent(under, &ev);
  }

  void focus(QWidget* top, const ui::PupilInput& in, const std::string& what) {
    begin(in.form, in.kind, what);
    if (!top) return;
    if (in.value == 0) return top->activateWindow();
    if (in.value == 2) {
      if (QWidget* has = QApplication::focusWidget()) has->clearFocus();
      return;
    }
    QWidget* w = in.control ? widgetOf(in.form)->widgetFor(*in.control) : nullptr;
    if (w && !blocked(top) && w->isVisible() && w->isEnabled()) w->setFocus(Qt::OtherFocusReason);
  }

  void tick(const ui::PupilInput& in, const std::string& what) {
    begin(in.form, in.kind, what);
    if (!in.timer) return;
    pending_ = false;
    step_.tick = true;
    for (int i = 0; i < in.value && in.form->loaded(); ++i) {
      in.timer->tick();
      ++r_.ticks;
      if (!check(what)) return finish();
    }
    step_.tick = false;
    pending_ = true;
  }

  void lateTick(const ui::PupilInput& in) {
    auto [w, t] = p_.unloadedTimer(static_cast<std::size_t>(in.value));
    begin(nullptr, in.kind, w ? "「" + w->style().caption + "」 (unloaded): late tick of " + t->name() : "no late tick");
    step_.tick = true;
    if (t) t->tick();
  }

  fuzz::Program p_;
  ShownHost host_{p_.app()};
  const std::vector<ui::RandomEvent>& events_;
  bool echo_;
  fuzz::RunResult& r_;
  ui::RandomInput input_;
  QEventLoop loop_;
  QTimer next_;
  std::size_t index_ = 0;   // the next event to play
  std::size_t number_ = 0;  // the event being played or checked
  bool done_ = false;
  // The event played and not yet checked, and what the rules need of it.
  bool pending_ = false;
  std::string whatPending_;
  fuzz::Step step_;
  std::set<const ui::ComboBox*> picks_;
  std::vector<std::string> recent_;
};

}  // namespace

fuzz::RunResult run(const std::vector<ui::RandomEvent>& events, bool echo) {
  fuzz::RunResult r;
  Player player(events, echo, r);
  player.run();
  return r;
}

}  // namespace hostfuzz
