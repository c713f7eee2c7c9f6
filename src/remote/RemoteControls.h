#pragma once

#include "ui/Controls.h"

#include <QLabel>
#include <QString>

// Small pieces the two remote windows build their controls from.
namespace voltrail::remote_controls {

inline const QString kTimeOutCaption = QStringLiteral("Shutdown Timeout (Seconds)");
inline const QString kTimeOutHint = QStringLiteral("0-315360000 (10 years)");

// Gives a control the name screen readers and automation know it by.
template <typename W> W* Named(W* control, const QString& accessibleName)
{
    control->setAccessibleName(accessibleName);
    return control;
}

// A right-aligned caption beside the box it names.
inline QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text)
{
    QLabel* label = MakeLabel(parent, name, text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace voltrail::remote_controls
