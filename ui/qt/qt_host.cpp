// Qt host: window widgets, the frame's platform timer, shutdown.
#include "ui/qt/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "ui/form.h"
#include "ui/qt/pdf_file.h"
#include "ui/qt/qt_printer.h"

namespace zemlox::qt {

QtHost::QtHost(ui::Application& app)
    : app_(app),
      gate_([this](QWidget* w) { return blockerOf(w); }),
      keys_([this](int direction) { zoomKey(direction); }) {
  refit();
  frameTimer_.setSingleShot(true);
  frameTimer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&frameTimer_, &QTimer::timeout, [this] { frame(); });
  since_.start();
}

void QtHost::frame() {
  frameTimer_.stop();
  const double now = static_cast<double>(since_.nsecsElapsed()) / 1e6;
  // Qt repaints when asked: the paint lists are made then, not here.
  const ui::Application::Frame f = app_.frame(now, false);
  apply(f);
  // Applying may have asked for another frame at once.
  if (f.nextTick == ui::Clock::kNever || frameTimer_.isActive()) return;
  // Qt counts whole milliseconds; a frame a fraction early still ticks.
  frameTimer_.start(static_cast<int>(std::max(0.0, std::round(f.nextTick - now))));
}

void QtHost::apply(const ui::Application::Frame& f) {
  for (const ui::WindowChanges& c : f.windows)
    if (FormWidget* w = widget(*c.form)) w->apply(c);
}

// Once control returns to Qt: whatever else changes meanwhile goes with it.
void QtHost::wantFrame() {
  if (!frameTimer_.isActive() || frameTimer_.remainingTime() > 0) frameTimer_.start(0);
}

// The save dialog over the window that asked, proposing the documents
// folder; the other files go beside the chosen one, with its name and their
// own endings.
ui::SaveResult QtHost::saveFiles(const std::vector<ui::SavedFile>& files) {
  if (files.empty()) return ui::SaveResult::Saved;
  const QString proposed = QDir(saveFolder()).filePath(QString::fromStdString(files[0].name));
  const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("結果を保存"), proposed);
  if (path.isEmpty()) return ui::SaveResult::Cancelled;
  const QFileInfo chosen(path);
  for (const ui::SavedFile& f : files) {
    const QString ending = QFileInfo(QString::fromStdString(f.name)).suffix();
    const QString target = &f == &files[0] ? path : chosen.dir().filePath(chosen.completeBaseName() + '.' + ending);
    if (!writePdfBytes(target, QByteArray::fromStdString(f.bytes))) return ui::SaveResult::Failed;
  }
  return ui::SaveResult::Saved;
}

bool QtHost::copyText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  return true;
}

void QtHost::shownChanged() {
  const bool shown = std::any_of(views_.cbegin(), views_.cend(), [](const QPointer<FormWidget>& w) {
    return w && w->isVisible() && !w->isMinimized();
  });
  app_.clock().setShown(shown);
}

bool QtHost::fitAt(double zoom) const {
  const QMargins m = decoration();
  return std::all_of(views_.cbegin(), views_.cend(),
                     [&](const QPointer<FormWidget>& w) { return !w || w->fitsScreen(zoom, m); });
}

QWidget* QtHost::blockerOf(QWidget* w) const {
  for (; w; w = w->parentWidget())
    if (auto* fw = dynamic_cast<FormWidget*>(w)) {
      const ui::Form* f = fw->form();
      const ui::Form* b = f ? app_.blockerOf(*f) : nullptr;
      return b ? widget(*b) : nullptr;
    }
  return nullptr;
}

void QtHost::zoomKey(int direction) {
  if (zoom_.key(direction, [this](double z) { return fitAt(z); })) applyZoom();
}

void QtHost::refit() {
  if (zoom_.refit([this](double z) { return fitAt(z); })) applyZoom();
}

void QtHost::applyZoom() {
  const QMargins m = decoration();
  for (const QPointer<FormWidget>& w : std::as_const(views_))
    if (w) w->setZoom(zoom_.factor(), m);
  // Every window laid out anew at once, not a frame later.
  applyChanges();
}

QMargins QtHost::decoration() const {
  QMargins m;
  for (const QPointer<FormWidget>& w : std::as_const(views_)) {
    if (!w || !w->isVisible()) continue;
    const QMargins f = w->decoration();
    m = QMargins(std::max(m.left(), f.left()), std::max(m.top(), f.top()),
                 std::max(m.right(), f.right()), std::max(m.bottom(), f.bottom()));
  }
  return m;
}

void QtHost::formLoaded(ui::Form& f) {
  auto* w = new FormWidget(f, zoom_.factor());
  w->onShownChanged = [this] { shownChanged(); };
  views_.insert(&f, w);
  // A window larger than the ones before may not fit at the zoom in force.
  refit();
}

void QtHost::formShown(ui::Form& f) {
  // Shown whole: its widgets placed and filled before the window appears.
  applyChanges();
  if (FormWidget* w = widget(f)) w->showCentered(decoration());
}

void QtHost::formShownModal(ui::Form& f) {
  FormWidget* w = widget(f);
  if (!w) return;
  if (ui::Form* owner = f.modalOwner(); owner && !f.style().showInTaskbar) {
    // A dialog kept with its owner stays out of the task bar.
    if (FormWidget* ow = widget(*owner)) w->setParent(ow, Qt::Dialog | w->windowFlags());
    // It now opens on its owner's screen, which may be smaller.
    refit();
  }
  applyChanges();
  w->showCentered(decoration());
}

void QtHost::formUnloaded(ui::Form& f) {
  if (QPointer<FormWidget> w = views_.take(&f)) w->detach();
  // The windows left may take the zoom the keys asked for again.
  refit();
  shownChanged();
}

void QtHost::lastFormUnloaded() { QCoreApplication::quit(); }

std::unique_ptr<ui::Printer> QtHost::printer() {
  // The window that prints is the one clicked, also where the window
  // system has put the focus elsewhere.
  const ui::Form* f = app_.inputWindow();
  return std::make_unique<QtPrinter>(f ? widget(*f) : nullptr);
}

}  // namespace zemlox::qt
