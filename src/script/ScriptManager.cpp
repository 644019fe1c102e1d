#include "script/ScriptManager.h"
