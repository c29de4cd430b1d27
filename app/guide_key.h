// F1 in any window opens the teacher's guide (an HTML page installed beside
// the program's documentation) in the desktop's browser.
#pragma once

#include <QObject>
#include <QString>

namespace app {

class GuideKey : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The guide next to an installed program (share/doc/zemlox) or in a build
  // tree (docs/); empty when neither is there.
  static QString guidePath();
};

}  // namespace app
