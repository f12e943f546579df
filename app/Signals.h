#pragma once
// SIGTERM, SIGINT and SIGHUP end the program the way the close label does,
// less the farewell: the action runs on the event loop, not in the handler.

#include <functional>

namespace rp {

void onTerminationSignal(std::function<void()> action);

}  // namespace rp
