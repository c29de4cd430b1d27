// The print system is spoken to on a thread of its own, so a slow or hung
// print server never holds up the windows. Calls run one after another in
// the order given; each hands back what to do with its answer, and that
// runs later on the window thread.
#pragma once

#include <QObject>
#include <functional>

namespace zemlox::qt {

using Answer = std::function<void()>;

// Runs `call` on the print thread; the Answer it returns then runs on the
// window thread, unless `owner` has gone by then.
void callPrintSystem(QObject* owner, std::function<Answer()> call);

// Nonzero once the program is ending: calls under way give up at once.
// (The print system's library reads it while it connects.)
int* printSystemCallsEnding();

}  // namespace zemlox::qt
