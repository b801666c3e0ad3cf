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

#include "text/Cp932.h"
#include "ui/Language.h"
#include "ui/MessageBoxes.h"
#include "ui/ResultParts.h"
#include "ui/ScoreWindow.h"

namespace fs = std::filesystem;

namespace {

// Types `text` into `box` one key at a time, as a keyboard (or an input method) would:
// one character a key, an emoji whole.
void Type(QLineEdit* box, const QString& text) {
    for (const char32_t c : text.toStdU32String())
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
}

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

// Two players on one table (a shared score file): each window opened on the table
// as it was then, and each saves into the table as it is when "O.K" is pressed, so
// the later save keeps the earlier one's result.
TEST_F(ScoreWindowTest, TwoWindowsOnOneTableKeepBothResults) {
    auto open = [&](int seconds, int turns) {
        SoloScoreRecord result;
        SetScoreDate(result, 2024, 6, 1, 12, 0, 0);
        CompleteScoreRecord(result, seconds, turns);
        const ScorePlacement p = PlaceNewScore(LoadScoreFile(path_).table, result);
        auto window = std::make_unique<ScoreWindow>(path_, p.table, p.newIndex, p.rank, true);
        window->Load();
        window->show();
        return window;
    };
    auto save = [](ScoreWindow& window, const QString& name) {
        window.NameBox()->setText(name);
        QTest::mouseClick(window.OkLabel(), Qt::LeftButton);
        EXPECT_EQ(window.result(), QDialog::Accepted);
    };
    auto a = open(182, 302);  // 3:02, 302 turns: first in both orders
    auto b = open(187, 307);  // second in both
    save(*b, QStringLiteral("PlayerB"));
    save(*a, QStringLiteral("PlayerA"));
    const ScoreTable table = LoadScoreFile(path_).table;
    EXPECT_EQ(SortScoreByTime(table)[0].name, "PlayerA");
    EXPECT_EQ(SortScoreByTime(table)[2].name, "PlayerB");
    EXPECT_EQ(SortScoreByTurn(table)[2].name, "PlayerB");
    EXPECT_EQ(SortScoreByTime(table)[9].name, "no name 8");  // the two slowest went

    // A result that was tenth when its window opened, and that a better one has
    // pushed out of the table since, is not saved, and the player is told.
    auto late = open(218, 338);  // 3:38, 338 turns: tenth against the table of now
    auto c = open(190, 310);
    save(*c, QStringLiteral("PlayerC"));
    const std::string before = ReadAll(path_);
    messages_.clear();
    save(*late, QStringLiteral("late"));
    EXPECT_EQ(ReadAll(path_), before);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("入らなくなりました")))
        << messages_[0].toStdString();
}

// A name in any language goes into the top ten. The table keeps a CP932 spelling
// of it that any reader of the file can show, the names file beside it keeps it
// exactly, and the game shows it exactly after a restart (a fresh read).
TEST_F(ScoreWindowTest, NamesInAnyLanguageAreShownExactlyAndSpelledInTheTable) {
    const struct {
        const char* language;  // the game's language while the name is typed
        QString typed;
        QString inTable;  // the CP932 name
    } cases[] = {
        {"ja", QStringLiteral("山田花子"), QStringLiteral("山田花子")},
        {"en", QStringLiteral("Amy O'Neil"), QStringLiteral("Amy O'Neil")},
        {"de", QStringLiteral("Müller"), QStringLiteral("Mueller")},
        {"de", QStringLiteral("Straßenkötter"), QStringLiteral("Strassenkoetter")},
        {"fr", QStringLiteral("Hélène"), QStringLiteral("Helene")},
        {"fr", QStringLiteral("Müller"), QStringLiteral("Muller")},
        {"es", QStringLiteral("Íñigo"), QStringLiteral("Inigo")},
        {"it", QStringLiteral("Niccolò"), QStringLiteral("Niccolo")},
        {"pt_BR", QStringLiteral("João"), QStringLiteral("Joao")},
        {"nl", QStringLiteral("Daniëlle"), QStringLiteral("Danielle")},
        {"pl", QStringLiteral("Łukasz Żółć"), QStringLiteral("Lukasz Zolc")},
        {"ja", QStringLiteral("山田 Łukasz"), QStringLiteral("山田 Lukasz")},
        {"ja", QStringLiteral("Иван"), QStringLiteral("Иван")},  // CP932 has Cyrillic
        {"ja", QStringLiteral("김민수"), QStringLiteral("gimminsu")},
        {"en", QStringLiteral("Ami😀"), QStringLiteral("Ami?")},
        {"en", QStringLiteral("😀"), QStringLiteral("?")},
        // Decomposed, as some input methods send it: one letter all the same.
        {"fr", QStringLiteral("He\u0301le\u0300ne"), QStringLiteral("Helene")},
    };
    const std::string namesPath = ScoreNamesPath(path_);
    for (const auto& c : cases) {
        const std::string what = c.typed.toStdString();
        fs::remove(namesPath);
        ASSERT_TRUE(CreateScoreFile(path_).ok);
        if (QString::fromUtf8(c.language) != kGameLanguage) {
            ASSERT_TRUE(InstallTextLanguage(QString::fromUtf8(c.language))) << c.language;
        }
        auto window = WindowFor(1, 0);
        window->NameBox()->setFocus();
        Type(window->NameBox(), c.typed);
        EXPECT_EQ(window->NameBox()->text(), c.typed) << what;
        EXPECT_FALSE(window->NameHint()->isVisible()) << what;
        QTest::keyClick(window->NameBox(), Qt::Key_Return);
        RemoveTextLanguage();
        EXPECT_FALSE(window->isVisible()) << what;

        // The table holds nothing but CP932, in its own layout.
        const std::optional<ScoreTable> inFile = DecodeScoreTable(ReadAll(path_));
        ASSERT_TRUE(inFile) << what;
        const auto byTime = SortScoreByTime(*inFile);  // kept: `saved` refers into it
        const SoloScoreRecord& saved = byTime[0];
        EXPECT_EQ(QByteArray::fromStdString(saved.name), Cp932::Encode(c.inTable)) << what;
        // The exact name only where the table could not hold it.
        const bool exact = c.typed != c.inTable;
        EXPECT_EQ(fs::exists(namesPath), exact) << what;

        bool saveAllowed = false;
        const ScoreTable reread = LoadScoreTableForPlayer(path_, nullptr, &saveAllowed);
        ScoreWindow shown(path_, reread, -1, {}, false);
        shown.Load();
        EXPECT_EQ(shown.NameCell(0)->text(), c.typed) << what;
    }
}

// The names file can go missing, be damaged or speak of a table that has changed
// since: the table never suffers, each record shows its exact name while the names
// file still has it and its CP932 name otherwise, and a damaged names file is kept
// under another name, what still reads of it written anew.
TEST_F(ScoreWindowTest, AMissingDamagedOrStaleNamesFileOnlyCostsTheExactNames) {
    const std::string namesPath = ScoreNamesPath(path_);
    const QString hanna = QStringLiteral("Hanna Łoś");  // saved first: 3:07, third by time
    const QString lukasz = QStringLiteral("Łukasz");    // 3:02, first
    struct Case {
        const char* what;
        std::function<void()> harm;
        QString first, third;  // the names shown in the first and third rows
        bool setAside;
    };
    const Case cases[] = {
        {"untouched", [] {}, lukasz, hanna, false},
        {"missing", [&] { fs::remove(namesPath); }, "Lukasz", "Hanna Los", false},
        {"garbage", [&] { std::ofstream(namesPath, std::ios::trunc) << "\xff\xfe garbage"; },
         "Lukasz", "Hanna Los", true},
        {"cut short",
         [&] {
             const std::string all = ReadAll(namesPath);
             std::ofstream(namesPath, std::ios::trunc) << all.substr(0, all.size() - 3);
         },
         "Lukasz", hanna, true},
        {"one line damaged",
         [&] {
             std::string all = ReadAll(namesPath);
             all[all.find('\n') + 1] = 'X';  // the first name's record is no longer hex
             std::ofstream(namesPath, std::ios::trunc) << all;
         },
         lukasz, "Hanna Los", true},
        {"not UTF-8",
         [&] {
             std::string all = ReadAll(namesPath);
             all.insert(all.size() - 1, "\xC3");  // the last name ends half way through a letter
             std::ofstream(namesPath, std::ios::trunc) << all;
         },
         "Lukasz", hanna, true},
        {"stale",
         [&] {
             // The record of the first name changed behind the game's back.
             ScoreTable table = *DecodeScoreTable(ReadAll(path_));
             for (SoloScoreRecord& r : table)
                 if (r.name == "Hanna Los") r.turns = 399;
             std::ofstream(path_, std::ios::binary | std::ios::trunc) << EncodeScoreTable(table);
         },
         lukasz, "Hanna Los", false},
        {"a stranger's line",
         [&] { std::ofstream(namesPath, std::ios::app) << "00ff\tStranger\n"; }, lukasz, hanna,
         false},
    };
    for (const Case& c : cases) {
        for (const char* leftover : {".damaged", ".damaged.2"}) fs::remove(namesPath + leftover);
        fs::remove(namesPath);
        ASSERT_TRUE(CreateScoreFile(path_).ok);
        for (const auto& [name, time] : {std::pair{hanna, 2}, std::pair{lukasz, 1}}) {
            auto window = WindowFor(time, 0);
            window->NameBox()->setText(name);
            QTest::mouseClick(window->OkLabel(), Qt::LeftButton);
            ASSERT_FALSE(window->isVisible()) << c.what;
        }
        c.harm();
        const std::string table = ReadAll(path_), harmed = ReadAll(namesPath);
        const ScoreLoad load = LoadScoreFile(path_);
        EXPECT_EQ(ReadAll(path_), table) << c.what;  // the table never suffers
        ScoreWindow shown(path_, load.table, -1, {}, false);
        shown.Load();
        EXPECT_EQ(shown.NameCell(0)->text(), c.first) << c.what;
        EXPECT_EQ(shown.NameCell(1)->text(), "no name 1") << c.what;
        EXPECT_EQ(shown.NameCell(2)->text(), c.third) << c.what;
        EXPECT_EQ(load.state, ScoreFileState::Read) << c.what;
        EXPECT_EQ(load.namesState == ScoreFileState::SetAside, c.setAside) << c.what;
        if (c.setAside) {
            EXPECT_EQ(ReadAll(load.namesAsidePath), harmed) << c.what;  // kept as it was
            // What still read is written anew and reads whole next time.
            EXPECT_EQ(LoadScoreFile(path_).namesState, ScoreFileState::Read) << c.what;
        }
    }
}

// Only what shows nothing in a name is refused: a control or format character,
// a line or paragraph separator, at the keyboard or the paste, with a note saying
// which by its code. Every letter goes in. The JIS forms turn into CP932's in the
// box itself.
TEST_F(ScoreWindowTest, TheNameBoxRefusesOnlyWhatShowsNothingAndSaysWhich) {
    struct Case {
        QString typed;
        QString named;  // in the note; empty: taken
    };
    const Case cases[] = {
        {QStringLiteral("\u301C山"), {}},
        {QStringLiteral("é"), {}},
        {QStringLiteral("ß"), {}},
        {QStringLiteral("😀"), {}},
        {QStringLiteral("김"), {}},
        {QStringLiteral("\t"), QStringLiteral("「U+0009」")},
        {QStringLiteral("a\nb"), QStringLiteral("「U+000A」")},
        {QStringLiteral("\x1B"), QStringLiteral("「U+001B」")},
        {QStringLiteral("\x01"), QStringLiteral("「U+0001」")},
        {QString(QChar(0)), QStringLiteral("「U+0000」")},
        {QStringLiteral("\x7F"), QStringLiteral("「U+007F」")},
        {QStringLiteral("\u200B"), QStringLiteral("「U+200B」")},
        {QStringLiteral("\u202E"), QStringLiteral("「U+202E」")},
        {QStringLiteral("\u2028"), QStringLiteral("「U+2028」")},
        {QStringLiteral("x\u200Bé\u2028"), QStringLiteral("「U+200B U+2028」")},
    };
    for (const Case& c : cases) {
        auto window = WindowFor(1, 0);
        QLineEdit* box = window->NameBox();
        box->setText(QStringLiteral("Jo"));
        box->insert(c.typed);  // as typed or pasted
        const std::string what = c.typed.toStdString();
        EXPECT_EQ(box->text(), c.named.isEmpty()
                                   ? QStringLiteral("Jo") + Cp932::WindowsForms(c.typed)
                                   : QStringLiteral("Jo"))
            << what;
        EXPECT_EQ(window->NameHint()->isVisible(), !c.named.isEmpty()) << what;
        EXPECT_EQ(window->RefusalPending(), !c.named.isEmpty()) << what;
        if (!c.named.isEmpty()) {
            EXPECT_TRUE(window->NameHint()->text().startsWith(c.named))
                << window->NameHint()->text().toStdString();
        }
    }
    // Typed at the keyboard, too.
    auto window = WindowFor(1, 0);
    window->NameBox()->setFocus();
    Type(window->NameBox(), QStringLiteral("\u200B"));
    EXPECT_EQ(window->NameBox()->text(), QString());
    EXPECT_TRUE(window->NameHint()->isVisible());
}

// "Jürgen" typed quickly with a zero-width space slipped in: the refused
// character's note stays while the rest is typed, and "O.K" first shows why
// instead of saving unseen. Once seen, the note stays until the name changes, and
// "O.K" saves the name as it stands.
TEST_F(ScoreWindowTest, ARefusedLetterIsNeverLostUnseen) {
    auto window = WindowFor(1, 0);
    QLineEdit* box = window->NameBox();
    box->setFocus();
    Type(box, QStringLiteral("Jür\u200Bgen"));
    EXPECT_EQ(box->text(), "Jürgen");
    EXPECT_TRUE(window->NameHint()->isVisible());
    EXPECT_TRUE(window->RefusalPending());

    messages_.clear();
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].startsWith("「U+200B」")) << messages_[0].toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReadAll(path_), EncodeScoreTable(DefaultScoreTable()));
    EXPECT_TRUE(window->NameHint()->isVisible());
    EXPECT_FALSE(window->RefusalPending());

    // The player changes the name; the note goes with the change.
    Type(box, QStringLiteral("s"));
    EXPECT_EQ(box->text(), "Jürgens");
    EXPECT_FALSE(window->NameHint()->isVisible());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(LoadScoreFile(path_).table[9].exactName, "Jürgens");
}

// Emptying the box starts the name afresh: nothing refused is pending any more.
TEST_F(ScoreWindowTest, AnEmptiedBoxForgetsTheRefusedLetter) {
    auto window = WindowFor(1, 0);
    QLineEdit* box = window->NameBox();
    box->setFocus();
    Type(box, QStringLiteral("J\u200B"));
    EXPECT_TRUE(window->RefusalPending());
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_FALSE(window->RefusalPending());
    EXPECT_FALSE(window->NameHint()->isVisible());
    Type(box, QStringLiteral("Ami"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(LoadScoreFile(path_).table[9].name, "Ami");
}

// The box stops at twenty characters and says so: a key past the limit is not
// taken, and a paste too long keeps what fits, its end cut, never the text after it.
TEST_F(ScoreWindowTest, TheNameStopsAtItsLimitAndSaysSo) {
    struct Case {
        QString before;
        int cursor;
        QString pasted;
        QString after;  // empty: as before and the paste together (no note)
    };
    const QString ten = QStringLiteral("abcdefghij");
    const Case cases[] = {
        {ten + ten, 20, QStringLiteral("k"), ten + ten},
        {ten, 10, QString(10000, u'x'), ten + QString(10, u'x')},
        {ten, 5, QStringLiteral("0123456789ABC"), QStringLiteral("abcde0123456789fghij")},
        {ten, 10, QStringLiteral("山田太郎"), {}},
        // Twenty characters as the player counts them: an emoji is one, never split.
        {ten, 10, QString(QStringLiteral("😀")).repeated(12),
         ten + QString(QStringLiteral("😀")).repeated(10)},
        {ten, 10, QStringLiteral("Łukasz Żółć"), ten + QStringLiteral("Łukasz Żół")},
    };
    for (const Case& c : cases) {
        auto window = WindowFor(1, 0);
        QLineEdit* box = window->NameBox();
        box->setText(c.before);
        box->setCursorPosition(c.cursor);
        box->insert(c.pasted);
        const std::string what = c.pasted.left(20).toStdString();
        if (c.after.isEmpty()) {
            EXPECT_EQ(box->text(), ten + c.pasted) << what;
            EXPECT_FALSE(window->NameHint()->isVisible()) << what;
            continue;
        }
        EXPECT_EQ(box->text(), c.after) << what;
        ASSERT_TRUE(window->NameHint()->isVisible()) << what;
        EXPECT_TRUE(window->NameHint()->text().startsWith("名前は２０文字までです。"))
            << window->NameHint()->text().toStdString();
        // The note goes with the next change.
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_FALSE(window->NameHint()->isVisible()) << what;
    }
}

// Escape and the close box never throw a ranked result away unasked: "No" (the
// default) keeps the window and the name, "Yes" closes with nothing saved. A table
// without a result to save closes at once.
TEST_F(ScoreWindowTest, LeavingARankedResultUnsavedIsAskedFirst) {
    std::vector<QString> asked;
    bool answer = false;
    MessageBoxes::SetAskHook([&](const QString& text) {
        asked.push_back(text);
        return answer;
    });
    auto window = WindowFor(1, 0);
    window->NameBox()->setText(QStringLiteral("Ami"));
    QTest::keyClick(window->NameBox(), Qt::Key_Escape);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "記録を保存せずに閉じますか？");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->NameBox()->text(), "Ami");

    window->close();  // the close box
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_TRUE(window->isVisible());

    answer = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(ReadAll(path_), EncodeScoreTable(DefaultScoreTable()));

    asked.clear();
    for (const bool afterGame : {true, false}) {
        auto unranked = WindowFor(0, 0, afterGame);
        QTest::keyClick(unranked.get(), Qt::Key_Escape);
        EXPECT_FALSE(unranked->isVisible());
    }
    EXPECT_TRUE(asked.empty());
    MessageBoxes::SetAskHook(nullptr);
}

TEST_F(ScoreWindowTest, ARefusedCharacterIsSaidToAScreenReader) {
    auto window = WindowFor(1, 0);
    window->NameBox()->clear();
    // A zero-width space: refused, and named by its code since it shows nothing.
    window->NameBox()->insert(QStringLiteral("\u200B"));
    window->NameBox()->insert(QStringLiteral("\u200B"));  // each refusal is said again
    const QList<QObject*> notices =
        window->NameHint()->findChildren<QObject*>(QStringLiteral("notice"));
    ASSERT_EQ(notices.size(), 2);
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(notices.last());
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    EXPECT_TRUE(notice->text(QAccessible::Name).contains(QStringLiteral("U+200B")))
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
