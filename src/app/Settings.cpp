#include "app/Settings.h"

int32_t glCur = 0;
int32_t glNoSound = 0;
