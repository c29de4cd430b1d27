// Every lesson window the menu opens, each made afresh on demand, for the
// tests that go through all of them.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "ui/application.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace lessons {

inline std::vector<std::function<std::unique_ptr<ui::Form>()>> every(ui::Application& app) {
  return {[&] { return std::make_unique<waves::frm_Pwave>(app); },
          [&] { return std::make_unique<waves::frm_Swave>(app); },
          [&] { return std::make_unique<waves::frm_Wave>(app); },
          [&] { return std::make_unique<waves::frm_Wave2>(app); },
          [&] { return std::make_unique<record::frm_Kiroku>(app); },
          [&] { return std::make_unique<observe::frm_Kansoku>(app); }};
}

}  // namespace lessons
