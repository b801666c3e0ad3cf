// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the player's language: which language a desktop gets, every
// window and balloon in English with nothing Japanese left over, the speech
// lines inside their balloons, and the solitaire counters in plain digits.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
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

TEST(TextLanguage, TheFirstLanguageTheGameSpeaksWinsAndAnyOtherGetsEnglish) {
    struct Case {
        QStringList uiLanguages;
        TextLanguage want;
    };
    const Case cases[] = {
        {{"C"}, TextLanguage::Japanese},
        {{}, TextLanguage::Japanese},
        {{"ja-JP", "ja-Jpan-JP", "ja"}, TextLanguage::Japanese},
        {{"en-US", "en-Latn-US", "en"}, TextLanguage::English},
        {{"de-DE", "de-Latn-DE", "de"}, TextLanguage::English},
        // LANGUAGE=fr:ja: no French yet, and Japanese is the player's next choice.
        {{"fr", "fr-FR", "ja", "ja-JP"}, TextLanguage::Japanese},
        {{"fr", "en", "ja"}, TextLanguage::English},
        {{"ko_KR"}, TextLanguage::English},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseTextLanguage(c.uiLanguages), c.want)
            << c.uiLanguages.join(':').toStdString();
}

bool HasJapanese(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// Every text a window shows: its title, labels, buttons, frames and menus.
std::vector<QString> TextsOf(QWidget* window) {
    std::vector<QString> texts{window->windowTitle()};
    for (auto* l : window->findChildren<QLabel*>()) texts.push_back(l->text());
    for (auto* b : window->findChildren<QAbstractButton*>()) texts.push_back(b->text());
    for (auto* g : window->findChildren<QGroupBox*>()) texts.push_back(g->title());
    for (auto* a : window->findChildren<QAction*>()) texts.push_back(a->text());
    return texts;
}

class English : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InstallTextLanguage(TextLanguage::English)); }
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

    // Back in Japanese, the game's own texts are there again, byte for byte.
    RemoveTextLanguage();
    MainWindow japanese(game);
    EXPECT_EQ(japanese.windowTitle(), "トマベル");
    EXPECT_EQ(japanese.menuBar()->actions().first()->text(), "ゲーム");
    EXPECT_EQ(AboutBox(nullptr).EnglishName(), nullptr);
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
    ASSERT_TRUE(InstallTextLanguage(TextLanguage::English));
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

// Every line of the three characters, in both languages, stands whole inside the
// balloon: wrapped at word ends and, if need be, set smaller. A Japanese line
// keeps the layout's size.
TEST(SpeechBalloon, EveryLineFitsTheBalloonInEnglishAndInJapanese) {
    GameState game;
    for (TextLanguage language : {TextLanguage::Japanese, TextLanguage::English}) {
        ASSERT_TRUE(InstallTextLanguage(language));
        TableWidget table(game);
        for (CharacterKind kind :
             {CharacterKind::Swallow, CharacterKind::Wolf, CharacterKind::Tiger})
            for (int e = 0; e <= static_cast<int>(SpeechEvent::TurnOver); ++e)
                for (int variant = 0; variant < 4; ++variant) {
                    const std::string& line = LineFor(kind, static_cast<SpeechEvent>(e), variant);
                    for (int seat = 0; seat < kSeats; ++seat) {
                        table.ShowBalloon(seat, line);
                        const QLabel* label = table.BalloonLabel(seat);
                        const QString shown = label->text();
                        EXPECT_EQ(shown.isEmpty(), line.empty());
                        EXPECT_EQ(HasJapanese(shown),
                                  language == TextLanguage::Japanese && !line.empty())
                            << line;
                        const QRect room(QPoint(0, 0), label->size());
                        const QRect needs =
                            QFontMetrics(label->font())
                                .boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                              shown);
                        EXPECT_TRUE(room.contains(needs)) << shown.toStdString() << " needs "
                                                          << needs.width() << "x" << needs.height();
                        if (language == TextLanguage::Japanese) {
                            EXPECT_EQ(label->font().pixelSize(),
                                      LayoutFont(kRoundGothic, 9).pixelSize());
                        }
                    }
                }
    }
    RemoveTextLanguage();
}

// The engine counts in Japanese typography; English shows plain digits and its
// own word, Japanese exactly what the engine wrote.
TEST(SolitaireCounters, ShownInTheLanguagesOwnTypography) {
    struct Case {
        TextLanguage language;
        std::string engine;
        QString shown;
        QString turns = {};  // the turn count's line, when it differs
    };
    const Case cases[] = {
        {TextLanguage::Japanese, "１２３ 秒", "１２３ 秒"},
        {TextLanguage::Japanese, "４５ 手", "４５ 手"},
        {TextLanguage::Japanese, "", ""},
        {TextLanguage::English, "１２３ 秒", " 02:03"},
        {TextLanguage::English, "５ 秒", " 00:05"},
        {TextLanguage::English, "６０１２ 秒", " 100:12"},
        {TextLanguage::English, "４５ 手", " 45"},
        // Before the first second and the first attempt.
        {TextLanguage::English, "", " 00:00", " 0"},
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

}  // namespace
