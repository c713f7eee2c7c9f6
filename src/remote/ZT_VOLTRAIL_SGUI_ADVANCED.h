#pragma once

#include "remote/ConsoleKeys.h"
#include "remote/RemoteBatch.h"
#include "ui/Form.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltrail {

class TickBox;

// Thirty remote computers in two columns of fifteen, run or aborted one row
// at a time, as a batch of the marked rows, or all at once.
class ZT_VOLTRAIL_SGUI_ADVANCED : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_SGUI_ADVANCED(Services& services, QWidget* owner);

    // The eight controls of one row; each is named <KIND>_<n>_<suffix> after
    // its row number (the number box: PC_NUMBER_1_TEXTBOX, then Text30..Text58).
    struct Row {
        QLineEdit* NUMBER_TEXTBOX;
        TickBox* BATCH_RUN_TICKBOX;
        QLineEdit* PC_NAME_TEXTBOX;
        TickBox* SHUTDOWN_TICKBOX;
        TickBox* RESTART_TICKBOX;
        TickBox* FORCE_TICKBOX;
        QPushButton* RUN_BUTTON;
        QPushButton* ABORT_BUTTON;
    };

    // Row n, counted from 1 as the window shows it.
    Row& ROW(int n) { return rows_.at(static_cast<size_t>(n - 1)); }

    QLabel* ZT_TITLE_1;
    QLabel* ZT_TITLE_2;
    QLabel* SHUTDOWN_TIMEOUT_1_LABEL;
    QLabel* SHUTDOWN_TIMEOUT_2_LABEL;
    QLineEdit* SHUTDOWN_TIMEOUT_TEXTBOX;
    QLabel* SGUI_ADVANCED_LABEL;
    QFrame* Line1;
    QPushButton* BATCH_RUN_BUTTON;
    TickBox* ENABLE_BATCH_RUN_TICKBOX;
    QPushButton* ABORT_ALL_BUTTON;
    QPushButton* SAVE_BUTTON;
    QPushButton* CLOSE_BUTTON;
    QLineEdit* ALL_CMD_COMMANDS_TEXTBOX;

protected:
    void Form_Load() override;

private:
    void BuildRow(int n);

    // Takes row n's failure mark off and gives the handler that marks it
    // again when a line of this press fails.
    OutcomeHandler ClearAndWatch(int n);
    RowOutcomeHandler ClearAndWatchRows(bool onlyBatchMarked);
    void RUN_n_BUTTON_Click(int n);
    void ABORT_n_BUTTON_Click(int n);
    void ENABLE_BATCH_RUN_TICKBOX_Click();
    void BATCH_RUN_BUTTON_Click();
    void ABORT_ALL_BUTTON_Click();
    void SAVE_BUTTON_Click();
    void CLOSE_BUTTON_Click();

    std::array<Row, kConsoleRowCount> rows_{};
};

} // namespace voltrail
