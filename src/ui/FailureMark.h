#pragma once

#include "actions/ShellLauncher.h"

class QLineEdit;

namespace voltrail {

// The mark on a computer's name box whose line failed: a red frame, and the
// reason with its advice as the box's tooltip and accessible description,
// which is what screen readers read. It is never stored.
namespace failure_mark {

// Takes the mark off (before the box's next line) and gives the box back its
// own tooltip and description. Outcomes of lines started before then no
// longer mark it.
void Clear(QLineEdit* box);

// A handler that marks the box when a line fails; it does nothing once the
// box has gone or has been cleared since.
OutcomeHandler MarkOnFailure(QLineEdit* box);

bool IsMarked(const QLineEdit* box);

} // namespace failure_mark

} // namespace voltrail
