// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The "設定" dialog: what it shows when it opens, the seat buttons, the checks
// on "Ｏ．Ｋ" and what it hands to the game; "ｷｬﾝｾﾙ" hands over nothing.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "app/Settings.h"
#include "app/Sound.h"
#include "app/WindowCommands.h"
#include "engine/GameLoop.h"
#include "engine/HeadlessTable.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"
#include "opponents/Opponents.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"
#include "ui/SettingsDialog.h"
#include "ui/SpriteWidget.h"
#include "ui/TableWidget.h"

namespace {

using K = CharacterKind;
using Seats = std::array<CharacterKind, kSeats>;

// The dialog as the program opens it over the main window: with the settings
// in force, its seats open between games, a beep for every seat change; what
// "Ｏ．Ｋ" confirms is put into force.
class OpenedDialog : public SettingsDialog {
public:
    OpenedDialog(MainWindow& window, GameSettings& inForce)
        : SettingsDialog(
              SettingsInForce(window.Game(), inForce), window.Game().phase == GamePhase::Idle,
              [] { PlaySoundFile("beep.wav", 1); }, &window) {
        connect(this, &QDialog::accepted, this,
                [this, &window, &inForce] { ApplySettingsChoice(Chosen(), inForce, window); });
    }
};

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        AttachViews(table.AsViews());
        AttachComputerPlayers(&opponents);
        MessageBoxes::SetInformHook([this](const QString& text) { informed.push_back(text); });
        MessageBoxes::SetAskHook([this](const QString& text) {
            asked.push_back(text);
            return answerYes;
        });
    }
    void TearDown() override {
        MessageBoxes::SetInformHook({});
        MessageBoxes::SetAskHook({});
        AttachViews({});
        AttachComputerPlayers(nullptr);
        glNoSound = 0;
    }

    // The seats as the settings file or an earlier "Ｏ．Ｋ" left them.
    void SeatAll(const Seats& kinds) {
        game.soloMode = false;
        for (int s = 0; s < kSeats; ++s) SeatCharacter(game, s, kinds[s]);
    }
    static Seats Choices(const SettingsDialog& dialog) {
        Seats seats{};
        for (int s = 0; s < kSeats; ++s) seats[s] = dialog.SeatChoice(s);
        return seats;
    }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Sets a seat in the dialog by its "次のﾌﾟﾚｰﾔ" button.
    static void ChooseSeat(SettingsDialog& dialog, int seat, K kind) {
        for (int i = 0; i < 5 && dialog.SeatChoice(seat) != kind; ++i)
            Click(dialog.NextButton(seat));
        ASSERT_EQ(dialog.SeatChoice(seat), kind);
    }

    GameState game;  // a fresh game for every test
    Opponents opponents{game};
    HeadlessTable table{game};
    MainWindow window{game};
    GameSettings inForce;
    std::vector<QString> informed, asked;
    bool answerYes = true;
};

bool SeatsLocked(const SettingsDialog& dialog) {
    for (int s = 0; s < kSeats; ++s)
        if (dialog.Character(s)->isEnabled() || dialog.NextButton(s)->isEnabled()) return false;
    return true;
}

TEST_F(SettingsDialogTest, SolitaireOpensWithTheHumanAloneAndTheSeatsLocked) {
    // Whatever the seats held before, solitaire shows You and three empty seats.
    SeatAll({K::Wolf, K::You, K::Tiger, K::Empty});
    game.soloMode = true;
    OpenedDialog dialog(window, inForce);
    EXPECT_TRUE(dialog.SoloButton()->isChecked());
    EXPECT_FALSE(dialog.SeveralButton()->isChecked());
    EXPECT_EQ(Choices(dialog), (Seats{K::You, K::Empty, K::Empty, K::Empty}));
    EXPECT_TRUE(SeatsLocked(dialog));
    EXPECT_TRUE(dialog.PlayerFrame()->isEnabled());
    // The sprite shows the character picture of the choice.
    EXPECT_EQ(dialog.Character(3)->Picture().cacheKey(),
              PictureStore::Picture(PicSet::picPlayer, 4).cacheKey());

    // Several players: the seats open up, starting from the solitaire seats.
    Click(dialog.SeveralButton());
    EXPECT_TRUE(dialog.SeveralButton()->isChecked());
    EXPECT_FALSE(dialog.SoloButton()->isChecked());
    EXPECT_EQ(Choices(dialog), (Seats{K::You, K::Empty, K::Empty, K::Empty}));
    for (int s = 0; s < kSeats; ++s) {
        EXPECT_TRUE(dialog.Character(s)->isEnabled());
        EXPECT_TRUE(dialog.NextButton(s)->isEnabled());
    }
}

TEST_F(SettingsDialogTest, SeveralPlayersOpenWithTheSeatsAndTheOtherChoicesInForce) {
    SeatAll({K::Wolf, K::You, K::Tiger, K::Swallow});
    game.seats[2].active = false;  // an inactive seat shows as empty whatever its kind
    game.cardBack = 2;
    game.showSeconds = 4;
    inForce.cursor = 3;
    OpenedDialog dialog(window, inForce);
    EXPECT_TRUE(dialog.SeveralButton()->isChecked());
    EXPECT_EQ(Choices(dialog), (Seats{K::Wolf, K::You, K::Empty, K::Swallow}));
    EXPECT_TRUE(dialog.Character(0)->isEnabled());
    EXPECT_TRUE(dialog.CardButton(2)->isChecked());
    EXPECT_TRUE(dialog.SecondButton(2)->isChecked());
    EXPECT_TRUE(dialog.CursorButton(3)->isChecked());
}

TEST_F(SettingsDialogTest, OpensWhateverTheValuesInForce) {
    // A hand-edited settings file may hold numbers the game has no picture for;
    // the dialog then selects the first button of the group, as the table draws back 0.
    struct Case {
        int cardBack, cursor, seconds;
        int cardButton, cursorButton, secondButton;
    };
    const Case cases[] = {
        {7, -1, 0, 0, 0, 0},  // nothing valid; display time not set before the first game
        {-3, 4, 3, 0, 0, 0},
        {3, 2, 2, 3, 2, 1},
        {1, 1, 1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        game.cardBack = c.cardBack;
        inForce.cursor = c.cursor;
        game.showSeconds = c.seconds;
        OpenedDialog dialog(window, inForce);
        EXPECT_TRUE(dialog.CardButton(c.cardButton)->isChecked()) << c.cardBack;
        EXPECT_TRUE(dialog.CursorButton(c.cursorButton)->isChecked()) << c.cursor;
        EXPECT_TRUE(dialog.SecondButton(c.secondButton)->isChecked()) << c.seconds;
    }
    // Confirming writes what the dialog shows.
    SeatAll({K::You, K::Wolf, K::Empty, K::Empty});
    game.cardBack = 9;
    inForce.cursor = 6;
    OpenedDialog dialog(window, inForce);
    dialog.show();
    Click(dialog.OkButton());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(game.cardBack, 0);
    EXPECT_EQ(inForce.cursor, 0);
    EXPECT_EQ(game.showSeconds, 1);
}

TEST_F(SettingsDialogTest, SeatButtonsCycleThroughTheFiveChoices) {
    SeatAll({K::You, K::Swallow, K::Empty, K::Empty});
    OpenedDialog dialog(window, inForce);
    const int beepsBefore = SoundActivitySoFar().lookups;
    const Seats expected[] = {
        {K::You, K::Wolf, K::Empty, K::Empty},    {K::You, K::Tiger, K::Empty, K::Empty},
        {K::You, K::Empty, K::Empty, K::Empty},   {K::You, K::You, K::Empty, K::Empty},
        {K::You, K::Swallow, K::Empty, K::Empty},
    };
    for (const Seats& seats : expected) {
        Click(dialog.NextButton(1));
        EXPECT_EQ(Choices(dialog), seats);
    }
    EXPECT_EQ(dialog.Character(1)->Picture().cacheKey(),
              PictureStore::Picture(PicSet::picPlayer, 1).cacheKey());
    EXPECT_EQ(SoundActivitySoFar().lookups, beepsBefore + 5);  // a beep for every click

    // A press on the character itself does the same, with any mouse button.
    QTest::mousePress(dialog.Character(3), Qt::RightButton);
    EXPECT_EQ(dialog.SeatChoice(3), K::You);
    QTest::mouseRelease(dialog.Character(3), Qt::RightButton);
    EXPECT_EQ(SoundActivitySoFar().lookups, beepsBefore + 6);

    // Muted, the seat still changes, silently.
    glNoSound = -1;
    Click(dialog.NextButton(3));
    EXPECT_EQ(dialog.SeatChoice(3), K::Swallow);
    EXPECT_EQ(SoundActivitySoFar().lookups, beepsBefore + 6);
    glNoSound = 0;

    // In solitaire neither the character nor the button reacts.
    Click(dialog.SoloButton());
    QTest::mousePress(dialog.Character(2), Qt::LeftButton);
    Click(dialog.NextButton(2));
    EXPECT_EQ(Choices(dialog), (Seats{K::You, K::Empty, K::Empty, K::Empty}));
    EXPECT_EQ(SoundActivitySoFar().lookups, beepsBefore + 6);
}

TEST_F(SettingsDialogTest, AllSeatsEmptyIsRefusedWithTheTwoLineMessage) {
    SeatAll({K::You, K::Wolf, K::Empty, K::Empty});
    OpenedDialog dialog(window, inForce);
    dialog.show();
    ChooseSeat(dialog, 0, K::Empty);
    ChooseSeat(dialog, 1, K::Empty);
    Click(dialog.CardButton(3));
    Click(dialog.OkButton());

    ASSERT_EQ(informed.size(), 1u);
    EXPECT_EQ(informed[0], QStringLiteral("プレイヤーが設定されていません。\r\n"
                                          "１人以上のプレーヤーを選択してください。"));
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Choices(dialog), (Seats{K::Empty, K::Empty, K::Empty, K::Empty}));
    EXPECT_TRUE(game.seats[0].active);
    EXPECT_EQ(game.seats[1].kind, K::Wolf);
    EXPECT_EQ(game.cardBack, 0);  // nothing at all is applied
}

TEST_F(SettingsDialogTest, ALoneHumanConfirmedPlaysSolitaireInSeatZero) {
    SeatAll({K::Tiger, K::Wolf, K::Empty, K::Empty});
    opponents.Seats()[1].recallOwnPct = 77;  // a seat taken by the human keeps its other values
    OpenedDialog dialog(window, inForce);
    dialog.show();
    ChooseSeat(dialog, 0, K::Empty);
    ChooseSeat(dialog, 1, K::Empty);
    ChooseSeat(dialog, 2, K::You);
    Click(dialog.OkButton());

    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], QStringLiteral("一人遊びでよろしいですか？"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(game.soloMode);
    EXPECT_TRUE(game.seats[0].active);
    EXPECT_EQ(game.seats[0].kind, K::You);
    EXPECT_EQ(opponents.Seats()[0].memorySize, 60);  // left from the tiger that sat there
    for (int s = 1; s < kSeats; ++s) EXPECT_FALSE(game.seats[s].active) << s;
    EXPECT_EQ(opponents.Seats()[1].recallOwnPct, 77);
}

TEST_F(SettingsDialogTest, ALoneHumanRefusedKeepsTheDialogOpenAndAppliesNothing) {
    SeatAll({K::Tiger, K::Empty, K::Empty, K::Empty});
    answerYes = false;
    OpenedDialog dialog(window, inForce);
    dialog.show();
    ChooseSeat(dialog, 0, K::Empty);
    ChooseSeat(dialog, 3, K::You);
    Click(dialog.SecondButton(2));
    Click(dialog.OkButton());

    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.SeveralButton()->isChecked());
    EXPECT_EQ(Choices(dialog), (Seats{K::Empty, K::Empty, K::Empty, K::You}));
    EXPECT_FALSE(game.soloMode);
    EXPECT_EQ(game.seats[0].kind, K::Tiger);
    EXPECT_TRUE(game.seats[0].active);
    EXPECT_FALSE(game.seats[3].active);
    EXPECT_EQ(game.showSeconds, 0);
}

TEST_F(SettingsDialogTest, ASingleComputerIsAcceptedWithoutQuestion) {
    SeatAll({K::You, K::Empty, K::Empty, K::Empty});
    game.soloMode = true;
    OpenedDialog dialog(window, inForce);
    dialog.show();
    Click(dialog.SeveralButton());
    ChooseSeat(dialog, 0, K::Empty);
    ChooseSeat(dialog, 1, K::Tiger);
    Click(dialog.SecondButton(1));
    Click(dialog.CursorButton(2));
    Click(dialog.OkButton());

    EXPECT_TRUE(informed.empty());
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(game.soloMode);
    EXPECT_FALSE(game.seats[0].active);
    EXPECT_TRUE(game.seats[1].active);
    EXPECT_EQ(game.seats[1].kind, K::Tiger);
    EXPECT_EQ(opponents.Seats()[1].memorySize, 60);
    EXPECT_EQ(opponents.Seats()[1].recallOtherPct, 80);
    EXPECT_FALSE(game.seats[2].active);
    EXPECT_FALSE(game.seats[3].active);
    EXPECT_EQ(game.showSeconds, 2);
    EXPECT_EQ(inForce.cursor, 2);
    EXPECT_EQ(window.Table()->cursor().pixmap().toImage(),
              PictureStore::Cursor(2).pixmap().toImage());
    EXPECT_EQ(window.Table()->cursor().shape(), PictureStore::Cursor(2).shape());
}

TEST_F(SettingsDialogTest, CancelAndTheCloseBoxApplyNothing) {
    SeatAll({K::You, K::Swallow, K::Empty, K::Empty});
    game.cardBack = 1;
    game.showSeconds = 2;
    inForce.cursor = 1;
    const GameState before = game;
    for (bool closeBox : {false, true}) {
        OpenedDialog dialog(window, inForce);
        dialog.show();
        Click(dialog.SoloButton());
        Click(dialog.CardButton(3));
        Click(dialog.SecondButton(2));
        Click(dialog.CursorButton(3));
        if (closeBox)
            dialog.close();
        else
            Click(dialog.CancelButton());
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(game.soloMode);
        EXPECT_TRUE(game.seats[1].active);
        EXPECT_EQ(game.seats[1].kind, before.seats[1].kind);
        EXPECT_EQ(game.cardBack, 1);
        EXPECT_EQ(game.showSeconds, 2);
        EXPECT_EQ(inForce.cursor, 1);
        EXPECT_EQ(table.gotCardPaints, 0);
    }
}

// The box that keeps the settings for the next start opens as the player left it
// (off at first), and "Ｏ．Ｋ" hands its state back with the other choices.
TEST_F(SettingsDialogTest, TheKeepBoxOpensAsLeftAndOkHandsItBack) {
    SeatAll({K::You, K::Swallow, K::Empty, K::Empty});
    for (const bool keptBefore : {false, true}) {
        GameSettings settings = SettingsInForce(game, inForce);
        settings.keepForNextStart = keptBefore;
        SettingsDialog dialog(settings, true, {}, &window);
        dialog.show();
        EXPECT_EQ(dialog.KeepBox()->isChecked(), keptBefore);
        EXPECT_EQ(dialog.KeepBox()->text(), QStringLiteral("次回もこの設定で始める"));
        // On the box itself, at its left end: the line reaches far past its text.
        QTest::mouseClick(dialog.KeepBox(), Qt::LeftButton, {}, QPoint(6, 10));
        Click(dialog.OkButton());
        EXPECT_EQ(dialog.Chosen().keepForNextStart, !keptBefore);
    }
    EXPECT_FALSE(GameSettings{}.keepForNextStart);
}

// The picture buttons show the choice and the keyboard's place: the chosen card
// back is ringed in the selection colour (outside Japanese, whose dialog keeps
// its look), and the button with the focus shows a focus frame.
TEST_F(SettingsDialogTest, ThePictureButtonsShowTheChoiceAndTheFocus) {
    game.cardBack = 1;
    for (const TextLanguage& language : {kGameLanguage, kFallbackLanguage}) {
        ASSERT_TRUE(InstallTextLanguage(language));
        SettingsDialog dialog(SettingsInForce(game, inForce), true, {}, &window);
        dialog.show();
        const QColor highlight = dialog.palette().color(QPalette::Highlight);
        auto edge = [&](int i) {
            QPushButton* button = dialog.CardButton(i);
            return button->grab().toImage().pixelColor(1, button->height() / 2);
        };
        const bool ringed = language == kFallbackLanguage;
        EXPECT_EQ(edge(1) == highlight, ringed);
        EXPECT_NE(edge(0), highlight);
        EXPECT_NE(edge(2), highlight);

        // Inside the button's edge, over the picture's margin: where the focus frame lies.
        QPushButton* third = dialog.CardButton(2);
        auto inside = [third] {
            return third->grab().toImage().copy(3, 3, 1, third->height() - 6);
        };
        const QImage before = inside();
        QApplication::setActiveWindow(&dialog);
        // As after the Tab key: the desktop then shows where the keyboard is.
        dialog.setAttribute(Qt::WA_KeyboardFocusChange);
        third->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(third->hasFocus());
        EXPECT_NE(inside(), before);
    }
    RemoveTextLanguage();
}

TEST_F(SettingsDialogTest, DuringAGameOnlyTheCardBackTimeAndCursorChange) {
    SeatAll({K::You, K::Wolf, K::Empty, K::Empty});
    game.phase = GamePhase::Running;
    // Cards 1..10 lie face up, the others face down.
    for (int c = 1; c <= kCardCount; ++c) game.cards[c].faceUp = table.cards[c].face = c <= 10;
    OpenedDialog dialog(window, inForce);
    dialog.show();
    EXPECT_FALSE(dialog.PlayerFrame()->isEnabled());
    EXPECT_FALSE(dialog.Character(1)->isEnabled());
    // The seat controls take no clicks now.
    Click(dialog.SoloButton());
    Click(dialog.NextButton(1));
    EXPECT_EQ(Choices(dialog), (Seats{K::You, K::Wolf, K::Empty, K::Empty}));
    Click(dialog.CardButton(2));
    Click(dialog.SecondButton(2));
    Click(dialog.OkButton());

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(game.cardBack, 2);
    EXPECT_EQ(game.showSeconds, 4);
    EXPECT_FALSE(game.soloMode);
    EXPECT_EQ(game.seats[1].kind, K::Wolf);
    for (int c = 1; c <= kCardCount; ++c) EXPECT_EQ(table.cards[c].paints, c <= 10 ? 0 : 1) << c;
    EXPECT_EQ(table.gotCardPaints, 1);

    // Even an unchanged card back is redrawn, and even with seats the dialog
    // would have refused: the seat checks belong to the time between games.
    game.seats[1].active = false;
    OpenedDialog again(window, inForce);
    again.show();
    EXPECT_TRUE(again.CardButton(2)->isChecked());
    EXPECT_TRUE(again.SecondButton(2)->isChecked());
    Click(again.OkButton());
    EXPECT_TRUE(informed.empty());
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(table.cards[11].paints, 2);
    EXPECT_EQ(table.gotCardPaints, 2);
}

}  // namespace

// Tab goes round every control of the dialog that can be used, and a screen
// reader finds a name of its own on each of them, and a name on each frame.
TEST_F(SettingsDialogTest, EveryControlIsReachedWithTabAndNamed) {
    SeatAll({K::You, K::Swallow, K::Empty, K::Empty});
    OpenedDialog dialog(window, inForce);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    std::set<QWidget*> reached;
    std::set<QString> names;
    for (int i = 0; i < 60 && QApplication::focusWidget(); ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || !b->isEnabled()) continue;
        const QString name = QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << b->metaObject()->className();
        // Each says which it is: no two share a name.
        EXPECT_TRUE(names.insert(name).second) << name.toStdString();
        // A group of option buttons is one stop: the arrows move within it.
        bool stop = reached.count(b) > 0;
        if (b->group() && b->group()->exclusive())
            for (QAbstractButton* other : b->group()->buttons())
                stop = stop || reached.count(other);
        EXPECT_TRUE(stop) << name.toStdString();
    }
    for (QGroupBox* frame : dialog.findChildren<QGroupBox*>()) {
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(frame);
        EXPECT_EQ(group->role(), QAccessible::Grouping);
        EXPECT_FALSE(group->text(QAccessible::Name).isEmpty());
    }
    // The picture says who sits there, the button what it chooses next.
    EXPECT_EQ(dialog.Character(1)->accessibleName(), QStringLiteral("席2：ツバメ"));
    EXPECT_EQ(dialog.Character(1)->toolTip(), QStringLiteral("席2：ツバメ"));
    EXPECT_EQ(dialog.NextButton(1)->accessibleName(), QStringLiteral("席2をオオカミにする"));
    EXPECT_EQ(dialog.NextButton(1)->toolTip(), QStringLiteral("席2をオオカミにする"));
}
