#pragma once

#include "fuzzy/Language.h"  // the engine's, fuzzy/Sprache.h

#include <QStringList>

#include <optional>
#include <string>

namespace widgets {

// Takes "--lang de|en" (or "--lang=de|en") out of the arguments, so that the
// program sees its own arguments only. Returns the language it names, nullopt
// without the option. A missing or unknown value: nullopt and `fehler` holds
// a message for stderr (in both languages: no language is chosen yet).
std::optional<fuzzy::Language> SpracheAusArgumenten(int& argc, char** argv, std::string& fehler);

// Makes `sprache` the language of the running program: the engine's texts,
// the toolkit's own texts (file dialogs, edit menus), the numbers (decimal
// point in English) and the program's catalogues, each embedded as
// ":/i18n/NAME_en.qm". A later call replaces everything an earlier one
// installed; windows made before it keep their texts.
void SpracheEinrichten(fuzzy::Language sprache, const QStringList& kataloge);

// The catalogues of the last SpracheEinrichten.
QStringList EingerichteteKataloge();

}  // namespace widgets
