#include "TableHelpers.h"

#include "TableOneColumn.h"
#include "TablePreview.h"
#include "TableStandings.h"
#include "TableStatus.h"
#include "TableWaits.h"
#include "frmMain.h"

namespace rp {

void installTableHelpers(frmMain& table, SettingsStore& store) {
    new TableStandings(table);
    new TablePreview(table, store);
    new TableStatus(table);
    new TableOneColumn(table);
    // Last: it listens to every control made before it.
    new TableWaits(table);
}

}  // namespace rp
