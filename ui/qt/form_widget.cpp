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
#include "ui/qt/ring_widgets.h"
#include "ui/qt/mouse.h"
#include "ui/qt/painter_replay.h"
#include "ui/qt/logical_pixels.h"

namespace zemlox::qt {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FormWidget::FormWidget(ui::Form& form, double zoom)
    : QWidget(nullptr), form_(&form), zoom_(zoom), scene_(form.scene()) {
  const ui::WindowStyle& st = form.style();
  setWindowTitle(qs(st.caption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(logicalRect({0, 0, st.clientWidth, st.clientHeight}).size());
  setMouseTracking(true);
  setAttribute(Qt::WA_AcceptTouchEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  finger_.openList = [this](ui::ComboBox& list) {
    if (auto* w = qobject_cast<QComboBox*>(widgets_.value(&list))) w->showPopup();
  };
  areaWidgets_.assign(scene_->areas().size(), nullptr);
  areaWidgets_[0] = this;
  build(form, this);
  syncGrid();
  access_ = std::make_unique<AccessLayer>(*this, form);
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
  form_ = nullptr;
  scene_ = nullptr;
  widgets_.clear();
  areaWidgets_.clear();
}

void FormWidget::build(ui::Container& c, QWidget* parent) {
  for (ui::Control* ctl : c.children()) {
    if (!ctl->isWidget()) continue;
    QWidget* w = makeWidget(*ctl, parent);
    widgets_.insert(ctl, w);
    sync({ctl, scene_->placeOf(*ctl)}, w);
    if (auto* box = dynamic_cast<ui::Container*>(ctl)) {
      areaWidgets_[static_cast<size_t>(scene_->areaOf(*box))] = w;
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
      return new FrameWidget(frame, *this, static_cast<size_t>(scene_->areaOf(frame)), parent);
    }
    case ui::ControlKind::PictureBox: {
      auto& box = static_cast<ui::PictureBox&>(c);
      return new PictureWidget(box, *this, static_cast<size_t>(scene_->areaOf(box)), parent);
    }
    default:
      return nullptr;
  }
}

void FormWidget::sync(const ui::WidgetChange& change, QWidget* w) {
  if (!w) return;
  const ui::Control& c = *change.control;
  w->setGeometry(widgetRect(change.place, devicePixelRatioF()));
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
    default:
      break;
  }
  if (!c.visible() && access_) access_->handOnFocus(w, change.handOn);
  w->setVisible(c.visible());
}

QRect FormWidget::screenArea() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->availableGeometry() : QRect();
}

QMargins FormWidget::decoration() const {
  const QRect outer = frameGeometry(), inner = geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

bool FormWidget::fitsScreen(double zoom, const QMargins& decoration) const {
  if (!form_) return true;
  const ui::WindowStyle& st = form_->style();
  const QSize outer = widgetRect({0, 0, st.clientWidth, st.clientHeight}, zoom, devicePixelRatioF()).size().grownBy(decoration);
  const QRect area = screenArea();
  return outer.width() <= area.width() && outer.height() <= area.height();
}

void FormWidget::centre(const QMargins& decoration) {
  const QRect area = screenArea();
  if (area.isEmpty()) return;
  const QSize outer = size().grownBy(decoration);
  // A window larger than the area (only below the lowest zoom) keeps its title bar
  // on the screen. A top-level window's position is that of its frame.
  move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
       area.top() + std::max(0, (area.height() - outer.height()) / 2));
}

void FormWidget::showCentered(const QMargins& decoration) {
  centre(decoration);
  show();
  raise();
  activateWindow();
}

void FormWidget::setZoom(double zoom, const QMargins& decoration) {
  if (!form_ || zoom == zoom_) return;
  zoom_ = zoom;
  const ui::WindowStyle& st = form_->style();
  setFixedSize(logicalRect({0, 0, st.clientWidth, st.clientHeight}).size());
  // The font follows, and the widgets are placed again by the frame this asks for.
  syncGrid();
  // Stacking and focus stay as they are: a modal lesson stays above the menu.
  if (isVisible()) centre(decoration);
}

QWidget* FormWidget::containerWidget(const ui::Container& c) const {
  const int area = scene_ ? scene_->areaOf(c) : -1;
  return area >= 0 && static_cast<size_t>(area) < areaWidgets_.size() ? areaWidgets_[static_cast<size_t>(area)] : nullptr;
}

QRect FormWidget::logical(const ui::PxRect& d) const {
  const double dpr = dpr_ > 0 ? dpr_ : 1;
  return QRectF(d.x / dpr, d.y / dpr, d.w / dpr, d.h / dpr).toAlignedRect();
}

void FormWidget::syncGrid() {
  const double dpr = devicePixelRatioF();
  const ui::PixelGrid g{zoom_ * dpr, dpr};
  if (g == scene_->grid() && dpr == dpr_) return;
  dpr_ = dpr;
  // The widgets' font is in device pixels: it follows the zoom and the ratio.
  setFont(widgetFont(zoom_, *this));
  scene_->setGrid(g);
}

void FormWidget::apply(const ui::WindowChanges& changes) {
  if (!form_) return;
  // At a whole pixel ratio the logical rectangle covers the device pixels
  // exactly; at a fractional one a margin covers Qt's rounding back.
  const int margin = dpr_ == std::floor(dpr_) ? 0 : 1;
  for (const ui::AreaPaint& p : changes.paints)
    for (const ui::PxRect& r : p.dirty)
      areaWidgets_[p.area]->update(logical(r).adjusted(-margin, -margin, margin, margin));
  for (const ui::WidgetChange& w : changes.widgets) sync(w, widgets_.value(w.control));
  if (!access_) return;
  access_->apply(changes.items);
  for (const std::string& text : changes.announcements) access_->announce(text);
}

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
    scene_->paint(area, toPx(clip), list);
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
