// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <utility>

#include "app/Places.h"
#include "ui/MessageBoxes.h"

namespace {

// The longest message a doorbell listens to: the ring word, two tokens written
// out (every byte of them at worst as %XX), a blank and a line end.
constexpr qsizetype kLongestRing = 32 * 1024;
// Callers the system lets wait at the door while the game is busy, and how
// long the door stays shut when the game has no descriptor left for a caller.
constexpr int kWaitingCallers = 50;
constexpr int kRetryMilliseconds = 200;
// A ring is this word, the launcher's activation token and its startup id
// (each written out by WriteOut, so that neither holds a blank or a line end)
// and a line end; nothing else that reaches the doorbell brings the game forward.
constexpr char kRingWord[] = "tomavel-ring ";
// Callers heard at once, and how long one may take to say its line: a later
// start has said it before it is even let in, so more callers or slower ones
// are not later starts. The oldest caller makes room for a new one, so a real
// ring always gets in.
constexpr int kMostCallers = 8;
constexpr int kCallerMilliseconds = 1000;
// A caller let in this long ago that has said nothing yet is a silent one: it
// makes room first when the game has no descriptor left. A later start let in
// the moment it connected says its line within this.
constexpr int kGraceMilliseconds = 250;
// With no descriptor to spare, a caller just let in is given this moment to say
// its line (a later start has often not yet had the time, the game being woken
// the instant it connects), at most so many times in one pass at the door.
constexpr int kMomentMilliseconds = 5;
constexpr int kMomentsAPass = 10;
// How long a later start waits for room at a door whose queue is full.
constexpr int kRingWaitMilliseconds = 1000;

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

// The user of the program at the other end of a connected socket.
bool FromThisPlayer(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// A token as the ring carries it: every byte that is not printable ASCII, and
// the blank and '%', as %XX.
std::string WriteOut(const std::string& token) {
    return QByteArray::fromStdString(token).toPercentEncoding("", " ").toStdString();
}

std::string ReadBack(const QByteArray& written) {
    return QByteArray::fromPercentEncoding(written).toStdString();
}

// What a ring says: "tomavel-ring TOKEN ID\n". A ring of one field (an
// earlier version's) hands it over as both.
std::optional<LaunchTokens> HeardRing(const QByteArray& said) {
    const qsizetype end = said.indexOf('\n');
    if (end < 0 || !said.startsWith(kRingWord)) return std::nullopt;  // not a later start
    const qsizetype word = qsizetype(sizeof kRingWord) - 1;
    const QList<QByteArray> fields = said.mid(word, end - word).split(' ');
    if (fields.size() > 2) return std::nullopt;
    const std::string first = ReadBack(fields[0]);
    const std::string second = fields.size() == 2 ? ReadBack(fields[1]) : first;
    return LaunchTokens{CleanActivationToken(first), CleanStartupId(second)};
}

// One later start at the door, heard until it hangs up: what it said then is
// its ring. One that says too much, or nothing for too long, is sent away.
class Caller : public QObject {
public:
    using Heard = std::function<void(const QByteArray&)>;
    Caller(int fd, QObject* door, Heard heard) : QObject(door), fd_(fd), heard_(std::move(heard)) {
        letIn_.start();
    }
    ~Caller() override {
        if (fd_ >= 0) ::close(fd_);
    }
    // Hears what has come so far. True when the caller is done with (heard, or
    // sent away); else it is heard again as it says more, for a short while.
    bool Listen() {
        char bytes[4096];
        for (;;) {
            const ssize_t got = ::read(fd_, bytes, sizeof bytes);
            if (got > 0) {
                said_.append(bytes, got);
                if (said_.size() > kLongestRing) return SendAway();
                continue;
            }
            if (got < 0 && errno == EINTR) continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                if (!notifier_) {
                    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
                    QObject::connect(notifier_, &QSocketNotifier::activated, this,
                                     [this] { Listen(); });
                    QTimer::singleShot(kCallerMilliseconds, this, [this] { SendAway(); });
                }
                return false;
            }
            // Hung up (or gone): what it said is all it says.
            SendAway();
            if (got == 0) heard_(said_);
            return true;
        }
    }
    // Hangs up at once (its descriptor is free again) and goes.
    bool SendAway() {
        if (notifier_) notifier_->setEnabled(false);
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        deleteLater();
        return true;
    }
    bool Gone() const { return fd_ < 0; }
    bool Silent() const { return letIn_.hasExpired(kGraceMilliseconds); }

private:
    int fd_;
    QElapsedTimer letIn_;
    QSocketNotifier* notifier_ = nullptr;
    Heard heard_;
    QByteArray said_;
};

}  // namespace

// A listening socket in a private folder, heard on the event loop. A later
// start has said its line before it is let in, or says it at once, so each
// caller is heard as it comes in and most are done with there and then; at
// most kMostCallers that have not finished are heard at once, the oldest making
// room for a new one. When the game has no descriptor left for a caller, one
// that has kept silent is sent away, or the spare descriptor lets the next one
// in to be heard at once, so the queue keeps moving and a ring behind hundreds
// of silent callers is still heard.
class Doorbell : public QObject {
public:
    Doorbell(int fd, std::string path, int& spare,
             std::function<void(const LaunchTokens&)> comeForward)
        : fd_(fd),
          path_(std::move(path)),
          spare_(spare),
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
    enum class Room { Made, NobodyWaiting, None };

    int Accept() { return ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC); }

    void Answer() {
        int moments = 0;
        for (;;) {
            const int caller = Accept();
            if (caller >= 0) {
                Hear(caller, true);
                continue;
            }
            if (errno == EINTR || errno == ECONNABORTED) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) break;  // nobody else waiting
            const Room room = errno == EMFILE || errno == ENFILE ? MakeRoom(moments) : Room::None;
            if (room == Room::Made) continue;
            if (room == Room::NobodyWaiting) break;
            // No room at all: the door is looked at again a little later, rather
            // than at every turn of the event loop.
            notifier_.setEnabled(false);
            QTimer::singleShot(kRetryMilliseconds, this, [this] { notifier_.setEnabled(true); });
            break;
        }
        if (spare_ < 0) spare_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }

    // No descriptor left for the next caller: a silent one goes, or the spare
    // descriptor lets the next caller in to be heard there and then (and not
    // kept). A later start that has only just connected is given a moment to say
    // its line; silent callers get that moment only so often in one pass, so
    // the game never stands still long for them.
    Room MakeRoom(int& moments) {
        if (SendAwayOldest(true)) return Room::Made;
        if (spare_ < 0 || moments >= kMomentsAPass) return Room::None;
        ::close(spare_);
        const int caller = Accept();
        const int error = errno;
        if (caller >= 0) {
            pollfd line{caller, POLLIN, 0};
            if (::poll(&line, 1, 0) == 0) {
                ++moments;
                ::poll(&line, 1, kMomentMilliseconds);
            }
            Hear(caller, false);
        }
        spare_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (caller >= 0) return spare_ >= 0 ? Room::Made : Room::None;
        return error == EAGAIN || error == EWOULDBLOCK ? Room::NobodyWaiting : Room::None;
    }

    // `keep`: a caller that has not finished its line yet is heard on as it says
    // more; else it is sent away at once.
    void Hear(int fd, bool keep) {
        // Only this player's own programs ring: the socket is private, and what
        // comes from anyone else is not listened to.
        if (!FromThisPlayer(fd)) {
            ::close(fd);
            return;
        }
        auto* caller = new Caller(fd, this, [this](const QByteArray& said) {
            if (const std::optional<LaunchTokens> tokens = HeardRing(said)) comeForward_(*tokens);
        });
        if (caller->Listen()) return;
        if (!keep) {
            caller->SendAway();
            return;
        }
        std::erase_if(callers_, [](const QPointer<Caller>& c) { return c.isNull() || c->Gone(); });
        while (callers_.size() >= static_cast<size_t>(kMostCallers))
            if (!SendAwayOldest(true)) SendAwayOldest(false);
        callers_.emplace_back(caller);
    }

    // The caller heard longest (with `silentOnly`, only one that has kept
    // silent a while) hangs up; false when there is none.
    bool SendAwayOldest(bool silentOnly) {
        for (auto it = callers_.begin(); it != callers_.end(); ++it) {
            if (it->isNull() || (*it)->Gone()) continue;
            if (silentOnly && !(*it)->Silent()) continue;
            Caller* oldest = *it;
            callers_.erase(it);
            return oldest->SendAway();
        }
        return false;
    }

    int fd_;
    std::string path_;
    int& spare_;
    QSocketNotifier notifier_;
    std::function<void(const LaunchTokens&)> comeForward_;
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
    if (spareDescriptor_ >= 0) ::close(spareDescriptor_);
}

bool SingleInstance::Acquire(const LockPlaces& places) {
    places_ = places;
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

std::vector<std::string> SingleInstance::DoorbellPaths(const LockPlaces& places) {
    // Never beside the files, whose folder others may share: there another
    // player's file, folder or link could take the doorbell's place, or hear
    // the ring meant for this player's game. The runtime folder and the private
    // temporary folder (or, where another has taken that name, the cache
    // folder): a copy started without a runtime folder still finds the second.
    // No more: every doorbell holds a descriptor for as long as the game runs.
    const std::string name = "tomavel-" + NameFor(places.filesFolder) + ".sock";
    std::string temp = PrivateTempFolder(places.tempRoot);
    if (temp.empty()) temp = PrivateCacheFolder(places.cacheFolder);
    std::vector<std::string> bells;
    for (const std::string& folder : {UsableRuntimeFolder(places.runtimeDir), temp}) {
        const std::string bell = folder + name;
        if (!folder.empty() && FitsASocket(bell) &&
            std::find(bells.begin(), bells.end(), bell) == bells.end())
            bells.push_back(bell);
    }
    return bells;
}

namespace {
// Rings the doorbell at `bell` when it is this player's own. True when it took the ring.
bool Ring(const std::string& bell, const std::string& message) {
    // A socket this player made (in a folder of their own, so no one else could).
    struct stat info {};
    if (::lstat(bell.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != ::getuid())
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // A running copy lets callers in at once; one whose queue is full (callers
    // crowding the door) is waited for a moment, and a stuck one not at all longer.
    const timeval wait{kRingWaitMilliseconds / 1000, (kRingWaitMilliseconds % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    const sockaddr_un address = SocketAddress(bell);
    // Answered by a program of this player's own, or not rung at all.
    bool rung = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                FromThisPlayer(fd);
    if (rung)
        rung = ::send(fd, message.data(), message.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(message.size());
    ::close(fd);
    return rung;
}

// A socket listening at `path`, open to this player alone, or -1.
int ListenAt(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    const sockaddr_un address = SocketAddress(path);
    const auto bind = [&] {
        return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    };
    // We hold the lock, and only this player can make a socket in their private
    // folder, so a socket already there was left by a copy that has gone:
    // closing the game ends it at once, and a crash leaves it too.
    if (!bind() && !(errno == EADDRINUSE && ::unlink(path.c_str()) == 0 && bind())) {
        ::close(fd);
        return -1;
    }
    // Whatever the umask made of it.
    if (::chmod(path.c_str(), 0600) != 0 || ::listen(fd, kWaitingCallers) != 0) {
        ::close(fd);
        ::unlink(path.c_str());
        return -1;
    }
    return fd;
}
}  // namespace

bool SingleInstance::RingRunningCopy(const LaunchTokens& tokens) const {
    if (!fds_.empty() || lockPaths_.size() != 1) return false;
    const std::string message = kRingWord + WriteOut(CleanActivationToken(tokens.activationToken)) +
                                " " + WriteOut(CleanStartupId(tokens.startupId)) + "\n";
    // The running copy answers at every one of these that it could make; this
    // start, whose environment may differ, rings the first that takes the ring.
    for (const std::string& bell : DoorbellPaths(places_))
        if (Ring(bell, message)) return true;
    return false;
}

void SingleInstance::AnswerLaterStarts(std::function<void(const LaunchTokens&)> comeForward) {
    if (fds_.empty()) return;  // a refused copy, or one with no lock at all
    if (spareDescriptor_ < 0) spareDescriptor_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    for (const std::string& bell : DoorbellPaths(places_)) {
        const int fd = ListenAt(bell);
        if (fd >= 0)
            doorbells_.push_back(
                std::make_unique<Doorbell>(fd, bell, spareDescriptor_, comeForward));
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
    if (token.size() > kLongestToken) return {};
    for (unsigned char c : token)
        if (c <= ' ' || c > '~') return {};
    return token;
}

std::string CleanStartupId(const std::string& id) {
    if (id.size() > kLongestToken || id.find('\0') != std::string::npos) return {};
    return id;
}

LaunchTokens LauncherTokens() {
    // Wayland launchers hand over an activation token, X11 ones a startup id; a
    // launcher may set both, and one that is no good never hides the other.
    LaunchTokens tokens;
    if (const char* token = std::getenv("XDG_ACTIVATION_TOKEN"))
        tokens.activationToken = CleanActivationToken(token);
    if (const char* id = std::getenv("DESKTOP_STARTUP_ID")) tokens.startupId = CleanStartupId(id);
    return tokens;
}
