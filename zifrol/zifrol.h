#pragma once

/*
 * zifrol: the five-digit decimal counter step.
 *
 * A reads the first five characters of a counted single-byte text (a 32-bit
 * length in the four bytes before the first character, a NUL after the last)
 * as a decimal counter and returns the next value, (n + 1) mod 100000, as a
 * NUL-terminated five-digit text. The result belongs to the library: it is
 * one buffer per thread, valid until the same thread calls A again, and the
 * caller copies it and never frees it. The argument is only read.
 *
 * A character among the first five that is not a digit ends the call with an
 * error and no result: a std::runtime_error on Linux, the structured
 * exception ZIFROL_CONVERSION_ERROR_CODE on Windows. Its message is
 * "Invalid variant type conversion". A null argument fails the same way.
 */

#if defined(_WIN32)
/* 32-bit Windows callers call A as stdcall; 64-bit Windows has one convention. */
#  if defined(__i386__) || defined(_M_IX86)
#    define ZIFROL_CALL __stdcall
#  else
#    define ZIFROL_CALL
#  endif
#  define ZIFROL_API
/* Code of the noncontinuable structured exception that reports the
   conversion error; its one argument is the address of the message. */
#  define ZIFROL_CONVERSION_ERROR_CODE 0xE05A4946UL
#else
#  define ZIFROL_CALL
#  define ZIFROL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The counter step, the library's only export (ordinal 1 in zifrol.dll). */
ZIFROL_API const char *ZIFROL_CALL A(const char *text);

#ifdef __cplusplus
}
#endif
