// The private-profile reader and writer on files of every shape.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/IniFile.h"

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

    QTemporaryDir dir_;
};

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
    QByteArray big;
    for (int i = 0; big.size() < (1 << 20); ++i)
        big += "junk line " + QByteArray::number(i) + "\r\n";
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 131 + 7) % 256);
    const QByteArray huge(1 << 20, '[');

    struct Case {
        const char* what;
        QByteArray bytes;
        std::optional<QString> expectedStart;  // nothing: the key is not found
    };
    const Case cases[] = {
        {"empty file", QByteArray(), std::nullopt},
        {"binary junk", binary, std::nullopt},
        {"a megabyte of lines, key at the end", big + "[S]\r\nk=found\r\n",
         QStringLiteral("found")},
        {"a megabyte on one line", huge, std::nullopt},
        {"not CP932", "[S]\r\nk=ab\x82\xFF\xFF\r\n", QStringLiteral("ab")},
        {"LF line ends, no last line end", "[S]\nk=v", QStringLiteral("v")},
        {"section without closing bracket", "[S\nk=v\n", QStringLiteral("v")},
        {"key line without equals sign", "[S]\nk\nk=v\n", QStringLiteral("v")},
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

}  // namespace
