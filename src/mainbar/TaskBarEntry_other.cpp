#include "mainbar/TaskBarEntry.h"

namespace voltrail {

// Windows keeps tool windows out of the task bar by itself, and systems
// without X11 have no hint to give.
void KeepOutOfTaskBar(QWidget&) {}

} // namespace voltrail
