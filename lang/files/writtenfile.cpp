#include "lang/files/writtenfile.h"

#include <QCoreApplication>
#include <QFile>

#include <string_view>

namespace vintorp::lang {
namespace {

QString words(const char* source)
{
    return QCoreApplication::translate("WrittenFile", source);
}

}  // namespace

QString writeFailureMessage(const QString& path, const files::WriteFailure& failure)
{
    QString shown = path;
    shown.replace(QChar(u'\0'), QStringLiteral("\\0"));
    QString why;
    switch (failure.fault) {
    case files::WriteFault::NulInPath:
        why = words(QT_TRANSLATE_NOOP("WrittenFile", "в имени файла есть знак NUL"));
        break;
    case files::WriteFault::NotARegularFile:
        why = words(QT_TRANSLATE_NOOP("WrittenFile", "это не обычный файл, он не будет заменён"));
        break;
    case files::WriteFault::System: why = QString::fromStdString(failure.systemReason()); break;
    }
    return words(QT_TRANSLATE_NOOP("WrittenFile", "Не удалось записать файл %1: %2")).arg(shown, why);
}

std::optional<QString> writeFileWhole(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    const std::optional<files::WriteFailure> failure
        = files::writeWholeFile(std::string_view(name.constData(), std::size_t(name.size())),
                                std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (failure)
        return writeFailureMessage(path, *failure);
    return std::nullopt;
}

}  // namespace vintorp::lang
