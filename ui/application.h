// The running program as windows see it: the loaded windows in load order,
// the clock that paces their timers, the version, the printer, and the host
// that shows all of it. Without a host (tests) windows load, tick and unload
// the same.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/clock.h"
#include "ui/pixel_buffer.h"
#include "ui/printer.h"
#include "ui/window_changes.h"

namespace ui {

class Form;

enum class SaveResult { Saved, Cancelled, Failed };
struct SavedFile {
  std::string name, type, bytes;
};

// What the host does for the window layer. Implemented by the Qt host
// (ui/qt/) and the browser host (ui/web/).
class Host {
 public:
  virtual ~Host() = default;
  virtual void formLoaded(Form& f) = 0;     // controls built, Form_Load not yet run
  virtual void formShown(Form& f) = 0;
  // Shows a window over its owner, which takes no input meanwhile (the
  // window layer sees to that); returns at once, the window open.
  virtual void formShownModal(Form& f) = 0;
  virtual void formUnloaded(Form& f) = 0;   // controls about to be discarded
  virtual void lastFormUnloaded() = 0;      // the program ends
  virtual std::unique_ptr<Printer> printer() = 0;
  // Something changed (a timer started, a window has changes to show): call
  // Application::frame soon, not at the time the last frame named.
  virtual void wantFrame() {}
  // The byte order of the host's screen images, in which drawings are kept.
  virtual ByteOrder pixelOrder() const { return ByteOrder::Rgba; }
  // Hands files the program made to the platform: one save dialog for the
  // first, the others beside it under their own names; or downloads.
  virtual SaveResult saveFiles(const std::vector<SavedFile>&) { return SaveResult::Failed; }
  // Puts text on the clipboard; false where the platform refused.
  virtual bool copyText(const std::string&) { return false; }
};

struct Version {
  int major, minor, revision;
};

class Application {
 public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  void setHost(Host* h) { host_ = h; }
  Host* host() const { return host_; }

  // Loaded windows, oldest first.
  int formCount() const { return static_cast<int>(forms_.size()); }
  Form& form(int i) const { return *forms_.at(static_cast<size_t>(i)); }
  const std::vector<Form*>& forms() const { return forms_; }
  // The modal rule every host follows: a modal window blocks its owner
  // alone (and so the owner's owner), never windows outside that chain.
  // The window that holds the input `f` may not take: the end of the chain
  // of modal windows shown over it; null where `f` takes input.
  Form* blockerOf(const Form& f) const;
  // The window a pupil's input last went to: the newest that takes input.
  Form* inputWindow() const;
  Clock& clock() { return clock_; }

  static Version version();

  // One frame, the only way time and changes reach a host: runs the ticks
  // due at `nowMs` (Clock), then hands each window's changes since the last
  // frame, oldest window first, with paint lists where `lists` asks for them.
  struct Frame {
    double nextTick = Clock::kNever;  // when to call again if nothing changes first
    std::vector<WindowChanges> windows;  // only windows with something to show
  };
  Frame frame(double nowMs, bool lists);
  // A frame's second half alone, no time passing: for a host that shows a
  // window whole the moment it opens, in the middle of whatever opened it.
  Frame changes(bool lists);
  // Something besides the host that sees every window's changes (the image
  // host of parity tests); it makes every frame carry its paint lists.
  using FrameTap = std::function<void(const WindowChanges&)>;
  void setFrameTap(FrameTap tap) { tap_ = std::move(tap); }

  // The system printer; tests replace it with a recording one.
  std::unique_ptr<Printer> printer();
  void setPrinterFactory(std::function<std::unique_ptr<Printer>()> f) { printerFactory_ = std::move(f); }

  // Files and the clipboard go through the host; without one (tests) to
  // what was set here, else nowhere.
  using FileSaver = std::function<SaveResult(const std::vector<SavedFile>&)>;
  SaveResult saveFiles(const std::vector<SavedFile>& files);
  void setFileSaver(FileSaver f) { fileSaver_ = std::move(f); }
  bool copyText(const std::string& text);
  const std::string& copiedText() const { return copied_; }

 private:
  friend class Form;

  void loaded(Form& f);
  void unloaded(Form& f);

  Host* host_ = nullptr;
  std::vector<Form*> forms_;
  Clock clock_{*this};
  std::function<std::unique_ptr<Printer>()> printerFactory_;
  FileSaver fileSaver_;
  FrameTap tap_;
  std::string copied_;
};

}  // namespace ui
