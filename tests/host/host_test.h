// What the host tests share: a window layer application on the Qt host
// (offscreen platform), rendering a window to an image, and reading the
// image's pixels at window coordinates in twips.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "ui/form.h"
#include "ui/qt/qt_host.h"

inline QColor pixelAtTwips(const QImage& img, double x, double y) {
  const qreal dpr = img.devicePixelRatio();
  return img.pixelColor(static_cast<int>(x / 15 * dpr), static_cast<int>(y / 15 * dpr));
}

struct HostTest : ::testing::Test {
  ui::Application app;
  zemlox::qt::QtHost host{app};
  void SetUp() override { app.setHost(&host); }
  void TearDown() override {
    for (int i = app.formCount() - 1; i >= 0; --i) app.form(i).unload();
    app.setHost(nullptr);
  }
  // The window as on screen once Qt has handled what is pending.
  QImage render(ui::Form& f) {
    QApplication::processEvents();
    return host.widget(f)->grab().toImage();
  }
};
