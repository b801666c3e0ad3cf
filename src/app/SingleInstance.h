// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One copy of the game on one set of files at a time. The lock is an advisory
// file lock that the system drops with the process, so a copy that crashed
// never blocks the next. A later start rings the running copy's doorbell, a
// local socket in the player's private folders, and the running copy comes to
// the front.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/WindowActivation.h"

class Doorbell;

// Where the lock may lie.
struct LockPlaces {
    // The folder of the settings file, one trailing '/': the lock lives with the
    // files it guards, so every copy that would use them finds it, whatever its
    // environment says.
    std::string filesFolder;
    // Where that folder cannot hold a lock, the lock is taken in both per-user
    // places at once (a copy started without a runtime folder still meets one
    // started with it): $XDG_RUNTIME_DIR as set (empty when unset), a private
    // folder "tomavel-<uid>" under tempRoot,
    std::string runtimeDir;
    std::string tempRoot = "/tmp";
    // And always in the game's folder in the player's cache as well (made
    // private when missing; empty: none): the temporary folder's name can be
    // taken by another player before this one ever starts the game, and two
    // copies of the game must still meet somewhere.
    std::string cacheFolder;

    static LockPlaces ForFilesIn(const std::string& filesFolder);  // from the environment
};

class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock; false when another copy holds it. When no place at all can
    // hold a lock the game still starts (and says so on its error output; the
    // player is told by TellWhenUnguarded once the window system is up).
    bool Acquire(const LockPlaces& places);
    // True when Acquire let the game start with no lock anywhere.
    bool Unguarded() const { return unguarded_; }
    // The lock files this copy holds; after a refusal, the one the other copy holds.
    const std::vector<std::string>& LockPaths() const { return lockPaths_; }

    // The game is ending cleanly: the doorbells and the lock files go, so
    // nothing of this copy is left beside the player's files.
    void Release();

    // Refused copy: rings the running copy's doorbell, handing over what the
    // launcher gave this start. Rings only a doorbell of this player's own (a
    // socket they made, answered by a program of theirs). Waits a moment at most
    // for room at the door, never for an answer. True when a doorbell took the ring.
    bool RingRunningCopy(const LaunchTokens& tokens) const;
    // Running copy, once the Qt application is up: every later start calls
    // `comeForward` with what it handed over.
    void AnswerLaterStarts(std::function<void(const LaunchTokens&)> comeForward);

    // The doorbells of the set of files: one in the runtime folder and one in
    // the private temporary folder (the game's cache folder where that name is
    // taken by another), each where it is there, the player's own and short
    // enough for a socket's name, so that copies started with different
    // environments still meet. A folder that others could write to never holds one.
    static std::vector<std::string> DoorbellPaths(const LockPlaces& places);

private:
    bool unguarded_ = false;
    std::vector<int> fds_;
    std::vector<std::string> lockPaths_;
    LockPlaces places_;
    std::vector<std::unique_ptr<Doorbell>> doorbells_;
    // Kept open for the moment a doorbell has no descriptor left for a caller.
    int spareDescriptor_ = -1;
};

// Tells the player when the game started with no lock anywhere: nothing keeps
// a second copy off the same files then, and two copies may lose a save.
// Lets events run: the message box, when there is something to tell.
void TellWhenUnguarded(const SingleInstance& instance);

// What the launcher handed this start (XDG_ACTIVATION_TOKEN, DESKTOP_STARTUP_ID),
// each as it may be handed on (below).
LaunchTokens LauncherTokens();
// The longest token or startup id handed on: launchers' listeners take no
// startup-notification message much longer than this.
inline constexpr size_t kLongestToken = 4096;
// A Wayland activation token as it may be handed on: printable ASCII without
// blanks, not overlong; else empty.
std::string CleanActivationToken(const std::string& token);
// An X11 startup id as it may be handed on: any bytes (blanks, line ends and
// non-ASCII among them; its message quotes it), not overlong, no NUL; else empty.
std::string CleanStartupId(const std::string& id);
