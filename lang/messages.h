// Messages that reach the user from the layers without Qt (the calculation's
// rejection and its arithmetic and conversion errors, the printing errors):
// their texts are fixed there, and the window and the batch tool show them
// through this translation.
#pragma once

#include <QString>

#include <string_view>

class QTranslator;

namespace vintorp::ui {

// The message in the interface language of the installed translators; a
// message not known here comes back unchanged.
QString translatedMessage(std::string_view message);

// The same with one translator, for a program without an application object.
QString translatedMessage(std::string_view message, const QTranslator& translator);

}  // namespace vintorp::ui
