#include "runtime1/core/basic_types.h"

// The records and enumerations of this module are declarations only.
