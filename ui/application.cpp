// Loaded-window list, version and printer of the running program.
#include "ui/application.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/version.h"
#include "ui/window_scene.h"

namespace ui {

void Application::loaded(Form& f) {
  forms_.push_back(&f);
  // Its timers were built enabled or not, with no notice to the clock.
  clock_.wake();
}

void Application::unloaded(Form& f) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &f), forms_.end());
  if (forms_.empty() && host_) host_->lastFormUnloaded();
}

Application::Frame Application::frame(double nowMs, bool lists) {
  const double next = clock_.run(nowMs);
  Frame out = changes(lists);
  out.nextTick = next;
  return out;
}

Application::Frame Application::changes(bool lists) {
  Frame out;
  // A window unloaded by a tick is gone from the list with its scene.
  for (Form* f : forms_) {
    WindowScene* scene = f->scene();
    if (!scene || !scene->pending()) continue;
    out.windows.push_back(scene->take(lists || tap_));
    if (tap_) tap_(out.windows.back());
  }
  return out;
}

Form* Application::blockerOf(const Form& f) const {
  const Form* at = &f;
  Form* over = nullptr;
  while (!at->inputEnabled()) {
    auto it = std::find_if(forms_.begin(), forms_.end(), [at](Form* g) { return g->modalOwner() == at; });
    if (it == forms_.end()) break;
    at = over = *it;
  }
  return over;
}

Form* Application::inputWindow() const {
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
    if ((*it)->acceptsInput()) return *it;
  return nullptr;
}

Version Application::version() {
  return {kVersionMajor, kVersionMinor, kVersionRevision};
}

std::unique_ptr<Printer> Application::printer() {
  if (printerFactory_) return printerFactory_();
  if (host_) return host_->printer();
  return std::make_unique<RecordingPrinter>();
}

SaveResult Application::saveFiles(const std::vector<SavedFile>& files) {
  if (fileSaver_) return fileSaver_(files);
  return host_ ? host_->saveFiles(files) : SaveResult::Failed;
}

bool Application::copyText(const std::string& text) {
  copied_ = text;
  return host_ ? host_->copyText(text) : true;
}

}  // namespace ui
