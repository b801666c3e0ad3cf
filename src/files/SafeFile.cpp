// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace SafeFile {

namespace {

DiskCalls disk{::write, ::fsync, ::close};

// Each save of this process gets the next number, so two saves never share a
// temporary name; another copy of the game has another process number.
unsigned long saveCount = 0;

constexpr const char* kTemporaryMark = ".tmp.";

std::string Failure(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

// The file a save really replaces: a symbolic link is followed to its file.
std::string Target(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target = resolved;
            std::free(resolved);
            return target;
        }
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "<name>.tmp." followed by the process and save numbers, as Replace names them,
// or the fixed name an earlier version used.
// "<name>.XXXXXX" as a system temporary file is named: six letters and digits,
// not all of them small letters (so that a player's "<name>.backup" stays).
bool IsRandomTemporaryName(const std::string& entry, const std::string& name) {
    if (entry.size() != name.size() + 7 || entry.compare(0, name.size(), name) != 0 ||
        entry[name.size()] != '.')
        return false;
    bool mixed = false;
    for (std::string::size_type i = name.size() + 1; i < entry.size(); ++i) {
        const char c = entry[i];
        const bool small = c >= 'a' && c <= 'z';
        if (!small && !(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9')) return false;
        mixed = mixed || !small;
    }
    return mixed;
}

bool IsTemporaryName(const std::string& entry, const std::string& name, std::string_view olderName,
                     bool olderRandomNames) {
    if (!olderName.empty() && entry == name + std::string(olderName)) return true;
    if (olderRandomNames && IsRandomTemporaryName(entry, name)) return true;
    const std::string start = name + kTemporaryMark;
    if (entry.size() <= start.size() || entry.compare(0, start.size(), start) != 0) return false;
    for (std::string::size_type i = start.size(); i < entry.size(); ++i)
        if (!(entry[i] >= '0' && entry[i] <= '9') && entry[i] != '.') return false;
    return true;
}

// Writes all the bytes; a write that takes nothing is a full disk, whatever it
// reports. False with errno set when a write failed.
bool WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = disk.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

Result RewriteInPlace(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return {false, Failure(path, errno)};
    if (!WriteAll(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 ||
        disk.fsync(fd) != 0) {
        const int error = errno;
        disk.close(fd);
        return {false, Failure(path, error)};
    }
    if (disk.close(fd) != 0) return {false, Failure(path, errno)};
    return {};
}

// Makes the rename itself survive a power cut. The new file is complete either
// way, so a folder that cannot be flushed does not fail the save.
void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

DiskCalls& Disk() { return disk; }

void RestoreDisk() { disk = {::write, ::fsync, ::close}; }

Result Replace(const std::string& path, std::string_view bytes, WhenFolderIsShut whenShut) {
    const std::string target = Target(path);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return {false, Failure(target, EISDIR)};
    // Only a regular file is ever replaced: a link to a device or a pipe (even
    // /dev/null) would otherwise turn into a plain file of ours.
    if (exists && !S_ISREG(old.st_mode)) return {false, target + ": not a regular file"};
    // A file its owner made read-only is not ours to replace, even where the
    // folder would let a rename do it.
    if (exists && (old.st_mode & 0222) == 0) return {false, Failure(target, EACCES)};
    // Another player's file (a table shared by several players, or a link to
    // someone's file) is never replaced by one of ours: a rename would hand it to
    // this player, and shut its owner out. It is written where it stands, or not at all.
    if (exists && old.st_uid != ::geteuid()) {
        if (whenShut == WhenFolderIsShut::RewriteInPlace) return RewriteInPlace(target, bytes);
        return {false, target + ": belongs to another user"};
    }

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target + kTemporaryMark + std::to_string(::getpid()) + "." +
                    std::to_string(++saveCount);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    // What the player is told names the file they know, never the temporary one.
    if (fd < 0) {
        if (exists && whenShut == WhenFolderIsShut::RewriteInPlace)
            return RewriteInPlace(target, bytes);
        return {false, Failure(target, errno)};
    }

    auto fail = [&](const std::string& what, int error, bool open) {
        if (open) disk.close(fd);
        ::unlink(temporary.c_str());
        return Result{false, Failure(what, error)};
    };

    if (exists) ::fchmod(fd, old.st_mode & 07777);
    if (!WriteAll(fd, bytes)) return fail(target, errno, true);
    // Only what has reached the disk may replace the old file: a full disk or an
    // I/O error can show up first at the flush or at the close.
    if (disk.fsync(fd) != 0) return fail(target, errno, true);
    if (disk.close(fd) != 0) return fail(target, errno, false);
    if (std::rename(temporary.c_str(), target.c_str()) != 0) return fail(target, errno, false);
    FlushFolder(FolderOf(target));
    return {};
}

Result WriteIntoPrivateFolder(const std::string& folder, const std::string& name,
                              std::string_view bytes) {
    // A trailing '/' would follow a link in the folder's own place.
    std::string place = folder;
    while (place.size() > 1 && place.back() == '/') place.pop_back();
    const std::string file = place + "/" + name;
    const int dir = ::open(place.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) return {false, Failure(place, errno)};
    // What is checked is the folder held open, and the file goes into that one:
    // nothing can be swapped in between.
    struct stat info {};
    if (::fstat(dir, &info) != 0 || info.st_uid != ::geteuid() || (info.st_mode & 022) != 0) {
        ::close(dir);
        return {false, place + ": not a folder of this user's own"};
    }
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            name + kTemporaryMark + std::to_string(::getpid()) + "." + std::to_string(++saveCount);
        fd = ::openat(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int error = errno;
        ::close(dir);
        return {false, Failure(file, error)};
    }
    const bool written = WriteAll(fd, bytes);
    int error = errno;
    const bool closed = disk.close(fd) == 0;
    if (written && !closed) error = errno;
    // renameat replaces a link at the name by the file itself.
    if (written && closed && ::renameat(dir, temporary.c_str(), dir, name.c_str()) == 0) {
        ::close(dir);
        return {};
    }
    if (written && closed) error = errno;
    ::unlinkat(dir, temporary.c_str(), 0);
    ::close(dir);
    return {false, Failure(file, error)};
}

FileLock::FileLock(const std::string& path, int waitMilliseconds, bool createMissing) {
    timespec start{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    auto waited = [&] {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        return (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
    };
    int madeElsewhere = 0;
    for (;;) {
        bool created = false;
        // Never waiting in open: a pipe in the file's place would hold the game up.
        int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            const bool missing = errno == ENOENT;
            int error = errno;
            if (missing && createMissing) {
                // Made only where nothing has the name, not even a dangling link.
                fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            0666);
                // Another program made it just now (or a link that leads nowhere has the name).
                if (fd < 0 && errno == EEXIST && ++madeElsewhere < 8) continue;
                if (fd < 0 && errno != EEXIST) error = errno;
                created = fd >= 0;
            }
            if (fd < 0) {
                state_ = missing ? State::Missing : State::Failed;
                error_ = Failure(path, error);
                return;
            }
        }
        struct stat held {};
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            state_ = State::NotAFile;
            error_ = path + ": not a regular file";
            return;
        }
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            if (error != EWOULDBLOCK || waited() >= waitMilliseconds) {
                ::close(fd);
                state_ = error == EWOULDBLOCK ? State::Busy : State::Failed;
                error_ = error == EWOULDBLOCK ? path + ": in use by another program"
                                              : Failure(path, error);
                return;
            }
            const timespec pause{0, 10 * 1000000};
            ::nanosleep(&pause, nullptr);
        }
        // The holder before may have replaced the file meanwhile: then the new
        // file is the one to lock.
        struct stat named {};
        if (::stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino) {
            fd_ = fd;
            state_ = created ? State::Created : State::Locked;
            return;
        }
        ::close(fd);
        if (waited() >= waitMilliseconds) {
            state_ = State::Busy;
            error_ = path + ": in use by another program";
            return;
        }
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

int RemoveStaleTemporaries(const std::string& path, std::string_view olderName,
                           bool olderRandomNames) {
    const std::string target = Target(path);
    const std::string folder = FolderOf(target), name = NameOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, name, olderName, olderRandomNames)) continue;
        const std::string stale = folder + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(stale.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        // A system temporary file is made private (0600); a copy the player made
        // under a name of that shape ("tomavel.ini.Backup") is not, and stays.
        const bool ours = IsTemporaryName(entry->d_name, name, olderName, false);
        if (!ours && (info.st_mode & 0777) != 0600) continue;
        if (::unlink(stale.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::optional<std::string> SetAside(const std::string& path) {
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = path + ".damaged" + (n == 1 ? "" : "." + std::to_string(n));
        struct stat info {};
        if (::lstat(aside.c_str(), &info) == 0 || errno != ENOENT) continue;
        if (::rename(path.c_str(), aside.c_str()) != 0) return std::nullopt;
        return aside;
    }
    return std::nullopt;
}

}  // namespace SafeFile
