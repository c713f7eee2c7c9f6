#include "ui/Controls.h"

#include "settings/Placement.h"
#include "ui/PictureIconEngine.h"
#include "ui/TickBox.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace voltrail {

namespace {

// What a screen reader should say for a caption: "&&" is a shown ampersand,
// a single "&" only marks the access key.
QString AccessibleCaption(const QString& caption)
{
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

const QString kTitleStyle = QStringLiteral("background-color: black; color: #00ff00; font-weight: bold;");

} // namespace

QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void SetGeometryTwips(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(TwipsToPixels(static_cast<float>(left)), TwipsToPixels(static_cast<float>(top)),
                         TwipsToPixels(static_cast<float>(width)), TwipsToPixels(static_cast<float>(height)));
}

QIcon Picture(const char* name)
{
    static QHash<QString, QIcon> loaded;
    const QString key = QLatin1String(name);
    if (const auto it = loaded.constFind(key); it != loaded.constEnd())
        return *it;
    return *loaded.insert(key, QIcon(new PictureIconEngine(QStringLiteral(":/pictures/") + key)));
}

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleName(AccessibleCaption(caption));
    return button;
}

QPushButton* MakePictureButton(QWidget* parent, const char* objectName, const char* picture,
                               const QString& accessibleName, const QString& toolTip)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setIcon(Picture(picture));
    button->setAccessibleName(accessibleName);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

TickBox* MakeTickBox(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* box = new TickBox(caption, parent);
    box->setObjectName(QLatin1String(objectName));
    box->setAccessibleName(AccessibleCaption(caption));
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* objectName, const QString& text,
                       const QString& accessibleName)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(objectName));
    // Inputs are kept exactly as typed, however long.
    box->setMaxLength(32767);
    if (!accessibleName.isEmpty())
        box->setAccessibleName(accessibleName);
    return box;
}

QLabel* MakeTitleLabel(QWidget* parent, const char* objectName, const QString& text)
{
    auto* label = MakeLabel(parent, objectName, text);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(kTitleStyle);
    return label;
}

QLineEdit* MakeTitleTextBox(QWidget* parent, const char* objectName, const QString& text)
{
    auto* box = MakeTextBox(parent, objectName, text, text);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(kTitleStyle);
    return box;
}

void UseWindowFont(QWidget* window)
{
    QFont font = window->font();
    // Faces with Arial's metrics fit the twip layout; fall back to what exists.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans Condensed"), font.family()});
    font.setPointSizeF(8);
    window->setFont(font);
}

void SetTabOrder(std::initializer_list<QWidget*> chain)
{
    QWidget* previous = nullptr;
    for (QWidget* next : chain) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void MakeInert(QWidget* control, bool disabled)
{
    control->hide();
    control->setEnabled(!disabled);
    control->setFocusPolicy(Qt::NoFocus);
}

} // namespace voltrail
