// The common root of the class-library style objects: a polymorphic base, so
// that a container holding objects of several kinds can ask which kind it
// holds (dynamic_cast) and free any of them through one pointer.
#pragma once

#include "platform/export.h"

namespace qm7::platform {

class QM7_EXPORT TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject();
};

} // namespace qm7::platform
