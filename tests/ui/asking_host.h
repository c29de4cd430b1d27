// A host that shows nothing and counts how often the window layer asks it
// for a frame: for tests of the clock and of what a frame carries.
#pragma once

#include <memory>

#include "ui/application.h"

struct AskingHost : ui::Host {
  int asked = 0;
  void formLoaded(ui::Form&) override {}
  void formShown(ui::Form&) override {}
  void formShownModal(ui::Form&) override {}
  void formUnloaded(ui::Form&) override {}
  void lastFormUnloaded() override {}
  std::unique_ptr<ui::Printer> printer() override { return nullptr; }
  void wantFrame() override { ++asked; }
};
