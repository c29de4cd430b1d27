// Window widget: building, syncing, painting, timers and input.
#include "ui/qt/form_widget.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/qt/access_layer.h"
#include "ui/qt/container_widgets.h"
#include "ui/qt/convert.h"
#include "ui/qt/mouse.h"
#include "ui/qt/paint_controls.h"

namespace zemlox::qt {
namespace {

// The fastest timer the program runs: shorter intervals tick at this pace.
constexpr int kTimerFloorMs = 10;

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FormWidget::FormWidget(ui::Form& form) : QWidget(nullptr), form_(&form) {
  const ui::WindowStyle& st = form.style();
  setWindowTitle(qs(st.caption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(toPixels({0, 0, st.clientWidth, st.clientHeight}).size());
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  layer_ = std::make_unique<RasterLayer>(this, st.clientWidth, st.clientHeight);
  form.surface().setSink(layer_.get());
  containers_.insert(&form, this);
  build(form, this);
  access_ = std::make_unique<AccessLayer>(*this, form);
  for (ui::Timer* t : form.timers()) {
    auto* qt = new QTimer(this);
    qt->setTimerType(Qt::PreciseTimer);
    connect(qt, &QTimer::timeout, this, [t] { t->tick(); });
    timers_.insert(t, qt);
    timerChanged(*t);
  }
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
  for (QTimer* t : timers_) t->stop();
  timers_.clear();
  access_.reset();
  for (auto it = widgets_.begin(); it != widgets_.end(); ++it) {
    if (auto* pw = dynamic_cast<PictureWidget*>(it.value())) pw->detach();
    if (auto* fw = dynamic_cast<FrameWidget*>(it.value())) fw->detach();
    it.value()->disconnect(this);
  }
  if (form_->surface().sink() == layer_.get()) form_->surface().setSink(nullptr);
  if (form_->view() == this) form_->setView(nullptr);
  form_ = nullptr;
  widgets_.clear();
  containers_.clear();
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
      auto* w = new QPushButton(parent);
      w->setAutoDefault(false);
      connect(w, &QPushButton::clicked, this, [&b] { b.click(); });
      return w;
    }
    case ui::ControlKind::ComboBox: {
      auto& cb = static_cast<ui::ComboBox&>(c);
      auto* w = new QComboBox(parent);
      w->setEditable(true);
      w->setInsertPolicy(QComboBox::NoInsert);
      connect(w, &QComboBox::activated, this, [&cb](int i) { cb.pick(i); });
      connect(w, &QComboBox::editTextChanged, this, [&cb](const QString& s) {
        if (s.toStdString() != cb.text()) cb.type(s.toStdString());
      });
      return w;
    }
    case ui::ControlKind::Frame:
      return new FrameWidget(static_cast<ui::Frame&>(c), parent);
    case ui::ControlKind::PictureBox:
      return new PictureWidget(static_cast<ui::PictureBox&>(c), parent);
    default:
      return nullptr;
  }
}

void FormWidget::sync(const ui::Control& c, QWidget* w) {
  if (!w) return;
  w->setGeometry(toPixels({c.left(), c.top(), c.width(), c.height()}));
  switch (c.kind()) {
    case ui::ControlKind::Button:
      static_cast<QPushButton*>(w)->setText(qs(static_cast<const ui::Button&>(c).caption()));
      break;
    case ui::ControlKind::ComboBox: {
      auto& cb = static_cast<const ui::ComboBox&>(c);
      auto* q = static_cast<QComboBox*>(w);
      QSignalBlocker block(q);
      QStringList items;
      for (const auto& s : cb.items()) items << qs(s);
      QStringList have;
      for (int i = 0; i < q->count(); ++i) have << q->itemText(i);
      if (items != have) {
        q->clear();
        q->addItems(items);
      }
      if (q->currentText() != qs(cb.text())) q->setEditText(qs(cb.text()));
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
  w->setVisible(c.visible());
}

void FormWidget::showCentered() {
  if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  raise();
  activateWindow();
}

void FormWidget::invalidate(const ui::Container& c, const ui::RectF& r) {
  if (access_) access_->scheduleSync();
  QWidget* w = containers_.value(&c);
  if (!w) return;
  const QRect dirty = toDirtyPixels(r);
  if (w != this) {
    w->update(dirty);
    return;
  }
  // A frame that moves hundreds of controls would leave a region of as many
  // rectangles, slow to build and slower to fill through; past a few dozen,
  // the bounding box of this frame's changes is repainted instead.
  dirtyBounds_ |= dirty;
  const bool few = dirtyCount_ < kMaxDirtyRects;
  if (few) ++dirtyCount_;
  update(few ? dirty : dirtyBounds_);
}

void FormWidget::announce(const std::string& text) {
  if (access_) access_->announce(text);
}

void FormWidget::widgetChanged(const ui::Control& c) { sync(c, widgets_.value(&c)); }

void FormWidget::timerChanged(const ui::Timer& t) {
  QTimer* qt = timers_.value(&t);
  if (!qt) return;
  const int interval = std::max(kTimerFloorMs, t.interval());
  if (qt->interval() != interval) qt->setInterval(interval);
  if (t.enabled() && !qt->isActive()) qt->start();
  if (!t.enabled()) qt->stop();
}

void FormWidget::paintEvent(QPaintEvent* e) {
  dirtyCount_ = 0;
  dirtyBounds_ = QRect();
  QPainter p(this);
  if (!form_) return;
  p.fillRect(rect(), toQColor(form_->style().backColor));
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.save();
  p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  paintGraphics(p, *form_, GraphicLayer::Shapes, toTwips(e->rect()));
  p.restore();
  layer_->paint(p);
  p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  paintGraphics(p, *form_, GraphicLayer::LinesAndLabels, toTwips(e->rect()));
}

void FormWidget::closeEvent(QCloseEvent* e) {
  // The close box unloads the window; the window layer decides what follows.
  e->ignore();
  if (form_) form_->closeBox();
}

void FormWidget::mouseMoveEvent(QMouseEvent* e) { if (form_) routeMouse(*form_, e); }
void FormWidget::mousePressEvent(QMouseEvent* e) { if (form_) routeMouse(*form_, e); }
void FormWidget::mouseReleaseEvent(QMouseEvent* e) { if (form_) routeMouse(*form_, e); }

}  // namespace zemlox::qt
