// F1 in any window opens the teacher's guide (an HTML page installed beside
// the program's documentation) in the desktop's browser; F2 hands the
// observation window's layout on to a class (「この配置を配る」).
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace app {

class GuideKey : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
  std::function<void()> onShare;

  // The guide next to an installed program (share/doc/zemlox) or in a build
  // tree (docs/); empty when neither is there.
  static QString guidePath();
};

}  // namespace app
