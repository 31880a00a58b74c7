// Connects the calculation to the two windows: it reads the input window's
// fields and writes the drawing window's.
#pragma once

#include "calc/bobbin.h"

namespace vintorp::ui {

class TForm1;
class TForm4;

class CalcBridge final : public calc::BobbinView {
public:
    CalcBridge(TForm1& input, TForm4& drawing) : input_(input), drawing_(drawing) { }

    std::string inputText(calc::InputField field) const override;
    int coreType() const override;
    void setDrawingField(std::string_view name, const std::string& text) override;
    std::string drawingFieldText(std::string_view name) const override;
    void showMessage(const calc::Error& message) override;
    void showDrawing() override;

private:
    TForm1& input_;
    TForm4& drawing_;
};

}  // namespace vintorp::ui
