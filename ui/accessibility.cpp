#include "accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <array>

namespace vintorp::ui {
namespace {

constexpr const char* kContext = "Accessibility";

struct NamedControl {
    const char* objectName;
    const char* name;
};

constexpr std::array<NamedControl, 8> kInputControls = {{
    {"ed_A", QT_TRANSLATE_NOOP("Accessibility", "A, ширина стержня, на котором стоит каркас")},
    {"ed_B", QT_TRANSLATE_NOOP("Accessibility", "B, толщина набора сердечника")},
    {"ed_C", QT_TRANSLATE_NOOP("Accessibility", "C, ширина окна сердечника")},
    {"ed_H", QT_TRANSLATE_NOOP("Accessibility", "H, высота окна сердечника")},
    {"edMater", QT_TRANSLATE_NOOP("Accessibility", "толщина материала каркаса")},
    {"edPLKrep", QT_TRANSLATE_NOOP("Accessibility", "толщина стяжки сердечника ПЛ")},
    {"img_SHL", QT_TRANSLATE_NOOP("Accessibility", "Сердечник ШЛ с размерами A, B, C и H")},
    {"IMG_PL", QT_TRANSLATE_NOOP("Accessibility", "Сердечник ПЛ с размерами A, B, C и H")},
}};

struct PresentedClass {
    QLatin1StringView className;
    QAccessible::Role role;
};

constexpr std::array<PresentedClass, 5> kPresentedClasses = {{
    {QLatin1StringView("vintorp::ui::TForm1"), QAccessible::Window},
    {QLatin1StringView("vintorp::ui::TForm4"), QAccessible::Window},
    {QLatin1StringView("vintorp::ui::WindingsWindow"), QAccessible::Window},
    {QLatin1StringView("vintorp::ui::VectorPicture"), QAccessible::Graphic},
    {QLatin1StringView("vintorp::ui::WindingSection"), QAccessible::Graphic},
}};

QAccessibleInterface* presentedInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const auto presented
        = std::find_if(kPresentedClasses.begin(), kPresentedClasses.end(),
                       [&className](const PresentedClass& c) { return c.className == className; });
    if (!widget || presented == kPresentedClasses.end()
        || (presented->role == QAccessible::Window) != widget->isWindow())
        return nullptr;
    // Handed to Qt's accessibility cache, which owns and deletes it.
    return new QAccessibleWidget(widget, presented->role);
}

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

}  // namespace

QString spokenDrawingField(const QString& meaning, const QString& value)
{
    return QCoreApplication::translate("Accessibility", "%1: %2 мм").arg(meaning, value);
}

QString inputControlName(QStringView objectName)
{
    for (const NamedControl& control : kInputControls) {
        if (objectName == QLatin1StringView(control.objectName))
            return translated(control.name);
    }
    return {};
}

QString inputFieldDescription()
{
    return translated(QT_TRANSLATE_NOOP("Accessibility", "в миллиметрах"));
}

void presentWindowsAndPictures()
{
    QAccessible::installFactory(presentedInterface);
}

QString drawingPictureName()
{
    return translated(QT_TRANSLATE_NOOP(
        "Accessibility", "Чертёж каркаса: две щеки и четыре стенки трубки с размерами в миллиметрах"));
}

}  // namespace vintorp::ui
