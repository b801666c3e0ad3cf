#include "app/Startup.h"

std::string gsAppPath;
int32_t glTwipsX = 15;
int32_t glTwipsY = 15;

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}
