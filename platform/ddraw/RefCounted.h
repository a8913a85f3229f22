// Reference counting as in COM, for our DirectDraw objects: made with one
// reference; the last Release deletes the object.
#pragma once

#include "ddraw/DDraw.h"

namespace ddraw {

template <typename Interface>
class RefCounted : public Interface {
public:
    ULONG AddRef() override { return ++m_refs; }

    ULONG Release() override
    {
        const ULONG refs = --m_refs;
        if (refs == 0)
            delete this;
        return refs;
    }

private:
    ULONG m_refs = 1;
};

}  // namespace ddraw
