#pragma once

#include <QString>

namespace ag {

// The player's help, opened by the help button.
QString helpText();

}  // namespace ag
