#include "memoryview.h"

#include <stdexcept>
#include <utility>

namespace vintorp::calc {

namespace {

// The text of a drawing field, writable or not as the map is.
template <typename Map>
auto& lookup(Map& fields, std::string_view name)
{
    const auto it = fields.find(name);
    if (it == fields.end()) {
        throw std::out_of_range("no drawing field " + std::string(name));
    }
    return it->second;
}

}  // namespace

MemoryView::MemoryView(std::array<std::string, 6> inputs, int core_type, std::string_view field_text)
    : inputs_(std::move(inputs)), core_type_(core_type)
{
    for (const std::string_view name : kDrawingFields) {
        fields_.emplace(name, field_text);
    }
}

std::string MemoryView::inputText(InputField field) const
{
    return inputs_.at(static_cast<std::size_t>(field));
}

int MemoryView::coreType() const
{
    return core_type_;
}

void MemoryView::setDrawingField(std::string_view name, const std::string& text)
{
    lookup(fields_, name) = text;
}

std::string MemoryView::drawingFieldText(std::string_view name) const
{
    return field(name);
}

void MemoryView::showMessage(const Error& message)
{
    message_ = message;
}

void MemoryView::showDrawing()
{
    shown_ = true;
}

const std::string& MemoryView::field(std::string_view name) const
{
    return lookup(fields_, name);
}

}  // namespace vintorp::calc
