// The words for what the layers report by kind: the calculation's rejection
// and its arithmetic and conversion errors, the printing errors, the cut
// template's errors.
// This is the one place that turns a kind into text; the window and the batch
// tool both show these messages through it.
#pragma once

#include "calc/errors.h"
#include "print/errors/printerror.h"
#include "template/errors/templatefailure.h"

#include <QString>

class QTranslator;

namespace vintorp::lang {

// The message in the interface language of the installed translators.
QString messageText(const calc::Error& error);

// The same with one translator, for a program without an application object.
QString messageText(const calc::Error& error, const QTranslator& translator);

// A printing error in the interface language of the installed translators.
QString messageText(const print::PrintFailure& failure);

// Why a cut template was not made, in the interface language of the
// installed translators (context "CutTemplate", the template's own).
QString messageText(const cut::TemplateFailure& failure);

}  // namespace vintorp::lang
