#include "runtime1/core/GeneralRuntime3Const.h"
