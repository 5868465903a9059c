// A as libzifrol.so exports it: the conversion error leaves as a C++
// exception, which the caller catches as std::runtime_error.
#include "zifrol.h"

#include "counter_step.h"

#include <stdexcept>

extern "C" const char *A(const char *text)
{
    // One result per thread: the caller copies it before its next call, and
    // calls from other threads never write into it.
    thread_local char result[zifrol::kResultSize];
    if (!zifrol::stepCounter(text, result))
        throw std::runtime_error(zifrol::kConversionError);
    return result;
}
