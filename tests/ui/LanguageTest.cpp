// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the player's language: which language a desktop gets, every
// window and balloon translated with nothing Japanese or English left over
// where the language has its own word, every text standing whole in the room
// the layout gives it, and counts and dates as each language writes them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QXmlStreamReader>
#include <map>
#include <memory>
#include <set>

#include "app/Settings.h"
#include "engine/GameState.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"
#include "opponents/Speech.h"
#include "scores/ScoreFile.h"
#include "ui/AboutBox.h"
#include "ui/Language.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"
#include "ui/PictureStore.h"
#include "ui/ScoreWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/TableWidget.h"
#include "ui/VersusResultWindow.h"

namespace {

// Every language but the game's own.
QStringList Translations() {
    QStringList languages = TextLanguages();
    languages.removeAll(kGameLanguage);
    return languages;
}

TEST(TextLanguage, TheFirstDesktopLanguageTheGameSpeaksWins) {
    const QStringList spoken{"ja", "en", "de", "pt", "pt_BR"};
    struct Case {
        QStringList desktop;
        QString want;
    };
    const Case cases[] = {
        {{}, "ja"},
        {{"C"}, "ja"},
        {{"C.UTF-8"}, "ja"},
        {{"POSIX"}, "ja"},
        {{"ja_JP.UTF-8"}, "ja"},
        {{"en_US.UTF-8"}, "en"},
        {{"en-GB"}, "en"},
        {{"de_AT.UTF-8@euro"}, "de"},
        // A country's own translation before the language's.
        {{"pt_BR.UTF-8"}, "pt_BR"},
        {{"pt_PT.UTF-8"}, "pt"},
        // LANGUAGE=fr:de, no French: the player's next choice.
        {{"fr", "de", "en_US.UTF-8"}, "de"},
        {{"fr", "ja_JP.UTF-8", "de"}, "ja"},
        {{"fr", "C.UTF-8"}, "ja"},
        // Nothing the game has: English.
        {{"ko_KR.UTF-8"}, "en"},
        {{"fr", "ko"}, "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseTextLanguage(c.desktop, spoken), c.want)
            << c.desktop.join(':').toStdString();
}

TEST(TextLanguage, TheDesktopsLanguagesAreLanguageThenLcAllLcMessagesAndLang) {
    const char* const variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, QByteArray> before;
    for (const char* v : variables) before[v] = qgetenv(v);
    qputenv("LANGUAGE", "nl:pl_PL");
    qputenv("LC_ALL", "");
    qputenv("LC_MESSAGES", "fr_FR.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    EXPECT_EQ(DesktopLanguages(), QStringList({"nl", "pl_PL", "fr_FR.UTF-8", "de_DE.UTF-8"}));
    qunsetenv("LANGUAGE");
    qputenv("LC_ALL", "C.UTF-8");
    EXPECT_EQ(DesktopLanguages(), QStringList({"C.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8"}));
    for (const char* v : variables) {
        if (before[v].isNull())
            qunsetenv(v);
        else
            qputenv(v, before[v]);
    }
}

// Every translations/tomavel_<code>.ts of the source tree is in the game.
TEST(TextLanguage, EveryTranslationInTheSourcesIsCompiledIn) {
    QStringList files = QDir(QStringLiteral(TOMAVEL_SOURCE_DIR "/translations"))
                            .entryList({QStringLiteral("tomavel_*.ts")}, QDir::Files);
    for (QString& file : files) file = file.mid(8, file.size() - 11);
    files.sort();
    QStringList compiled = Translations();
    compiled.sort();
    EXPECT_EQ(compiled, files);
    for (const char* code : {"en", "de", "fr", "es", "it", "pt_BR", "nl", "pl"})
        EXPECT_TRUE(compiled.contains(QLatin1String(code))) << code;
}

TEST(TextLanguage, ALanguageTheGameLacksInstallsNothing) {
    EXPECT_FALSE(InstallTextLanguage(QStringLiteral("xx")));
    EXPECT_EQ(CurrentTextLanguage(), kGameLanguage);
    EXPECT_TRUE(SpeaksGameLanguage());
}

TEST(TextLanguage, TheCLocaleGivesAScreenReadersPlayerEnglishAndAsksOnlyThere) {
    struct Case {
        QStringList uiLanguages;
        bool listening;
        TextLanguage want;
        bool asked;
    };
    const Case cases[] = {
        {{"C"}, true, kFallbackLanguage, true},
        {{"c.utf-8"}, true, kFallbackLanguage, true},
        {{}, true, kFallbackLanguage, true},
        {{"POSIX"}, false, kGameLanguage, true},
        // A Japanese desktop is Japanese, to a screen reader too; English needs no asking.
        {{"ja-JP", "ja"}, true, kGameLanguage, false},
        {{"en-US", "en"}, false, kFallbackLanguage, false},
    };
    for (const Case& c : cases) {
        bool asked = false;
        const auto listening = [&] {
            asked = true;
            return c.listening;
        };
        EXPECT_EQ(ChooseTextLanguage(c.uiLanguages, TextLanguages(), listening), c.want)
            << c.uiLanguages.join(':').toStdString();
        EXPECT_EQ(asked, c.asked) << c.uiLanguages.join(':').toStdString();
    }
}

bool HasJapanese(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// The windows a player meets, made in the language installed: the main window
// with its table and seat panels (all four characters seated), the settings
// dialog, the about box, and both result windows.
struct Windows {
    explicit Windows(GameState& game)
        : main(game),
          settings(SettingsInForce(game, {}), true, {}, &main),
          about(nullptr),
          versus(Seats(), [](int) { return QPixmap(32, 32); }),
          score("", DefaultScoreTable(), -1, ScoreRank{}, false) {
        main.Table()->CreateCardWidgets();
        int seat = 0;
        for (const Character& c : Characters())
            if (c.kind != CharacterKind::Empty && seat < kSeats)
                main.Table()->ShowSeatPanel(seat++, c.kind);
        versus.Load();
        score.Load();
        main.show();
    }
    static VersusResultWindow::Seats Seats() {
        VersusResultWindow::Seats seats{};
        int seat = 0;
        for (const Character& c : Characters())
            if (c.kind != CharacterKind::Empty && seat < kSeats) seats[seat++] = {c.kind, true, 8};
        return seats;
    }
    std::vector<QWidget*> All() { return {&main, &settings, &about, &versus, &score}; }
    MainWindow main;
    SettingsDialog settings;
    AboutBox about;
    VersusResultWindow versus;
    ScoreWindow score;
};

// Every text a window shows: its title, labels, buttons, frames and menus, in
// the order the widgets were made.
std::vector<QString> TextsOf(QWidget* window) {
    std::vector<QString> texts{window->windowTitle()};
    for (auto* l : window->findChildren<QLabel*>()) texts.push_back(l->text());
    for (auto* b : window->findChildren<QAbstractButton*>()) texts.push_back(b->text());
    for (auto* g : window->findChildren<QGroupBox*>()) texts.push_back(g->title());
    for (auto* a : window->findChildren<QAction*>()) texts.push_back(a->text());
    return texts;
}

// The translations a .ts file holds, every plural form among them.
QSet<QString> TranslationsIn(const QString& language) {
    QFile file(QStringLiteral(TOMAVEL_SOURCE_DIR "/translations/tomavel_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << language.toStdString();
    QSet<QString> found;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        // A text left unfinished is not the language's: the game shows the English.
        if (xml.isStartElement() && xml.name() == u"translation" &&
            xml.attributes().value(QStringLiteral("type")) == u"unfinished") {
            xml.skipCurrentElement();
        } else if (xml.isStartElement() &&
                   (xml.name() == u"translation" || xml.name() == u"numerusform")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!text.trimmed().isEmpty()) found.insert(text);
        }
        xml.readNext();
    }
    return found;
}

// What the windows show that is the game's data, the same in every language:
// its version and addresses, the "O.K" of its result windows, and the score
// table's starting names, which are the score file's.
const QRegularExpression& GameData() {
    static const QRegularExpression data(
        QStringLiteral("^(Ver [0-9.]+|https://.*|.*@.*|O\\.K|no name [0-9]+)$"));
    return data;
}

// In every translation, no window shows a Japanese letter, nor an English text
// where the language has a word of its own: a text that reads as in English is
// the language's own choice ("OK", "Tomavel", "Wolf"), written in its file.
TEST(EveryLanguage, EveryWindowIsInTheLanguage) {
    GameState game;
    ASSERT_TRUE(InstallTextLanguage(kFallbackLanguage));
    std::vector<std::vector<QString>> english;
    {
        Windows windows(game);
        for (QWidget* w : windows.All()) english.push_back(TextsOf(w));
    }
    for (const TextLanguage& language : Translations()) {
        ASSERT_TRUE(InstallTextLanguage(language));
        const QSet<QString> own = TranslationsIn(language);
        Windows windows(game);
        EXPECT_EQ(windows.main.windowTitle(), "Tomavel");
        const std::vector<QWidget*> all = windows.All();
        for (std::size_t w = 0; w < all.size(); ++w) {
            const std::vector<QString> texts = TextsOf(all[w]);
            ASSERT_EQ(texts.size(), english[w].size());
            for (std::size_t t = 0; t < texts.size(); ++t) {
                const QString& text = texts[t];
                EXPECT_FALSE(HasJapanese(text))
                    << language.toStdString() << ": " << text.toStdString();
                // Texts made of the game's own pieces ("Time ▼", "Player1:") are
                // checked by their pieces.
                QString bare = text;
                bare.remove(QStringLiteral(" ▼"));
                if (language != kFallbackLanguage && text == english[w][t] &&
                    bare.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))) &&
                    !own.contains(bare) && !GameData().match(text).hasMatch())
                    ADD_FAILURE() << language.toStdString() << ": "
                                  << all[w]->metaObject()->className() << " reads English \""
                                  << text.toStdString() << "\"";
            }
        }
    }
    // Back in Japanese, the game's own texts are there again, byte for byte.
    RemoveTextLanguage();
    MainWindow japanese(game);
    EXPECT_EQ(japanese.windowTitle(), "トマベル");
    EXPECT_EQ(japanese.menuBar()->actions().first()->text(), "ゲーム");
    EXPECT_EQ(AboutBox(nullptr).EnglishName(), nullptr);
}

class English : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InstallTextLanguage(kFallbackLanguage)); }
    void TearDown() override { RemoveTextLanguage(); }
    GameState game;
};

TEST_F(English, EveryWindowSpeaksEnglish) {
    MainWindow window(game);
    window.Table()->CreateCardWidgets();
    SettingsDialog settings(SettingsInForce(game, {}), true, {}, &window);
    AboutBox about(nullptr);
    VersusResultWindow::Seats seats{};
    seats[0] = {CharacterKind::You, true, 30};
    seats[1] = {CharacterKind::Tiger, true, 24};
    VersusResultWindow versus(seats, [](int) { return QPixmap(32, 32); });
    versus.Load();
    ScoreWindow score("", DefaultScoreTable(), -1, ScoreRank{}, false);
    score.Load();

    EXPECT_EQ(window.windowTitle(), "Tomavel");
    EXPECT_EQ(window.menuBar()->actions().first()->text(), "&Game");
    EXPECT_EQ(settings.windowTitle(), "Settings");
    // The title lettering is Japanese: the name stands beside it in Latin letters.
    ASSERT_NE(about.EnglishName(), nullptr);
    EXPECT_EQ(about.EnglishName()->text(), "Tomavel");
    EXPECT_EQ(about.windowTitle(), "About Tomavel");
    for (QWidget* w : std::initializer_list<QWidget*>{&window, &settings, &about, &versus, &score})
        for (const QString& text : TextsOf(w))
            EXPECT_FALSE(HasJapanese(text))
                << w->metaObject()->className() << ": " << text.toStdString();
}

// In English (and the other Latin languages) Alt and a letter open each menu, the
// letters of one menu bar or one menu are all different, and the items that open
// a window of their own end in an ellipsis.
TEST_F(English, MenusHaveTheirLettersAndWindowItemsAnEllipsis) {
    MainWindow window(game);
    auto letterOf = [](const QString& text) {
        const qsizetype at = text.indexOf(u'&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    std::set<QChar> barLetters;
    for (QAction* menu : window.menuBar()->actions()) {
        const QChar letter = letterOf(menu->text());
        EXPECT_FALSE(letter.isNull()) << menu->text().toStdString();
        EXPECT_TRUE(barLetters.insert(letter).second) << menu->text().toStdString();
        std::set<QChar> itemLetters;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            const QChar itemLetter = letterOf(item->text());
            EXPECT_FALSE(itemLetter.isNull()) << item->text().toStdString();
            EXPECT_TRUE(itemLetters.insert(itemLetter).second) << item->text().toStdString();
        }
    }
    for (QAction* opensAWindow :
         {window.SettingsAction(), window.ScoresAction(), window.AboutAction()})
        EXPECT_TRUE(opensAWindow->text().endsWith(u'…')) << opensAWindow->text().toStdString();
    for (QAction* doesNot : {window.StartAction(), window.FloatAction(), window.SoundAction()})
        EXPECT_FALSE(doesNot->text().endsWith(u'…')) << doesNot->text().toStdString();
}

// The empty seat's sign has words on it: a player who reads English sees them in
// English, at every density; a Japanese player sees the game's own sign.
TEST(EmptySeatSign, SpeaksThePlayersLanguage) {
    const int empty = CharacterOf(CharacterKind::Empty).picture;
    RemoveTextLanguage();
    const QImage own = PictureStore::Picture(PicSet::picPlayer, empty).toImage();
    const QImage ownDense =
        PictureStore::ForRatio(PictureStore::Picture(PicSet::picPlayer, empty), 2).toImage();
    ASSERT_TRUE(InstallTextLanguage(kFallbackLanguage));
    const QPixmap english = PictureStore::Picture(PicSet::picPlayer, empty);
    EXPECT_EQ(english.size(), QSize(71, 96));
    EXPECT_NE(english.toImage(), own);
    const QPixmap englishDense = PictureStore::ForRatio(english, 2);
    EXPECT_EQ(englishDense.size(), QSize(142, 192));
    EXPECT_NE(englishDense.toImage(), ownDense);
    // The other pictures have no words and are the same in both languages.
    EXPECT_EQ(PictureStore::Picture(PicSet::picPlayer, 0).toImage().size(), QSize(71, 96));
    RemoveTextLanguage();
    EXPECT_EQ(PictureStore::Picture(PicSet::picPlayer, empty).toImage(), own);
}

// How far a text runs past the room its widget gives it; 0 when it fits.
int Overrun(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString text = label->text();
        if (text.isEmpty() || Qt::mightBeRichText(text)) return 0;
        QRect room = label->contentsRect();
        const int indent =
            label->indent() >= 0
                ? label->indent()
                : (label->frameWidth() > 0 ? QFontMetrics(label->font()).horizontalAdvance(u'x') / 2
                                           : 0);
        if (!(label->alignment() & Qt::AlignHCenter)) room.setWidth(room.width() - indent);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needs = QFontMetrics(label->font()).boundingRect(room, flags, text);
        if (label->wordWrap())
            return std::max({needs.right() - room.right(), needs.bottom() - room.bottom(), 0});
        return std::max(needs.width() - room.width(), 0);
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        // The caption is set into the top line 6 pixels from the left, with a
        // pixel of room either side.
        return std::max(
            QFontMetrics(box->font()).horizontalAdvance(box->title()) + 8 - box->width(), 0);
    }
    if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
        // The text stands right of the indicator and its spacing.
        auto* button = static_cast<QAbstractButton*>(widget);
        if (button->text().isEmpty()) return 0;
        const bool radio = qobject_cast<QRadioButton*>(widget) != nullptr;
        QStyle* style = button->style();
        const int indicator = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                       : QStyle::PM_IndicatorWidth,
                                                 nullptr, button) +
                              style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                       : QStyle::PM_CheckBoxLabelSpacing,
                                                 nullptr, button);
        return std::max(QFontMetrics(button->font()).horizontalAdvance(button->text()) + indicator -
                            button->width(),
                        0);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->text().isEmpty()) return 0;
        // The style's frame and margins take 3 pixels each side.
        return std::max(
            QFontMetrics(button->font()).horizontalAdvance(button->text()) + 6 - button->width(),
            0);
    }
    return 0;
}

// Every text of a window that does not stand whole in its place.
std::vector<std::string> CutTexts(QWidget* window) {
    std::vector<std::string> cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) && window->isVisible()) continue;
        // A label that widened for its text still stands inside its window.
        if (auto* l = qobject_cast<QLabel*>(w);
            l && !l->text().isEmpty() && !l->parentWidget()->rect().contains(l->geometry()))
            cut.push_back(std::string(window->metaObject()->className()) + " \"" +
                          l->text().toStdString() + "\" beyond the window's edge");
        if (const int over = Overrun(w)) {
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
            if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
            cut.push_back(std::string(window->metaObject()->className()) + " \"" +
                          text.toStdString() + "\" by " + std::to_string(over) + " px");
        }
    }
    // The menu bar's titles all stand in the bar, none pushed into its overflow.
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        QMenuBar* bar = main->menuBar();
        for (QAction* a : bar->actions()) {
            const QRect place = bar->actionGeometry(a);
            if (place.isEmpty() || place.right() >= bar->width())
                cut.push_back("menu bar \"" + a->text().toStdString() + "\"");
        }
    }
    return cut;
}

// At the game's fixed sizes, no caption, button, frame, panel or menu is cut,
// in Japanese, in English and in every translation.
TEST(EveryLanguage, EveryTextFitsItsPlace) {
    GameState game;
    for (const TextLanguage& language : TextLanguages()) {
        ASSERT_TRUE(InstallTextLanguage(language));
        Windows windows(game);
        // A solitaire table, with its status lines and their counts at their longest.
        TableWidget solitaire(game);
        solitaire.SetSoloLabelsVisible(true);
        solitaire.SetTimeText("９９９９ 秒");
        solitaire.SetCountText("９９９ 手");
        std::vector<QWidget*> all = windows.All();
        all.push_back(&solitaire);
        for (QWidget* w : all) {
            w->show();
            for (const std::string& cut : CutTexts(w))
                ADD_FAILURE() << language.toStdString() << ": " << cut;
        }
    }
    RemoveTextLanguage();
}

// Every line of every character, in every language, stands whole inside the
// balloon: wrapped at word ends and, if need be, set smaller. A Japanese line
// keeps the layout's size.
TEST(SpeechBalloon, EveryLineFitsTheBalloonInEveryLanguage) {
    GameState game;
    for (const TextLanguage& language : TextLanguages()) {
        ASSERT_TRUE(InstallTextLanguage(language));
        TableWidget table(game);
        for (const Character& character : Characters()) {
            if (!character.computer) continue;
            for (int e = 0; e <= static_cast<int>(SpeechEvent::TurnOver); ++e)
                for (int variant = 0; variant < 4; ++variant) {
                    const std::string& line =
                        LineFor(character.kind, static_cast<SpeechEvent>(e), variant);
                    for (int seat = 0; seat < kSeats; ++seat) {
                        table.ShowBalloon(seat, line);
                        const QLabel* label = table.BalloonLabel(seat);
                        const QString shown = label->text();
                        EXPECT_EQ(shown.isEmpty(), line.empty());
                        EXPECT_EQ(HasJapanese(shown), language == kGameLanguage && !line.empty())
                            << language.toStdString() << ": " << line;
                        const QRect room(QPoint(0, 0), label->size());
                        const QRect needs =
                            QFontMetrics(label->font())
                                .boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                              shown);
                        EXPECT_TRUE(room.contains(needs))
                            << language.toStdString() << ": " << shown.toStdString() << " needs "
                            << needs.width() << "x" << needs.height();
                        if (language == kGameLanguage) {
                            EXPECT_EQ(label->font().pixelSize(),
                                      LayoutFont(kRoundGothic, 9).pixelSize());
                        }
                    }
                }
        }
    }
    RemoveTextLanguage();
}

// The engine counts in Japanese typography; a translation shows plain digits
// and its own unit, Japanese exactly what the engine wrote.
TEST(SolitaireCounters, ShownInTheLanguagesOwnTypography) {
    struct Case {
        QString language;
        std::string engine;
        QString shown;
        QString turns = {};  // the turn count's line, when it differs
    };
    const Case cases[] = {
        {"ja", "１２３ 秒", "１２３ 秒"},
        {"ja", "４５ 手", "４５ 手"},
        {"ja", "", ""},
        {"en", "１２３ 秒", " 02:03"},
        {"en", "５ 秒", " 00:05"},
        {"en", "６０１２ 秒", " 100:12"},
        {"en", "４５ 手", " 45"},
        // Before the first second and the first attempt.
        {"en", "", " 00:00", " 0"},
        // A number never parts from its caption's space, in any language.
        {"de", "１２３ 秒", " 02:03"},
        {"fr", "４５ 手", " 45"},
    };
    GameState game;
    for (const Case& c : cases) {
        ASSERT_TRUE(InstallTextLanguage(c.language));
        TableWidget table(game);
        table.SetTimeText(c.engine);
        if (c.engine.find("手") == std::string::npos) {
            EXPECT_EQ(table.TimeLabel()->text(), c.shown) << c.engine;
        }
        table.SetCountText(c.engine);
        if (c.engine.find("秒") == std::string::npos) {
            EXPECT_EQ(table.TurnCountLabel()->text(), c.turns.isNull() ? c.shown : c.turns)
                << c.engine;
        }
    }
    RemoveTextLanguage();
}

// The score table's dates as each language writes them: Japanese in the game's
// own order, English with the month's name, and a date that is no date as it
// stands.
TEST(ScoreDates, ShownAsTheLanguageWritesThem) {
    struct Case {
        QString language;
        std::string stored;
        QString shown;
    };
    const Case cases[] = {
        {"ja", "2001/11/05 09:08:07", "2001/11/05 09:08:07"},
        {"en", "2001/11/05 09:08:07", "5 Nov 2001 09:08"},
        {"de", "2001/11/05 09:08:07", "05.11.2001 09:08:07"},
        {"fr", "2001/11/05 09:08:07", "05/11/2001 09:08:07"},
        {"nl", "2001/11/05 09:08:07", "05-11-2001 09:08:07"},
        {"pl", "2001/11/05 09:08:07", "05.11.2001 09:08:07"},
        {"de", "2001/13/45 99:08:07", "2001/13/45 99:08:07"},
        {"de", "", ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(InstallTextLanguage(c.language));
        EXPECT_EQ(ShownDate(c.stored), c.shown) << c.language.toStdString() << " " << c.stored;
    }
    RemoveTextLanguage();
}

// A count in a text takes the plural form its language gives it: Polish has
// three (1 karta, 2 karty, 5 kart).
TEST(PluralForms, ACountTakesItsLanguagesForm) {
    ASSERT_TRUE(InstallTextLanguage(QStringLiteral("pl")));
    auto cards = [](int n) {
        return QCoreApplication::translate("VersusResultWindow", "Player%1：%2、 %n枚、 %3位",
                                           nullptr, n)
            .arg(1)
            .arg(QStringLiteral("Wilk"))
            .arg(2);
    };
    EXPECT_EQ(cards(1), "Gracz 1, Wilk, 1 karta, miejsce 2");
    EXPECT_EQ(cards(2), "Gracz 1, Wilk, 2 karty, miejsce 2");
    EXPECT_EQ(cards(5), "Gracz 1, Wilk, 5 kart, miejsce 2");
    EXPECT_EQ(cards(22), "Gracz 1, Wilk, 22 karty, miejsce 2");
    RemoveTextLanguage();
    EXPECT_EQ(cards(22), "Player1：Wilk、 22枚、 2位");
}

}  // namespace
