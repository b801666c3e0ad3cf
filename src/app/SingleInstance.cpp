#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

bool SingleInstance::Acquire(const std::string& lockPath) {
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return true;  // no place for a lock: better to start than to refuse
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
    ::close(fd_);
    fd_ = -1;
    return false;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) ::close(fd_);
}

std::string SingleInstance::LockPathFor(const std::string& exeFolder) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string dir = runtime && *runtime ? runtime : "/tmp";
    const size_t folderHash = std::hash<std::string>{}(exeFolder);
    return dir + "/tomavel-" + std::to_string(::getuid()) + "-" + std::to_string(folderHash) +
           ".lock";
}
