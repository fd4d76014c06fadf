// Marks a name that a shared library exports. Everything else is hidden:
// the libraries are built with -fvisibility=hidden.
#pragma once

#define QM7_EXPORT __attribute__((visibility("default")))
