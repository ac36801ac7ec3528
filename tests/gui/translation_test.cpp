// The editor in German, French and a pseudo-language whose texts are 40% longer and
// accented: every text fits its control and overlaps no other, the pens keep their places,
// Qt's own buttons follow, menus give each letter once; the translations keep the
// placeholders and the mnemonic of their source.
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

#include "app/warning_dlg.h"
#include "editor/about_dlg.h"
#include "editor/add_palette_dlg.h"
#include "editor/sel_palette_dlg.h"
#include "editor_test_support.h"
#include "platform/text_fit.h"
#include "platform/translation.h"

namespace {

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, kTranslationContext) != 0) {
            return {};
        }
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
        QString padding = text.left((text.size() * 2 + 4) / 5);
        padding.remove(QRegularExpression(QStringLiteral("[%&\\n]")));
        return text + padding;
    }
};

void ExpectTextsFit(const QWidget& client, const std::string& where) {
    std::vector<const QWidget*> texts;
    for (const QWidget* control : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden() && NeededTextWidth(*control) > 0) {
            EXPECT_TRUE(TextFits(*control))
                << where << ": " << control->metaObject()->className() << " at x " << control->x();
            EXPECT_LE(control->geometry().right(), client.width()) << where;
            texts.push_back(control);
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(texts[i]->geometry().intersects(texts[j]->geometry())) << where;
        }
    }
}

class Translations : public EditorTest {
protected:
    void TearDown() override {
        InstallTranslator(nullptr);
        EditorTest::TearDown();
    }
};

TEST_F(Translations, EveryWindowFitsItsTextsAndKeepsThePens) {
    const int pens[] = {IDC_MAIN_GRID, IDC_SECONDARY_GRID, IDC_STANDARD_GRID, IDC_PEN_SWATCH,
                        IDC_MARKER_SWATCH};
    std::map<int, QRect> english;
    for (const int id : pens) {
        english[id] = dlg->GetDlgItem(id)->geometry();
    }
    PseudoTranslator pseudo;
    const struct {
        const char* language;
        const char* cancel; // Qt's own button, from Qt's translation
    } rows[] = {{"de", "Abbrechen"}, {"fr", "Annuler"}, {"pseudo", nullptr}};
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
        ExpectTextsFit(*dlg->Client(), where + " editor");
        for (const int id : pens) {
            EXPECT_EQ(dlg->GetDlgItem(id)->geometry(), english[id]) << where;
        }
        for (const QMenu* menu : dlg->GetMenu()->findChildren<QMenu*>()) {
            std::set<QChar> letters;
            for (const QAction* action : menu->actions()) {
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
    }
}

TEST_F(Translations, KeepThePlaceholdersAndMnemonicsOfTheirSource) {
    static const QRegularExpression placeholder(QStringLiteral("%(l?[cs]|0?\\d*[dX]|\\d)"));
    const auto marks = [](const QString& text) {
        QStringList found;
        for (const auto& match : placeholder.globalMatch(text)) {
            found << match.captured();
        }
        return found.join(QLatin1Char(' ')) + QStringLiteral(" &") +
               QString::number(std::min<qsizetype>(text.count(QLatin1Char('&')), 1));
    };
    for (const char* language : {"de", "fr"}) {
        QFile file(QStringLiteral(TINTORA_TRANSLATIONS_DIR "/tintora_%1.ts").arg(language));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language;
        QXmlStreamReader ts(&file);
        QString source;
        int translated = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (ts.name() == QStringLiteral("source")) {
                source = ts.readElementText();
            } else if (ts.name() == QStringLiteral("translation")) {
                const bool vanished =
                    ts.attributes().value(QStringLiteral("type")) == QStringLiteral("vanished");
                const QString text = ts.readElementText();
                EXPECT_FALSE(text.isEmpty()) << language << ": " << source.toStdString();
                EXPECT_EQ(marks(text), marks(source)) << language << ": " << text.toStdString();
                translated += vanished ? 0 : 1;
            }
        }
        EXPECT_FALSE(ts.hasError()) << language;
        EXPECT_GT(translated, 100) << language;
    }
}

} // namespace
