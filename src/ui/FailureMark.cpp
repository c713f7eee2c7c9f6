#include "ui/FailureMark.h"

#include <QLineEdit>
#include <QPointer>
#include <QTextDocument>
#include <QVariant>

namespace voltrail::failure_mark {

namespace {

constexpr char kGeneration[] = "voltrailMarkGeneration";
constexpr char kMarked[] = "voltrailMarked";
constexpr char kOwnToolTip[] = "voltrailOwnToolTip";
constexpr char kOwnDescription[] = "voltrailOwnDescription";
const QString kMarkStyle = QStringLiteral("QLineEdit { border: 2px solid #c00000; }");

quint64 Generation(const QLineEdit* box)
{
    return box->property(kGeneration).toULongLong();
}

void Mark(QLineEdit* box, const LineOutcome& outcome)
{
    QString text = QStringLiteral("Failed: ") + QString::fromStdString(outcome.reason);
    if (!outcome.advice.empty())
        text += QLatin1Char('\n') + QString::fromStdString(outcome.advice);
    if (!IsMarked(box)) {
        box->setProperty(kOwnToolTip, box->toolTip());
        box->setProperty(kOwnDescription, box->accessibleDescription());
        box->setProperty(kMarked, true);
        box->setStyleSheet(kMarkStyle);
    } else if (box->accessibleDescription().contains(text)) {
        return;
    } else {
        // A second failure of the same press adds its reason.
        text = box->accessibleDescription() + QLatin1Char('\n') + text;
    }
    box->setAccessibleDescription(text);
    // A tooltip that looks like markup is shown as markup: a typed name
    // must read as typed.
    box->setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
}

} // namespace

bool IsMarked(const QLineEdit* box)
{
    return box->property(kMarked).toBool();
}

void Clear(QLineEdit* box)
{
    box->setProperty(kGeneration, Generation(box) + 1);
    if (!IsMarked(box))
        return;
    box->setProperty(kMarked, false);
    box->setStyleSheet(QString());
    box->setToolTip(box->property(kOwnToolTip).toString());
    box->setAccessibleDescription(box->property(kOwnDescription).toString());
}

OutcomeHandler MarkOnFailure(QLineEdit* box)
{
    return [box = QPointer<QLineEdit>(box), generation = Generation(box)](const LineOutcome& outcome) {
        if (outcome.kind != LineOutcome::Kind::Failed || !box || Generation(box) != generation)
            return;
        Mark(box, outcome);
    };
}

} // namespace voltrail::failure_mark
