// The words of «Из напряжений…»: why a transformer cannot be worked out, in
// the interface language.
#pragma once

#include "windings/transformer.h"

#include <QString>

namespace vintorp::ui {

// A winding of the transformer as the messages name it: "первичной обмотки
// «I»", "вторичной обмотки «II»" (its number when it has no name);
// `winding` 0 is the primary, i the i-th secondary.
QString transformerWindingName(const windings::TransformerInputs& inputs, std::size_t winding);

// What went wrong, with the input and its range, or the winding and why;
// `failure` from designTransformer(inputs, …) and `build` its result's build.
QString transformerFailureText(const windings::TransformerFailure& failure,
                               const windings::TransformerInputs& inputs, const windings::BuildUp& build,
                               const QString& separator);

}  // namespace vintorp::ui
