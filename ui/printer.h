// The printer a report page is written against, in the operations of a
// simple page printer: unit, font, current position, text, line, rectangle
// and circle outlines, end of document. RecordingPrinter keeps the page as a
// list of operations on the paper decided here, which tests read and every
// host replays as it is.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace ui {

struct PrintOp {
  enum Kind { Text, Line, Rectangle, Circle } kind = Text;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text and circle: position in x1, y1
  float r = 0;                           // circle radius
  std::string text;
  std::string fontName;
  float fontSize = 0;
  float baseline = 0;  // text: where its baseline lies, from the font's own ascent
};

// The paper every host prints on, in points: the sheet as it lies, where
// the page's (0, 0) stands on it and the width of its lines. The origin is
// the top-left corner of the printable area; a quarter inch from the
// sheet's edges lies inside what office and school printers reach, and
// leaves the page's 560 x 410 points room on A4.
struct Paper {
  enum class Orientation { Portrait, Landscape };
  float width = 595.28f, height = 841.89f;  // A4, upright
  Orientation orientation = Orientation::Portrait;
  float left = 18, top = 18;
  float pen = 0.5f;

  // The sheet's extent as it lies.
  float across() const { return orientation == Orientation::Portrait ? width : height; }
  float down() const { return orientation == Orientation::Portrait ? height : width; }
};

struct PrintedPage {
  // The document's name, the lesson's: the print job's title, the PDF's
  // title and the name of the file it is saved as.
  std::string name;
  Paper paper;
  std::vector<PrintOp> ops;
};

class Printer {
 public:
  virtual ~Printer() = default;
  virtual void setUnitPoints() = 0;
  virtual void setDocumentName(const std::string& name) = 0;
  virtual void setFontName(const std::string& face) = 0;
  virtual void setFontSize(float points) = 0;
  virtual void setCurrentX(float x) = 0;
  virtual void setCurrentY(float y) = 0;
  virtual void print(const std::string& text) = 0;  // top-left of its first cell at the current position
  virtual void line(float x1, float y1, float x2, float y2) = 0;
  virtual void rectangle(float x1, float y1, float x2, float y2) = 0;
  virtual void circle(float cx, float cy, float r) = 0;
  virtual void endDoc() = 0;  // the page goes to the printer
};

class RecordingPrinter : public Printer {
 public:
  void setUnitPoints() override { unitPoints_ = true; }
  void setDocumentName(const std::string& name) override { page_.name = name; }
  void setFontName(const std::string& face) override { font_ = face; }
  void setFontSize(float points) override { size_ = points; }
  void setCurrentX(float x) override { x_ = x; }
  void setCurrentY(float y) override { y_ = y; }
  void print(const std::string& text) override;
  void line(float x1, float y1, float x2, float y2) override;
  void rectangle(float x1, float y1, float x2, float y2) override;
  void circle(float cx, float cy, float r) override;
  void endDoc() override;

  bool unitPoints() const { return unitPoints_; }
  const PrintedPage& page() const { return page_; }          // being written
  const std::vector<PrintedPage>& pages() const { return done_; }  // ended

 protected:
  // Called with the finished page; the host's printer puts it on paper.
  virtual void pageEnded(const PrintedPage&) {}

 private:
  bool unitPoints_ = false;
  std::string font_;
  float size_ = 9, x_ = 0, y_ = 0;
  PrintedPage page_;
  std::vector<PrintedPage> done_;
};

}  // namespace ui
