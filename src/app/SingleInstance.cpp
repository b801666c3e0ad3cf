// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <utility>

#include "app/Places.h"
#include "ui/MessageBoxes.h"

namespace {

// The longest message a doorbell listens to: one token and its line end.
constexpr qsizetype kLongestRing = 1024;
// Callers the system lets wait at the door while the game is busy, and how
// long the door stays shut when the game has no descriptor left for a caller.
constexpr int kWaitingCallers = 50;
constexpr int kRetryMilliseconds = 200;
// A ring is this word, the launcher's token and a line end; nothing else that
// reaches the doorbell brings the game forward.
constexpr char kRingWord[] = "tomavel-ring ";
// Callers heard at once, and how long one may take to say its line: a later
// start says it at once, so more callers or slower ones are not later starts.
// The oldest caller makes room for a new one, so a real ring always gets in.
constexpr int kMostCallers = 8;
constexpr int kCallerMilliseconds = 2000;

// Gone: the file was locked just as the copy that held it removed it.
enum class LockTry { Taken, Held, Unusable, Gone };

// A short, stable name for a folder, the same in every build of the game.
std::string NameFor(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

// A folder that only this player can use: a directory (not a link to one),
// owned by them, closed to everybody else.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0 &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string UsableRuntimeFolder(const std::string& runtimeDir) {
    // The desktop's runtime folder must be absolute and the player's own; one
    // that is missing or shared (a session without one, a stale variable) is
    // passed over, not trusted.
    if (runtimeDir.empty() || runtimeDir.front() != '/') return {};
    std::string folder = runtimeDir;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return IsPrivateFolder(folder) ? folder + "/" : std::string();
}

// "<tempRoot>/tomavel-<uid>/", made private when missing; empty when the name
// is taken by anything else (another player's folder, a link, a file).
std::string PrivateTempFolder(const std::string& tempRoot) {
    const std::string folder = tempRoot + "/tomavel-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return IsPrivateFolder(folder) ? folder + "/" : std::string();
}

// The game's folder in the player's cache, made when missing; empty when it
// is not the player's alone.
std::string PrivateCacheFolder(const std::string& cacheFolder) {
    if (cacheFolder.empty() || !MakeFolder(cacheFolder)) return {};
    std::string folder = cacheFolder;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return IsPrivateFolder(folder) ? folder + "/" : std::string();
}

LockTry TryLockOnce(const std::string& path, mode_t mode, std::vector<int>& fds) {
    // Never waiting in open: a pipe planted in the lock's place would hold the
    // start-up up for ever. Only a regular file is a lock (below).
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, mode);
    // A lock file another player made beside a shared program folder can still
    // be locked through a read-only handle.
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return LockTry::Unusable;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return LockTry::Unusable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // A copy that ends cleanly removes its lock file; one opened just
        // before that is locked in vain, since the next copy makes a new file.
        // Only the file that still bears the name is the lock.
        struct stat named {};
        if (::lstat(path.c_str(), &named) != 0 || named.st_ino != info.st_ino ||
            named.st_dev != info.st_dev) {
            ::close(fd);
            return LockTry::Gone;
        }
        fds.push_back(fd);
        return LockTry::Taken;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? LockTry::Held : LockTry::Unusable;
}

LockTry TryLock(const std::string& path, mode_t mode, std::vector<int>& fds) {
    LockTry result = LockTry::Gone;
    for (int attempt = 0; attempt < 8 && result == LockTry::Gone; ++attempt)
        result = TryLockOnce(path, mode, fds);
    return result == LockTry::Gone ? LockTry::Unusable : result;
}

bool FitsASocket(const std::string& path) { return path.size() < sizeof(sockaddr_un::sun_path); }

sockaddr_un SocketAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// One later start at the door, heard until it hangs up: what it said then is
// its ring. One that says too much, or nothing for too long, is sent away.
class Caller : public QObject {
public:
    using Heard = std::function<void(const QByteArray&)>;
    Caller(int fd, QObject* door, Heard heard)
        : QObject(door),
          fd_(fd),
          notifier_(fd, QSocketNotifier::Read, this),
          heard_(std::move(heard)) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, this, [this] { Listen(); });
        QTimer::singleShot(kCallerMilliseconds, this, [this] { SendAway(); });
    }
    ~Caller() override { ::close(fd_); }
    void SendAway() {
        notifier_.setEnabled(false);
        deleteLater();
    }

private:
    void Listen() {
        char bytes[512];
        for (;;) {
            const ssize_t got = ::read(fd_, bytes, sizeof bytes);
            if (got > 0) {
                said_.append(bytes, got);
                if (said_.size() > kLongestRing) return SendAway();
                continue;
            }
            if (got < 0 && errno == EINTR) continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
            // Hung up (or gone): what it said is all it says.
            SendAway();
            if (got == 0) heard_(said_);
            return;
        }
    }

    int fd_;
    QSocketNotifier notifier_;
    Heard heard_;
    QByteArray said_;
};

}  // namespace

// A listening socket beside the lock, heard on the event loop. At most
// kMostCallers callers are heard at once; the oldest makes room for a new one.
class Doorbell : public QObject {
public:
    Doorbell(int fd, std::string path, std::function<void(const std::string&)> comeForward)
        : fd_(fd),
          path_(std::move(path)),
          notifier_(fd, QSocketNotifier::Read, this),
          comeForward_(std::move(comeForward)) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, this, [this] { Answer(); });
    }
    ~Doorbell() override {
        notifier_.setEnabled(false);
        ::close(fd_);
        ::unlink(path_.c_str());
    }

private:
    void Answer() {
        for (;;) {
            const int caller = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (caller < 0) {
                if (errno == EINTR || errno == ECONNABORTED) continue;
                if (errno == EAGAIN || errno == EWOULDBLOCK) return;  // nobody else waiting
                // No room for one more descriptor: the door is looked at again a
                // little later, rather than at every turn of the event loop.
                notifier_.setEnabled(false);
                QTimer::singleShot(kRetryMilliseconds, this,
                                   [this] { notifier_.setEnabled(true); });
                return;
            }
            std::erase_if(callers_, [](const QPointer<Caller>& c) { return c.isNull(); });
            while (callers_.size() >= static_cast<size_t>(kMostCallers)) {
                if (Caller* oldest = callers_.front()) oldest->SendAway();
                callers_.pop_front();
            }
            callers_.emplace_back(new Caller(caller, this, [this](const QByteArray& said) {
                const qsizetype end = said.indexOf('\n');
                if (end < 0 || !said.startsWith(kRingWord)) return;  // not a later start
                const qsizetype word = qsizetype(sizeof kRingWord) - 1;
                comeForward_(CleanActivationToken(said.mid(word, end - word).toStdString()));
            }));
        }
    }

    int fd_;
    std::string path_;
    QSocketNotifier notifier_;
    std::function<void(const std::string&)> comeForward_;
    std::deque<QPointer<Caller>> callers_;
};

LockPlaces LockPlaces::ForFilesIn(const std::string& filesFolder) {
    LockPlaces places;
    places.filesFolder = filesFolder;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) places.runtimeDir = runtime;
    places.cacheFolder = CacheFolder();
    return places;
}

SingleInstance::SingleInstance() = default;

void SingleInstance::Release() {
    doorbells_.clear();  // the sockets go before the locks
    // Each lock file is removed while it is still held, so no other copy can
    // hold it meanwhile; one that opened it just before locks a file without
    // a name, notices, and tries again (TryLock).
    for (size_t i = 0; i < fds_.size(); ++i) {
        if (i < lockPaths_.size()) ::unlink(lockPaths_[i].c_str());
        ::close(fds_[i]);
    }
    fds_.clear();
    lockPaths_.clear();
}

SingleInstance::~SingleInstance() {
    doorbells_.clear();  // the sockets go before the locks
    for (int fd : fds_) ::close(fd);
}

bool SingleInstance::Acquire(const LockPlaces& places) {
    tempRoot_ = places.tempRoot;
    if (!places.filesFolder.empty()) {
        const std::string path = places.filesFolder + ".tomavel.lock";
        switch (TryLock(path, 0644, fds_)) {
            case LockTry::Taken:
                lockPaths_ = {path};
                return true;
            case LockTry::Held:
                lockPaths_ = {path};
                return false;
            case LockTry::Unusable:
            case LockTry::Gone:
                break;
        }
    }

    const std::string name = "tomavel-" + NameFor(places.filesFolder) + ".lock";
    std::vector<std::string> paths;
    if (std::string runtime = UsableRuntimeFolder(places.runtimeDir); !runtime.empty())
        paths.push_back(runtime + name);
    if (std::string temp = PrivateTempFolder(places.tempRoot); !temp.empty())
        paths.push_back(temp + name);
    if (std::string cache = PrivateCacheFolder(places.cacheFolder); !cache.empty())
        paths.push_back(cache + name);
    for (const std::string& path : paths) {
        switch (TryLock(path, 0600, fds_)) {
            case LockTry::Taken:
                lockPaths_.push_back(path);
                break;
            case LockTry::Held:
                for (int fd : fds_) ::close(fd);
                fds_.clear();
                lockPaths_ = {path};
                return false;
            case LockTry::Unusable:
            case LockTry::Gone:
                break;
        }
    }
    unguarded_ = fds_.empty();
    if (unguarded_)
        std::fprintf(stderr,
                     "tomavel: no folder can hold the lock against a second copy of the game\n");
    return true;
}

std::string SingleInstance::DoorbellPathFor(const std::string& lockPath,
                                            const std::string& tempRoot) {
    const std::string ending = ".lock";
    std::string bell = lockPath;
    if (bell.size() > ending.size() &&
        bell.compare(bell.size() - ending.size(), ending.size(), ending) == 0)
        bell.resize(bell.size() - ending.size());
    bell += ".sock";
    if (FitsASocket(bell)) return bell;
    const std::string temp = PrivateTempFolder(tempRoot);
    bell = temp + "tomavel-" + NameFor(lockPath) + ".sock";
    return !temp.empty() && FitsASocket(bell) ? bell : std::string();
}

bool SingleInstance::RingRunningCopy(const std::string& token) const {
    if (!fds_.empty() || lockPaths_.size() != 1) return false;
    const std::string bell = DoorbellPathFor(lockPaths_.front(), tempRoot_);
    if (bell.empty()) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const sockaddr_un address = SocketAddress(bell);
    // A local connection is made or refused at once; a copy that is still
    // starting (no doorbell yet) or stuck (a full queue) is simply not rung.
    bool rung = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (rung) {
        const std::string message = kRingWord + CleanActivationToken(token) + "\n";
        rung = ::send(fd, message.data(), message.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(message.size());
    }
    ::close(fd);
    return rung;
}

namespace {
// A socket listening at `path`, or -1.
int ListenAt(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    const sockaddr_un address = SocketAddress(path);
    const auto bind = [&] {
        return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    };
    // We hold the lock, so a socket already there was left by a copy that has
    // gone: closing the game ends it at once, and a crash leaves it too.
    if (!bind() && !(errno == EADDRINUSE && ::unlink(path.c_str()) == 0 && bind())) {
        ::close(fd);
        return -1;
    }
    if (::listen(fd, kWaitingCallers) != 0) {
        ::close(fd);
        ::unlink(path.c_str());
        return -1;
    }
    return fd;
}
}  // namespace

void SingleInstance::AnswerLaterStarts(std::function<void(const std::string&)> comeForward) {
    if (fds_.empty()) return;  // a refused copy, or one with no lock at all
    for (const std::string& lockPath : lockPaths_) {
        const std::string bell = DoorbellPathFor(lockPath, tempRoot_);
        if (bell.empty()) continue;
        const int fd = ListenAt(bell);
        if (fd >= 0) doorbells_.push_back(std::make_unique<Doorbell>(fd, bell, comeForward));
    }
}

void TellWhenUnguarded(const SingleInstance& instance) {
    if (!instance.Unguarded()) return;
    MessageBoxes::Inform(nullptr, QCoreApplication::translate(
                                      "SingleInstance",
                                      "トマベルが二つ同時に動かないようにするためのロックを、"
                                      "どのフォルダーにも作れませんでした。\n"
                                      "同時に二つ起動すると、スコアが失われることがあります。"));
}

std::string CleanActivationToken(const std::string& token) {
    if (token.size() > 512) return {};
    for (unsigned char c : token)
        if (c <= ' ' || c > '~') return {};
    return token;
}

std::string LauncherActivationToken() {
    // Wayland launchers hand one over in XDG_ACTIVATION_TOKEN, X11 ones in DESKTOP_STARTUP_ID.
    for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"})
        if (const char* token = std::getenv(name); token && *token)
            return CleanActivationToken(token);
    return {};
}
