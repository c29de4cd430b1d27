// Widgets for the window layer's containers inside a window: picture boxes
// (background, picture, raster layer, then their controls) and frames (a
// group box with its painted controls). Both pass mouse input to ui/.
#pragma once

#include <QGroupBox>
#include <QImage>
#include <QWidget>
#include <memory>

#include "ui/controls.h"
#include "ui/qt/raster_layer.h"

namespace zemlox::qt {

class PictureWidget : public QWidget {
 public:
  PictureWidget(ui::PictureBox& box, QWidget* parent);
  ~PictureWidget() override;
  void detach();
  void reloadPicture();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  ui::PictureBox* box_;
  std::unique_ptr<RasterLayer> layer_;
  QImage picture_;
};

class FrameWidget : public QGroupBox {
 public:
  FrameWidget(ui::Frame& frame, QWidget* parent);
  void detach() { frame_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  ui::Frame* frame_;
};

}  // namespace zemlox::qt
