// Opening a design file, and the words of its refusal: the window and the
// batch tool both open designs through these, so that a file one refuses the
// other refuses with the same message.
#pragma once

#include "design/design.h"

#include <QByteArray>
#include <QString>

#include <variant>

class QTranslator;

namespace vintorp::lang {

// The words below in the language of `translator`; none: the installed
// translators (the Russian source when there are none).

// What is wrong with a design file that cannot be read ("это не JSON,
// ошибка в строке 2, столбце 1").
QString designReadReason(const design::ReadError& error, const QTranslator* translator = nullptr);

// "Не удалось открыть проект PATH: WHY", the form of every message of opening.
QString designOpenFailure(const QString& path, const QString& why, const QTranslator* translator = nullptr);

// The bytes of the file at `path`, one byte more than a design may have at
// most (so that a file too large is told as such, whatever kind of file it
// is); or why it could not be read. A directory, a device or a pipe is no
// design, and a pipe would hold the reader until something writes into it.
std::variant<QByteArray, QString> readDesignBytes(const QString& path,
                                                  const QTranslator* translator = nullptr);

}  // namespace vintorp::lang
