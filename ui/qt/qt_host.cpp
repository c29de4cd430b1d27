// Qt host: window widgets, modal loops, shutdown.
#include "ui/qt/qt_host.h"

#include <QApplication>
#include <algorithm>

#include "ui/form.h"
#include "ui/qt/qt_printer.h"

namespace zemlox::qt {

QtHost::QtHost(ui::Application& app)
    : app_(app),
      zoom_([this](double zoom) { return fitAt(zoom); },
            [this] {
              const QMargins m = frame();
              for (const QPointer<FormWidget>& w : std::as_const(views_))
                if (w) w->setZoom(zoom_.factor(), m);
            }) {}

bool QtHost::fitAt(double zoom) const {
  const QMargins m = frame();
  return std::all_of(views_.cbegin(), views_.cend(),
                     [&](const QPointer<FormWidget>& w) { return !w || w->fitsScreen(zoom, m); });
}

QMargins QtHost::frame() const {
  QMargins m;
  for (const QPointer<FormWidget>& w : std::as_const(views_)) {
    if (!w || !w->isVisible()) continue;
    const QMargins f = w->frame();
    m = QMargins(std::max(m.left(), f.left()), std::max(m.top(), f.top()),
                 std::max(m.right(), f.right()), std::max(m.bottom(), f.bottom()));
  }
  return m;
}

void QtHost::formLoaded(ui::Form& f) {
  views_.insert(&f, new FormWidget(f, zoom_.factor()));
  // A window larger than the ones before may not fit at the zoom in force.
  zoom_.refit();
}

void QtHost::formShown(ui::Form& f) {
  if (FormWidget* w = widget(f)) w->showCentered(frame());
}

void QtHost::runModal(ui::Form& f) {
  FormWidget* w = widget(f);
  if (!w) return;
  if (ui::Form* owner = f.modalOwner(); owner && !f.style().showInTaskbar) {
    // A dialog kept with its owner stays out of the task bar.
    if (FormWidget* ow = widget(*owner)) w->setParent(ow, Qt::Dialog | w->windowFlags());
    // It now opens on its owner's screen, which may be smaller.
    zoom_.refit();
  }
  w->setWindowModality(Qt::ApplicationModal);
  w->showCentered(frame());
  QEventLoop loop;
  loops_.insert(&f, &loop);
  if (f.loaded()) loop.exec();
  loops_.remove(&f);
}

void QtHost::formUnloaded(ui::Form& f) {
  if (QPointer<FormWidget> w = views_.take(&f)) w->detach();
  // The windows left may take the zoom the keys asked for again.
  zoom_.refit();
  if (QEventLoop* loop = loops_.value(&f)) loop->quit();
}

void QtHost::lastFormUnloaded() { QCoreApplication::quit(); }

std::unique_ptr<ui::Printer> QtHost::printer() { return std::make_unique<QtPrinter>(); }

}  // namespace zemlox::qt
