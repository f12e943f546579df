#pragma once
// SIGTERM, SIGINT and SIGHUP end the program the way the close label does,
// less the farewell: the action runs on the event loop, not in the handler.

#include <functional>

class QObject;

namespace rp {

// The action lives as long as owner (whatever it refers to should too);
// once owner is gone the signals end the program the default way again. A
// second call takes the place of the first.
void onTerminationSignal(QObject* owner, std::function<void()> action);

}  // namespace rp
