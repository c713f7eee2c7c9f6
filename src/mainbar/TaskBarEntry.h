#pragma once

class QWidget;

namespace voltrail {

// Keeps a top-level window out of the desktop's task bar. A Qt::Tool window
// already stays out of it on Windows; on X11 the task bar goes by
// _NET_WM_STATE_SKIP_TASKBAR, which Qt never sets, so it is added each time
// the window is about to be mapped. Elsewhere this does nothing.
void KeepOutOfTaskBar(QWidget& window);

} // namespace voltrail
