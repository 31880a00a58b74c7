#include "keyfilter.h"

#include <QKeyEvent>

namespace vintorp::ui {

std::optional<char32_t> typedCharacter(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (mods & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return std::nullopt;
    default: break;
    }
    if (mods & Qt::ControlModifier) {
        if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
            return char32_t(key.key() - Qt::Key_A + 1);
        return std::nullopt;
    }
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    const char32_t c = text.toUcs4().value(0);
    if (c < 32 || c == 127)
        return std::nullopt;
    return c;
}

}  // namespace vintorp::ui
