// The language the program speaks: French, its own, or English. Texts are written in French
// in the sources and looked up in the English catalogue built from translations/*.ts.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Marks a text kept in a table for the catalogue; translate() it where it is shown. Qt's
// macro, spelt to the letter as Qt spells it, so that lupdate finds it and a Qt header read
// after this one defines it again identically, without a warning.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace tracelle::platform {

enum class Language { French, English };

// From the session's variables LANGUAGE, LC_ALL, LC_MESSAGES and LANG, the first one set:
// French for fr*, C, POSIX or none at all, English for any other language.
Language languageFromEnvironment();
// "fr" or "en" (as typed after --lang, or kept in the settings); nothing for anything else.
std::optional<Language> languageNamed(std::string_view name);
std::string_view languageCode(Language language);

Language language();
void setLanguage(Language language);

// The text in the current language; the French text itself in French or when the catalogue
// lacks it. The context groups texts as the catalogue does (a file or a window).
const char* translate(const char* context, const char* french);

// The text with %1 … %9 replaced by the arguments, as QString::arg does; "%%" stays "%%".
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The choice made in Options › Langue, kept in the configuration folder; nothing when the
// session's language is followed.
std::optional<Language> savedLanguage();
bool saveLanguage(std::optional<Language> language);

} // namespace tracelle::platform
