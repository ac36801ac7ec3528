// Marks a text the user sees where it is defined, so that the translation tools collect it,
// without bringing Qt into the core: the mark is the text itself. Wide texts are written
// L"" QT_TRANSLATE_NOOP("Tintora", "text"): the empty wide literal makes the whole wide, and
// the tools read the narrow one. The window layer translates the text where it shows it.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
