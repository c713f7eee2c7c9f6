#include "clock/SystemClock.h"

#include <QDateTime>

namespace voltrail {

std::int64_t SystemClock::NowMs() const
{
    return QDateTime::currentMSecsSinceEpoch();
}

// Local time as the C runtime knows it (TZ, /etc/localtime, Windows' own
// zone), which is also what the desktop's clock shows.
int SystemClock::UtcOffsetAt(std::int64_t epochSeconds) const
{
    return QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::LocalTime).offsetFromUtc();
}

} // namespace voltrail
