// Window lifecycle: load, show, modal show, unload.
#include "ui/form.h"

#include <algorithm>

#include "ui/window_scene.h"

namespace ui {

Form::Form(Application& app, WindowStyle style) : app_(app), style_(std::move(style)) {}

void Form::setClientSize(float width, float height) {
  if (loaded_) return;
  style_.clientWidth = width;
  style_.clientHeight = height;
}

Form::~Form() {
  // A window destroyed while loaded leaves no trace in the host or the list.
  if (!loaded_) return;
  for (Timer* t : timers_) t->setEnabled(false);
  if (Host* h = app_.host()) h->formUnloaded(*this);
  scene_.reset();
  view_ = nullptr;
  loaded_ = false;
  if (modalOwner_) modalOwner_->setInputEnabled(true);
  app_.unloaded(*this);
}

void Form::place(Control& c, const std::string& name, RectF r, Container* parent, int index) {
  c.name_ = name;
  c.index_ = index;
  c.rect_ = r;
  (parent ? parent : this)->adopt(c);
  all_.push_back(&c);
}

Line& Form::addLine(Line& l, const std::string& name, float x1, float y1, float x2, float y2,
                    Container* parent, int index) {
  add(l, name, {}, parent, index);
  l.setPoints(x1, y1, x2, y2);
  return l;
}

Timer& Form::addTimer(Timer& t, const std::string& name, int interval, bool enabled) {
  t = Timer();
  t.name_ = name;
  t.form_ = this;
  t.interval_ = interval;
  t.enabled_ = enabled;
  timers_.push_back(&t);
  return t;
}

void Form::load() {
  if (loaded_) return;
  all_.clear();
  timers_.clear();
  surface_ = Surface();
  keyboard_.reset();
  design();
  loaded_ = true;
  visible_ = false;
  inputEnabled_ = true;
  app_.loaded(*this);
  if (Host* h = app_.host()) {
    makeScene(h->pixelOrder());
    h->formLoaded(*this);
  }
  Form_Load();
}

void Form::show() {
  if (!loaded_) load();
  if (!loaded_) return;
  visible_ = true;
  if (Host* h = app_.host()) h->formShown(*this);
}

void Form::showModal(Form& owner) {
  if (!loaded_) load();
  if (!loaded_ || visible_) return;
  modalOwner_ = &owner;
  owner.setInputEnabled(false);
  visible_ = true;
  if (Host* h = app_.host()) h->formShownModal(*this);
}

WindowScene& Form::makeScene(ByteOrder order) {
  if (!scene_) scene_ = std::make_unique<WindowScene>(*this, order);
  return *scene_;
}

void Form::setInputEnabled(bool e) {
  if (e == inputEnabled_) return;
  inputEnabled_ = e;
  if (view_) view_->inputEnabledChanged();
}

void Form::announce(const std::string& text) {
  lastAnnouncement_ = text;
  if (view_) view_->announce(text);
}

void Form::unload() {
  if (!loaded_ || unloading_) return;
  unloading_ = true;
  Form_Unload();
  for (Timer* t : timers_) t->setEnabled(false);
  if (Host* h = app_.host()) h->formUnloaded(*this);
  scene_.reset();
  view_ = nullptr;
  for (Control* c : all_) {
    if (auto* box = dynamic_cast<Container*>(c)) box->releaseChildren();
  }
  releaseChildren();
  all_.clear();
  timers_.clear();
  keyboard_.reset();
  surface_ = Surface();
  loaded_ = false;
  visible_ = false;
  if (Form* owner = modalOwner_) {
    modalOwner_ = nullptr;
    owner->setInputEnabled(true);
  }
  unloading_ = false;
  app_.unloaded(*this);
}

}  // namespace ui
