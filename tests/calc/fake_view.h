// The in-memory view, recording what Calculate does to it.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calc/memoryview.h"

namespace vintorp::calc::test {

class FakeView : public MemoryView {
public:
    // The input texts in the order A, B, C, H, K, T; every drawing field
    // starts as "old".
    FakeView(std::array<std::string, 6> inputs, int core_type)
        : MemoryView(std::move(inputs), core_type, "old")
    {
    }

    std::string inputText(InputField field) const override
    {
        events_.push_back("read " + std::string(inputFieldName(field)));
        return MemoryView::inputText(field);
    }
    void setDrawingField(std::string_view name, const std::string& text) override
    {
        events_.push_back("set " + std::string(name));
        const auto shown = shown_instead_.find(std::string(name));
        MemoryView::setDrawingField(name, shown == shown_instead_.end() ? text : shown->second);
    }
    void showMessage(const Error& message) override
    {
        events_.push_back("message");
        messages_.push_back(message);
        MemoryView::showMessage(message);
    }
    void showDrawing() override
    {
        events_.push_back("show");
        MemoryView::showDrawing();
    }

    // Makes the field show this text whatever Calculate writes into it.
    void ShowInstead(const std::string& field, const std::string& text) { shown_instead_[field] = text; }

    const std::vector<std::string>& Events() const { return events_; }
    const std::vector<Error>& Messages() const { return messages_; }

private:
    std::map<std::string, std::string> shown_instead_;
    mutable std::vector<std::string> events_;
    std::vector<Error> messages_;
};

}  // namespace vintorp::calc::test
