// Why a cut template could not be made, by kind: the table that words it for
// the user (lang/messages.cpp) sees this header alone, not the template.
// Plain C++, no Qt.
#pragma once

#include <string>
#include <vector>

namespace vintorp::cut {

enum class TemplateErrorKind : int {
    // The drawing's values make no part. Arguments of the first four: the
    // field at fault (its calc::field name) and its text as the drawing shows it.
    FieldNotANumber,
    FieldInExponentForm,
    FieldNotPositive,
    FieldTooLarge,  // and the largest part, in metres
    WindowTooLarge,  // arguments: the window's width and height, the cheek's width and height, as shown
    TabsTooShort,  // arguments: the distance between the tab lines, the tabbed wall's height, as shown
    TabbedMiddleTooTall,  // arguments: the middle's height, the distance between the tab lines, as shown
    PlainMiddleTooTall,  // arguments: the middle's height, the plain wall's height, as shown
    // A setting out of its range. Arguments: the setting's key as design files
    // and batch lines name it ("kerf", see design/templatesettings.h), the
    // value given, the least and the most it may be (numbers as JSON writes
    // them), and the drawing's decimal separator, for the window's words.
    SettingOutOfRange,
    HoleWithinKerf,  // arguments: the lead holes' diameter and the kerf, and the separator, as above
    // The file was not written. Arguments: the path (UTF-8), the
    // files::WriteFault and the errno of a system fault, as numbers.
    FileNotWritten,
    NotATemplateFile,  // the name ends in neither .pdf, .svg nor .dxf
    KerfOnPdf,  // a kerf or a cutter's sheets asked of a PDF
    AreaTooSmall,  // arguments: the least width and height of the printable area, mm
    NoRoomBetweenGaps,  // argument: the least room left on a cutter's sheet, mm
    PartTooLarge,  // arguments: the part's width and height, the sheet's width and height, mm as shown
    TooManySheets,  // argument: the most sheets a template has
    OutputNotStarted,  // the painter could not begin
    PageNotStarted,  // the device could not start a new page
    SvgCharacter,  // argument: the code point no SVG text can hold ("0001")
    DxfCharacter,  // argument: the code point no DXF text can hold
    Count  // the number of kinds, not a kind
};

struct TemplateFailure {
    TemplateErrorKind kind = TemplateErrorKind::FieldNotANumber;
    std::vector<std::string> arguments;  // UTF-8; as many as the kind says

    bool operator==(const TemplateFailure&) const = default;
};

// The what() of a TemplateError: the kind's number and its arguments, for
// code that shows an exception it does not know.
inline std::string sourceText(const TemplateFailure& failure)
{
    std::string text = "Cut template error of kind " + std::to_string(static_cast<int>(failure.kind));
    for (std::size_t i = 0; i < failure.arguments.size(); ++i)
        text += (i == 0 ? ": " : ", ") + failure.arguments[i];
    return text;
}

}  // namespace vintorp::cut
