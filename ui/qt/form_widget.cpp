// Window widget: building, syncing, painting and input.
#include "ui/qt/form_widget.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/qt/access_layer.h"
#include "ui/qt/container_widgets.h"
#include "ui/qt/convert.h"
#include "ui/qt/drop_down_list.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/mouse.h"
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
  setFont(widgetFont(zoom_, *this));
  setMouseTracking(true);
  setAttribute(Qt::WA_AcceptTouchEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  finger_.openList = [this](ui::ComboBox& list) {
    if (auto* w = qobject_cast<QComboBox*>(widgets_.value(&list))) w->showPopup();
  };
  frame_ = std::make_unique<ui::FormFrame>(form, [this] {
    if (flushPosted_) return;
    flushPosted_ = true;
    QMetaObject::invokeMethod(this, [this] {
      flushPosted_ = false;
      flushDirty();
    }, Qt::QueuedConnection);
  });
  const size_t areas = frame_->areas().size();
  areaWidgets_.assign(areas, nullptr);
  layers_.resize(areas);
  areaWidgets_[0] = this;
  for (size_t i = 0; i < areas; ++i) {
    ui::Surface* surface = frame_->surfaceOf(i);
    if (!surface) continue;
    layers_[i] = std::make_unique<RasterLayer>([this, i](const ui::PxRect& r) { frame_->markDirty(i, r); });
    surface->setSink(layers_[i].get());
    frame_->setLayer(i, layers_[i].get());
  }
  build(form, this);
  syncGrid();
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
  for (size_t i = 0; i < layers_.size(); ++i) {
    if (!layers_[i]) continue;
    ui::Surface& surface = *frame_->surfaceOf(i);
    if (surface.sink() == layers_[i].get()) surface.setSink(nullptr);
  }
  if (form_->view() == this) form_->setView(nullptr);
  form_ = nullptr;
  widgets_.clear();
  areaWidgets_.clear();
}

void FormWidget::build(ui::Container& c, QWidget* parent) {
  for (ui::Control* ctl : c.children()) {
    if (!ctl->isWidget()) continue;
    QWidget* w = makeWidget(*ctl, parent);
    widgets_.insert(ctl, w);
    sync(*ctl, w);
    if (auto* box = dynamic_cast<ui::Container*>(ctl)) {
      areaWidgets_[static_cast<size_t>(frame_->areaOf(*box))] = w;
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
      auto& frame = static_cast<ui::Frame&>(c);
      return new FrameWidget(frame, *this, static_cast<size_t>(frame_->areaOf(frame)), parent);
    }
    case ui::ControlKind::PictureBox: {
      auto& box = static_cast<ui::PictureBox&>(c);
      return new PictureWidget(box, *this, static_cast<size_t>(frame_->areaOf(box)), parent);
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
    case ui::ControlKind::PictureBox: {
      // With nothing under its drawings the layer is opaque and holds the
      // background too: one copy per repaint instead of a fill and a blend.
      auto& box = static_cast<const ui::PictureBox&>(c);
      const auto area = static_cast<size_t>(frame_->areaOf(box));
      layers_[area]->setBackground(box.picture().empty() ? std::optional(box.backColor()) : std::nullopt);
      frame_->invalidateAll(box);
      break;
    }
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
  setFont(widgetFont(zoom_, *this));
  for (auto it = widgets_.begin(); it != widgets_.end(); ++it) {
    const ui::Control& c = *it.key();
    it.value()->setGeometry(logicalRect({c.left(), c.top(), c.width(), c.height()}));
  }
  syncGrid();
  // Stacking and focus stay as they are: a modal lesson stays above the menu.
  if (isVisible()) centre(frame);
}

QWidget* FormWidget::containerWidget(const ui::Container& c) const {
  const int area = frame_ ? frame_->areaOf(c) : -1;
  return area >= 0 && static_cast<size_t>(area) < areaWidgets_.size() ? areaWidgets_[static_cast<size_t>(area)] : nullptr;
}

QRect FormWidget::logical(const ui::PxRect& d) const {
  const double dpr = dpr_ > 0 ? dpr_ : 1;
  return QRectF(d.x / dpr, d.y / dpr, d.w / dpr, d.h / dpr).toAlignedRect();
}

void FormWidget::syncGrid() {
  const double dpr = devicePixelRatioF();
  const ui::PixelGrid g{zoom_ * dpr, dpr};
  if (g == frame_->grid() && dpr == dpr_) return;
  dpr_ = dpr;
  setFont(widgetFont(zoom_, *this));
  frame_->setGrid(g);
  for (size_t i = 0; i < layers_.size(); ++i)
    if (layers_[i]) layers_[i]->setGrid(g, frame_->areas()[i].rect.w, frame_->areas()[i].rect.h);
}

void FormWidget::invalidate(const ui::Container& c, const ui::RectF& r) {
  if (frame_ && form_) frame_->invalidate(c, r);
}

void FormWidget::flushDirty() {
  if (!form_) return;
  // At a whole pixel ratio the logical rectangle covers the device pixels
  // exactly; at a fractional one a margin covers Qt's rounding back.
  const int margin = dpr_ == std::floor(dpr_) ? 0 : 1;
  for (size_t i = 0; i < areaWidgets_.size(); ++i)
    if (!frame_->areas()[i].dirty.empty())
      for (const ui::PxRect& r : frame_->takeDirty(i))
        areaWidgets_[i]->update(logical(r).adjusted(-margin, -margin, margin, margin));
  if (access_) access_->apply(frame_->itemChanges());
}

void FormWidget::accessChanged(const ui::Control& c) {
  if (form_) frame_->labelChanged(c);
}

void FormWidget::announce(const std::string& text) {
  if (access_) access_->announce(text);
}

void FormWidget::widgetChanged(const ui::Control& c) { sync(c, widgets_.value(&c)); }


void FormWidget::paintEvent(QPaintEvent* e) { paintArea(0, *this, *e); }

void FormWidget::paintArea(size_t area, QWidget& w, const QPaintEvent& e) {
  if (!form_) return;
  QPainter p(&w);
  useDevicePixels(p);
  // A new screen may have brought a new pixel ratio: what follows repaints all.
  syncGrid();
  forEachClip(p, e, [&](const QRect& clip) {
    static ui::PaintList list;  // reused: its storage outlives the frame
    list.clear();
    frame_->paint(area, toPx(clip), list);
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
