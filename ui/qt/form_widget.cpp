// Window widget: building, syncing, painting and input.
#include "ui/qt/form_widget.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/qt/access_layer.h"
#include "ui/qt/container_widgets.h"
#include "ui/qt/convert.h"
#include "ui/qt/drop_down_list.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/mouse.h"
#include "ui/paint_areas.h"
#include "ui/qt/paint_replay.h"
#include "ui/qt/pixel_grid.h"

namespace zemlox::qt {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FormWidget::FormWidget(ui::Form& form, double zoom) : QWidget(nullptr), form_(&form), zoom_(zoom) {
  const ui::WindowStyle& st = form.style();
  setWindowTitle(qs(st.caption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(logicalRect({0, 0, st.clientWidth, st.clientHeight}).size());
  setFont(widgetFont(zoom_));
  setMouseTracking(true);
  setAttribute(Qt::WA_AcceptTouchEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  finger_.openList = [this](ui::ComboBox& list) {
    if (auto* w = qobject_cast<QComboBox*>(widgets_.value(&list))) w->showPopup();
  };
  // The window's drawings lie above its shapes: a transparent layer.
  layer_ = std::make_unique<RasterLayer>(this);
  form.surface().setSink(layer_.get());
  containers_.insert(&form, this);
  build(form, this);
  access_ = std::make_unique<AccessLayer>(*this, form);
  form.setView(this);
}

FormWidget::~FormWidget() { release(); }

void FormWidget::detach() {
  if (!form_) return;
  release();
  hide();
  deleteLater();
}

void FormWidget::release() {
  if (!form_) return;
  onShownChanged = nullptr;
  access_.reset();
  finger_.touch.reset();
  finger_.id = -1;
  for (auto it = widgets_.begin(); it != widgets_.end(); ++it) {
    if (auto* pw = dynamic_cast<PictureWidget*>(it.value())) pw->detach();
    if (auto* fw = dynamic_cast<FrameWidget*>(it.value())) fw->detach();
    if (auto* list = dynamic_cast<DropDownList*>(it.value())) list->onStep = nullptr;
    it.value()->disconnect(this);
  }
  if (form_->surface().sink() == layer_.get()) form_->surface().setSink(nullptr);
  if (form_->view() == this) form_->setView(nullptr);
  form_ = nullptr;
  widgets_.clear();
  containers_.clear();
  dirty_.clear();
  lastDirtyWidget_ = nullptr;
  lastDirty_ = nullptr;
}

void FormWidget::build(ui::Container& c, QWidget* parent) {
  for (ui::Control* ctl : c.children()) {
    if (!ctl->isWidget()) continue;
    QWidget* w = makeWidget(*ctl, parent);
    widgets_.insert(ctl, w);
    sync(*ctl, w);
    if (auto* box = dynamic_cast<ui::Container*>(ctl)) {
      containers_.insert(box, w);
      build(*box, w);
    }
  }
  // Widgets stack in the order they were made; raise in z-order.
  for (ui::Control* ctl : c.children())
    if (QWidget* w = widgets_.value(ctl)) w->raise();
}

QWidget* FormWidget::makeWidget(ui::Control& c, QWidget* parent) {
  switch (c.kind()) {
    case ui::ControlKind::Button: {
      auto& b = static_cast<ui::Button&>(c);
      auto* w = new RingButton(parent);
      w->setAutoDefault(false);
      connect(w, &QPushButton::clicked, this, [&b] { b.click(); });
      return w;
    }
    case ui::ControlKind::ComboBox: {
      auto& cb = static_cast<ui::ComboBox&>(c);
      auto* w = new DropDownList(parent);
      connect(w, &QComboBox::activated, this, [&cb](int i) { cb.pick(i); });
      w->onStep = [&cb](int d) { cb.step(d); };
      connect(w, &QComboBox::editTextChanged, this, [&cb](const QString& s) {
        if (s.toStdString() != cb.text()) cb.type(s.toStdString());
      });
      return w;
    }
    case ui::ControlKind::Frame: {
      auto* w = new FrameWidget(static_cast<ui::Frame&>(c), parent);
      w->setZoom(zoom_);
      return w;
    }
    case ui::ControlKind::PictureBox: {
      auto* w = new PictureWidget(static_cast<ui::PictureBox&>(c), parent);
      w->setZoom(zoom_);
      return w;
    }
    default:
      return nullptr;
  }
}

void FormWidget::sync(const ui::Control& c, QWidget* w) {
  if (!w) return;
  w->setGeometry(logicalRect({c.left(), c.top(), c.width(), c.height()}));
  switch (c.kind()) {
    case ui::ControlKind::Button:
      static_cast<QPushButton*>(w)->setText(qs(static_cast<const ui::Button&>(c).caption()));
      break;
    case ui::ControlKind::ComboBox: {
      auto& cb = static_cast<const ui::ComboBox&>(c);
      static_cast<DropDownList*>(w)->setContents(cb.items(), cb.text(), cb.selected());
      break;
    }
    case ui::ControlKind::Frame:
      static_cast<FrameWidget*>(w)->setTitle(qs(static_cast<const ui::Frame&>(c).caption()));
      break;
    case ui::ControlKind::PictureBox:
      static_cast<PictureWidget*>(w)->reloadPicture();
      w->update();
      break;
    default:
      break;
  }
  if (!c.visible() && access_) access_->handOnFocus(c, w);
  w->setVisible(c.visible());
}

QRect FormWidget::screenArea() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->availableGeometry() : QRect();
}

QMargins FormWidget::frame() const {
  const QRect outer = frameGeometry(), inner = geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

bool FormWidget::fitsScreen(double zoom, const QMargins& frame) const {
  if (!form_) return true;
  const ui::WindowStyle& st = form_->style();
  const QSize outer = widgetRect({0, 0, st.clientWidth, st.clientHeight}, zoom, devicePixelRatioF()).size().grownBy(frame);
  const QRect area = screenArea();
  return outer.width() <= area.width() && outer.height() <= area.height();
}

void FormWidget::centre(const QMargins& frame) {
  const QRect area = screenArea();
  if (area.isEmpty()) return;
  const QSize outer = size().grownBy(frame);
  // A window larger than the area (only below the lowest zoom) keeps its title bar
  // on the screen. A top-level window's position is that of its frame.
  move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
       area.top() + std::max(0, (area.height() - outer.height()) / 2));
}

void FormWidget::showCentered(const QMargins& frame) {
  centre(frame);
  show();
  raise();
  activateWindow();
}

void FormWidget::setZoom(double zoom, const QMargins& frame) {
  if (!form_ || zoom == zoom_) return;
  zoom_ = zoom;
  const ui::WindowStyle& st = form_->style();
  setFixedSize(logicalRect({0, 0, st.clientWidth, st.clientHeight}).size());
  setFont(widgetFont(zoom_));
  for (auto it = widgets_.begin(); it != widgets_.end(); ++it) {
    if (auto* pw = dynamic_cast<PictureWidget*>(it.value())) pw->setZoom(zoom_);
    if (auto* fw = dynamic_cast<FrameWidget*>(it.value())) fw->setZoom(zoom_);
    const ui::Control& c = *it.key();
    it.value()->setGeometry(logicalRect({c.left(), c.top(), c.width(), c.height()}));
  }
  update();
  // Stacking and focus stay as they are: a modal lesson stays above the menu.
  if (isVisible()) centre(frame);
}

void FormWidget::invalidate(const ui::Container& c, const ui::RectF& r) {
  QWidget* w = containers_.value(&c);
  if (!w) return;
  if (w != lastDirtyWidget_) {
    lastDirtyWidget_ = w;
    lastDirty_ = &dirty_[w];
  }
  lastDirty_->add(PixelGrid{zoom_}.dirty(r));
  // A frame's or an event's changes reach Qt once control returns to it.
  if (!flushPosted_) {
    flushPosted_ = true;
    QMetaObject::invokeMethod(this, [this] {
      flushPosted_ = false;
      flushDirty();
    }, Qt::QueuedConnection);
  }
}

void FormWidget::flushDirty() {
  for (auto it = dirty_.begin(); it != dirty_.end(); ++it)
    for (const ui::PxRect& r : it.value().take()) it.key()->update(toQRect(r));
}

void FormWidget::accessChanged(const ui::Control& c) {
  if (access_) access_->labelChanged(c);
}

void FormWidget::announce(const std::string& text) {
  if (access_) access_->announce(text);
}

void FormWidget::widgetChanged(const ui::Control& c) { sync(c, widgets_.value(&c)); }


void FormWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (!form_) return;
  useDevicePixels(p);
  const PixelGrid g = deviceGrid(*this, zoom_);
  const QSize size = deviceSize(*this);
  layer_->setGrid(g, size.width(), size.height());
  forEachClip(p, *e, [&](const QRect& clip) {
    static ui::PaintList list;  // reused: its storage outlives the frame
    list.clear();
    ui::paintForm(list, *form_, *layer_, g, toPx(clip));
    replay(p, list, clip);
  });
}

void FormWidget::closeEvent(QCloseEvent* e) {
  // The close box unloads the window; the window layer decides what follows.
  e->ignore();
  if (form_) form_->closeBox();
}

bool FormWidget::event(QEvent* e) {
  if (form_ && routeTouch(finger_, *form_, e, zoom_)) return true;
  return QWidget::event(e);
}

void FormWidget::showEvent(QShowEvent*) { if (onShownChanged) onShownChanged(); }
void FormWidget::hideEvent(QHideEvent*) { if (onShownChanged) onShownChanged(); }

void FormWidget::changeEvent(QEvent* e) {
  if (e->type() == QEvent::WindowStateChange && onShownChanged) onShownChanged();
  QWidget::changeEvent(e);
}

void FormWidget::mouseMoveEvent(QMouseEvent* e) { if (form_) routeMouse(*form_, e, zoom_); }
void FormWidget::mousePressEvent(QMouseEvent* e) { if (form_) routeMouse(*form_, e, zoom_); }
void FormWidget::mouseReleaseEvent(QMouseEvent* e) { if (form_) routeMouse(*form_, e, zoom_); }

}  // namespace zemlox::qt
