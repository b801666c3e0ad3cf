// One copy of the game at a time. The lock is an advisory file lock that the
// system drops with the process, so a copy that crashed never blocks the next.
#pragma once

#include <string>

class SingleInstance {
public:
    // Takes the lock for this executable; false when another copy holds it.
    bool Acquire(const std::string& lockPath);
    ~SingleInstance();

    // The lock file for an executable folder: one per user and folder.
    static std::string LockPathFor(const std::string& exeFolder);

private:
    int fd_ = -1;
};
