// DirectDraw fault injection, call counts and live object counts.
#include "testing/DirectDrawFaults.h"

#include <map>
#include <string>

#include "testing/Testing.h"

namespace testhooks {

namespace {

struct Fault {
    HRESULT hr = 0;
    int skip = 0;
    int times = 0;  // -1: every call from then on
};

struct DirectDrawHooks {
    std::map<std::string, Fault, std::less<>> faults;
    std::map<std::string, int, std::less<>> calls;
    int total = 0;
    int live[3] = {0, 0, 0};
};

// Never destroyed: surfaces of objects with static storage are released
// after main returns, and their destructors still count here.
DirectDrawHooks& Hooks()
{
    static DirectDrawHooks* hooks = new DirectDrawHooks;
    return *hooks;
}

}  // namespace

HRESULT DirectDrawFaultPoint(const char* operation)
{
    DirectDrawHooks& hooks = Hooks();
    ++hooks.total;
    auto counted = hooks.calls.find(operation);
    if (counted == hooks.calls.end())
        hooks.calls.emplace(operation, 1);
    else
        ++counted->second;

    if (hooks.faults.empty())
        return 0;
    auto armed = hooks.faults.find(operation);
    if (armed == hooks.faults.end())
        return 0;
    Fault& fault = armed->second;
    if (fault.skip > 0) {
        --fault.skip;
        return 0;
    }
    if (fault.times == 0)
        return 0;
    if (fault.times > 0)
        --fault.times;
    return fault.hr;
}

void CountLiveDirectDraw(DirectDrawKind kind, int delta)
{
    Hooks().live[static_cast<int>(kind)] += delta;
}

void FailDirectDraw(const std::string& operation, HRESULT hr, int skip, int times)
{
    Hooks().faults[operation] = Fault{hr, skip < 0 ? 0 : skip, times < -1 ? -1 : times};
}

void ClearDirectDrawFaults()
{
    Hooks().faults.clear();
}

int DirectDrawCalls(const std::string& operation)
{
    const DirectDrawHooks& hooks = Hooks();
    auto counted = hooks.calls.find(operation);
    return counted == hooks.calls.end() ? 0 : counted->second;
}

int DirectDrawCallsTotal()
{
    return Hooks().total;
}

void ResetDirectDrawCalls()
{
    Hooks().calls.clear();
    Hooks().total = 0;
}

int LiveDirectDrawObjects()
{
    return Hooks().live[static_cast<int>(DirectDrawKind::Object)];
}

int LiveSurfaces()
{
    return Hooks().live[static_cast<int>(DirectDrawKind::Surface)];
}

int LiveClippers()
{
    return Hooks().live[static_cast<int>(DirectDrawKind::Clipper)];
}

}  // namespace testhooks
