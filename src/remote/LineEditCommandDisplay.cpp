#include "remote/LineEditCommandDisplay.h"

#include "ui/Controls.h"

#include <QLineEdit>
#include <limits>

namespace voltrail {

void LineEditCommandDisplay::SetText(const std::string& text)
{
    box_.setText(ToQString(text));
}

std::string LineEditCommandDisplay::Text() const
{
    return box_.text().toStdString();
}

void LineEditCommandDisplay::Prepare(QLineEdit& box)
{
    // A name and a time-out may each be as long as their boxes allow; the
    // default limit of a line edit would truncate the composed line.
    box.setMaxLength(std::numeric_limits<int>::max());
    box.setReadOnly(true);
    box.setAlignment(Qt::AlignCenter);
}

} // namespace voltrail
