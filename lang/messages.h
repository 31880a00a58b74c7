// The words for what the layers without Qt report by kind: the calculation's
// rejection and its arithmetic and conversion errors, the printing errors.
// This is the one place that turns a kind into text; the window and the batch
// tool both show these messages through it.
#pragma once

#include "calc/errors.h"
#include "print/errors/printerror.h"

#include <QString>

class QTranslator;

namespace vintorp::lang {

// The message in the interface language of the installed translators.
QString messageText(const calc::Error& error);

// The same with one translator, for a program without an application object.
QString messageText(const calc::Error& error, const QTranslator& translator);

// A printing error in the interface language of the installed translators.
QString messageText(const print::PrintFailure& failure);

}  // namespace vintorp::lang
