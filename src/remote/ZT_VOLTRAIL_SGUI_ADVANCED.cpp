#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"

#include "remote/LineEditCommandDisplay.h"
#include "remote/RemoteBatch.h"
#include "remote/RemoteControls.h"
#include "ui/Controls.h"
#include "ui/FailureMark.h"
#include "ui/Texts.h"
#include "ui/TickBox.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

namespace voltrail {

using namespace remote_controls;

namespace {

// Rows stand 360 twips apart, fifteen to a column; the right-hand column is
// shifted 7200 twips.
constexpr int kRowsPerColumn = 15;
constexpr int kFirstRowTop = 720;
constexpr int kRowPitch = 360;
constexpr int kColumnShift = 7200;

QString RowName(int n, const char* what)
{
    return QStringLiteral("Row %1 %2").arg(n).arg(QLatin1String(what));
}

} // namespace

ZT_VOLTRAIL_SGUI_ADVANCED::ZT_VOLTRAIL_SGUI_ADVANCED(Services& services, QWidget* owner)
    : Form(services, owner, "ZT_VOLTRAIL_SGUI_ADVANCED",
           QStringLiteral("ZT-VOLTRAIL - SHUTDOWN GUI - ADVANCED"), "SGUI_ADV", {1000, 1000, 14595, 7300})
{
    // Client area 14505 x 6960 twips. Controls are created in tab order.
    CLOSE_BUTTON =
        PlaceTwips(MakeButton(this, "CLOSE_BUTTON", QStringLiteral("Close")), 7320, 6360, 1215, 375);
    SetCloseButton(CLOSE_BUTTON);

    ZT_TITLE_1 =
        PlaceTwips(MakeTitleLabel(this, "ZT_TITLE_1", QLatin1String(texts::kMakerName)), 120, 120, 2655, 375);
    ZT_TITLE_2 = PlaceTwips(MakeTitleLabel(this, "ZT_TITLE_2", QLatin1String(texts::kProductName)), 2880, 120,
                            2055, 375);
    SHUTDOWN_TIMEOUT_1_LABEL =
        PlaceTwips(MakeCaption(this, "SHUTDOWN_TIMEOUT_1_LABEL", kTimeOutCaption), 5040, 120, 2175, 255);
    SHUTDOWN_TIMEOUT_2_LABEL =
        PlaceTwips(MakeCaption(this, "SHUTDOWN_TIMEOUT_2_LABEL", kTimeOutHint), 5400, 360, 1815, 255);
    SHUTDOWN_TIMEOUT_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "SHUTDOWN_TIMEOUT_TEXTBOX", QStringLiteral("30"), kTimeOutCaption), 7320,
                   120, 1095, 315);
    SGUI_ADVANCED_LABEL =
        PlaceTwips(MakeTitleLabel(this, "SGUI_ADVANCED_LABEL", QStringLiteral("SHUTDOWN GUI - ADVANCED")),
                   8640, 120, 5655, 375);

    Line1 = PlaceTwips(new QFrame(this), 7200 - kTwipsPerPixel / 2, 600, kTwipsPerPixel, 6240 - 600);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::VLine);

    for (int n = 1; n <= kConsoleRowCount; ++n)
        BuildRow(n);

    ENABLE_BATCH_RUN_TICKBOX =
        PlaceTwips(MakeTickBox(this, "ENABLE_BATCH_RUN_TICKBOX", QStringLiteral("Enable Batch Run")), 3120,
                   6360, 1095, 375);
    BATCH_RUN_BUTTON =
        PlaceTwips(MakeButton(this, "BATCH_RUN_BUTTON", QStringLiteral("BATCH RUN")), 1200, 6360, 1695, 375);
    BATCH_RUN_BUTTON->setEnabled(false);
    ABORT_ALL_BUTTON =
        PlaceTwips(MakeButton(this, "ABORT_ALL_BUTTON", QStringLiteral("ABORT ALL")), 4440, 6360, 1215, 375);
    SAVE_BUTTON = PlaceTwips(MakeButton(this, "SAVE_BUTTON", QStringLiteral("Save")), 5880, 6360, 1215, 375);
    ALL_CMD_COMMANDS_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "ALL_CMD_COMMANDS_TEXTBOX", QLatin1String(texts::kCommandPlaceholder),
                               QStringLiteral("Command line")),
                   8760, 6360, 5535, 375);
    LineEditCommandDisplay::Prepare(*ALL_CMD_COMMANDS_TEXTBOX);

    std::vector<QWidget*> chain{CLOSE_BUTTON, SHUTDOWN_TIMEOUT_TEXTBOX};
    for (const Row& row : rows_) {
        chain.insert(chain.end(), {row.BATCH_RUN_TICKBOX, row.PC_NAME_TEXTBOX, row.SHUTDOWN_TICKBOX,
                                   row.RESTART_TICKBOX, row.FORCE_TICKBOX, row.RUN_BUTTON, row.ABORT_BUTTON});
    }
    chain.insert(chain.end(), {ENABLE_BATCH_RUN_TICKBOX, BATCH_RUN_BUTTON, ABORT_ALL_BUTTON, SAVE_BUTTON,
                               ALL_CMD_COMMANDS_TEXTBOX});
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    connect(ENABLE_BATCH_RUN_TICKBOX, &TickBox::valueChanged, this,
            &ZT_VOLTRAIL_SGUI_ADVANCED::ENABLE_BATCH_RUN_TICKBOX_Click);
    connect(BATCH_RUN_BUTTON, &QPushButton::clicked, this,
            &ZT_VOLTRAIL_SGUI_ADVANCED::BATCH_RUN_BUTTON_Click);
    connect(ABORT_ALL_BUTTON, &QPushButton::clicked, this,
            &ZT_VOLTRAIL_SGUI_ADVANCED::ABORT_ALL_BUTTON_Click);
    connect(SAVE_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_SGUI_ADVANCED::SAVE_BUTTON_Click);
    connect(CLOSE_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_SGUI_ADVANCED::CLOSE_BUTTON_Click);
}

void ZT_VOLTRAIL_SGUI_ADVANCED::BuildRow(int n)
{
    Row& row = ROW(n);
    const int top = kFirstRowTop + kRowPitch * ((n - 1) % kRowsPerColumn);
    const int shift = n > kRowsPerColumn ? kColumnShift : 0;
    const auto name = [n](const char* kind, const char* suffix) { return RowControlName(kind, n, suffix); };

    const std::string numberName = RowNumberBoxName(n);
    row.NUMBER_TEXTBOX =
        PlaceTwips(MakeTextBox(this, numberName.c_str(), QString::number(n), QStringLiteral("Row %1").arg(n)),
                   120 + shift, top, 375, 285);
    row.NUMBER_TEXTBOX->setAlignment(Qt::AlignCenter);
    row.NUMBER_TEXTBOX->setReadOnly(true);
    row.NUMBER_TEXTBOX->setFocusPolicy(Qt::NoFocus);
    // A palette rather than a style sheet: thirty style sheets slow the opening.
    QPalette numberColours = row.NUMBER_TEXTBOX->palette();
    numberColours.setColor(QPalette::Base, Qt::black);
    numberColours.setColor(QPalette::Text, Qt::yellow);
    row.NUMBER_TEXTBOX->setPalette(numberColours);
    QFont numberFont(QStringLiteral("Arial Black"));
    numberFont.setBold(true);
    row.NUMBER_TEXTBOX->setFont(numberFont);

    row.BATCH_RUN_TICKBOX =
        PlaceTwips(Named(MakeTickBox(this, name("BATCH_RUN", "TICKBOX").c_str(), QStringLiteral("Batch Run")),
                         RowName(n, "Batch Run")),
                   600 + shift, top, 1095, 255);
    row.PC_NAME_TEXTBOX =
        PlaceTwips(MakeTextBox(this, name("PC_NAME", "TEXTBOX").c_str(), QString(), RowName(n, "PC name")),
                   1800 + shift, top, 2055, 285);
    row.SHUTDOWN_TICKBOX =
        PlaceTwips(Named(MakeTickBox(this, name("SHUTDOWN", "TICKBOX").c_str(), QStringLiteral("S")),
                         RowName(n, "Shutdown")),
                   3960 + shift, top, 495, 255);
    row.RESTART_TICKBOX =
        PlaceTwips(Named(MakeTickBox(this, name("RESTART", "TICKBOX").c_str(), QStringLiteral("R")),
                         RowName(n, "Restart")),
                   4560 + shift, top, 495, 255);
    row.FORCE_TICKBOX = PlaceTwips(
        Named(MakeTickBox(this, name("FORCE", "TICKBOX").c_str(), QStringLiteral("F")), RowName(n, "Force")),
        5160 + shift, top, 495, 255);
    row.RUN_BUTTON = PlaceTwips(
        Named(MakeButton(this, name("RUN", "BUTTON").c_str(), QStringLiteral("Run")), RowName(n, "Run")),
        5760 + shift, top, 615, 255);
    row.ABORT_BUTTON =
        PlaceTwips(Named(MakeButton(this, name("ABORT", "BUTTON").c_str(), QStringLiteral("Abort")),
                         RowName(n, "Abort")),
                   6480 + shift, top, 615, 255);

    connect(row.RUN_BUTTON, &QPushButton::clicked, this, [this, n] { RUN_n_BUTTON_Click(n); });
    connect(row.ABORT_BUTTON, &QPushButton::clicked, this, [this, n] { ABORT_n_BUTTON_Click(n); });
}

void ZT_VOLTRAIL_SGUI_ADVANCED::Form_Load()
{
    RestorePlacement();
    SHUTDOWN_TIMEOUT_TEXTBOX->setText(ToQString(settings().LoadText("SHUTDOWN_TIMEOUT_TEXTBOX", "30")));
    for (int n = 1; n <= kConsoleRowCount; ++n)
        ROW(n).BATCH_RUN_TICKBOX->setValue(settings().LoadTick(RowControlName("BATCH_RUN", n, "TICKBOX"), 0));
    for (int n = 1; n <= kConsoleRowCount; ++n)
        ROW(n).PC_NAME_TEXTBOX->setText(
            ToQString(settings().LoadText(RowControlName("PC_NAME", n, "TEXTBOX"), "")));
    for (int n = 1; n <= kConsoleRowCount; ++n)
        ROW(n).SHUTDOWN_TICKBOX->setValue(settings().LoadTick(RowControlName("SHUTDOWN", n, "TICKBOX"), 0));
    for (int n = 1; n <= kConsoleRowCount; ++n)
        ROW(n).RESTART_TICKBOX->setValue(settings().LoadTick(RowControlName("RESTART", n, "TICKBOX"), 0));
    for (int n = 1; n <= kConsoleRowCount; ++n)
        ROW(n).FORCE_TICKBOX->setValue(settings().LoadTick(RowControlName("FORCE", n, "TICKBOX"), 0));
}

namespace {

RemoteRow ReadRow(const ZT_VOLTRAIL_SGUI_ADVANCED::Row& row)
{
    return RemoteRow{row.PC_NAME_TEXTBOX->text().toStdString(), row.SHUTDOWN_TICKBOX->value(),
                     row.RESTART_TICKBOX->value(), row.FORCE_TICKBOX->value()};
}

} // namespace

OutcomeHandler ZT_VOLTRAIL_SGUI_ADVANCED::ClearAndWatch(int n)
{
    failure_mark::Clear(ROW(n).PC_NAME_TEXTBOX);
    return failure_mark::MarkOnFailure(ROW(n).PC_NAME_TEXTBOX);
}

RowOutcomeHandler ZT_VOLTRAIL_SGUI_ADVANCED::ClearAndWatchRows(bool onlyBatchMarked)
{
    std::vector<OutcomeHandler> rows(kConsoleRowCount);
    for (int n = 1; n <= kConsoleRowCount; ++n) {
        if (!onlyBatchMarked || ROW(n).BATCH_RUN_TICKBOX->value() == 1)
            rows[static_cast<size_t>(n - 1)] = ClearAndWatch(n);
    }
    return [rows = std::move(rows)](size_t index, const LineOutcome& outcome) {
        if (index < rows.size() && rows[index])
            rows[index](outcome);
    };
}

void ZT_VOLTRAIL_SGUI_ADVANCED::RUN_n_BUTTON_Click(int n)
{
    LineEditCommandDisplay display(*ALL_CMD_COMMANDS_TEXTBOX);
    RunRemoteRow(ReadRow(ROW(n)), SHUTDOWN_TIMEOUT_TEXTBOX->text().toStdString(), display, launcher(),
                 ClearAndWatch(n));
}

void ZT_VOLTRAIL_SGUI_ADVANCED::ABORT_n_BUTTON_Click(int n)
{
    LineEditCommandDisplay display(*ALL_CMD_COMMANDS_TEXTBOX);
    AbortRemoteRow(ROW(n).PC_NAME_TEXTBOX->text().toStdString(), display, launcher(), ClearAndWatch(n));
}

void ZT_VOLTRAIL_SGUI_ADVANCED::ENABLE_BATCH_RUN_TICKBOX_Click()
{
    BATCH_RUN_BUTTON->setEnabled(ENABLE_BATCH_RUN_TICKBOX->isTicked());
}

void ZT_VOLTRAIL_SGUI_ADVANCED::BATCH_RUN_BUTTON_Click()
{
    std::array<ConsoleRow, kConsoleRowCount> console;
    for (int n = 1; n <= kConsoleRowCount; ++n)
        console[static_cast<size_t>(n - 1)] = {ROW(n).BATCH_RUN_TICKBOX->value(), ReadRow(ROW(n))};
    LineEditCommandDisplay display(*ALL_CMD_COMMANDS_TEXTBOX);
    BatchRunRows(console, SHUTDOWN_TIMEOUT_TEXTBOX->text().toStdString(), display, launcher(),
                 ClearAndWatchRows(true));
}

void ZT_VOLTRAIL_SGUI_ADVANCED::ABORT_ALL_BUTTON_Click()
{
    std::array<ConsoleRow, kConsoleRowCount> console;
    for (int n = 1; n <= kConsoleRowCount; ++n)
        console[static_cast<size_t>(n - 1)] = {ROW(n).BATCH_RUN_TICKBOX->value(), ReadRow(ROW(n))};
    LineEditCommandDisplay display(*ALL_CMD_COMMANDS_TEXTBOX);
    AbortAllRows(console, display, launcher(), ClearAndWatchRows(false));
}

void ZT_VOLTRAIL_SGUI_ADVANCED::SAVE_BUTTON_Click()
{
    SavePlacement();
    settings().SaveText("SHUTDOWN_TIMEOUT_TEXTBOX", SHUTDOWN_TIMEOUT_TEXTBOX->text().toStdString());
    for (int n = 1; n <= kConsoleRowCount; ++n)
        settings().SaveTick(RowControlName("BATCH_RUN", n, "TICKBOX"), ROW(n).BATCH_RUN_TICKBOX->value());
    for (int n = 1; n <= kConsoleRowCount; ++n)
        settings().SaveText(RowControlName("PC_NAME", n, "TEXTBOX"),
                            ROW(n).PC_NAME_TEXTBOX->text().toStdString());
    for (int n = 1; n <= kConsoleRowCount; ++n)
        settings().SaveTick(RowControlName("SHUTDOWN", n, "TICKBOX"), ROW(n).SHUTDOWN_TICKBOX->value());
    for (int n = 1; n <= kConsoleRowCount; ++n)
        settings().SaveTick(RowControlName("RESTART", n, "TICKBOX"), ROW(n).RESTART_TICKBOX->value());
    for (int n = 1; n <= kConsoleRowCount; ++n)
        settings().SaveTick(RowControlName("FORCE", n, "TICKBOX"), ROW(n).FORCE_TICKBOX->value());
    settings().Flush();
}

void ZT_VOLTRAIL_SGUI_ADVANCED::CLOSE_BUTTON_Click()
{
    close();
}

} // namespace voltrail
