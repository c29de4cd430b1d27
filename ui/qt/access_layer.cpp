// The tab chain, accessible roles and names, the items over painted labels
// kept where their labels are, and announcements for the Qt host.
#include "ui/qt/access_layer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>
#include <utility>

#include "ui/qt/container_widgets.h"
#include "ui/qt/convert.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/form_widget.h"
#include "ui/qt/pixel_grid.h"

namespace zemlox::qt {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Says something without taking the focus: a notification whose name is the
// latest announcement.
class Announcer : public QWidget {
 public:
  explicit Announcer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
  }
};

// Roles for what the host paints rather than builds from Qt's own widgets.
QAccessibleInterface* roleFactory(const QString&, QObject* o) {
  if (auto* item = dynamic_cast<PaintedItem*>(o))
    return new QAccessibleWidget(item, item->target() ? QAccessible::Button : QAccessible::StaticText);
  if (auto* picture = dynamic_cast<PictureWidget*>(o)) return new QAccessibleWidget(picture, QAccessible::Canvas);
  if (auto* a = dynamic_cast<Announcer*>(o)) return new QAccessibleWidget(a, QAccessible::Notification);
  return nullptr;
}

// Where an item stands in its container widget: on the label, placed as the
// window places its widgets.
QRect itemRect(const FormWidget& w, const ui::Label& l) { return toQRect(PixelGrid{w.zoom()}.rect(l.bounds())); }

}  // namespace

AccessLayer::AccessLayer(FormWidget& window, ui::Form& form) : window_(window), form_(form) {
  static const bool installed = [] {
    QAccessible::installFactory(roleFactory);
    return true;
  }();
  (void)installed;
  const ui::Keyboard& keys = form.keyboard();
  for (ui::Control* c : form.controls()) {
    if (c->kind() == ui::ControlKind::Label) {
      QWidget* parent = window.containerWidget(*c->container());
      if (parent) items_.emplace_back(new PaintedItem(static_cast<ui::Label&>(*c), keys.isTarget(*c), parent));
    } else if (QWidget* w = window.widgetFor(*c)) {
      if (!c->accessibleName().empty()) {
        w->setAccessibleName(qs(c->accessibleName()));
        // On Linux a list is read by its text; the name goes on the field that takes the focus.
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
          combo->lineEdit()->setAccessibleName(qs(c->accessibleName()));
      }
      if (c->kind() == ui::ControlKind::Button) {
        buttons_.insert(w, c);
        w->installEventFilter(this);
      }
    }
  }
  announcer_ = new Announcer(&window);
  window.installEventFilter(this);  // a new size is a new scale for the items
  chainTabOrder();
  sync();
}

AccessLayer::~AccessLayer() {
  // A key on an item may be what unloads the window: the items go once it returns.
  // Hiding a focused item hands the focus on: no item may reach ui/ by then.
  for (const QPointer<PaintedItem>& item : items_)
    if (item) item->detach();
  for (const QPointer<PaintedItem>& item : items_) {
    if (!item) continue;
    item->hide();
    item->deleteLater();
  }
  for (QObject* b : buttons_.keys()) b->removeEventFilter(this);
  window_.removeEventFilter(this);
  if (announcer_) announcer_->deleteLater();
}

PaintedItem* AccessLayer::itemFor(const ui::Control& c) const {
  for (const QPointer<PaintedItem>& item : items_)
    if (item && item->label() == &c) return item;
  return nullptr;
}

QWidget* AccessLayer::focusWidgetFor(const ui::Control* c) const {
  if (!c) return nullptr;
  if (QWidget* w = window_.widgetFor(*c)) return w;
  return itemFor(*c);
}

void AccessLayer::chainTabOrder() {
  QWidget* prev = nullptr;
  for (ui::Control* c : form_.keyboard().tabOrder()) {
    QWidget* w = focusWidgetFor(c);
    if (!w) continue;
    if (prev) QWidget::setTabOrder(prev, w);
    prev = w;
  }
  // The window opens with the focus where the window layer puts it.
  if (QWidget* w = focusWidgetFor(form_.keyboard().first())) w->setFocus(Qt::OtherFocusReason);
}

void AccessLayer::handOnFocus(const ui::Control& c, QWidget* w) {
  QWidget* f = window_.focusWidget();
  if (!w || !f || (f != w && !w->isAncestorOf(f))) return;
  // Qt would pass it down its own chain; the window layer decides instead.
  if (QWidget* next = focusWidgetFor(form_.keyboard().after(c))) next->setFocus(Qt::TabFocusReason);
}

void AccessLayer::scheduleSync() {
  all_ = true;
  if (pending_) return;
  pending_ = true;
  QMetaObject::invokeMethod(this, [this] { sync(); }, Qt::QueuedConnection);
}

void AccessLayer::labelChanged(const ui::Control& label) {
  changed_.insert(&label);
  if (pending_) return;
  pending_ = true;
  QMetaObject::invokeMethod(this, [this] { sync(); }, Qt::QueuedConnection);
}

void AccessLayer::sync() {
  pending_ = false;
  const bool all = std::exchange(all_, false);
  const QSet<const ui::Control*> changed = std::exchange(changed_, {});
  const ui::Keyboard& keys = form_.keyboard();
  for (const QPointer<PaintedItem>& item : items_) {
    ui::Label* label = item ? item->label() : nullptr;
    if (!label || !label->exists() || (!all && !changed.contains(label))) continue;
    const QString name = qs(keys.accessibleName(*label));
    if (item->accessibleName() != name) item->setAccessibleName(name);
    const QRect r = itemRect(window_, *label);
    if (item->geometry() != r) item->setGeometry(r);
    const bool shown = label->visible() && !name.isEmpty();
    if (item->isVisibleTo(item->parentWidget()) == shown) continue;
    if (!shown) handOnFocus(*label, item);
    item->setVisible(shown);
  }
}

void AccessLayer::announce(const std::string& text) {
  if (!announcer_) return;
  // Setting the name tells assistive technology that it changed.
  announcer_->setAccessibleName(qs(text));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(announcer_, qs(text));
  QAccessible::updateAccessibility(&event);
#endif
}

bool AccessLayer::eventFilter(QObject* watched, QEvent* e) {
  if (watched == &window_ && e->type() == QEvent::Resize) scheduleSync();
  if (e->type() != QEvent::KeyPress) return false;
  const auto* k = static_cast<QKeyEvent*>(e);
  if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
  ui::Control* c = buttons_.value(watched);
  return c && form_.keyboard().press(*c, ui::Key::Enter);
}

}  // namespace zemlox::qt
