// Qt host: window widgets, modal loops, shutdown.
#include "ui/qt/qt_host.h"

#include <QApplication>

#include "ui/form.h"
#include "ui/qt/qt_printer.h"

namespace zemlox::qt {

QtHost::QtHost(ui::Application& app)
    : app_(app), zoom_([this] {
        for (const QPointer<FormWidget>& w : std::as_const(views_))
          if (w) w->setZoom(zoom_.factor());
      }) {}

void QtHost::formLoaded(ui::Form& f) { views_.insert(&f, new FormWidget(f, zoom_.factor())); }

void QtHost::formShown(ui::Form& f) {
  if (FormWidget* w = widget(f)) w->showCentered();
}

void QtHost::runModal(ui::Form& f) {
  FormWidget* w = widget(f);
  if (!w) return;
  if (ui::Form* owner = f.modalOwner(); owner && !f.style().showInTaskbar) {
    // A dialog kept with its owner stays out of the task bar.
    if (FormWidget* ow = widget(*owner)) w->setParent(ow, Qt::Dialog | w->windowFlags());
  }
  w->setWindowModality(Qt::ApplicationModal);
  w->showCentered();
  QEventLoop loop;
  loops_.insert(&f, &loop);
  if (f.loaded()) loop.exec();
  loops_.remove(&f);
}

void QtHost::formUnloaded(ui::Form& f) {
  if (QPointer<FormWidget> w = views_.take(&f)) w->detach();
  if (QEventLoop* loop = loops_.value(&f)) loop->quit();
}

void QtHost::lastFormUnloaded() { QCoreApplication::quit(); }

std::unique_ptr<ui::Printer> QtHost::printer() { return std::make_unique<QtPrinter>(); }

}  // namespace zemlox::qt
