// A BobbinView held in memory that records what Calculate does to it.
#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calc/bobbin.h"

namespace vintorp::calc::test {

class FakeView : public BobbinView {
public:
    // The input texts in the order A, B, C, H, K, T.
    FakeView(std::array<std::string, 6> inputs, int core_type)
        : inputs_(std::move(inputs)), core_type_(core_type)
    {
        for (const std::string_view name : kDrawingFields) {
            fields_[std::string(name)] = "old";
        }
    }

    std::string inputText(InputField field) const override
    {
        events_.push_back("read " + std::string(inputFieldName(field)));
        return inputs_[static_cast<std::size_t>(field)];
    }
    int coreType() const override { return core_type_; }
    void setDrawingField(std::string_view name, const std::string& text) override
    {
        events_.push_back("set " + std::string(name));
        const auto shown = shown_instead_.find(std::string(name));
        fields_.at(std::string(name)) = shown == shown_instead_.end() ? text : shown->second;
    }
    std::string drawingFieldText(std::string_view name) const override
    {
        return fields_.at(std::string(name));
    }
    void showMessage(const std::string& text) override
    {
        events_.push_back("message");
        messages_.push_back(text);
    }
    void showDrawing() override { events_.push_back("show"); }

    // Makes the field show this text whatever Calculate writes into it.
    void ShowInstead(const std::string& field, const std::string& text) { shown_instead_[field] = text; }

    const std::string& Field(const std::string& name) const { return fields_.at(name); }
    const std::map<std::string, std::string>& Fields() const { return fields_; }
    const std::vector<std::string>& Events() const { return events_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    bool Shown() const { return std::find(events_.begin(), events_.end(), "show") != events_.end(); }
    void ClearEvents() { events_.clear(); }

private:
    std::array<std::string, 6> inputs_;
    int core_type_;
    std::map<std::string, std::string> fields_;
    std::map<std::string, std::string> shown_instead_;
    mutable std::vector<std::string> events_;
    std::vector<std::string> messages_;
};

}  // namespace vintorp::calc::test
