#pragma once

#include <QList>
#include <QMetaType>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

namespace voltrail::test {

// What a control is, as a window's control table names it.
enum class Kind {
    Button,        // caption only
    PictureButton, // picture only
    PictureCaptionButton,
    TickBox,
    Label,
    TextBox, // one line
    MultiLineTextBox,
    Frame,
    Line,
    Timer,
};

// Short names for the tables' kind column.
inline constexpr Kind Btn = Kind::Button;
inline constexpr Kind Pic = Kind::PictureButton;
inline constexpr Kind PicBtn = Kind::PictureCaptionButton;
inline constexpr Kind Tick = Kind::TickBox;
inline constexpr Kind Lbl = Kind::Label;
inline constexpr Kind Box = Kind::TextBox;

// One row of a window's control table, in the window's initial state.
struct ControlRow {
    QString name;
    Kind kind = Kind::Label;
    QString text; // caption or text
    QString toolTip;
    QRect twips; // left, top, width, height inside the window; null: not placed
    bool visible = true;
    bool enabled = true; // a timer: running
    bool readOnly = false;
    int tab = -1;   // tab position; -1: not a tab stop
    int value = -1; // a tick box's value
};

// Secondary windows: a fixed single border with a close box only.
inline const Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
// The main bar: a fixed tool window (not in the task bar) with a close box only.
inline const Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A window's own row: what its frame is and how it opens.
struct WindowRow {
    QString name;
    QString caption;
    Qt::WindowFlags flags;
    bool modal = true;
    QString defaultButton; // empty: none
    QSize outerTwips;      // the default outer size, frame included
};

// The row of a control that has no place of its own, shown or not.
QRect Unplaced();
// A one-pixel line from (x1, y1) to (x2, y2), in twips.
QRect LineTwips(int x1, int y1, int x2, int y2);

// One test row per control, named after it, in the column "control".
void AddControlRows(const QList<ControlRow>& table);
// Compares the live control of that name with its row, cell by cell.
void CompareControl(QWidget& window, const ControlRow& row);

// Compares the live window itself with its row.
void CompareWindow(QWidget& window, const WindowRow& row);
// The named controls of the window that its table does not list.
QStringList ControlsMissingFromTable(QWidget& window, const QList<ControlRow>& table);

// The shown rows that do not lie wholly inside a client area of that size.
QStringList ShownRowsOutside(const QList<ControlRow>& table, QSize clientTwips);

// The controls Tab visits in the live window, from its first, by name.
QStringList LiveTabOrder(QWidget& window);
// The shown, enabled tab stops of a table, in tab position order.
QStringList TableTabOrder(const QList<ControlRow>& table);

} // namespace voltrail::test

Q_DECLARE_METATYPE(voltrail::test::ControlRow)
