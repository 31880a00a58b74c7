#include "calcbridge.h"

#include "inputwindow.h"
#include "calc/numtext.h"
#include "decimalseparator.h"
#include "drawingwindow.h"
#include "errorreport.h"
#include "lang/messages.h"

namespace vintorp::ui {
namespace {
QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
}  // namespace

std::string CalcBridge::inputText(calc::InputField field) const
{
    return input_.inputText(field).toStdString();
}

int CalcBridge::coreType() const
{
    return input_.coreType();
}

void CalcBridge::setDrawingField(std::string_view name, const std::string& text)
{
    drawing_.setFieldText(fromView(name), QString::fromStdString(text));
}

std::string CalcBridge::drawingFieldText(std::string_view name) const
{
    return drawing_.fieldText(fromView(name)).toStdString();
}

void CalcBridge::showMessage(const calc::Error& message)
{
    showPlainMessage(lang::messageText(message), &input_);
}

void CalcBridge::showDrawing()
{
    drawing_.setCoreType(input_.coreType());
    // The core's sizes as typed: the calculation has just read them.
    const std::string sep = decimalSeparator().toStdString();
    const auto size = [&](calc::InputField field) {
        return double(calc::parseNumberOrDefault(inputText(field), 0, sep));
    };
    drawing_.setCore({input_.coreType() == calc::UTypeCore, size(calc::InputField::A),
                      size(calc::InputField::B), size(calc::InputField::C), size(calc::InputField::H)});
    drawing_.showResults();
}

}  // namespace vintorp::ui
