#pragma once

#include "settings/Placement.h"
#include "ui/Services.h"

#include <QDialog>
#include <string>

class QAbstractButton;
class QPushButton;

namespace voltrail {

class TextBoxEnterKeys;

// A secondary window: fixed single border with a close box only, opened modal
// over its owner, loaded afresh at every opening and unloaded at every close.
// Subclasses build their controls in the constructor and put their load and
// unload steps in Form_Load and Form_Unload.
class Form : public QDialog {
    Q_OBJECT
public:
    Form(Services& services, QWidget* owner, const char* windowName, const QString& caption,
         std::string placementPrefix, const Placement& defaults);

    // Loads the window, shows it modal and returns once it has closed.
    void ShowModal();

    // Runs the load step without showing; ShowModal calls it.
    void Load();

protected:
    virtual void Form_Load() = 0;
    // Whatever closes the window runs this once; the default saves Left and Top.
    virtual void Form_Unload();

    void RestorePlacement();
    void SavePlacement();

    // The button that closes without acting: pressed by Escape, and by Enter
    // when neither another button nor a text box has the focus.
    void SetCloseButton(QPushButton* button);

    // Enter in a text box presses nothing, so typed work is never thrown
    // away; this names the one button Enter in that box presses instead.
    void SetEnterButton(QWidget* textBox, QAbstractButton* button);

    SettingsStore& settings() const { return services_.settings; }
    ShellLauncher& launcher() const { return services_.launcher; }
    Services& services() const { return services_; }

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Services& services_;
    std::string prefix_;
    Placement defaults_;
    QPushButton* closeButton_ = nullptr;
    TextBoxEnterKeys* enterKeys_;
    bool loaded_ = false;
    bool unloaded_ = false;
};

} // namespace voltrail
