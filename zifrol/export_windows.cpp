// A as zifrol.dll exports it. The DLL carries its own copy of the compiler's
// runtime, so a C++ exception could not be caught outside it; the conversion
// error leaves as a structured exception instead, which every Windows caller
// can catch whatever its language.
#include "zifrol.h"

#include "counter_step.h"

#include <windows.h>

namespace {

// Raised noncontinuable, so no handler can make A return after it.
void raiseConversionError()
{
    const ULONG_PTR arguments[] = {reinterpret_cast<ULONG_PTR>(zifrol::kConversionError)};
    RaiseException(ZIFROL_CONVERSION_ERROR_CODE, EXCEPTION_NONCONTINUABLE, 1, arguments);
}

} // namespace

extern "C" const char *ZIFROL_CALL A(const char *text)
{
    // One result per thread, as in the Linux library.
    thread_local char result[zifrol::kResultSize];
    if (!zifrol::stepCounter(text, result))
        raiseConversionError();
    return result;
}
