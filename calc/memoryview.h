// The windows, as far as Calculate sees them, held in memory: six input
// texts and a core type given at the start, the fourteen drawing texts kept
// by field name, and the last message shown. The batch tool runs Calculate
// on it; the tests build their recording view on it.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "bobbin.h"

namespace vintorp::calc {

class MemoryView : public BobbinView {
public:
    // The input texts in the order of InputField (A, B, C, H, K, T); every
    // drawing field starts with field_text.
    MemoryView(std::array<std::string, 6> inputs, int core_type, std::string_view field_text);

    std::string inputText(InputField field) const override;
    int coreType() const override;
    // An unknown field name is a programming error: std::out_of_range.
    void setDrawingField(std::string_view name, const std::string& text) override;
    std::string drawingFieldText(std::string_view name) const override;
    void showMessage(const Error& message) override;
    void showDrawing() override;

    const std::string& field(std::string_view name) const;
    // Every drawing field, ordered by name.
    const std::map<std::string, std::string, std::less<>>& fields() const { return fields_; }
    // The last message shown, if there was one.
    const std::optional<Error>& message() const { return message_; }
    bool shown() const { return shown_; }

private:
    std::array<std::string, 6> inputs_;
    int core_type_;
    std::map<std::string, std::string, std::less<>> fields_;
    std::optional<Error> message_;
    bool shown_ = false;
};

}  // namespace vintorp::calc
