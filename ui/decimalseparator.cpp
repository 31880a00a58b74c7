#include "decimalseparator.h"

#include <QLocale>

namespace vintorp::ui {
namespace {

QString separatorFrom(const SeparatorSource& source)
{
    const QString symbol = source ? source() : QString();
    return symbol.toUcs4().size() == 1 ? symbol : QStringLiteral(".");
}

// The only process-wide mutable state of the program.
struct SeparatorState {
    SeparatorSource source = systemDecimalSymbol;
    QString current = separatorFrom(source);
};

SeparatorState& state()
{
    static SeparatorState s;
    return s;
}

}  // namespace

QString systemDecimalSymbol()
{
    return QLocale::system().decimalPoint();
}

void setSeparatorSource(SeparatorSource source)
{
    state().source = std::move(source);
    reloadDecimalSeparator();
}

void reloadDecimalSeparator()
{
    state().current = separatorFrom(state().source);
}

QString decimalSeparator()
{
    return state().current;
}

}  // namespace vintorp::ui
