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

#include "app/Settings.h"
#include "engine/GameState.h"
#include "opponents/OpponentSeat.h"
#include "opponents/Speech.h"
#include "scores/ScoreFile.h"
#include "ui/AboutBox.h"
#include "ui/Language.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"
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

TEST(TextLanguage, TheCLocaleGivesAScreenReadersPlayerEnglishAndAsksOnlyThere) {
    struct Case {
        QStringList uiLanguages;
        bool listening;
        TextLanguage want;
        bool asked;
    };
    const Case cases[] = {
        {{"C"}, true, TextLanguage::English, true},
        {{"c.utf-8"}, true, TextLanguage::English, true},
        {{}, true, TextLanguage::English, true},
        {{"POSIX"}, false, TextLanguage::Japanese, true},
        // A Japanese desktop is Japanese, to a screen reader too; English needs no asking.
        {{"ja-JP", "ja"}, true, TextLanguage::Japanese, false},
        {{"en-US", "en"}, false, TextLanguage::English, false},
    };
    for (const Case& c : cases) {
        bool asked = false;
        const auto listening = [&] {
            asked = true;
            return c.listening;
        };
        EXPECT_EQ(ChooseTextLanguage(c.uiLanguages, listening), c.want)
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
    EXPECT_EQ(window.menuBar()->actions().first()->text(), "Game");
    EXPECT_EQ(settings.windowTitle(), "Settings");
    for (QWidget* w : std::initializer_list<QWidget*>{&window, &settings, &about, &versus, &score})
        for (const QString& text : TextsOf(w))
            EXPECT_FALSE(HasJapanese(text))
                << w->metaObject()->className() << ": " << text.toStdString();

    // Back in Japanese, the game's own texts are there again, byte for byte.
    RemoveTextLanguage();
    MainWindow japanese(game);
    EXPECT_EQ(japanese.windowTitle(), "トマベル");
    EXPECT_EQ(japanese.menuBar()->actions().first()->text(), "ゲーム");
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
    };
    const Case cases[] = {
        {TextLanguage::Japanese, "１２３ 秒", "１２３ 秒"},
        {TextLanguage::Japanese, "４５ 手", "４５ 手"},
        {TextLanguage::English, "１２３ 秒", "123 s"},
        {TextLanguage::English, "４５ 手", "45"},
        {TextLanguage::English, "", ""},
    };
    GameState game;
    for (const Case& c : cases) {
        ASSERT_TRUE(InstallTextLanguage(c.language));
        TableWidget table(game);
        table.SetTimeText(c.engine);
        EXPECT_EQ(table.TimeLabel()->text(), c.shown) << c.engine;
        table.SetCountText(c.engine);
        EXPECT_EQ(table.TurnCountLabel()->text(), c.shown) << c.engine;
    }
    RemoveTextLanguage();
}

}  // namespace
