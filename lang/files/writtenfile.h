// A file the user named, written whole from Qt, and the words for one that
// was not written. Qt Core only: the printout, the cut template and the
// design files all write through these, and the fuzz build takes them
// without the rest of the interface language.
#pragma once

#include "files/wholefile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vintorp::lang {

// "Не удалось записать файл PATH: WHY" in the interface language of the
// installed translators; a NUL in `path` is shown as "\0".
QString writeFailureMessage(const QString& path, const files::WriteFailure& failure);

// Writes `bytes` to the file at `path` whole. Returns nothing when it is
// written; else the message for the user, and the file is as it was.
std::optional<QString> writeFileWhole(const QString& path, const QByteArray& bytes);

}  // namespace vintorp::lang
