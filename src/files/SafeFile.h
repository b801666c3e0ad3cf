// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a data file so that neither a crash nor a full disk ever costs the
// player the copy already on disk: the settings file and the score table both
// save through it. Plain C++ and POSIX, no Qt.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace SafeFile {

struct Result {
    bool ok = true;
    std::string error;  // what the system said, when not ok
};

// What a save does when the folder takes no new file (a program folder the
// player may not write to, a name with no room left for the temporary ending)
// while the file itself may be written, and with a file that belongs to another
// user (which a rename would take from them).
enum class WhenFolderIsShut {
    Fail,
    // The bytes go over the old ones from the start, and only then is a longer
    // old tail cut off: the file's own disk blocks are reused, so a full disk
    // seldom stops it, and a save stopped half way leaves old bytes behind the
    // new ones rather than a file cut short.
    RewriteInPlace,
};

// Replaces the file at `path` with `bytes`. The bytes go to a temporary file of
// its own in the same folder ("<name>.tmp.<process>.<count>", a name no other
// save uses), every write and the flush to disk are checked, and only then is
// it renamed over the old file. On any failure the old file stays exactly as it
// was and the temporary file is removed. A file that exists with no write
// permission, or anything but a regular file in its place (a folder, a device,
// a pipe), is refused rather than replaced; so is a file of another user, unless
// `whenShut` lets it be rewritten in place (it stays theirs). A failure names
// `path`'s file, not the temporary one. An existing file keeps its permissions;
// a symbolic link keeps pointing at the file it names, which is the one replaced.
Result Replace(const std::string& path, std::string_view bytes,
               WhenFolderIsShut whenShut = WhenFolderIsShut::Fail);

// Writes `bytes` as the file `name` in `folder`, which must be the player's own: a
// folder (not a link to one) that this user owns and nobody else may write to.
// Whatever lies at the name (a link to some other file among them) is replaced,
// never followed or written through. For copies the game makes for the player's
// eyes (the help in UTF-8), not for the player's data: nothing is flushed to disk.
Result WriteIntoPrivateFolder(const std::string& folder, const std::string& name,
                              std::string_view bytes);

// Renames a damaged file to the first free "<name>.damaged", "<name>.damaged.2",
// ... "<name>.damaged.999", so the player's file is kept for them to look at and
// never overwritten; nothing when no name is free or the rename fails.
std::optional<std::string> SetAside(const std::string& path);

// Removes the temporary files of `path` that a save cut short (the program was
// killed, the machine went down) left in its folder, and `olderName` (say
// ".tmp": "<name>.tmp") where an earlier version of the game saved through one
// fixed name; with `olderRandomNames`, also "<name>.XXXXXX" (six letters and
// digits, not all small letters, private to the player as a system temporary
// file is made: mode 0600), where an earlier version saved through one. Run it at start, before the
// first save. Returns how many were removed.
int RemoveStaleTemporaries(const std::string& path, std::string_view olderName = {},
                           bool olderRandomNames = false);

// An advisory lock on the file that a path names, held while a save reads the
// file and writes it back, so that two programs saving one file (two players on
// one score table) take turns and each reads what the other wrote. A save
// replaces the file by a new one, so the lock is only held once the name still
// names the file that was locked. A folder, a pipe or a device is never locked,
// nor waited on. The system drops the lock with the process.
class FileLock {
public:
    enum class State {
        Locked,    // held on the file
        Created,   // held on an empty file made just now where there was none
        Missing,   // no file, and none could be made there (`Error` says why)
        NotAFile,  // a folder, pipe or device has the name: nothing is locked
        Busy,      // another program held the file for the whole wait
        Failed,    // the file can take no lock (`Error` says why)
    };
    // Waits up to `waitMilliseconds` for another holder to finish; with
    // `createMissing`, a missing file is made (empty, never through a link).
    FileLock(const std::string& path, int waitMilliseconds, bool createMissing);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State state() const { return state_; }
    bool Held() const { return state_ == State::Locked || state_ == State::Created; }
    const std::string& Error() const { return error_; }

private:
    int fd_ = -1;
    State state_ = State::Failed;
    std::string error_;
};

// The calls that put the bytes on the disk. Tests swap them to play a full disk
// or a flush that fails; the game never touches them.
struct DiskCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
};
DiskCalls& Disk();
void RestoreDisk();

}  // namespace SafeFile
