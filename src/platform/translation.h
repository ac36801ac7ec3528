// The user's language: the program's own translation and Qt's, loaded once at start-up, and
// the look-up through which the window layer shows every fixed text. English is the source
// language, so without a translation every text is returned exactly as it came.
//
//   LoadTranslations(QLocale::system(), appFolder + "/translations");
//   label->setText(Translated(control.text));
//   FormatText(L"Pen: %d", pen)           // translates the format, then formats
#pragma once

#include <QLocale>
#include <QString>

#include "shared/cstring.h"

class QTranslator;

// The one context every text of the program is filed under.
inline constexpr char kTranslationContext[] = "Tintora";

// Loads and installs the program's translation for the first of locale's languages that has
// one, with Qt's own translation of that language. English, or no translation, installs
// nothing. Returns whether a translation was installed.
bool LoadTranslations(const QLocale& locale, const QString& folder);
// Installs translator as the program's translation (a test's pseudo-translation, say); null
// removes it and Qt's translation again.
void InstallTranslator(QTranslator* translator);
// Whether texts are being translated at all; layouts are left exactly as designed otherwise.
bool TranslationActive();

// folder + "<language>/" + file where the installed translation's language has its own copy
// of the file (the help pages, say), folder + file otherwise.
QString LocalisedPath(const QString& folder, const QString& file);

QString Translated(const QString& text);
QString Translated(const wchar_t* text);
CString TranslatedText(const CString& text);
