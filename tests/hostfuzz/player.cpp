// Playing host fuzz events. Mouse and key events enter Qt where the window
// system hands them over, so Qt routes them as it would a pupil's: to the
// widget under the pointer or with the focus, to an open drop-down first,
// never to a window a lesson blocks. The wheel, the input method's text and
// the close box are sent as the events Qt makes of them. Every event is
// played from Qt's event loop, and the next one from whichever loop runs
// next, so a lesson runs in its own modal loop as in the program.
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
#include <optional>
#include <set>
#include <sstream>

#include "app/frmMain.h"
#include "tests/fuzz/events.h"
#include "tests/fuzz/invariants.h"
#include "tests/fuzz/program.h"
#include "tests/hostfuzz/list_rules.h"
#include "tests/hostfuzz/shown_host.h"

namespace hostfuzz {
namespace {

constexpr std::size_t kRecent = 30;

struct Stroke {
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  const char* text;
  const char* name;
};

const std::vector<Stroke>& keys() {
  static const std::vector<Stroke> k = {
      {Qt::Key_Return, Qt::NoModifier, "\r", "Return"},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", "Enter"},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", "Escape"},
      {Qt::Key_Tab, Qt::NoModifier, "\t", "Tab"},
      {Qt::Key_Backtab, Qt::ShiftModifier, "", "Shift+Tab"},
      {Qt::Key_Up, Qt::NoModifier, "", "Up"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_Left, Qt::NoModifier, "", "Left"},
      {Qt::Key_Right, Qt::NoModifier, "", "Right"},
      {Qt::Key_PageUp, Qt::NoModifier, "", "PageUp"},
      {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
      {Qt::Key_Home, Qt::NoModifier, "", "Home"},
      {Qt::Key_End, Qt::NoModifier, "", "End"},
      {Qt::Key_Space, Qt::NoModifier, " ", "Space"},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", "Backspace"},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", "Delete"},
      {Qt::Key_F4, Qt::NoModifier, "", "F4"},
      {Qt::Key_Down, Qt::AltModifier, "", "Alt+Down"},
      {Qt::Key_Up, Qt::AltModifier, "", "Alt+Up"},
      {Qt::Key_A, Qt::ControlModifier, "\x01", "Ctrl+A"},
      {Qt::Key_Z, Qt::ControlModifier, "\x1a", "Ctrl+Z"},
  };
  return k;
}

// Ctrl+0 twice as often as each of the others keeps most of a run near
// the usual size.
const std::vector<Stroke>& zoomKeys() {
  static const std::vector<Stroke> k = {
      {Qt::Key_Plus, Qt::ControlModifier, "+", "Ctrl++"},
      {Qt::Key_Equal, Qt::ControlModifier, "=", "Ctrl+="},
      {Qt::Key_Minus, Qt::ControlModifier, "-", "Ctrl+-"},
      {Qt::Key_0, Qt::ControlModifier, "0", "Ctrl+0"},
      {Qt::Key_0, Qt::ControlModifier, "0", "Ctrl+0"},
  };
  return k;
}

bool isArrow(Qt::Key k) {
  return k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown ||
         k == Qt::Key_Home || k == Qt::Key_End;
}

const std::vector<QString>& texts() {
  static const std::vector<QString> t = {
      QStringLiteral("大"), QStringLiteral("中"), QStringLiteral("小"), QStringLiteral("速"),
      QStringLiteral("遅"), QStringLiteral(" 大"), QStringLiteral("大 "), QStringLiteral("中中"),
      QStringLiteral("地震"), QStringLiteral("ｼﾐｭﾚｰｼｮﾝ"), QStringLiteral("🌋🌊"), QStringLiteral("a"),
      QStringLiteral("1"), QStringLiteral("-1"), QString(300, QLatin1Char('W'))};
  return t;
}

double fraction(std::uint16_t v) { return v / 65536.0; }

// Mouse timestamps run on across runs in one process, and every release is
// followed by a long pause, so that no two clicks make a double click.
int nextTimestamp(int step) {
  static int t = 0;
  t += step;
  return t;
}

class Player {
 public:
  Player(const std::vector<Event>& events, bool echo, fuzz::RunResult& r) : events_(events), echo_(echo), r_(r) {
    p_.showOn(&host_);
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
      begin(nullptr, fuzz::Kind::MenuButton, "program start");
      p_.start();
      ++r_.starts;
      next_.start();
      return;
    }
    const Event& e = events_[index_++];
    ++r_.events;
    next_.start();
    play(e);
  }

  void finish() {
    done_ = true;
    next_.stop();
    ui::Application& app = p_.app();
    while (app.formCount() > 0) app.form(app.formCount() - 1).unload();
    loop_.quit();
  }

  // Starts an event: what the rules need to know about it.
  void begin(ui::Form* target, fuzz::Kind kind, const std::string& what) {
    step_ = fuzz::Step{};
    step_.target = target;
    step_.lessonBefore = p_.lesson();
    step_.formsBefore = p_.app().formCount();
    shim_.kind = kind;
    picks_.clear();
    whatPending_ = what;
    pending_ = true;
    number_ = index_ == 0 ? 0 : index_ - 1;
    if (echo_) {
      std::printf("%zu: %s\n", number_, what.c_str());
      std::fflush(stdout);
    }
  }

  bool check(const std::string& what) {
    // What the event changed, shown as a frame would show it.
    host_.applyChanges();
    std::string line = std::to_string(number_) + ": " + what;
    if (recent_.empty() || recent_.back() != line) recent_.push_back(std::move(line));  // once for many ticks
    if (recent_.size() > kRecent) recent_.erase(recent_.begin());
    step_.event = &shim_;
    step_.control = host_.clicked.empty() ? nullptr : host_.clicked.back();
    fuzz::Faults faults = fuzz::checkAll(p_, step_);
    checkLists(p_, host_, picks_, faults);
    r_.picks += host_.listClicks.size();
    r_.pages += p_.pages.size();
    p_.forget();
    host_.forget();
    if (faults.empty()) return true;
    r_.ok = false;
    r_.fault = faults.front();
    r_.failedAt = number_;
    r_.log = recent_;
    return false;
  }

  // --- what is on the screen

  zemlox::qt::FormWidget* widgetOf(ui::Form* f) { return f ? host_.widget(*f) : nullptr; }

  // The window of the program a top-level widget belongs to (a drop-down
  // belongs to the window of its list).
  ui::Form* formOf(QWidget* w) {
    for (; w; w = w->parentWidget())
      if (auto* fw = dynamic_cast<zemlox::qt::FormWidget*>(w)) return fw->form();
    return nullptr;
  }

  ui::Form* formOf(QWindow* w) {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->windowHandle() == w) return formOf(top);
    return nullptr;
  }

  // Whether an open lesson keeps input from this window (not from its own
  // drop-downs).
  bool blocked(QWidget* top) const { return host_.blockerOf(top) != nullptr; }

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

  // A point of a control in its window's pixels, whatever the scale: the
  // control's twips scaled by its container widget's size.
  std::optional<QPointF> pointOn(ui::Form& f, const ui::Control& c, const Event& e) {
    zemlox::qt::FormWidget* fw = widgetOf(&f);
    ui::Container* box = c.container();
    if (!fw || !box) return std::nullopt;
    QWidget* area = fw;
    if (auto* boxControl = dynamic_cast<ui::Control*>(box)) area = fw->widgetFor(*boxControl);
    if (!area || box->areaWidth() <= 0 || box->areaHeight() <= 0) return std::nullopt;
    const ui::RectF b = c.bounds();
    const double x = (b.left + fraction(e.x) * b.width) * area->width() / box->areaWidth();
    const double y = (b.top + fraction(e.y) * b.height) * area->height() / box->areaHeight();
    return area->mapTo(fw, QPointF(x, y));
  }

  static QPointF pointIn(QWidget* w, std::uint16_t x, std::uint16_t y) {
    return {fraction(x) * w->width(), fraction(y) * w->height()};
  }

  // --- delivering

  bool interrupted(std::size_t at) const { return done_ || index_ != at; }

  void mouse(QWindow* w, QPointF at, Qt::MouseButtons held, Qt::MouseButton button, QEvent::Type type) {
    const int t = nextTimestamp(type == QEvent::MouseButtonRelease ? 2000 : 16);
    qt_handleMouseEvent(w, at, w->mapToGlobal(at), held, button, type, Qt::NoModifier, t);
  }

  void click(QWidget* top, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    const std::size_t at0 = index_;
    QPointer<QWindow> w = top->windowHandle();
    if (!w) return;
    mouse(w, at, Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
    if (!w || interrupted(at0)) return;
    mouse(w, at, button, button, QEvent::MouseButtonPress);
    if (!w || interrupted(at0)) return;
    mouse(w, at, Qt::NoButton, button, QEvent::MouseButtonRelease);
  }

  // The window keys go to: the active one. The offscreen platform leaves
  // the keyboard focus on a drop-down once it has closed, where a window
  // system hands it back to the window underneath; so does this.
  QWidget* keyWindow() {
    if (QWindow* w = QGuiApplication::focusWindow(); w && w->isVisible())
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == w) return top;
    if (ui::Form* f = p_.app().inputWindow()) return widgetOf(f);
    const auto& forms = p_.app().forms();
    return forms.empty() ? nullptr : widgetOf(forms.back());
  }

  void giveBackFocus() {
    if (QWindow* w = QGuiApplication::focusWindow(); w && !w->isVisible())
      if (QWidget* top = keyWindow()) top->activateWindow();
  }

  void key(QWidget* top, Qt::Key k, Qt::KeyboardModifiers mods, const QString& text) {
    if (!top) return;
    QPointer<QWindow> w = top->windowHandle();
    if (!w) return;
    const std::size_t at0 = index_;
    qt_handleKeyEvent(w, QEvent::KeyPress, k, mods, text);
    if (w && !interrupted(at0)) qt_handleKeyEvent(w, QEvent::KeyRelease, k, mods, text);
  }

  // --- the events

  void play(const Event& e) {
    giveBackFocus();
    const auto& forms = p_.app().forms();
    ui::Form* f = e.window < 6 ? forms.back() : forms[(e.target >> 8) % forms.size()];
    // At the idle menu the pupil's next move is mostly opening a lesson.
    if (f == &p_.menu() && !p_.lesson() && e.window < 5 && e.act != Act::CloseBox) return menuButton(e);
    switch (e.act) {
      case Act::ClickButton: return clickButton(*f, e);
      case Act::ClickControl: return clickControl(*f, e);
      case Act::Click: return clickAt(*f, e, Qt::LeftButton);
      case Act::Move: return move(*f, e);
      case Act::Drag: return drag(*f, e);
      case Act::OtherClick: return clickAt(*f, e, e.arg % 2 ? Qt::RightButton : Qt::MiddleButton);
      case Act::Key: return pressKey(keys()[e.target % keys().size()], "key");
      case Act::Text: return type(e);
      case Act::Wheel: return wheel(*f, e);
      case Act::Focus: return focus(*f, e);
      case Act::Zoom: return pressKey(zoomKeys()[e.target % zoomKeys().size()], "zoom");
      case Act::Tick: return tick(*f, e);
      case Act::ListItem: return listItem(*f, e);
      case Act::CloseBox: return closeBox(*f, e);
      case Act::Count: break;
    }
  }

  static std::string caption(const ui::Form& f) { return "「" + f.style().caption + "」"; }
  static std::string nameOf(const ui::Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
  }
  static std::string point(QPointF p) {
    std::ostringstream s;
    s << "(" << p.x() << ", " << p.y() << ")";
    return s.str();
  }

  // Ending the program is kept rare, so that most runs reach deep into the
  // lessons.
  static bool rarely(const Event& e) { return e.arg % 8 == 0; }

  void menuButton(const Event& e) {
    app::frmMain& menu = p_.menu();
    std::vector<ui::Button*> buttons{&menu.Command1, &menu.Command2, &menu.Command3, &menu.Command4,
                                     &menu.Command5, &menu.Command6};
    if (rarely(e) && e.target % 4 == 0) buttons = {&menu.Command9};
    ui::Button* b = buttons[e.target % buttons.size()];
    const auto at = pointOn(menu, *b, e);
    if (!at) return begin(&menu, fuzz::Kind::MenuButton, "menu: no button");
    begin(&menu, fuzz::Kind::MenuButton, "menu: click " + nameOf(*b) + " (" + b->caption() + ")");
    click(widgetOf(&menu), *at);
  }

  void clickButton(ui::Form& f, const Event& e) {
    std::vector<ui::Control*> shown;
    for (ui::Control* c : f.controls())
      if (c->kind() == ui::ControlKind::Button && c->visible()) shown.push_back(c);
    if (shown.empty()) return clickControl(f, e);
    ui::Control* c = shown[e.target % shown.size()];
    if (&f == &p_.menu() && c == &p_.menu().Command9 && !rarely(e)) return clickControl(f, e);
    const auto at = pointOn(f, *c, e);
    if (!at) return clickControl(f, e);
    begin(&f, fuzz::Kind::Mouse, caption(f) + ": click " + nameOf(*c) + " (" +
                                     static_cast<ui::Button*>(c)->caption() + ")");
    if (const ui::ComboBox* open = openList()) picks_.insert(open);
    click(widgetOf(&f), *at);
  }

  void clickControl(ui::Form& f, const Event& e) {
    const auto& controls = f.controls();
    if (controls.empty()) return clickAt(f, e, Qt::LeftButton);
    ui::Control* c = controls[e.target % controls.size()];
    if (&f == &p_.menu() && c == &p_.menu().Command9 && !rarely(e)) c = &p_.menu().Command1;
    const auto at = pointOn(f, *c, e);
    if (!at) return clickAt(f, e, Qt::LeftButton);
    begin(&f, fuzz::Kind::Mouse, caption(f) + ": click " + nameOf(*c) + (c->visible() ? "" : " (hidden)") +
                                     " at " + point(*at));
    if (const ui::ComboBox* open = openList()) picks_.insert(open);
    click(widgetOf(&f), *at);
  }

  void clickAt(ui::Form& f, const Event& e, Qt::MouseButton button) {
    zemlox::qt::FormWidget* w = widgetOf(&f);
    if (!w) return begin(&f, fuzz::Kind::Mouse, "no widget");
    const QPointF at = pointIn(w, e.x, e.y);
    const char* name = button == Qt::LeftButton ? "click" : button == Qt::RightButton ? "right click" : "middle click";
    begin(&f, fuzz::Kind::Mouse, caption(f) + ": " + name + " at " + point(at));
    if (const ui::ComboBox* open = openList()) picks_.insert(open);
    click(w, at, button);
  }

  void move(ui::Form& f, const Event& e) {
    zemlox::qt::FormWidget* w = widgetOf(&f);
    if (!w) return begin(&f, fuzz::Kind::Mouse, "no widget");
    const QPointF from = pointIn(w, e.x, e.y), to = pointIn(w, e.x2, e.y2);
    begin(&f, fuzz::Kind::Mouse, caption(f) + ": move " + point(from) + " to " + point(to));
    const std::size_t at0 = index_;
    QPointer<QWindow> win = w->windowHandle();
    for (int i = 0; i <= 3 && win && !interrupted(at0); ++i)
      mouse(win, from + (to - from) * (i / 3.0), Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
  }

  void drag(ui::Form& f, const Event& e) {
    zemlox::qt::FormWidget* w = widgetOf(&f);
    if (!w) return begin(&f, fuzz::Kind::Mouse, "no widget");
    const QPointF from = pointIn(w, e.x, e.y), to = pointIn(w, e.x2, e.y2);
    begin(&f, fuzz::Kind::Mouse, caption(f) + ": drag " + point(from) + " to " + point(to));
    if (const ui::ComboBox* open = openList()) picks_.insert(open);
    const std::size_t at0 = index_;
    QPointer<QWindow> win = w->windowHandle();
    if (!win) return;
    mouse(win, from, Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
    if (!win || interrupted(at0)) return;
    mouse(win, from, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    for (int i = 1; i <= 3 && win && !interrupted(at0); ++i)
      mouse(win, from + (to - from) * (i / 3.0), Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
    if (win && !interrupted(at0)) mouse(win, to, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
  }

  std::string keyPrefix(QWidget* top, ui::Form*& target) {
    target = formOf(top);
    return target ? caption(*target) : std::string("no window");
  }

  void pressKey(const Stroke& k, const char* kind) {
    QWidget* top = keyWindow();
    ui::Form* target = nullptr;
    const std::string prefix = keyPrefix(top, target);
    begin(target, fuzz::Kind::Mouse, prefix + ": " + kind + " " + k.name);
    if (const ui::ComboBox* open = openList())
      picks_.insert(open);
    else if (isArrow(k.key) && top)
      if (const ui::ComboBox* focused = listOf(top->focusWidget())) picks_.insert(focused);
    key(top, k.key, k.mods, QString::fromUtf8(k.text));
  }

  void type(const Event& e) {
    const QString& text = texts()[e.target % texts().size()];
    QWidget* top = keyWindow();
    ui::Form* target = nullptr;
    const std::string prefix = keyPrefix(top, target);
    const bool commit = e.arg % 3 == 0;
    begin(target, fuzz::Kind::Type,
          prefix + ": type \"" + text.left(8).toStdString() + "\"" + (commit ? " (input method)" : ""));
    if (!commit) return key(top, Qt::Key_unknown, Qt::NoModifier, text);
    QWidget* focus = top ? top->focusWidget() : nullptr;
    if (!focus || !focus->testAttribute(Qt::WA_InputMethodEnabled)) return;
    QInputMethodEvent ev;
    ev.setCommitString(text);
    QCoreApplication::sendEvent(focus, &ev);
  }

  void wheel(ui::Form& f, const Event& e) {
    QWidget* top = QApplication::activePopupWidget();
    if (!top) top = widgetOf(&f);
    if (!top) return begin(&f, fuzz::Kind::Mouse, "no widget");
    const QPointF at = pointIn(top, e.x, e.y);
    const bool up = e.arg % 2;
    begin(&f, fuzz::Kind::Mouse, caption(f) + ": wheel " + (up ? "up" : "down") + " at " + point(at));
    if (blocked(top)) return;
    QWidget* under = top->childAt(at.toPoint());
    if (!under) under = top;
    if (const ui::ComboBox* open = openList()) picks_.insert(open);
    if (const ui::ComboBox* list = listOf(under)) picks_.insert(list);
    QWheelEvent ev(under->mapFrom(top, at), top->mapToGlobal(at), QPoint(), QPoint(0, up ? 120 : -120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&ev);
    QApplication::sendEvent(under, &ev);
  }

  void focus(ui::Form& f, const Event& e) {
    zemlox::qt::FormWidget* w = widgetOf(&f);
    if (!w) return begin(&f, fuzz::Kind::Mouse, "no widget");
    switch (e.arg % 3) {
      case 0:
        begin(&f, fuzz::Kind::Mouse, caption(f) + ": window activated");
        w->activateWindow();
        return;
      case 1: {
        std::vector<QWidget*> can;
        for (QWidget* c : w->findChildren<QWidget*>())
          if ((c->focusPolicy() & Qt::TabFocus) && c->isVisible() && c->isEnabled()) can.push_back(c);
        begin(&f, fuzz::Kind::Mouse, caption(f) + ": focus given to a widget");
        if (can.empty() || blocked(w)) return;
        can[e.target % can.size()]->setFocus(Qt::OtherFocusReason);
        return;
      }
      default:
        begin(&f, fuzz::Kind::Mouse, caption(f) + ": focus taken away");
        if (QWidget* has = QApplication::focusWidget()) has->clearFocus();
        return;
    }
  }

  void tick(ui::Form& f, const Event& e) {
    if (f.timers().empty()) return begin(&f, fuzz::Kind::Tick, caption(f) + ": time passes");
    ui::Timer* t = f.timers()[e.target % f.timers().size()];
    const int n = fuzz::tickCount(e.arg);
    const std::string what = caption(f) + ": " + std::to_string(n) + " tick(s) of " + t->name() +
                             (t->enabled() ? "" : " (disabled)");
    begin(&f, fuzz::Kind::Tick, what);
    pending_ = false;
    step_.tick = true;
    for (int i = 0; i < n && f.loaded(); ++i) {
      t->tick();
      ++r_.ticks;
      if (!check(what)) return finish();
    }
    step_.tick = false;
    pending_ = true;
  }

  void listItem(ui::Form& f, const Event& e) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      QPointF at = pointIn(popup, e.x, e.y);
      std::string what = "in the open drop-down";
      if (auto* view = popup->findChild<QAbstractItemView*>(); view && view->model()) {
        const int rows = view->model()->rowCount();
        if (const int row = e.arg % (rows + 1); row < rows) {
          at = view->viewport()->mapTo(popup, QPointF(view->visualRect(view->model()->index(row, 0)).center()));
          what = "on item " + std::to_string(row) + " of the open drop-down";
        }
      }
      ui::Form* owner = formOf(popup);
      begin(owner ? owner : &f, fuzz::Kind::Mouse, caption(owner ? *owner : f) + ": click " + what);
      if (const ui::ComboBox* open = openList()) picks_.insert(open);
      return click(popup, at);
    }
    std::vector<ui::ComboBox*> lists;
    for (ui::Control* c : f.controls())
      if (c->kind() == ui::ControlKind::ComboBox) lists.push_back(static_cast<ui::ComboBox*>(c));
    if (lists.empty()) return clickControl(f, e);
    ui::ComboBox* list = lists[e.target % lists.size()];
    QWidget* combo = widgetOf(&f)->widgetFor(*list);
    if (!combo) return clickControl(f, e);
    // Mostly on the arrow, which opens the drop-down; now and then on the text.
    const double x = e.arg % 4 ? 0.8 + 0.2 * fraction(e.x) : fraction(e.x);
    const QPointF at = combo->mapTo(widgetOf(&f), QPointF(x * combo->width(), fraction(e.y) * combo->height()));
    begin(&f, fuzz::Kind::Mouse, caption(f) + ": click on list " + nameOf(*list) + " at " + point(at));
    click(widgetOf(&f), at);
  }

  void closeBox(ui::Form& f, const Event& e) {
    if (&f == &p_.menu() && !rarely(e)) return tick(f, e);
    begin(&f, fuzz::Kind::CloseBox, caption(f) + ": close box");
    zemlox::qt::FormWidget* w = widgetOf(&f);
    if (!w) return;  // a window a lesson blocks takes no close either
    w->close();
  }

  fuzz::Program p_;
  ShownHost host_{p_.app()};
  const std::vector<Event>& events_;
  bool echo_;
  fuzz::RunResult& r_;
  QEventLoop loop_;
  QTimer next_;
  std::size_t index_ = 0;   // the next event to play
  std::size_t number_ = 0;  // the event being played or checked
  bool done_ = false;
  // The event played and not yet checked, and what the rules need of it.
  bool pending_ = false;
  std::string whatPending_;
  fuzz::Event shim_;
  fuzz::Step step_;
  std::set<const ui::ComboBox*> picks_;
  std::vector<std::string> recent_;
};

}  // namespace

fuzz::RunResult run(const std::vector<Event>& events, bool echo) {
  fuzz::RunResult r;
  Player player(events, echo, r);
  player.run();
  return r;
}

}  // namespace hostfuzz
