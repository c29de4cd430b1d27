// The rules of the lists on the real widgets, checked after every event: a
// list's click handler runs only for a pick, and every list shows the text
// the program holds, with that item selected when the text is an item.
#pragma once

#include <set>

#include "tests/fuzz/invariants.h"
#include "ui/qt/qt_host.h"

namespace hostfuzz {

// picks: the lists the event could pick in (its open drop-down, the list
// under the wheel, the focused list for the arrow keys).
void checkLists(fuzz::Program& p, zemlox::qt::QtHost& host, const std::set<const ui::ComboBox*>& picks,
                fuzz::Faults& out);

}  // namespace hostfuzz
