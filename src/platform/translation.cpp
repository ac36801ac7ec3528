// The program's translation and Qt's, and the look-up of a text.
#include "platform/translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "platform/qt_text.h"

namespace {

QTranslator* g_program = nullptr;
std::unique_ptr<QTranslator> g_loaded; // owned when loaded here rather than handed in
std::unique_ptr<QTranslator> g_qt;
QString g_language; // "de" while the German translation is installed, say

void RemoveTranslators() {
    if (g_program != nullptr) {
        QCoreApplication::removeTranslator(g_program);
        g_program = nullptr;
    }
    if (g_qt) {
        QCoreApplication::removeTranslator(g_qt.get());
        g_qt.reset();
    }
    g_loaded.reset();
    g_language.clear();
}

} // namespace

bool LoadTranslations(const QLocale& locale, const QString& folder) {
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        // The texts are written in English: an English user before any other language
        // reads them as they are.
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            return false;
        }
        auto program = std::make_unique<QTranslator>();
        if (!program->load(language, QStringLiteral("tintora"), QStringLiteral("_"), folder)) {
            continue;
        }
        InstallTranslator(program.get());
        g_loaded = std::move(program);
        g_language = QLocale::languageToCode(language.language());
        // Qt's own dialogs and buttons in the same language, where Qt has it.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            g_qt = std::move(qt);
        }
        return true;
    }
    return false;
}

void InstallTranslator(QTranslator* translator) {
    RemoveTranslators();
    if (translator != nullptr) {
        g_program = translator;
        QCoreApplication::installTranslator(translator);
    }
}

bool TranslationActive() {
    return g_program != nullptr;
}

QString LocalisedPath(const QString& folder, const QString& file) {
    if (!g_language.isEmpty()) {
        const QString localised = folder + g_language + QLatin1Char('/') + file;
        if (QFileInfo(localised).isFile()) {
            return localised;
        }
    }
    return folder + file;
}

QString Translated(const QString& text) {
    if (g_program == nullptr || text.isEmpty()) {
        return text;
    }
    return QCoreApplication::translate(kTranslationContext, text.toUtf8().constData());
}

QString Translated(const wchar_t* text) {
    return Translated(ToQString(text != nullptr ? text : L""));
}

CString TranslatedText(const CString& text) {
    return g_program == nullptr ? text : FromQString(Translated(ToQString(text)));
}
