#include "render/DrawLog.h"

std::vector<DrawnBox>* DrawLog::sink = nullptr;
