#include "ui/Form.h"

#include "ui/Controls.h"
#include "ui/TextBoxEnterKeys.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace voltrail {

Form::Form(Services& services, QWidget* owner, const char* windowName, const QString& caption,
           std::string placementPrefix, const Placement& defaults)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      services_(services), prefix_(std::move(placementPrefix)), defaults_(defaults),
      enterKeys_(new TextBoxEnterKeys(this))
{
    setObjectName(QLatin1String(windowName));
    setWindowTitle(caption);
    setWindowIcon(Picture("app"));
    UseWindowFont(this);
    setModal(true);
}

void Form::ShowModal()
{
    Load();
    exec();
}

void Form::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    settings().Refresh();
    Form_Load();
}

void Form::Form_Unload()
{
    SavePlacement();
}

void Form::RestorePlacement()
{
    voltrail::RestorePlacement(*this, settings(), prefix_, defaults_);
}

void Form::SavePlacement()
{
    voltrail::SavePlacement(*this, settings(), prefix_);
}

void Form::SetCloseButton(QPushButton* button)
{
    closeButton_ = button;
    button->setDefault(true);
}

void Form::SetEnterButton(QWidget* textBox, QAbstractButton* button)
{
    enterKeys_->PressOnEnter(textBox, button);
}

void Form::done(int result)
{
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
        settings().Flush();
    }
    QDialog::done(result);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && closeButton_) {
        if (closeButton_->isEnabled())
            closeButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace voltrail

namespace voltrail {

// Whatever closes the window (a handler's close(), the frame's close box)
// ends in done(), which unloads it, shown or not.
void Form::closeEvent(QCloseEvent* event)
{
    done(QDialog::Rejected);
    event->accept();
}

} // namespace voltrail
