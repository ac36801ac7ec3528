// The editor in German, French and a pseudo-language whose texts are 40% longer and
// accented: every text fits its control and overlaps no other, the pens keep their places,
// Qt's own buttons and the help follow, menus give each letter once; the translations keep
// the placeholders and the mnemonic of their source.
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

#include "app/warning_dlg.h"
#include "editor/about_dlg.h"
#include "editor/add_palette_dlg.h"
#include "editor/sel_palette_dlg.h"
#include "editor_test_support.h"
#include "platform/help_viewer.h"
#include "platform/text_fit.h"
#include "platform/translation.h"

namespace {

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QString plain = QStringLiteral("aeiouyAEIOUCcn");
        static const QString accented = QStringLiteral("áéîõüÿÅÉÎÕÜÇçñ");
        QString text = QString::fromUtf8(source);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('%')) { // placeholders stay as they are
                while (++i < text.size() && (text[i].isDigit() || text[i] == QLatin1Char('l'))) {
                }
            } else if (const qsizetype at = plain.indexOf(text[i]); at >= 0) {
                text[i] = accented[at];
            }
        }
        static const QRegularExpression marks(QStringLiteral("[%&\\n]"));
        const QString padding = text.left((text.size() * 2 + 4) / 5).remove(marks);
        return qstrcmp(context, kTranslationContext) == 0 ? text + padding : QString();
    }
};

void ExpectTextsFit(const QWidget& client, const std::string& where) {
    std::vector<const QWidget*> texts;
    for (const QWidget* control : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden() && NeededTextWidth(*control) > 0) {
            EXPECT_TRUE(TextFits(*control) && control->geometry().right() < client.width())
                << where << ": " << control->metaObject()->className() << " at " << control->x();
            for (const QWidget* other : texts) {
                EXPECT_FALSE(other->geometry().intersects(control->geometry())) << where;
            }
            texts.push_back(control);
        }
    }
}

class Translations : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        coreSetAppFolder(FromQString(QStringLiteral(TINTORA_APP_BUILD_DIR))); // the help pages
    }
    void TearDown() override {
        InstallTranslator(nullptr);
        coreSetAppFolder(CString());
        EditorTest::TearDown();
    }
    PseudoTranslator pseudo; // outlives its installation, which TearDown ends
};

TEST_F(Translations, EveryWindowFitsItsTextsAndKeepsThePens) {
    std::map<int, QRect> english;
    for (const int id : {IDC_MAIN_GRID, IDC_SECONDARY_GRID, IDC_STANDARD_GRID, IDC_PEN_SWATCH,
                         IDC_MARKER_SWATCH}) {
        english[id] = dlg->GetDlgItem(id)->geometry();
    }
    const struct {
        const char* language;
        const char* cancel; // Qt's own button, from Qt's translation
        const char* help;   // the manual shown
        const char* bar;    // the menu bar as the desktop's conventions word it
    } rows[] = {{"de", "Abbrechen", "help/de/index.html", "&Datei &Bearbeiten &Ansicht &Hilfe"},
                {"fr", "Annuler", "help/fr/index.html", "&Fichier &\u00c9dition &Affichage &Aide"},
                {"pseudo", nullptr, "app/help/index.html", nullptr}};
    for (const auto& row : rows) {
        const std::string where = row.language;
        if (row.cancel != nullptr) {
            ASSERT_TRUE(LoadTranslations(QLocale(QString::fromLatin1(row.language)),
                                         QStringLiteral(TINTORA_APP_BUILD_DIR "/translations")));
            QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Cancel);
            EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(row.cancel));
        } else {
            InstallTranslator(&pseudo);
        }
        Reopen();
        // Work left unsaved is offered back at the next start, in the language.
        QGuiApplication::clipboard()->setText(QStringLiteral("112233"));
        dlg->SendCommand(ID_EDIT_PASTE);
        dlg->close();
        MessageBoxSeen offer;
        Script().Then(AnswerMessageBox(QMessageBox::No, &offer));
        Reopen(true);
        EXPECT_NE(offer.caption, QStringLiteral("Recover")) << where;
        EXPECT_FALSE(offer.text.contains(QStringLiteral("palette file"))) << where;
        ExpectTextsFit(*dlg->Client(), where + " editor");
        for (const auto& [id, rect] : english) {
            EXPECT_EQ(dlg->GetDlgItem(id)->geometry(), rect) << where;
        }
        // Each drop-down menu gives each letter once; the bar's names are the desktop's own
        // words even where two of them share a letter (French "Affichage" and "Aide").
        QStringList bar;
        for (const QAction* menu : dlg->GetMenu()->actions()) {
            bar << menu->text();
        }
        if (row.bar != nullptr) {
            EXPECT_EQ(bar.join(QLatin1Char(' ')), QString::fromUtf8(row.bar)) << where;
        }
        for (const QAction* item : dlg->GetMenu()->actions()) {
            std::set<QChar> letters;
            for (const QAction* action : item->menu()->actions()) {
                const qsizetype at = action->text().indexOf(QLatin1Char('&'));
                EXPECT_TRUE(at < 0 || letters.insert(action->text()[at + 1].toLower()).second)
                    << where << ": " << action->text().toStdString();
            }
        }
        CAboutDlg about(dlg.get());
        CSelPaletteDlg select(dlg->m_pPaletteList, dlg.get());
        CAddPaletteDlg add(dlg.get());
        CWarningDlg warning(dlg.get());
        for (CDialog* dialog : std::initializer_list<CDialog*>{&about, &select, &add, &warning}) {
            dialog->Create();
            ExpectTextsFit(*dialog->Client(), where + " " + dialog->windowTitle().toStdString());
        }
        dlg->GetMenuItem(ID_HELP_CONTENTS)->trigger();
        const CHelpViewer* help = nullptr;
        for (const QObject* child : dlg->children()) {
            help = help != nullptr ? help : dynamic_cast<const CHelpViewer*>(child);
        }
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->Browser()->source().path().endsWith(QString::fromLatin1(row.help)))
            << where << ": " << help->Browser()->source().path().toStdString();
    }
}

TEST_F(Translations, KeepThePlaceholdersAndMnemonicsOfTheirSource) {
    static const QRegularExpression placeholder(QStringLiteral("%(l?[cs]|0?\\d*[dX]|\\d)|&"));
    const auto marks = [](const QString& text) {
        QStringList found;
        for (const auto& match : placeholder.globalMatch(text)) {
            found << match.captured();
        }
        return found.join(QLatin1Char(' ')).toStdString();
    };
    for (const char* language : {"de", "fr"}) {
        QFile file(QStringLiteral(TINTORA_TRANSLATIONS_DIR "/tintora_%1.ts").arg(language));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language;
        QXmlStreamReader ts(&file);
        QString source;
        while (!ts.atEnd()) {
            if (ts.readNext() == QXmlStreamReader::StartElement && ts.name() == u"source") {
                source = ts.readElementText();
            } else if (ts.isStartElement() && ts.name() == u"translation") {
                const QString text = ts.readElementText();
                EXPECT_EQ(marks(text), marks(source)) << language << ": " << text.toStdString();
                EXPECT_FALSE(text.isEmpty()) << language << ": " << source.toStdString();
            }
        }
        EXPECT_FALSE(ts.hasError()) << language;
    }
}

} // namespace
