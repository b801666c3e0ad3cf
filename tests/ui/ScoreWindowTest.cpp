// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solitaire score window: the place told, the name box on the new result's
// row, the name checks and the save.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "ui/MessageBoxes.h"
#include "ui/ResultParts.h"
#include "ui/ScoreWindow.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScoreWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "scorewinXXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        path_ = (folder_ / kScoreFileName).string();
        ASSERT_TRUE(CreateScoreFile(path_).ok);
        MessageBoxes::SetInformHook([this](const QString& text) { messages_.push_back(text); });
    }
    void TearDown() override {
        MessageBoxes::SetInformHook(nullptr);
        fs::remove_all(folder_);
    }

    // A window over the default table with a new result that ranks `time` by time and
    // `turn` by turns (0 = not ranked): 3:02, 3:07, ... and 302, 307, ... do. Opened
    // after the game that made the result, unless `afterGame` says otherwise.
    std::unique_ptr<ScoreWindow> WindowFor(int time, int turn, bool afterGame = true) {
        SoloScoreRecord result;
        SetScoreDate(result, 2024, 6, 1, 12, 0, 0);
        CompleteScoreRecord(result, time ? 182 + 5 * (time - 1) : 300,
                            turn ? 302 + 5 * (turn - 1) : 400);
        const ScorePlacement p = PlaceNewScore(DefaultScoreTable(), result);
        EXPECT_EQ(p.rank, (ScoreRank{time, turn}));
        auto window = std::make_unique<ScoreWindow>(path_, p.table, p.newIndex, p.rank, afterGame);
        window->Load();
        window->show();
        return window;
    }

    fs::path folder_;
    std::string path_;
    std::vector<QString> messages_;
};

}  // namespace

TEST_F(ScoreWindowTest, TellsThePlaceAndOpensInTheOrderWhereTheResultStandsLower) {
    const struct {
        int time, turn;
        const char* message;     // nullptr: no message
        const char* timeHeader;  // the arrow marks the order the table opens in
        const char* turnHeader;
        int boxRow;  // -1: no name box
    } cases[] = {
        {3, 1, "ゲーム時間が　３位\nターン回数が　１位です。", "Time ▼", "Turn", 2},
        {1, 3, "ゲーム時間が　１位\nターン回数が　３位です。", "Time", "Turn ▼", 2},
        {2, 2, "ゲーム時間が　２位\nターン回数が　２位です。", "Time ▼", "Turn", 1},
        {10, 2, "ゲーム時間が　１０位\nターン回数が　２位です。", "Time ▼", "Turn", 9},
        {7, 0, "ゲーム時間が　７位です。", "Time ▼", "Turn", 6},
        {0, 4, "ターン回数が　４位です。", "Time", "Turn ▼", 3},
        {0, 0, nullptr, "Time ▼", "Turn", -1},
    };
    for (const auto& c : cases) {
        messages_.clear();
        auto window = WindowFor(c.time, c.turn);
        const std::string what = std::to_string(c.time) + "/" + std::to_string(c.turn);
        if (c.message) {
            ASSERT_EQ(messages_.size(), 1u) << what;
            EXPECT_EQ(messages_[0], QString::fromUtf8(c.message)) << what;
        } else {
            EXPECT_TRUE(messages_.empty()) << what;
        }
        EXPECT_EQ(window->SortHeader(0)->text(), QString::fromUtf8(c.timeHeader)) << what;
        EXPECT_EQ(window->SortHeader(1)->text(), QString::fromUtf8(c.turnHeader)) << what;
        EXPECT_EQ(window->NameBox()->isVisible(), c.boxRow >= 0) << what;
        if (c.boxRow >= 0) {
            EXPECT_EQ(window->NameBox()->geometry(), window->NameCell(c.boxRow)->geometry());
            // The row under the box is the new result's: no name yet, its own texts.
            EXPECT_TRUE(window->NameCell(c.boxRow)->text().isEmpty()) << what;
            EXPECT_EQ(window->DateCell(c.boxRow)->text(), "2024/06/01 12:00:00") << what;
        }
    }
}

TEST_F(ScoreWindowTest, OutsideAGameTheTableIsOnlyShown) {
    // The same placed result, the window opened without a game just played: no
    // place is told, no name is asked for, and O.K only closes.
    auto window = WindowFor(3, 1, false);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(window->SortHeader(0)->text(), "Time ▼");
    EXPECT_FALSE(window->NameBox()->isVisible());
    QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ReadAll(path_), EncodeScoreTable(DefaultScoreTable()));
}

TEST_F(ScoreWindowTest, TheNameBoxFollowsTheNewResultWhenTheOrderChanges) {
    auto window = WindowFor(3, 1);
    QLineEdit* box = window->NameBox();
    box->insert(QStringLiteral("たろう"));  // as an input method commits it
    EXPECT_EQ(box->geometry(), window->NameCell(2)->geometry());
    EXPECT_EQ(window->TimeCell(2)->text(), "03:12");

    QTest::mouseClick(window->SortHeader(1), Qt::LeftButton);
    EXPECT_EQ(window->SortHeader(0)->text(), "Time");
    EXPECT_EQ(window->SortHeader(1)->text(), "Turn ▼");
    EXPECT_EQ(box->geometry(), window->NameCell(0)->geometry());
    EXPECT_EQ(window->TurnCell(0)->text(), "302");
    EXPECT_EQ(window->NameCell(1)->text(), "no name 1");
    EXPECT_EQ(box->text(), "たろう");  // typed text survives the re-sort

    QTest::mouseClick(window->SortHeader(0), Qt::LeftButton);
    QTest::mouseClick(window->SortHeader(0), Qt::LeftButton);  // same order again: same view
    EXPECT_EQ(box->geometry(), window->NameCell(2)->geometry());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(window->NameCell(0)->text(), "no name 1");
    EXPECT_EQ(window->DateCell(0)->text(), "2001/01/01 00:00:00");
}

TEST_F(ScoreWindowTest, AScreenReaderReadsTheTableARowAtATimeWithTheNewRecord) {
    auto window = WindowFor(3, 1);
    const auto name = [](const QWidget* w) { return w->accessibleName(); };
    EXPECT_EQ(name(window->SortHeader(0)), QStringLiteral("順位 名前 時間 ターン 日付 時間の順"));
    EXPECT_EQ(name(window->SortHeader(1)), name(window->SortHeader(0)));
    for (const QWidget* cell : {window->NameCell(0), window->TimeCell(0), window->DateCell(0)})
        EXPECT_EQ(name(cell), QStringLiteral("1位 no name 1 3分5秒 305手 2001年1月1日"));
    for (const QWidget* cell : {window->NameCell(2), window->TurnCell(2)})
        EXPECT_EQ(name(cell), QStringLiteral("3位 新しい記録 3分12秒 302手 2024年6月1日"));

    QTest::mouseClick(window->SortHeader(1), Qt::LeftButton);
    EXPECT_EQ(name(window->SortHeader(1)), QStringLiteral("順位 名前 時間 ターン 日付 ターンの順"));
    EXPECT_EQ(name(window->DateCell(0)),
              QStringLiteral("1位 新しい記録 3分12秒 302手 2024年6月1日"));
}

TEST_F(ScoreWindowTest, AnEmptyNameIsRefusedAndTheWindowStaysOpen) {
    auto window = WindowFor(1, 1);
    messages_.clear();
    QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "名前の入力がありません");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReadAll(path_), EncodeScoreTable(DefaultScoreTable()));
}

TEST_F(ScoreWindowTest, OkSavesTheNameAndTheTableReadsBack) {
    auto window = WindowFor(2, 0);
    // Typed with the JIS wave dash, kept as the CP932 one; spaces are part of a name.
    window->NameBox()->setText(QStringLiteral(" 山田 太郎\u301C"));
    QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);

    const ScoreLoad load = LoadScoreFile(path_);
    ASSERT_EQ(load.state, ScoreFileState::Read);
    EXPECT_EQ(load.table, window->Table());
    EXPECT_EQ(load.table[9].name, " \x8e\x52\x93\x63 \x91\xbe\x98\x59\x81\x60");
    EXPECT_EQ(SortScoreByTime(load.table)[1].name, load.table[9].name);
    EXPECT_EQ(load.table[8].name, "no name 9");  // the tenth by time went
}

TEST_F(ScoreWindowTest, ANameWithCharactersOutsideCp932IsRefused) {
    auto window = WindowFor(1, 0);
    messages_.clear();
    window->NameBox()->setText(QStringLiteral("김 ami 😀"));
    QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("「김😀」"))) << messages_[0].toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReadAll(path_), EncodeScoreTable(DefaultScoreTable()));
}

// What the player types is what the table keeps: a character the CP932 table
// cannot hold is refused at the keyboard or the paste, with a hint saying
// which, and the JIS forms turn into CP932's in the box itself.
TEST_F(ScoreWindowTest, TheNameBoxRefusesWhatTheTableCannotHoldAndSaysWhich) {
    auto window = WindowFor(1, 0);
    QLineEdit* box = window->NameBox();
    box->clear();
    box->setFocus();
    struct Case {
        QString typed;
        QString kept;   // the box afterwards
        QString named;  // in the hint; empty: no hint
    };
    const Case cases[] = {
        {QStringLiteral("Jos"), QStringLiteral("Jos"), {}},
        {QStringLiteral("é"), QStringLiteral("Jos"), QStringLiteral("é")},
        {QStringLiteral("e"), QStringLiteral("Jose"), {}},
        {QStringLiteral("ß"), QStringLiteral("Jose"), QStringLiteral("ß")},
        {QStringLiteral("😀"), QStringLiteral("Jose"), QStringLiteral("😀")},
        {QStringLiteral("\u301C山"), QStringLiteral("Jose\uFF5E山"), {}},
    };
    for (const Case& c : cases) {
        box->insert(c.typed);  // as typed or pasted
        EXPECT_EQ(box->text(), c.kept) << c.typed.toStdString();
        EXPECT_EQ(window->NameHint()->isVisible(), !c.named.isEmpty()) << c.typed.toStdString();
        if (!c.named.isEmpty()) {
            EXPECT_TRUE(window->NameHint()->text().contains("「" + c.named + "」"))
                << window->NameHint()->text().toStdString();
        }
    }
    // Typed at the keyboard, too.
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("ü"), Qt::NoModifier);
    EXPECT_EQ(box->text(), QStringLiteral("Jose\uFF5E山"));
    EXPECT_TRUE(window->NameHint()->isVisible());

    QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
    EXPECT_EQ(LoadScoreFile(path_).table[9].name, "Jose\x81\x60\x8e\x52");
}

TEST_F(ScoreWindowTest, ARefusedCharacterIsSaidToAScreenReader) {
    auto window = WindowFor(1, 0);
    window->NameBox()->clear();
    window->NameBox()->insert(QStringLiteral("é"));
    window->NameBox()->insert(QStringLiteral("é"));  // each refusal is said again
    const QList<QObject*> notices =
        window->NameHint()->findChildren<QObject*>(QStringLiteral("notice"));
    ASSERT_EQ(notices.size(), 2);
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(notices.last());
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    EXPECT_TRUE(notice->text(QAccessible::Name).startsWith(QStringLiteral("「é」")))
        << notice->text(QAccessible::Name).toStdString();
}

TEST_F(ScoreWindowTest, AFailedSaveOffersToTryAgainOrToLeaveWithoutSaving) {
    const std::string before = EncodeScoreTable(DefaultScoreTable());
    const struct {
        const char* what;
        std::function<void()> spoil, mend;  // what stops the save; what the player then does
    } cases[] = {
        {"no folder", [&] { fs::remove_all(folder_); },
         [&] {
             fs::create_directories(folder_);
             std::ofstream(path_, std::ios::binary) << before;
         }},
        {"read-only table", [&] { fs::permissions(path_, fs::perms::owner_read); },
         [&] { fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write); }},
    };
    for (const auto& c : cases) {
        for (const bool retry : {false, true}) {
            std::ofstream(path_, std::ios::binary | std::ios::trunc) << before;
            auto window = WindowFor(1, 0);
            window->NameBox()->setText(QStringLiteral("ami"));
            c.spoil();
            std::vector<QString> asked;
            MessageBoxes::SetRetryHook([&](const QString& text) {
                asked.push_back(text);
                if (retry) c.mend();
                return retry;
            });
            QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
            MessageBoxes::SetRetryHook(nullptr);
            const std::string what = std::string(c.what) + (retry ? ", retry" : ", leave");

            ASSERT_EQ(asked.size(), 1u) << what;
            EXPECT_TRUE(asked[0].startsWith(QStringLiteral("スコアを保存できませんでした。\n")))
                << what;
            EXPECT_TRUE(asked[0].contains(QString::fromStdString(kScoreFileName))) << what;
            EXPECT_FALSE(window->isVisible()) << what;
            if (retry) {
                EXPECT_EQ(window->result(), QDialog::Accepted) << what;
                EXPECT_EQ(LoadScoreFile(path_).table[9].name, "ami") << what;
            } else {
                EXPECT_EQ(window->result(), QDialog::Rejected) << what;
                c.mend();
                EXPECT_EQ(ReadAll(path_), before) << what;  // left exactly as it was
            }
        }
    }
}

TEST_F(ScoreWindowTest, AtStartStaleTemporariesGoAndAScoreFileThatCannotBeMadeIsToldAtOnce) {
    fs::remove(path_);
    std::ofstream(path_ + ".tmp.77.1") << "cut short";
    PrepareScoreFile(path_);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ReadAll(path_), EncodeScoreTable(DefaultScoreTable()));
    EXPECT_FALSE(fs::exists(path_ + ".tmp.77.1"));

    PrepareScoreFile(path_);  // a file that is there is left alone
    EXPECT_TRUE(messages_.empty());

    const std::string nowhere = (folder_ / "gone" / kScoreFileName).string();
    PrepareScoreFile(nowhere);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(
        messages_[0].startsWith(QStringLiteral("スコアファイル solsc.dat を作れませんでした。")))
        << messages_[0].toStdString();
}

namespace {
// Answers the modal score window once it is up: types a name (or none) and presses "O.K".
void AnswerScoreWindow(const QString& name, bool* sawNameBox) {
    QTimer::singleShot(0, [=] {
        ScoreWindow* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* scores = qobject_cast<ScoreWindow*>(w); scores && scores->isVisible())
                window = scores;
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), window);
        *sawNameBox = window->NameBox()->isVisible();
        window->NameBox()->setText(name);
        QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
    });
}
}  // namespace

TEST_F(ScoreWindowTest, HandOverSetsADamagedFileAsideKeepsWhatReadsAndSavesTheResult) {
    ScoreTable old = DefaultScoreTable();
    old[0].name = "old";  // 3:05, 305 turns
    std::string damaged = EncodeScoreTable(old);
    damaged.pop_back();  // cut inside the last record
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << damaged;
    SoloScoreRecord record;
    SetScoreDate(record, 2024, 6, 2, 9, 30, 0);
    CompleteScoreRecord(record, 184, 304);  // 3:04
    bool sawNameBox = false;
    AnswerScoreWindow(QStringLiteral("はな"), &sawNameBox);
    AddNewScore(record, path_, nullptr);

    EXPECT_TRUE(sawNameBox);
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(
        messages_[0],
        "スコアファイル solsc.dat が壊れていたので solsc.dat.damaged という名前で残しました。\n"
        "読み取れた 9 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。");
    EXPECT_EQ(messages_[1], "ゲーム時間が　１位\nターン回数が　１位です。");
    EXPECT_EQ(ReadAll(path_ + ".damaged"), damaged);
    const ScoreTable table = LoadScoreFile(path_).table;
    EXPECT_EQ(FormatScore(table[9]).date, "2024/06/02 09:30:00");
    EXPECT_EQ(FormatScore(SortScoreByTurn(table)[0]).turn, "304");
    EXPECT_EQ(NameFromCp932(SortScoreByTime(table)[0].name), "はな");
    EXPECT_EQ(SortScoreByTime(table)[1].name, "old");
}

TEST_F(ScoreWindowTest, ADamagedFileThatCannotBeMovedIsNeverSavedOver) {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << "damaged";
    for (int n = 1; n < 1000; ++n) {  // every name it could be moved to is taken
        std::string aside = path_ + ".damaged";
        if (n > 1) aside += '.' + std::to_string(n);
        std::ofstream(aside) << "old";
    }
    SoloScoreRecord record;
    SetScoreDate(record);
    CompleteScoreRecord(record, 100, 100);
    bool sawNameBox = false;
    AnswerScoreWindow(QStringLiteral("ami"), &sawNameBox);
    AddNewScore(record, path_, nullptr);
    EXPECT_TRUE(sawNameBox);
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("今回の結果は保存しません")));
    EXPECT_EQ(ReadAll(path_), "damaged");
}

TEST_F(ScoreWindowTest, AnUnrankedResultShowsTheTableAndSavesNothing) {
    SoloScoreRecord record;
    SetScoreDate(record);
    CompleteScoreRecord(record, 230, 350);  // 3:50, no better than the tenth
    const std::string before = ReadAll(path_);
    bool sawNameBox = true;
    AnswerScoreWindow(QString(), &sawNameBox);
    AddNewScore(record, path_, nullptr);
    EXPECT_FALSE(sawNameBox);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ReadAll(path_), before);
}
