#include "lang/designfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>

namespace vintorp::lang {
namespace {

constexpr char kContext[] = "DesignFile";

QString text(const char* source, const QTranslator* translator)
{
    if (!translator)
        return QCoreApplication::translate(kContext, source);
    const QString translated = translator->translate(kContext, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

}  // namespace

QString designReadReason(const design::ReadError& error, const QTranslator* translator)
{
    const QString key = QString::fromStdString(error.key);
    const auto words = [translator](const char* source) { return text(source, translator); };
    switch (error.fault) {
    case design::Fault::TooLarge:
        return words(QT_TRANSLATE_NOOP("DesignFile", "файл больше %1 МБ")).arg(design::kMaxFileSize >> 20);
    case design::Fault::Empty: return words(QT_TRANSLATE_NOOP("DesignFile", "файл пуст"));
    case design::Fault::NotJson:
    case design::Fault::NulByte:
    case design::Fault::NumberTooLarge:
        return error.line > 0
                   ? words(QT_TRANSLATE_NOOP("DesignFile", "это не JSON, ошибка в строке %1, столбце %2"))
                         .arg(error.line)
                         .arg(error.column)
                   : words(QT_TRANSLATE_NOOP("DesignFile", "это не JSON"));
    case design::Fault::NotAnObject:
    case design::Fault::NotADesign: return words(QT_TRANSLATE_NOOP("DesignFile", "это не проект Vintorp"));
    case design::Fault::NewerVersion:
        return words(QT_TRANSLATE_NOOP("DesignFile", "проект сохранён более новой версией программы"));
    case design::Fault::Missing: return words(QT_TRANSLATE_NOOP("DesignFile", "нет значения «%1»")).arg(key);
    case design::Fault::WrongKind:
        return words(QT_TRANSLATE_NOOP("DesignFile", "неверный тип значения «%1»")).arg(key);
    case design::Fault::OutOfRange:
        return words(QT_TRANSLATE_NOOP("DesignFile", "значение «%1» вне допустимого диапазона")).arg(key);
    case design::Fault::TooLong:
        return words(QT_TRANSLATE_NOOP("DesignFile", "«%1» содержит %2 символов, поле — %3"))
            .arg(key)
            .arg(error.length)
            .arg(error.limit);
    case design::Fault::DecimalComma:
        return words(QT_TRANSLATE_NOOP("DesignFile", "в «%1» запятая: проект хранит числа с точкой"))
            .arg(key);
    case design::Fault::Together:
        return words(QT_TRANSLATE_NOOP("DesignFile", "«%1» и «%2» не могут быть вместе"))
            .arg(key, QString::fromStdString(error.other));
    }
    return words(QT_TRANSLATE_NOOP("DesignFile", "это не проект Vintorp"));
}

QString designOpenFailure(const QString& path, const QString& why, const QTranslator* translator)
{
    return text(QT_TRANSLATE_NOOP("DesignFile", "Не удалось открыть проект %1: %2"), translator)
        .arg(QDir::toNativeSeparators(path), why);
}

std::variant<QByteArray, QString> readDesignBytes(const QString& path, const QTranslator* translator)
{
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return text(QT_TRANSLATE_NOOP("DesignFile", "это не обычный файл"), translator);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QByteArray bytes = file.read(qint64(design::kMaxFileSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return bytes;
}

}  // namespace vintorp::lang
