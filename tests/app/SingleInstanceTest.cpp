// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One copy of the game per set of files: the lock, where it goes when its
// first place cannot be used, and the doorbell a later start rings.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <optional>

#include "app/Places.h"
#include "app/SingleInstance.h"
#include "ui/MessageBoxes.h"

namespace {

// A scratch machine: the game's files folder, a runtime folder and a temporary root.
class LockTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        for (const char* sub : {"files", "run", "tmp"}) ASSERT_TRUE(QDir(root_.path()).mkdir(sub));
        ::chmod(Path("run").c_str(), 0700);
    }
    std::string Path(const char* sub) const { return root_.filePath(sub).toStdString(); }
    std::string PrivateTemp() const {
        return Path("tmp") + "/tomavel-" + std::to_string(::getuid()) + "/";
    }
    LockPlaces Places(bool filesUsable, std::optional<std::string> runtime) const {
        LockPlaces places;
        places.filesFolder = filesUsable ? Path("files") + "/" : Path("gone") + "/";
        places.runtimeDir = runtime.value_or(Path("run"));
        places.tempRoot = Path("tmp");
        places.cacheFolder = Path("cache") + "/tomavel/";
        return places;
    }
    // Lets the Qt side run until `done` or a second has passed.
    static void RunUntil(const std::function<bool()>& done) {
        const QDeadlineTimer deadline(1000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    QTemporaryDir root_;
};

}  // namespace

TEST_F(LockTest, ASecondCopyIsRefusedUntilTheFirstHasGone) {
    {
        SingleInstance first;
        ASSERT_TRUE(first.Acquire(Places(true, std::nullopt)));
        EXPECT_EQ(first.LockPaths(), std::vector<std::string>{Path("files") + "/.tomavel.lock"});
        SingleInstance second;
        EXPECT_FALSE(second.Acquire(Places(true, std::nullopt)));
    }
    // The lock file is still there, as after a crash; it must not block the next start.
    SingleInstance next;
    EXPECT_TRUE(next.Acquire(Places(true, std::nullopt)));
}

TEST_F(LockTest, EachSetOfFilesHasItsOwnLock) {
    ASSERT_TRUE(QDir(root_.path()).mkdir("other"));
    SingleInstance first, second, third;
    ASSERT_TRUE(first.Acquire(Places(true, std::nullopt)));
    LockPlaces other = Places(true, std::nullopt);
    other.filesFolder = Path("other") + "/";
    EXPECT_TRUE(second.Acquire(other));
    // The same two folders, without a lock beside their files: still apart.
    other.filesFolder = Path("gone-a") + "/";
    LockPlaces another = other;
    another.filesFolder = Path("gone-b") + "/";
    EXPECT_TRUE(third.Acquire(other));
    SingleInstance fourth;
    EXPECT_TRUE(fourth.Acquire(another));
}

// Where the files' folder cannot hold the lock, it goes to every per-user place
// that can; an unusable runtime folder is passed over, never a reason to run twice.
TEST_F(LockTest, AnUnusableFolderIsPassedOverNeverSwitchingTheLockOff) {
    ASSERT_TRUE(QFile(QString::fromStdString(Path("afile"))).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(root_.path()).mkdir("shared"));
    ::chmod(Path("shared").c_str(), 0777);
    const std::string name = "tomavel-";
    struct {
        const char* what;
        std::optional<std::string> runtime;
        bool runtimeUsed;
    } cases[] = {
        {"runtime folder usable", std::nullopt, true},
        {"runtime folder unset", "", false},
        {"runtime folder relative", "run", false},
        {"runtime folder missing", Path("run/none"), false},
        {"runtime folder a file", Path("afile"), false},
        {"runtime folder open to all", Path("shared"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SingleInstance first;
        ASSERT_TRUE(first.Acquire(Places(false, c.runtime)));
        const auto& paths = first.LockPaths();
        ASSERT_EQ(paths.size(), c.runtimeUsed ? 3u : 2u);
        if (c.runtimeUsed) {
            EXPECT_EQ(paths[0].rfind(Path("run") + "/tomavel-", 0), 0u);
        }
        EXPECT_EQ(paths.end()[-2].rfind(PrivateTemp() + "tomavel-", 0), 0u) << paths.end()[-2];
        EXPECT_EQ(paths.back().rfind(Path("cache") + "/tomavel/tomavel-", 0), 0u) << paths.back();
        SingleInstance second;
        EXPECT_FALSE(second.Acquire(Places(false, c.runtime)));
    }
    struct stat info {};
    ASSERT_EQ(::stat(PrivateTemp().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

// One copy started from the desktop (with a runtime folder), another from a
// shell without one: they still meet.
TEST_F(LockTest, CopiesWithDifferentEnvironmentsStillMeet) {
    for (bool filesUsable : {true, false}) {
        SCOPED_TRACE(filesUsable ? "lock beside the files" : "lock in the per-user places");
        for (const std::string& firstRuntime : {std::string(), Path("run")}) {
            const std::string secondRuntime = firstRuntime.empty() ? Path("run") : "";
            SingleInstance first, second;
            ASSERT_TRUE(first.Acquire(Places(filesUsable, firstRuntime)));
            EXPECT_FALSE(second.Acquire(Places(filesUsable, secondRuntime)));
        }
    }
}

TEST_F(LockTest, APrivateTemporaryFolderTakenByAnythingElseIsNotUsed) {
    // A file where the folder should be, a link to a folder that is not the
    // player's own, and a folder made before the game by someone else, open to
    // all: none of them holds the lock.
    for (const std::string squat : {"file", "link", "folder"}) {
        SCOPED_TRACE(squat);
        QDir(QString::fromStdString(PrivateTemp())).removeRecursively();
        QFile::remove(QString::fromStdString(PrivateTemp()).chopped(1));
        if (squat == "file") {
            ASSERT_TRUE(
                QFile(QString::fromStdString(PrivateTemp()).chopped(1)).open(QIODevice::WriteOnly));
        } else if (squat == "folder") {
            ASSERT_EQ(::mkdir(PrivateTemp().c_str(), 0777), 0);
            ASSERT_EQ(::chmod(PrivateTemp().c_str(), 0777), 0);
            // Run as root, it is another player's folder indeed.
            if (::geteuid() == 0) {
                ASSERT_EQ(::chown(PrivateTemp().c_str(), 65534, 65534), 0);
            }
        } else {
            ASSERT_EQ(::symlink(Path("run").c_str(),
                                PrivateTemp().substr(0, PrivateTemp().size() - 1).c_str()),
                      0);
        }
        {
            SingleInstance first;
            ASSERT_TRUE(first.Acquire(Places(false, std::nullopt)));
            EXPECT_EQ(first.LockPaths().size(), 2u) << "the runtime and cache folders only";
            EXPECT_EQ(first.LockPaths()[0].rfind(Path("run") + "/", 0), 0u);
        }
        // Started without a runtime folder, the copies still meet in the cache.
        SingleInstance first, second;
        ASSERT_TRUE(first.Acquire(Places(false, "")));
        EXPECT_EQ(first.LockPaths().size(), 1u);
        EXPECT_FALSE(second.Acquire(Places(false, "")));
        // With no cache folder either, nothing can hold a lock: the game still
        // starts rather than refusing the player.
        LockPlaces nowhere = Places(false, "");
        nowhere.cacheFolder.clear();
        SingleInstance alone;
        EXPECT_TRUE(alone.Acquire(nowhere));
        EXPECT_TRUE(alone.LockPaths().empty());
        // And the player is told, not only the error output.
        std::vector<QString> told;
        MessageBoxes::SetInformHook([&](const QString& text) { told.push_back(text); });
        TellWhenUnguarded(first);
        EXPECT_TRUE(told.empty());
        TellWhenUnguarded(alone);
        MessageBoxes::SetInformHook(nullptr);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(told[0].contains(QStringLiteral("ロック"))) << told[0].toStdString();
    }
}

// What the later start's launcher handed it reaches the running copy as it
// was: a startup id may hold blanks, line ends, non-ASCII and any bytes but
// NUL, and one that is no good never hides the other.
TEST_F(LockTest, ALaterStartRingsTheRunningCopyWithWhatItsLauncherHandedIt) {
    const std::string odd = "a b\tc\nd \"q\" \\ üñí\xFF_TIME11";
    const std::string long600(600, 'x');
    struct {
        const char* what;
        bool filesUsable;
        LaunchTokens handed, heard;
    } cases[] = {
        {"doorbell for a lock beside the files",
         true,
         {"", "launch-42_TIME7"},
         {"", "launch-42_TIME7"}},
        {"doorbell for a lock in the per-user places", false, {"tok", "abc"}, {"tok", "abc"}},
        {"nothing handed", true, {}, {}},
        {"a startup id with blanks, line ends, quotes and any bytes", true, {"", odd}, {"", odd}},
        {"a long startup id", true, {"", long600}, {"", long600}},
        {"a token that is no token beside a good id", true, {"a b", "id_TIME1"}, {"", "id_TIME1"}},
        {"nothing overlong",
         true,
         {std::string(kLongestToken + 1, 'x'), std::string(kLongestToken + 1, 'y')},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SingleInstance first;
        ASSERT_TRUE(first.Acquire(Places(c.filesUsable, std::nullopt)));
        std::vector<LaunchTokens> rings;
        first.AnswerLaterStarts([&](const LaunchTokens& tokens) { rings.push_back(tokens); });
        SingleInstance second;
        ASSERT_FALSE(second.Acquire(Places(c.filesUsable, std::nullopt)));
        EXPECT_TRUE(second.RingRunningCopy(c.handed));
        RunUntil([&] { return !rings.empty(); });
        EXPECT_EQ(rings, std::vector<LaunchTokens>{c.heard});
    }
}

// Anything but a later start's ring leaves the game where it is, and callers
// that hold the doorbell without a word never keep a later start out.
TEST_F(LockTest, OnlyARingBringsTheGameForwardAndIdleCallersNeverBlockIt) {
    SingleInstance first;
    ASSERT_TRUE(first.Acquire(Places(true, std::nullopt)));
    std::vector<LaunchTokens> rings;
    first.AnswerLaterStarts([&](const LaunchTokens& tokens) { rings.push_back(tokens); });
    const std::string bell = SingleInstance::DoorbellPaths(Places(true, std::nullopt)).at(0);
    auto call = [&](const std::string& bytes, bool hangUp) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, bell.c_str());
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        if (!bytes.empty()) {
            EXPECT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
        }
        if (hangUp) ::close(fd);
        return fd;
    };
    const auto settle = [](int ms) {
        const QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    for (const std::string& bytes :
         {std::string(), std::string("\n"), std::string("abc\n"), std::string("tomavel-ring abc"),
          std::string("\x01\xFF garbage without a line end"), std::string("ring abc\n"),
          std::string("tomavel-ring a b c\n"), "tomavel-ring " + std::string(40000, 'x') + "\n"})
        call(bytes, true);
    settle(150);
    std::vector<int> idle;
    for (int i = 0; i < 40; ++i) idle.push_back(call("", false));
    settle(300);
    EXPECT_TRUE(rings.empty());
    // Eight callers are heard at once: the game has hung up on the older ones.
    for (size_t i = 0; i < idle.size(); ++i) {
        char byte = 0;
        const bool hungUp = ::recv(idle[i], &byte, 1, MSG_DONTWAIT) == 0;
        EXPECT_EQ(hungUp, i < idle.size() - 8) << "idle caller " << i;
    }

    SingleInstance second;
    ASSERT_FALSE(second.Acquire(Places(true, std::nullopt)));
    EXPECT_TRUE(second.RingRunningCopy({"tok", "id"}));
    RunUntil([&] { return !rings.empty(); });
    EXPECT_EQ(rings, (std::vector<LaunchTokens>{{"tok", "id"}}));
    // An earlier version's ring, one token for both, is heard as such.
    rings.clear();
    call("tomavel-ring old\n", true);
    RunUntil([&] { return !rings.empty(); });
    EXPECT_EQ(rings, (std::vector<LaunchTokens>{{"old", "old"}}));
    for (int fd : idle) ::close(fd);
}

// A game with no file descriptor left, callers crowding its door: a later start
// is still heard, though the game has no room to keep a caller while it says
// its line, and wakes the instant the later start connects, before it speaks.
TEST_F(LockTest, WithNoDescriptorLeftALaterStartIsStillHeard) {
    SingleInstance first;
    ASSERT_TRUE(first.Acquire(Places(true, std::nullopt)));
    std::vector<LaunchTokens> rings;
    first.AnswerLaterStarts([&](const LaunchTokens& tokens) { rings.push_back(tokens); });
    const std::string bell = SingleInstance::DoorbellPaths(Places(true, std::nullopt)).at(0);
    std::vector<int> silent;
    for (int i = 0; i < 10; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, bell.c_str());
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        silent.push_back(fd);
    }
    // Every descriptor below the limit is taken.
    rlimit normal{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &normal), 0);
    const int lowestFree = ::fcntl(0, F_DUPFD, 0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit none = normal;
    none.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const pid_t later = ::fork();
    if (later == 0) {
        ::setrlimit(RLIMIT_NOFILE, &normal);
        SingleInstance second;
        if (second.Acquire(Places(true, std::nullopt))) ::_exit(2);
        ::_exit(second.RingRunningCopy({"", "crowded_TIME0"}) ? 0 : 1);
    }
    RunUntil([&] { return !rings.empty(); });
    ::setrlimit(RLIMIT_NOFILE, &normal);
    ASSERT_GE(later, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(later, &status, 0), later);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the later start was turned away";
    EXPECT_EQ(rings, (std::vector<LaunchTokens>{{"", "crowded_TIME0"}}));
    for (int fd : silent) ::close(fd);
}

TEST_F(LockTest, ADoorbellLeftByACopyThatCrashedIsReplaced) {
    const std::string bell = SingleInstance::DoorbellPaths(Places(true, std::nullopt)).at(0);
    // A socket nobody listens on any more, as a killed copy leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, bell.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(bell)));

    SingleInstance first, second;
    ASSERT_TRUE(first.Acquire(Places(true, std::nullopt)));
    int rings = 0;
    first.AnswerLaterStarts([&](const LaunchTokens&) { ++rings; });
    ASSERT_FALSE(second.Acquire(Places(true, std::nullopt)));
    EXPECT_TRUE(second.RingRunningCopy({}));
    RunUntil([&] { return rings > 0; });
    EXPECT_EQ(rings, 1);
}

// The doorbells lie only in folders that are the player's own, never beside the
// files (whose folder others may share), and only where a socket's name fits.
TEST_F(LockTest, TheDoorbellsLieOnlyInThePlayersPrivateFolders) {
    ASSERT_TRUE(QDir(root_.path()).mkdir("shared"));
    ::chmod(Path("shared").c_str(), 0777);
    LockPlaces places = Places(true, std::nullopt);
    const std::vector<std::string> bells = SingleInstance::DoorbellPaths(places);
    ASSERT_EQ(bells.size(), 2u);
    EXPECT_EQ(bells[0].rfind(Path("run") + "/tomavel-", 0), 0u) << bells[0];
    EXPECT_EQ(bells[1].rfind(PrivateTemp() + "tomavel-", 0), 0u) << bells[1];
    for (const std::string& bell : bells) EXPECT_EQ(bell.substr(bell.size() - 5), ".sock");
    // Another set of files has doorbells of its own.
    LockPlaces other = places;
    other.filesFolder = Path("other") + "/";
    EXPECT_NE(SingleInstance::DoorbellPaths(other)[0], bells[0]);
    // A runtime folder open to all is passed over.
    places.runtimeDir = Path("shared");
    EXPECT_EQ(SingleInstance::DoorbellPaths(places), std::vector<std::string>{bells[1]});
    // Where another has taken the private temporary folder's name, the cache
    // folder stands in, unless it is too deep for a socket's name.
    QDir(QString::fromStdString(PrivateTemp())).removeRecursively();
    ASSERT_EQ(::symlink(Path("shared").c_str(),
                        PrivateTemp().substr(0, PrivateTemp().size() - 1).c_str()),
              0);
    const std::vector<std::string> cached = SingleInstance::DoorbellPaths(places);
    ASSERT_EQ(cached.size(), 1u);
    EXPECT_EQ(cached[0].rfind(Path("cache") + "/tomavel/tomavel-", 0), 0u) << cached[0];
    places.cacheFolder = Path("cache") + "/" + std::string(120, 'd') + "/tomavel/";
    EXPECT_TRUE(SingleInstance::DoorbellPaths(places).empty());
}

// What others may leave where the doorbell once lay beside the files, in a
// folder they can write to, neither blocks the doorbell nor hears the ring: a
// folder, a file, or a link to a socket of theirs. And the doorbell is closed to
// others whatever the umask.
TEST_F(LockTest, NothingBesideTheFilesBlocksTheDoorbellOrHearsItsRing) {
    const std::string old = Path("files") + "/.tomavel.sock";
    const std::string theirs = Path("theirs.sock");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, theirs.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 8), 0);
    const mode_t umaskBefore = ::umask(0);
    for (const std::string squat : {"folder", "file", "link"}) {
        SCOPED_TRACE(squat);
        QDir().rmdir(QString::fromStdString(old));
        QFile::remove(QString::fromStdString(old));
        if (squat == "folder") {
            ASSERT_EQ(::mkdir(old.c_str(), 0777), 0);
        } else if (squat == "file") {
            ASSERT_TRUE(QFile(QString::fromStdString(old)).open(QIODevice::WriteOnly));
        } else {
            ASSERT_EQ(::symlink(theirs.c_str(), old.c_str()), 0);
        }
        SingleInstance first, second;
        ASSERT_TRUE(first.Acquire(Places(true, std::nullopt)));
        int rings = 0;
        first.AnswerLaterStarts([&](const LaunchTokens&) { ++rings; });
        for (const std::string& bell : SingleInstance::DoorbellPaths(Places(true, std::nullopt))) {
            struct stat info {};
            ASSERT_EQ(::lstat(bell.c_str(), &info), 0) << bell;
            EXPECT_TRUE(S_ISSOCK(info.st_mode)) << bell;
            EXPECT_EQ(info.st_mode & 0777, 0600u) << bell;
        }
        ASSERT_FALSE(second.Acquire(Places(true, std::nullopt)));
        EXPECT_TRUE(second.RingRunningCopy({}));
        RunUntil([&] { return rings > 0; });
        EXPECT_EQ(rings, 1);
        EXPECT_LT(::accept(listener, nullptr, nullptr), 0) << "their socket heard the ring";
    }
    ::umask(umaskBefore);
    ::close(listener);
}

// A doorbell answered by another player's program is never rung, even where its
// socket is made to look the player's own; and another player who reaches this
// player's doorbell is not listened to. (Needs root, to play the other player.)
TEST_F(LockTest, OnlyThePlayersOwnProgramsRingOrAreRung) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs another user (run as root)";
    const std::string bell = SingleInstance::DoorbellPaths(Places(true, std::nullopt)).at(0);
    ASSERT_EQ(::chmod(root_.path().toLocal8Bit().constData(), 0755), 0);
    ::chmod(Path("run").c_str(), 0777);
    // The other player answers at the doorbell's place; their socket is then
    // handed to this player, as if it were theirs.
    int ready[2], heard[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(heard), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, bell.c_str());
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd, 8) != 0)
            ::_exit(3);
        (void)!::write(ready[1], "r", 1);
        // Says whether anything was said to it within a second.
        pollfd door{fd, POLLIN, 0};
        char said = 0;
        bool told = false;
        if (::poll(&door, 1, 1000) == 1) {
            const int caller = ::accept(fd, nullptr, nullptr);
            pollfd line{caller, POLLIN, 0};
            told = ::poll(&line, 1, 300) == 1 && ::read(caller, &said, 1) == 1;
        }
        (void)!::write(heard[1], told ? "y" : "n", 1);
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::chmod(Path("run").c_str(), 0700);
    ASSERT_EQ(::lchown(bell.c_str(), ::getuid(), ::getgid()), 0);
    SingleInstance first, second;
    ASSERT_TRUE(first.Acquire(Places(true, std::nullopt)));
    ASSERT_FALSE(second.Acquire(Places(true, std::nullopt)));
    // The first copy does not answer yet: only the other player's program could.
    EXPECT_FALSE(second.RingRunningCopy({"", "id"}));
    ASSERT_EQ(::read(heard[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'n') << "the other player's program heard the ring";
    ::waitpid(other, nullptr, 0);

    // Now the first copy answers; the other player reaches its doorbell (made
    // reachable here on purpose) and rings: not heard.
    int rings = 0;
    first.AnswerLaterStarts([&](const LaunchTokens&) { ++rings; });
    ::chmod(Path("run").c_str(), 0711);
    ::chmod(bell.c_str(), 0666);
    const pid_t caller = ::fork();
    ASSERT_GE(caller, 0);
    if (caller == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, bell.c_str());
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(3);
        const char ring[] = "tomavel-ring  theirs\n";
        ::_exit(::send(fd, ring, sizeof ring - 1, MSG_NOSIGNAL) == sizeof ring - 1 ? 0 : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(caller, &status, 0), caller);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the other player could not reach the doorbell";
    const QDeadlineTimer deadline(300);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(rings, 0);
    // This player's own later start still is.
    ::chmod(Path("run").c_str(), 0700);
    EXPECT_TRUE(second.RingRunningCopy({}));
    RunUntil([&] { return rings > 0; });
    EXPECT_EQ(rings, 1);
}

TEST(ProgramFolder, EndsInExactlyOneSeparator) {
    EXPECT_EQ(WithTrailingSeparator("/opt/tomavel"), "/opt/tomavel/");
    EXPECT_EQ(WithTrailingSeparator("/opt/tomavel/"), "/opt/tomavel/");
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
}

// A game that ends cleanly leaves neither lock nor doorbell beside the files,
// and the next copy starts as usual.
TEST_F(LockTest, ACleanEndLeavesNoLockOrDoorbellBehind) {
    for (bool filesUsable : {true, false}) {
        SCOPED_TRACE(filesUsable ? "beside the files" : "in the per-user places");
        SingleInstance first;
        ASSERT_TRUE(first.Acquire(Places(filesUsable, std::nullopt)));
        first.AnswerLaterStarts([](const LaunchTokens&) {});
        std::vector<std::string> left = first.LockPaths();
        for (const std::string& bell :
             SingleInstance::DoorbellPaths(Places(filesUsable, std::nullopt)))
            left.push_back(bell);
        for (const std::string& file : left) ASSERT_EQ(::access(file.c_str(), F_OK), 0) << file;
        first.Release();
        for (const std::string& file : left) EXPECT_NE(::access(file.c_str(), F_OK), 0) << file;
        SingleInstance next;
        EXPECT_TRUE(next.Acquire(Places(filesUsable, std::nullopt)));
    }
}

// A pipe planted where the lock file goes, by another player in a shared
// program folder, never holds the start-up: the lock is looked for elsewhere.
// (Run as root, the check plays that other player's neighbour as "nobody".)
TEST_F(LockTest, APipeInTheLocksPlaceNeverHoldsTheStartUp) {
    const std::string lock = Path("files") + "/.tomavel.lock";
    ASSERT_EQ(::mkfifo(lock.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(root_.path().toLocal8Bit().constData(), 0755), 0);
    ASSERT_EQ(::chmod(Path("files").c_str(), 0755), 0);
    const LockPlaces places = Places(true, std::nullopt);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        ::alarm(5);
        SingleInstance instance;
        const bool started = instance.Acquire(places);
        const auto& paths = instance.LockPaths();
        ::_exit(started && std::find(paths.begin(), paths.end(), lock) == paths.end() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the start-up was held up by the pipe";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
