#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The language the program speaks. It is chosen once at start-up, before any
// text is made; English is the program's own and needs no translations. The
// German, French and Spanish translations are carried in the program.
namespace Language {

// The carried language a locale or language name asks for: "de" for "de",
// "de_AT.UTF-8" or "de_CH@euro". Empty for English, "C", "POSIX" and every
// language the program does not carry: those are spoken in English.
QString carried(const QString &name);

// The language the environment asks for: the first of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG that is set decides. LANGUAGE is a list of preferences
// ("fr:de"): its first carried language, or English when it names none.
// Empty for English.
using Environment = std::function<QByteArray(const char *)>;
QString fromEnvironment(const Environment &env = qgetenv);

// Speaks code ("de", "fr", "es"; anything else is English) from now on. Texts
// already made stay as they are.
void use(const QString &code);
// The language in use: "de", "fr", "es", or empty for English.
QString current();

// The text in the language in use; source, in English, when it has no
// translation. The context groups a part's texts, as in the translation files.
QString translate(const char *context, const char *source, const char *disambiguation = nullptr);
// The same for a text that is only known at run time (an element's name).
QString translate(const char *context, const QString &source);

// Puts the toolkit's own texts (dialog buttons, the file dialog, the command
// line's help) in the language in use; call once an application object exists.
void installToolkitTexts();

} // namespace Language
