// The batch tool's own words: why a case's template was not tried, what is
// wrong with its windings or its transformer, a bobbin with no winding room. Russian at the
// source (context "Batch"), English through the program's translation, each
// limit from the constant the reader checks against.
#pragma once

#include "batch/batch_case.h"
#include "template/errors/templatefailure.h"

#include <QString>

#include <string_view>

class QTranslator;

namespace vintorp::lang {

// The words below in the language of `translator`; none: the Russian source.

// Why the template was not tried, about the key at fault.
QString refusalWords(batch::TemplateRefusal refusal, std::string_view key, const QTranslator* translator);

// A template setting the writer refused, named by its key: a setting out of
// its range, lead holes no wider than the kerf; empty for other failures,
// which the window's words (lang::messageText) tell as well.
QString settingWords(const cut::TemplateFailure& failure, const QTranslator* translator);

// What is wrong with the windings; `winding` counts from 1, `name` is its name
// as the message quotes it.
QString windingsWords(batch::WindingsFault fault, int winding, std::string_view name,
                      const QTranslator* translator);

// What is wrong with the transformer, or why it could not be worked out.
QString transformerWords(const batch::TransformerIssue& issue, const QTranslator* translator);

// A bobbin with no winding room, its winding length L and depth D (mm, as texts).
QString noRoomWords(std::string_view length, std::string_view depth, const QTranslator* translator);

}  // namespace vintorp::lang
