// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: its menus and switches, closing, help, its size, and the
// way mouse and timer reach the game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "TestPictures.h"
#include "app/Places.h"
#include "app/Sound.h"
#include "app/WindowCommands.h"
#include "engine/Deal.h"
#include "engine/GameLoop.h"
#include "engine/HeadlessTable.h"
#include "engine/HumanPlay.h"
#include "engine/Reveal.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"
#include "opponents/Opponents.h"
#include "support/ViewerStandIn.h"
#include "ui/CardWidget.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ShapeWidget.h"
#include "ui/SpriteWidget.h"
#include "ui/TableWidget.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        AttachComputerPlayers(&opponents);
        glNoSound = 0;
        MessageBoxes::SetInformHook([this](const QString& text) { informed.push_back(text); });
        MessageBoxes::SetAskHook([this](const QString& text) {
            asked.push_back(text);
            return answerYes;
        });
        MakeWindow({});
    }
    // A window with these commands; it ends the process by counting, and its
    // help and sound switch are the program's own unless the test gives others.
    void MakeWindow(MainWindow::Commands commands, const GameSettings& settings = {}) {
        commands.exitProcess = [this] { ++exits; };
        const MainWindow::Commands program = WindowCommands(inForce);
        if (!commands.help) commands.help = program.help;
        if (!commands.mute) commands.mute = program.mute;
        window.reset();
        window = std::make_unique<MainWindow>(game, std::move(commands), settings);
        window->Table()->CreateCardWidgets();
    }
    void TearDown() override {
        window.reset();
        AttachViews({});
        AttachHost(nullptr);
        AttachComputerPlayers(nullptr);
        MessageBoxes::SetInformHook(nullptr);
        MessageBoxes::SetAskHook(nullptr);
        glNoSound = 0;
    }

    GameState game;  // a fresh game for every test
    Opponents opponents{game};
    GameSettings inForce;
    std::unique_ptr<MainWindow> window;
    std::vector<QString> informed, asked;
    bool answerYes = false;
    int exits = 0;
};

// What a menu holds: captions, "-" for a separator, and each item's state.
struct Item {
    QString caption;
    bool enabled = true, checkable = false;
    QString name;
};
const Item kSeparator{"-", true, false, ""};

TEST_F(MainWindowTest, MenusHoldTheirItemsInOrderWithTheirFirstStates) {
    const std::vector<std::pair<QString, std::vector<Item>>> expected = {
        {"ゲーム",
         {{"開始", true, false, "mGAmeStart"},
          {"このゲームやめ", false, false, "mGameQuite"},
          {"成績", true, false, "mGameScore"},
          kSeparator,
          {"このアプリケーションを終了する", true, false, "mGameExit"}}},
        {"設定",
         {{"設定", true, false, "mSetSet"},
          kSeparator,
          {"常に手前に表示", true, true, "mSetFloat"},
          {"音を出さない", true, true, "mSetSound"},
          {"全画面表示", true, true, "mSetFullScreen"}}},
        {"ヘルプ",
         {{"ヘルプ", true, false, "mHelpHelp"},
          kSeparator,
          {"このアプリケーションについて", true, false, "mHelpAbout"}}},
    };
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (size_t m = 0; m < expected.size(); ++m) {
        SCOPED_TRACE(expected[m].first.toStdString());
        EXPECT_EQ(menus[m]->text(), expected[m].first);
        const QList<QAction*> items = menus[m]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[m].second.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Item& want = expected[m].second[static_cast<size_t>(i)];
            if (want.caption == "-") {
                EXPECT_TRUE(items[i]->isSeparator()) << i;
                continue;
            }
            EXPECT_EQ(items[i]->text(), want.caption);
            EXPECT_EQ(items[i]->objectName(), want.name);
            EXPECT_EQ(items[i]->isEnabled(), want.enabled) << want.name.toStdString();
            EXPECT_EQ(items[i]->isCheckable(), want.checkable) << want.name.toStdString();
            EXPECT_FALSE(items[i]->isChecked()) << want.name.toStdString();
        }
    }
    EXPECT_EQ(window->StartAction()->objectName(), "mGAmeStart");
    EXPECT_EQ(window->AboutAction()->objectName(), "mHelpAbout");
}

TEST_F(MainWindowTest, TheTwoSwitchesToggleTheirStateAndComeBackWhenChosenTwice) {
    auto onTop = [&] { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); };
    // Start-up may switch it before the window is first shown.
    window->SetTopMost();
    EXPECT_TRUE(onTop());
    window->SetTopMost();
    EXPECT_FALSE(onTop());
    window->show();
    const QPoint where = window->pos();

    // Once through the public command, once through the menu item itself.
    for (const bool fromMenu : {false, true}) {
        SCOPED_TRACE(fromMenu ? "menu" : "command");
        fromMenu ? window->FloatAction()->trigger() : window->SetTopMost();
        EXPECT_TRUE(window->TopMostChecked());
        EXPECT_TRUE(onTop());
        fromMenu ? window->FloatAction()->trigger() : window->SetTopMost();
        EXPECT_FALSE(window->TopMostChecked());
        EXPECT_FALSE(onTop());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->pos(), where);

        fromMenu ? window->SoundAction()->trigger() : window->SetNoSound();
        EXPECT_TRUE(window->NoSoundChecked());
        EXPECT_EQ(glNoSound, -1);
        fromMenu ? window->SoundAction()->trigger() : window->SetNoSound();
        EXPECT_FALSE(window->NoSoundChecked());
        EXPECT_EQ(glNoSound, 0);
    }

    // Bringing a mark in line goes through the same command, once.
    window->SetTopMostChecked(true);
    window->SetTopMostChecked(true);
    EXPECT_TRUE(onTop());
    window->SetNoSoundChecked(true);
    window->SetNoSoundChecked(true);
    EXPECT_EQ(glNoSound, -1);
}

TEST_F(MainWindowTest, TheTwoSwitchesStartAsTheSettingsHaveThem) {
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        GameSettings settings;
        settings.topMost = settings.mute = on;
        glNoSound = on ? 0 : -1;  // the other way round: the start must set it
        MakeWindow({}, settings);
        EXPECT_EQ(window->TopMostChecked(), on);
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(window->NoSoundChecked(), on);
        EXPECT_EQ(glNoSound, on ? -1 : 0);
    }
}

TEST_F(MainWindowTest, AModalWindowOpensBelowNoLevelAndTheLevelComesBack) {
    bool onTopWhileOpen = true;
    int opened = 0;
    MainWindow::Commands commands;
    commands.settings = [&](MainWindow& w) {
        ++opened;
        onTopWhileOpen = w.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    };
    commands.about = [&](MainWindow&) { ++opened; };
    MakeWindow(commands);
    window->show();
    window->SetTopMost();
    window->SettingsAction()->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(onTopWhileOpen);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->TopMostChecked());
    window->AboutAction()->trigger();
    EXPECT_EQ(opened, 2);

    // Nothing plugged in: the items do nothing.
    MakeWindow({});
    window->SettingsAction()->trigger();
    window->AboutAction()->trigger();
    EXPECT_EQ(opened, 2);
}

TEST_F(MainWindowTest, ClosingAnsweredNoChangesNothing) {
    window->show();
    game.phase = GamePhase::Running;
    window->ExitAction()->trigger();
    EXPECT_EQ(asked, std::vector<QString>{"やめる？？"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(game.phase, GamePhase::Running);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(window->Table()->Banner()->isHidden());
    for (int i = 0; i < 60; ++i) EXPECT_NE(window->Table()->Card(i), nullptr) << i;
}

TEST_F(MainWindowTest, CtrlQAsksTheClosingQuestion) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(asked, std::vector<QString>{"やめる？？"});
    EXPECT_TRUE(window->isVisible());
    answerYes = true;
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(exits, 1);
}

TEST_F(MainWindowTest, ClosingAnsweredYesShowsTheFarewellAboveTheTableAndEnds) {
    ScopedPictures pictures;
    pictures.Put(PicSet::picMsgDat, 0, Solid(138, 50, Qt::white));
    window->show();
    game.phase = GamePhase::Running;
    answerYes = true;
    EXPECT_TRUE(window->close());

    EXPECT_EQ(exits, 1);
    EXPECT_EQ(game.phase, GamePhase::Exiting);
    const TableWidget* table = window->Table();
    const SpriteWidget* banner = table->Banner();
    EXPECT_FALSE(banner->isHidden());
    EXPECT_EQ(banner->size(), QSize(138, 50));
    EXPECT_EQ(banner->pos(), QPoint((window->frameGeometry().width() - 138) / 2, -50));
    EXPECT_EQ(table->children().last(), banner);
    for (int i = 1; i <= 54; ++i) EXPECT_EQ(table->Card(i), nullptr) << i;
    EXPECT_NE(table->Card(0), nullptr);
    EXPECT_NE(table->Card(55), nullptr);
}

TEST_F(MainWindowTest, HelpOpensReadmeOfTheCurrentFolderOrSaysItIsMissing) {
    QTemporaryDir folder;
    const QByteArray cacheBefore = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", folder.filePath("cache").toLocal8Bit());
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    // A program folder with no help text beside it (where else it is looked
    // for is the places' own test).
    const std::string appPathBefore = gsAppPath;
    gsAppPath = folder.filePath("bin/").toStdString();
    ViewerStandIn viewer;

    // No file: the message, and no viewer.
    QDesktopServices::setUrlHandler("file", &viewer, "Open");
    window->HelpAction()->trigger();
    EXPECT_EQ(informed, std::vector<QString>{"ヘルプファイルがありません。"});
    EXPECT_TRUE(viewer.opened.isEmpty());

    // The file: handed to the viewer, no message.
    QFile readme(folder.filePath("readme.txt"));
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.close();
    window->HelpAction()->trigger();
    ASSERT_EQ(viewer.opened.size(), 1);
    EXPECT_EQ(viewer.opened[0],
              QUrl::fromLocalFile(QDir(folder.path()).absoluteFilePath("readme.txt")));
    EXPECT_EQ(informed.size(), 1u);

    // The help as shipped, in CP932: the viewer gets a UTF-8 copy of its text,
    // and F1 opens it too.
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.write("\x83g\x83}\x83x\x83\x8B\r\n");  // トマベル
    readme.close();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(viewer.opened.size(), 2);
    EXPECT_EQ(viewer.opened[1], QUrl::fromLocalFile(folder.filePath("cache/tomavel/readme.txt")));
    QFile copy(viewer.opened[1].toLocalFile());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(copy.readAll()), QStringLiteral("トマベル\r\n"));

    // No viewer that can start (the offscreen platform has none): the player is
    // told that the help could not be opened and where the file is, and the
    // game goes on.
    QDesktopServices::unsetUrlHandler("file");
    if (QGuiApplication::platformName() == "offscreen") {
        window->HelpAction()->trigger();
        EXPECT_EQ(informed.size(), 2u);
        EXPECT_EQ(informed.back(), "ヘルプを開けませんでした。\nヘルプファイルはここにあります:\n" +
                                       folder.filePath("cache/tomavel/readme.txt"));
    }
    QDir::setCurrent(before);
    gsAppPath = appPathBefore;
    qputenv("XDG_CACHE_HOME", cacheBefore);
}

// A later start of the game brings this window back: out of the task bar, in
// front, with the focus; a dialog open over it stays in front of it.
TEST_F(MainWindowTest, BringForwardRestoresRaisesAndActivatesTheWindow) {
    window->show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }));
    window->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isMinimized(); }));

    window->BringForward();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));

    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }));
    window->BringForward();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
}

// The window opens as a green table of 640 x 420 under its menu, its smallest
// size; it can be made larger and maximised, and the table fills it.
TEST_F(MainWindowTest, TheWindowOpensAsAGreenTableOf640By420UnderItsMenuAndGrows) {
    window->show();
    EXPECT_EQ(window->windowTitle(), "トマベル");
    TableWidget* table = window->Table();
    const int menu = window->menuBar()->height();
    EXPECT_EQ(table->size(), QSize(640, 420));
    EXPECT_EQ(table->y(), menu);
    EXPECT_EQ(window->minimumSize(), QSize(640, menu + 420));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    const QImage shot = table->grab().toImage();
    EXPECT_EQ(PixelAt(shot, 320, 210), qRgb(0, 128, 0));
    EXPECT_EQ(PixelAt(shot, 639, 419), qRgb(0, 128, 0));

    window->resize(1280, menu + 840);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->size() == QSize(1280, 840); }));
    EXPECT_EQ(table->Scale().factor, 2);
    window->resize(300, 200);  // never smaller than the table's own size
    EXPECT_TRUE(QTest::qWaitFor([&] { return table->size() == QSize(640, 420); }));
}

// F11 and the menu item put the window full screen and take it back; the item's
// mark tells the state, also when the window left full screen another way.
TEST_F(MainWindowTest, F11AndTheMenuItemPutTheWindowFullScreenAndBack) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QAction* full = window->FullScreenAction();
    EXPECT_TRUE(full->shortcuts().contains(QKeySequence(Qt::Key_F11)));
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_TRUE(full->isChecked());
    full->trigger();
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_FALSE(full->isChecked());
    full->trigger();
    ASSERT_TRUE(window->isFullScreen());
    window->showNormal();
    EXPECT_FALSE(full->isChecked());
}

// The mouse on the cards and on the table reaches the human's play.
class MainWindowPlayTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        AttachHost(&host);
        AttachViews(window->AsViews());
        ResetDeck(game);
        game.phase = GamePhase::Running;
        SeatCharacter(game, 0, CharacterKind::You);
        game.currentSeat = 0;
        for (int c = 1; c <= 54; ++c) {
            game.cards[c].col = (c - 1) % 9;
            game.cards[c].row = (c - 1) / 9;
            game.board[game.cards[c].col][game.cards[c].row] = c;
            PlaceCard(game, c, NormalPlacement(game.cards[c].col, game.cards[c].row));
            game.cards[c].faceUp = false;
            Cards().SetCardFace(c, false);
            game.cards[c].shown = true;
            Cards().SetCardVisible(c, true);
        }
        window->show();
    }
    VirtualClockHost host;
};

TEST_F(MainWindowPlayTest, AClickOnACardTurnsItUpAsThePick) {
    CardWidget* card = window->Table()->Card(12);
    QTest::mouseClick(card, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(game.firstPick, 12);
    EXPECT_EQ(game.pickState, PickOneUp);
    EXPECT_TRUE(card->Face());
    EXPECT_TRUE(window->isEnabled());

    // A card that is not part of the table (the layout's template) is not played.
    Cards().SetCardVisible(0, true);
    QTest::mouseClick(window->Table()->Card(0), Qt::LeftButton);
    EXPECT_EQ(game.secondPick, 0);
}

TEST_F(MainWindowPlayTest, HoveringMagnifiesACardAndTheTableRestoresIt) {
    QTest::mouseMove(window->Table()->Card(10), QPoint(20, 20));
    EXPECT_EQ(game.hoveredCard, 10);
    EXPECT_EQ(Cards().CardRect(10), MagnifiedPlacement(0, 1));

    QTest::mouseMove(window->Table(), QPoint(100, 300));  // where the panels would be
    EXPECT_EQ(game.hoveredCard, 0);
    EXPECT_EQ(Cards().CardRect(10), NormalPlacement(0, 1));
}

TEST_F(MainWindowPlayTest, ArrowKeysMoveAFramedMagnifiedCardAndSpaceTurnsIt) {
    TableWidget* table = window->Table();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(table->hasFocus());        // the keys go to the table
    QTest::keyClick(table, Qt::Key_Down);  // nothing focused yet: the first card
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(game.hoveredCard, 11);
    const CardWidget* card = table->Card(11);
    EXPECT_EQ(Cards().CardRect(11), MagnifiedPlacement(1, 1));
    EXPECT_EQ(Cards().CardRect(2), NormalPlacement(1, 0));

    // The frame lies round the card, just under it and over its neighbours.
    const ShapeWidget* frame = table->FocusFrame();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), card->geometry().adjusted(-4, -4, 4, 4));
    const QObjectList order = table->children();
    EXPECT_EQ(order.indexOf(frame) + 1, order.indexOf(card));
    EXPECT_LT(order.indexOf(table->Card(12)), order.indexOf(frame));
    const QImage shot = table->grab().toImage();
    EXPECT_EQ(PixelAt(shot, card->x() - 3, card->y() + 40), qRgb(255, 255, 0));
    EXPECT_EQ(PixelAt(shot, card->x() - 4, card->y() + 40), qRgb(0, 0, 0));

    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(game.firstPick, 11);
    EXPECT_TRUE(card->Face());
    EXPECT_EQ(frame->geometry(), card->geometry().adjusted(-4, -4, 4, 4));
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(game.secondPick, 12);
    EXPECT_EQ(game.pickState, PickTwoUp);
    // The frame follows its card wherever the game moves it.
    PlaceCard(game, 12, NormalPlacement(2, 1));
    EXPECT_EQ(frame->geometry(), table->Card(12)->geometry().adjusted(-4, -4, 4, 4));

    // The mouse takes the focus back, and the frame goes.
    QTest::mouseMove(table, QPoint(90, 250));
    EXPECT_EQ(game.hoveredCard, 0);
    EXPECT_TRUE(frame->isHidden());

    // A framed card taken off the table takes its frame along; it does not
    // come back when the card is dealt again.
    QTest::keyClick(table, Qt::Key_Right);
    EXPECT_TRUE(frame->isVisible());
    Cards().SetCardVisible(1, false);
    EXPECT_TRUE(frame->isHidden());
    Cards().SetCardVisible(1, true);
    EXPECT_TRUE(frame->isHidden());
}

TEST_F(MainWindowPlayTest, CtrlNAndF2StartAGameWhenStartIsOffered) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QString caption = window->StartAction()->text();
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)}) {
        SCOPED_TRACE(keys.toString().toStdString());
        informed.clear();
        SeatCharacter(game, 0, CharacterKind::You);
        for (int s = 1; s < 4; ++s) SeatCharacter(game, s, CharacterKind::Empty);
        host.At(host.Now() + 2000, [this] { QuitCommand(game); });
        QTest::keySequence(window.get(), keys);
        EXPECT_EQ(informed, std::vector<QString>{"このゲームを終了します"});
        EXPECT_TRUE(window->StartAction()->isEnabled());

        window->SetStartEnabled(false);  // while a game runs
        QTest::keySequence(window.get(), keys);
        EXPECT_EQ(informed.size(), 1u);
        window->SetStartEnabled(true);
    }
    EXPECT_EQ(window->StartAction()->text(), caption);
}

TEST_F(MainWindowPlayTest, TheSecondTimerCountsSolitaireTime) {
    EXPECT_EQ(window->SecondTimer()->interval(), 1000);
    EXPECT_FALSE(window->SecondTimer()->isActive());
    game.soloMode = true;
    window->SetSoloLabelsVisible(true);
    // Two ticks of the timer, without waiting two seconds for them.
    for (int tick = 0; tick < 2; ++tick)
        QMetaObject::invokeMethod(window->SecondTimer(), "timeout", Qt::DirectConnection);
    EXPECT_EQ(game.elapsedSeconds, 2);
    EXPECT_EQ(window->Table()->TimeLabel()->text(), "２ 秒");
    EXPECT_TRUE(window->Table()->TimeLabel()->isVisible());
    window->StartSecondTimer();
    EXPECT_TRUE(window->SecondTimer()->isActive());
    window->StopSecondTimer();
    EXPECT_FALSE(window->SecondTimer()->isActive());
}

// "開始" plays a game on this window; during it only "このゲームやめ" is offered,
// and choosing it ends the game with its message and offers "開始" again.
TEST_F(MainWindowPlayTest, StartAndQuitFromTheMenuPlayAndEndAGame) {
    for (int s = 1; s < 4; ++s) SeatCharacter(game, s, CharacterKind::Empty);
    game.soloMode = true;
    game.phase = GamePhase::Idle;
    bool startOffered = true, quitOffered = false, dealt = false, quitTaken = false;
    host.At(host.Now() + 3000, [&] {
        startOffered = window->StartAction()->isEnabled();
        quitOffered = window->QuitAction()->isEnabled();
        dealt = window->Table()->Card(1)->isVisible() && window->Table()->TimeLabel()->isVisible();
        window->QuitAction()->trigger();
        quitTaken = game.phase == GamePhase::QuitRequested;
        if (!quitTaken) QuitCommand(game);  // never leave the game running
    });
    window->StartAction()->trigger();
    EXPECT_TRUE(quitTaken);
    EXPECT_TRUE(dealt);
    EXPECT_FALSE(startOffered);
    EXPECT_TRUE(quitOffered);
    EXPECT_EQ(informed, std::vector<QString>{"このゲームを終了します"});
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_TRUE(window->StartAction()->isEnabled());
    EXPECT_FALSE(window->QuitAction()->isEnabled());
    EXPECT_FALSE(window->Table()->Card(1)->isVisible());
}

TEST_F(MainWindowPlayTest, WhileACardTurnsClicksAreLostAndNothingGreysOut) {
    window->SetWindowEnabled(false);
    QTest::mouseClick(window->Table()->Card(12), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(window->Table()->Card(10), QPoint(20, 20));
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Space}) QTest::keyClick(window->Table(), key);
    EXPECT_EQ(game.firstPick, 0);
    EXPECT_EQ(game.hoveredCard, 0);
    EXPECT_TRUE(window->menuBar()->isEnabled());  // the menus keep their look
    EXPECT_TRUE(Cards().CardEnabled(3));          // the card's own switch is untouched
    window->SetWindowEnabled(true);
    QTest::mouseClick(window->Table()->Card(12), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(game.firstPick, 12);  // nothing was queued: only the new click counts
    EXPECT_EQ(game.hoveredCard, 0);
}

// On a larger table a click on a card turns that card: the card lies where it
// is shown. The keyboard's frame goes round the card at its larger size.
TEST_F(MainWindowPlayTest, AtTwiceTheSizeTheMouseAndTheKeysFindTheCardsWhereTheyAreShown) {
    TableWidget* table = window->Table();
    window->resize(1280, window->menuBar()->height() + 840);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->size() == QSize(1280, 840); }));
    // The middle of card 21's cell (column 2, row 2) on the screen.
    const QPoint where = table->Scale().ToWidget({272 + 24, 142 + 32, 1, 1}).topLeft();
    auto* under = qobject_cast<CardWidget*>(table->childAt(where));
    ASSERT_NE(under, nullptr);
    EXPECT_EQ(under->Index(), 21);
    QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(table, where));
    EXPECT_EQ(game.firstPick, 21);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseMove(table, QPoint(100, 600));  // away from the cards
    QTest::keyClick(table, Qt::Key_Right);      // the first card
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(game.hoveredCard, 10);
    const CardWidget* card = table->Card(10);
    EXPECT_EQ(card->geometry(), table->Scale().ToWidget({157, 58, 71, 96}));
    const ShapeWidget* frame = table->FocusFrame();
    EXPECT_EQ(frame->geometry(), card->geometry().adjusted(-8, -8, 8, 8));
    // Its rings twice as wide: dark, then yellow, then dark against the card.
    const QImage shot = table->grab().toImage();
    const int y = card->y() + 80;
    for (const auto& [x, colour] :
         {std::pair{card->x() - 8, qRgb(0, 0, 0)}, std::pair{card->x() - 7, qRgb(0, 0, 0)},
          std::pair{card->x() - 6, qRgb(255, 255, 0)}, std::pair{card->x() - 3, qRgb(255, 255, 0)},
          std::pair{card->x() - 2, qRgb(0, 0, 0)}})
        EXPECT_EQ(PixelAt(shot, x, y), colour) << x - card->x();
}

// The window changes size in the middle of a deal, again and again: each time the
// table is laid out again where the game has put everything, and the game goes on.
TEST_F(MainWindowPlayTest, AResizeInTheMiddleOfADealLaysTheTableOutAgain) {
    for (int s = 1; s < 4; ++s) SeatCharacter(game, s, CharacterKind::Empty);
    game.soloMode = true;
    game.phase = GamePhase::Idle;
    TableWidget* table = window->Table();
    const int menu = window->menuBar()->height();
    const QSize sizes[] = {{1280, 840}, {900, 700}, {1920, 1061}, {640, 420}, {1000, 600}};
    for (int i = 0; i < 30; ++i)
        host.At(host.Now() + 100 + 97 * i, [&, i] {
            const QSize size = sizes[i % 5];
            window->resize(size.width(), menu + size.height());
        });
    int misplaced = -1, shown = 0;
    host.At(host.Now() + 5000, [&] {
        misplaced = 0;
        for (int c = 1; c <= 54; ++c) {
            if (!table->Card(c)->isVisible()) continue;
            ++shown;
            const Rect& r = game.cards[c].place;
            misplaced += table->Card(c)->geometry() !=
                         table->Scale().ToWidget({r.left, r.top, r.width, r.height});
        }
        QuitCommand(game);
    });
    window->StartAction()->trigger();
    EXPECT_EQ(table->size(), QSize(1000, 600));
    EXPECT_EQ(shown, 54);
    EXPECT_EQ(misplaced, 0);
    EXPECT_EQ(informed, std::vector<QString>{"このゲームを終了します"});
    EXPECT_EQ(game.phase, GamePhase::Idle);
}

}  // namespace
