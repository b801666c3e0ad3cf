// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The private-profile reader and writer on files of every shape.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "app/IniFile.h"
#include "files/SafeFile.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("test.ini")); }

    void Put(const QByteArray& bytes) const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Get() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::System); }

    void TearDown() override { SafeFile::RestoreDisk(); }

    QTemporaryDir dir_;
};

// A disk that fails a save: it takes `room` more bytes, then refuses with
// `error`; the flush and the close fail with their errors when they are not 0.
struct Disk {
    long room = -1;  // -1: as much as comes
    int error = ENOSPC;
    int syncError = 0, closeError = 0;
};
Disk playedDisk;

void Play(const Disk& disk) {
    playedDisk = disk;
    SafeFile::Disk().write = [](int fd, const void* data, size_t size) -> ssize_t {
        if (playedDisk.room < 0) return ::write(fd, data, size);
        if (playedDisk.room == 0) {
            errno = playedDisk.error;
            return playedDisk.error ? -1 : 0;
        }
        const ssize_t n = ::write(fd, data, std::min<size_t>(size, playedDisk.room));
        if (n > 0) playedDisk.room -= n;
        return n;
    };
    SafeFile::Disk().fsync = [](int fd) {
        if (!playedDisk.syncError) return ::fsync(fd);
        errno = playedDisk.syncError;
        return -1;
    };
    SafeFile::Disk().close = [](int fd) {
        // Linux lets the descriptor go even when the close reports an error.
        ::close(fd);
        if (!playedDisk.closeError) return 0;
        errno = playedDisk.closeError;
        return -1;
    };
}

TEST_F(IniFileTest, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEndOfTheFile) {
    Put("; a note\r\n[One]\r\na=1\r\n\r\n[Two]\r\nb=2\r\n");
    ASSERT_TRUE(WriteProfileString(Path(), "one", "C", "3"));
    ASSERT_TRUE(WriteProfileString(Path(), "Three", "d", "4"));
    ASSERT_TRUE(WriteProfileString(Path(), "TWO", "B", "two"));
    EXPECT_EQ(Get(),
              "; a note\r\n[One]\r\na=1\r\nC=3\r\n\r\n[Two]\r\nb=two\r\n\r\n[Three]\r\nd=4\r\n");
}

TEST_F(IniFileTest, NamesMatchWithoutCaseAndBlanksAroundThemDoNotCount) {
    Put("x=before any section\n  [ Board ]  \n\tKey\t=  value with  inner  spaces \t\n");
    EXPECT_EQ(ReadProfileString(Path(), "BOARD", "key"), u"value with  inner  spaces");
    // Lines above the first section belong to none.
    EXPECT_EQ(ReadProfileString(Path(), "", "x"), std::nullopt);
    EXPECT_EQ(ReadProfileString(Path(), "Board", "missing"), std::nullopt);
    EXPECT_EQ(ReadProfileString(Path(), "Other", "key"), std::nullopt);
}

TEST_F(IniFileTest, TextIsCp932BothWays) {
    // "名前=ト～ル" with the full-width tilde, as the game has always stored it.
    Put("[S]\r\n\x96\xBC\x91O=\x83g\x81`\x83\x8B\r\n");
    const QString name = QStringLiteral("名前");
    const std::optional<QString> read = ReadProfileString(Path(), "s", name);
    ASSERT_TRUE(read);
    EXPECT_EQ(Cp932::Encode(*read), QByteArray("\x83g\x81`\x83\x8B"));

    // A wave dash typed on another system is stored as the same two bytes.
    ASSERT_TRUE(WriteProfileString(Path(), "S", name, QStringLiteral("ト\u301Cル")));
    EXPECT_EQ(Get(), QByteArray("[S]\r\n\x96\xBC\x91O=\x83g\x81`\x83\x8B\r\n"));
    // So is every JIS form Linux text may carry, as the score table's name box
    // takes it: one table for the whole game.
    const std::pair<const char16_t*, const char16_t*> forms[] = {
        {u"\u301C", u"\uFF5E"}, {u"\u2016", u"\u2225"}, {u"\u2212", u"\uFF0D"},
        {u"\u00A2", u"\uFFE0"}, {u"\u00A3", u"\uFFE1"}, {u"\u00AC", u"\uFFE2"},
        {u"\u2014", u"\u2015"}};
    for (const auto& [jis, windows] : forms) {
        const std::optional<QByteArray> bytes = Cp932::Encode(QString::fromUtf16(jis));
        ASSERT_TRUE(bytes) << QString::fromUtf16(jis).toStdString();
        EXPECT_EQ(bytes, Cp932::Encode(QString::fromUtf16(windows)));
    }

    // Text with no CP932 form is refused and the file is left as it was.
    EXPECT_FALSE(WriteProfileString(Path(), "S", name, QStringLiteral("한글")));
    EXPECT_EQ(Get(), QByteArray("[S]\r\n\x96\xBC\x91O=\x83g\x81`\x83\x8B\r\n"));
}

TEST_F(IniFileTest, LinesThatAreNotCp932SurviveAWrite) {
    const QByteArray junk("\xFF\xFE\x80\x00\x01 not text\r\n", 16);
    Put("[A]\r\n" + junk + "k=1\r\n");
    ASSERT_TRUE(WriteProfileString(Path(), "A", "k", "2"));
    EXPECT_EQ(Get(), "[A]\r\n" + junk + "k=2\r\n");
}

TEST_F(IniFileTest, CutKeepsWholeCharacters) {
    EXPECT_EQ(Cp932::CutToBytes(QString(100, u'7'), 79), QString(79, u'7'));
    EXPECT_EQ(Cp932::CutToBytes(QString(40, QChar(0x30A2)), 79), QString(39, QChar(0x30A2)));
    EXPECT_EQ(Cp932::CutToBytes(QStringLiteral("aア"), 2), QStringLiteral("a"));
}

TEST_F(IniFileTest, BadFilesReadAsEmptyAndNeverCrash) {
    // As large as a settings file may be, with room left for the key the test writes.
    const qsizetype nearlyLargest = IniFile::kLargestFile - 64;
    QByteArray big;
    for (int i = 0; big.size() < nearlyLargest - 32; ++i)
        big += "junk line " + QByteArray::number(i) + "\r\n";
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 131 + 7) % 256);
    const QByteArray huge(nearlyLargest, '[');

    struct Case {
        const char* what;
        QByteArray bytes;
        std::optional<QString> expectedStart;  // nothing: the key is not found
    };
    const Case cases[] = {
        {"empty file", QByteArray(), std::nullopt},
        {"binary junk", binary, std::nullopt},
        {"the largest file of lines, key at the end", big + "[S]\r\nk=found\r\n",
         QStringLiteral("found")},
        {"the largest file on one line", huge, std::nullopt},
        {"not CP932", "[S]\r\nk=ab\x82\xFF\xFF\r\n", QStringLiteral("ab")},
        {"LF line ends, no last line end", "[S]\nk=v", QStringLiteral("v")},
        // As Windows reads them: no section, and a key without a value.
        {"section without closing bracket", "[S\nk=v\n", std::nullopt},
        {"key line without equals sign", "[S]\nk\nk=v\n", QString()},
    };
    for (const Case& c : cases) {
        Put(c.bytes);
        std::optional<QString> read = ReadProfileString(Path(), "S", "k");
        EXPECT_EQ(read.has_value(), c.expectedStart.has_value()) << c.what;
        if (read && c.expectedStart) {
            EXPECT_TRUE(read->startsWith(*c.expectedStart)) << c.what;
        }
        ASSERT_TRUE(WriteProfileString(Path(), "S", "k", "new")) << c.what;
        EXPECT_EQ(ReadProfileString(Path(), "S", "k"), QStringLiteral("new")) << c.what;
    }
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverReplaced) {
    // The "file" is a folder: nothing to read, and the write must not destroy it.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("test.ini")));
    EXPECT_EQ(ReadProfileString(Path(), "S", "k"), std::nullopt);
    EXPECT_FALSE(WriteProfileString(Path(), "S", "k", "v"));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    // A folder that does not exist cannot take a file either.
    EXPECT_FALSE(WriteProfileString(dir_.filePath("no/such/folder.ini"), "S", "k", "v"));
}

TEST_F(IniFileTest, HandEditedFilesReadAsWindowsReadsThem) {
    struct Case {
        const char* what;
        QByteArray bytes;
        std::optional<QString> value;  // of key k in section S
    };
    const Case cases[] = {
        {"double quotes", "[S]\r\nk=\"2\"\r\n", QStringLiteral("2")},
        {"single quotes", "[S]\r\nk='2'\r\n", QStringLiteral("2")},
        {"blanks outside the quotes", "[S]\r\nk=  \" 2 \"  \r\n", QStringLiteral(" 2 ")},
        {"only the outer pair", "[S]\r\nk=\"a\"b\"\r\n", QStringLiteral("a\"b")},
        {"empty quotes", "[S]\r\nk=\"\"\r\n", QString()},
        {"mismatched quotes", "[S]\r\nk=\"2'\r\n", QStringLiteral("\"2'")},
        {"one quote", "[S]\r\nk=\"\r\n", QStringLiteral("\"")},
        {"CR alone", "[S]\rx=1\rk=v\r", QStringLiteral("v")},
        {"CR, LF and CR LF mixed", "[A]\nk=a\r[S]\r\nx=1\n\rk=v\r\n", QStringLiteral("v")},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF[S]\r\nk=v\r\n", QStringLiteral("v")},
        {"UTF-8 text after the mark", "\xEF\xBB\xBF[S]\nk=\xE3\x83\x88\xE3\x83\x9E\n",
         QStringLiteral("トマ")},
        {"first of two keys", "[S]\r\nk=first\r\nK=second\r\n", QStringLiteral("first")},
        {"key only in a second section of the same name", "[S]\r\nx=1\r\n[s]\r\nk=v\r\n",
         std::nullopt},
        {"first of two sections", "[S]\r\nk=first\r\n[S]\r\nk=second\r\n", QStringLiteral("first")},
        {"'[' without ']' opens no section", "[S\r\nk=2\r\n", std::nullopt},
        {"'[' without ']' is a key line of its section", "[S]\r\n[\r\nk=2\r\n",
         QStringLiteral("2")},
        {"a section line's name runs to its last ']'", "[S] ; see [T]\r\nk=2\r\n", std::nullopt},
        {"a key without '=' has no value and hides a later one", "[S]\r\nk\r\nk=2\r\n", QString()},
        {"^Z at the end of the file is a blank", "[S]\r\nk=TRUE\x1A", QStringLiteral("TRUE")},
        {"^Z in a UTF-8 file too", "\xEF\xBB\xBF[S]\r\nk=TRUE\x1A", QStringLiteral("TRUE")},
        {"VT and FF are blanks",
         "\x0C[S]\x0B\r\n\x0Bk\x0C=\x0C"
         "2\x0B\r\n",
         QStringLiteral("2")},
        {"a UTF-8 mark further down is a character", "[T]\r\nk=1\r\n\xEF\xBB\xBF[S]\r\nk=2\r\n",
         std::nullopt},
        {"a second UTF-8 mark in a UTF-8 file is a character",
         "\xEF\xBB\xBF[T]\r\nk=1\r\n\xEF\xBB\xBF[S]\r\nk=2\r\n", std::nullopt},
        {"a CP932 character whose second byte is ']' closes nothing", "[S]\r\n[\x83\x5D\r\nk=2\r\n",
         QStringLiteral("2")},
        {"UTF-16 little-endian with its mark",
         QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xC8\x30\r\0\n\0", 20), QStringLiteral("ト")},
        {"UTF-16 big-endian with its mark", QByteArray("\xFE\xFF\0[\0S\0]\0\n\0k\0=\0\x32", 16),
         QStringLiteral("2")},
    };
    for (const Case& c : cases) {
        Put(c.bytes);
        EXPECT_EQ(ReadProfileString(Path(), "S", "k"), c.value) << c.what;
    }

    // Section names that hold brackets: the name runs from the first '[' to the last ']'.
    const std::pair<const char*, QString> named[] = {
        {"[S] ; see [T]\r\nk=2\r\n", QStringLiteral("S] ; see [T")},
        {"[[S]]\r\nk=2\r\n", QStringLiteral("[S]")},
        {"[S]T]\r\nk=2\r\n", QStringLiteral("S]T")},
        {"[\x83\x5D]\r\nk=2\r\n", QStringLiteral("ゾ")},
    };
    for (const auto& [bytes, name] : named)
        EXPECT_EQ(IniFile::Parse(bytes).Value(name, "k"), QStringLiteral("2")) << bytes;
}

TEST_F(IniFileTest, UnicodeFilesAreWrittenBackInTheirOwnForm) {
    const QByteArray le("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x31\0\r\0\n\0", 22);
    Put(le);
    ASSERT_TRUE(WriteProfileString(Path(), "S", "k", QStringLiteral("ト")));
    EXPECT_EQ(Get(), QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xC8\x30\r\0\n\0", 22));
    Put(QByteArray("\xFE\xFF\0[\0S\0]\0\r\0\n", 12));
    ASSERT_TRUE(WriteProfileString(Path(), "S", "k", "2"));
    EXPECT_EQ(Get(), QByteArray("\xFE\xFF\0[\0S\0]\0\r\0\n\0k\0=\0\x32\0\r\0\n", 22));
}

TEST_F(IniFileTest, HandEditedFilesAreWrittenBackWithCrLfAndTheirOwnText) {
    // A file with CR line ends and a second section of the same name: the key
    // changes in the first section, every other line stays.
    Put("[S]\rk=1\r[S]\rk=2\r");
    ASSERT_TRUE(WriteProfileString(Path(), "S", "k", "3"));
    EXPECT_EQ(Get(), "[S]\r\nk=3\r\n[S]\r\nk=2\r\n");

    // A UTF-8 file keeps its mark and gets its new text in UTF-8.
    Put("\xEF\xBB\xBF[S]\nk=1\n");
    ASSERT_TRUE(WriteProfileString(Path(), "S", QStringLiteral("名"), QStringLiteral("ト")));
    EXPECT_EQ(Get(), "\xEF\xBB\xBF[S]\r\nk=1\r\n\xE5\x90\x8D=\xE3\x83\x88\r\n");
    EXPECT_EQ(ReadProfileString(Path(), "S", QStringLiteral("名")), QStringLiteral("ト"));
}

TEST_F(IniFileTest, AKeyWrittenIntoAnyFileReadsBack) {
    // Files whose last bytes open a double-byte character that never comes,
    // or that hold bytes no CP932 character has.
    const QByteArray files[] = {
        "[PLAYBOARD\xE8",
        "[PLAYBOARD\xE8\r\nCARD=1",
        "[PLAYBOARD]\r\nCARD=\x82",
        "[PLAYBOARD]\x81\r\nCARD=1\r\n",
        "\x81",
        "[\xFF\xFE]\r\n\x80=\xA0\r\n",
        "\xEF\xBB\xBF[PLAYBOARD\xE3\x83",
    };
    for (const QByteArray& bytes : files) {
        Put(bytes);
        const std::optional<QString> before = ReadProfileString(Path(), "PLAYBOARD", "CARD");
        ASSERT_TRUE(WriteProfileString(Path(), "PLAYBOARD", "CARD", "2")) << bytes.toHex().data();
        EXPECT_EQ(ReadProfileString(Path(), "PLAYBOARD", "CARD"), QStringLiteral("2"))
            << bytes.toHex().data();
        // And what was read before the write is what the file itself says: the
        // same bytes read the same wherever they stand.
        EXPECT_EQ(IniFile::Parse(bytes).Value("PLAYBOARD", "CARD"), before);
        EXPECT_EQ(IniFile::Parse(IniFile::Parse(bytes).Bytes()).Value("PLAYBOARD", "CARD"), before)
            << bytes.toHex().data();
    }
    EXPECT_EQ(Cp932::Decode("[PLAYBOARD\xE8"), QStringLiteral("[PLAYBOARD\x1A"));
}

TEST_F(IniFileTest, ASaveThatFailsOnTheWayToTheDiskKeepsTheOldFile) {
    const QByteArray old = "[S]\r\nk=old\r\n";
    struct Case {
        const char* what;
        Disk disk;
    };
    const Case cases[] = {
        {"the disk is full at once", {.room = 0}},
        {"the disk fills during the write", {.room = 5}},
        {"a write that takes nothing", {.room = 0, .error = 0}},
        {"the flush fails", {.syncError = EIO}},
        {"the close fails", {.closeError = ENOSPC}},
    };
    for (const Case& c : cases) {
        Put(old);
        Play(c.disk);
        EXPECT_FALSE(WriteProfileString(Path(), "S", "k", QString(200, u'n'))) << c.what;
        SafeFile::RestoreDisk();
        EXPECT_EQ(Get(), old) << c.what;
        EXPECT_EQ(Files(), QStringList{"test.ini"}) << c.what;  // no temporary file left
    }
    // The player can be told what the system said.
    Play({.room = 0});
    QString error;
    EXPECT_FALSE(IniFile::Load(Path()).Save(Path(), &error));
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
        << error.toStdString();
    // ... naming the file they know, not the temporary one.
    EXPECT_TRUE(error.startsWith(Path() + ": ")) << error.toStdString();
}

TEST_F(IniFileTest, TwoSavesAtOnceNeverShareATemporaryFile) {
    // While one save is flushing, another one saves the same file: each works on
    // its own temporary file, both land, the later one last.
    Put("[S]\r\nk=old\r\n");
    static QString path;
    static bool inner;
    path = Path(), inner = false;
    SafeFile::Disk().fsync = [](int fd) {
        if (!inner) {
            inner = true;
            EXPECT_TRUE(IniFile::Parse("[S]\r\nk=inner\r\n").Save(path));
        }
        return ::fsync(fd);
    };
    EXPECT_TRUE(IniFile::Parse("[S]\r\nk=outer\r\n").Save(Path()));
    EXPECT_TRUE(inner);
    EXPECT_EQ(Get(), "[S]\r\nk=outer\r\n");
    EXPECT_EQ(Files(), QStringList{"test.ini"});
}

TEST_F(IniFileTest, SavingKeepsPermissionsAndLinksAndNeverReplacesAReadOnlyFile) {
    auto mode = [](const QString& path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
    };
    Put("[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0600), 0);
    ASSERT_TRUE(WriteProfileString(Path(), "S", "k", "2"));
    EXPECT_EQ(mode(Path()), 0600u);

    // A link keeps pointing at the file it names, which gets the key.
    const QString link = dir_.filePath(QStringLiteral("link.ini"));
    ASSERT_TRUE(QFile::link(Path(), link));
    ASSERT_TRUE(WriteProfileString(link, "S", "k", "3"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Get(), "[S]\r\nk=3\r\n");

    // A read-only file stays as it is, even where the folder would allow a rename.
    ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0440), 0);
    EXPECT_FALSE(WriteProfileString(Path(), "S", "k", "4"));
    EXPECT_EQ(Get(), "[S]\r\nk=3\r\n");
    EXPECT_EQ(mode(Path()), 0440u);
}

}  // namespace
