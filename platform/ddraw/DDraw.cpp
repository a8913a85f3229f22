#include "ddraw/DDraw.h"

#include <cstring>
#include <new>

#include "ddraw/DirectDrawObject.h"
#include "testing/DirectDrawFaults.h"

// Our own value: nothing outside this program asks for the interface.
const GUID IID_IDirectDraw7 = {0x56414E54, 0x4444, 0x0007,
                               {0x76, 0x61, 0x6E, 0x74, 0x72, 0x65, 0x6C, 0x37}};

HRESULT DirectDrawCreateEx(GUID* guid, LPVOID* object, REFIID iid, IUnknown* outer)
{
    if (object)
        *object = nullptr;
    if (HRESULT hr = testhooks::DirectDrawFaultPoint("DirectDrawCreateEx"); hr != DD_OK)
        return hr;
    if (guid)
        return DDERR_INVALIDDIRECTDRAWGUID;
    if (!object || outer || std::memcmp(&iid, &IID_IDirectDraw7, sizeof(GUID)) != 0)
        return DDERR_INVALIDPARAMS;
    IDirectDraw7* made = new (std::nothrow) ddraw::DirectDrawObject();
    if (!made)
        return DDERR_OUTOFMEMORY;
    *object = made;
    return DD_OK;
}
