// The tab chain, accessible roles and names, the items over painted labels
// kept where their labels are, and announcements for the Qt host.
#include "ui/qt/access_layer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "ui/qt/container_widgets.h"
#include "ui/qt/convert.h"
#include "ui/qt/ring_widgets.h"
#include "ui/qt/form_widget.h"
#include "ui/qt/logical_pixels.h"

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

}  // namespace

AccessLayer::AccessLayer(FormWidget& window, ui::Form& form) : window_(window), form_(form) {
  static const bool installed = [] {
    QAccessible::installFactory(roleFactory);
    return true;
  }();
  (void)installed;
  for (const ui::WindowScene::Item& item : window.scene().items())
    items_.emplace_back(new PaintedItem(*item.label, item.target, window.containerWidget(*item.label->container())));
  for (ui::Control* c : form.controls()) {
    if (QWidget* w = window.widgetFor(*c)) {
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
  chainTabOrder();
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

void AccessLayer::handOnFocus(const ui::Control& c, QWidget* w) { handOnFocus(w, form_.keyboard().after(c)); }

void AccessLayer::handOnFocus(QWidget* w, const ui::Control* next) {
  QWidget* f = window_.focusWidget();
  if (!w || !f || (f != w && !w->isAncestorOf(f))) return;
  // Qt would pass it down its own chain; the window layer decides instead.
  if (QWidget* to = focusWidgetFor(next)) to->setFocus(Qt::TabFocusReason);
}

void AccessLayer::apply(const std::vector<ui::ItemChange>& changes) {
  for (const ui::ItemChange& change : changes) {
    PaintedItem* item = items_[change.item];
    if (!item || !item->label()) continue;
    const ui::WindowScene::Item& now = window_.scene().items()[change.item];
    if (change.name) item->setAccessibleName(qs(now.name));
    if (change.place) item->setGeometry(window_.logical(now.place));
    if (change.shown) {
      if (!now.shown) handOnFocus(item, change.handOn);
      item->setVisible(now.shown);
    }
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
  if (e->type() != QEvent::KeyPress) return false;
  const auto* k = static_cast<QKeyEvent*>(e);
  if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
  ui::Control* c = buttons_.value(watched);
  return c && form_.keyboard().press(*c, ui::Key::Enter);
}

}  // namespace zemlox::qt
