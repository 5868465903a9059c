// A Windows program that calls A the way an outside caller does: it loads
// zifrol.dll from its own folder, finds A by name and by ordinal 1, and
// passes its first argument as a counted text, or a null address when it
// has none. It prints "result: <text>" or "raised: <message>".
#include "zifrol.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using CounterStep = decltype(&A);

// Reports the error A raised; the process ends here, as A never returns
// after raising it.
LONG WINAPI reportRaised(EXCEPTION_POINTERS *info)
{
    const EXCEPTION_RECORD *record = info->ExceptionRecord;
    if (record->ExceptionCode == ZIFROL_CONVERSION_ERROR_CODE && record->NumberParameters == 1)
        std::printf("raised: %s\n", reinterpret_cast<const char *>(record->ExceptionInformation[0]));
    else
        std::printf("unexpected exception %08lx\n", record->ExceptionCode);
    std::fflush(stdout);
    ExitProcess(2);
}

// The counted form: a 32-bit length, the characters, a NUL.
std::vector<char> countedText(const char *text)
{
    const auto length = static_cast<std::uint32_t>(std::strlen(text));
    std::vector<char> block(sizeof length + length + 1);
    std::memcpy(block.data(), &length, sizeof length);
    std::memcpy(block.data() + sizeof length, text, length);
    return block;
}

} // namespace

int main(int argc, char **argv)
{
    HMODULE library = LoadLibraryA("zifrol.dll");
    if (library == nullptr) {
        std::printf("zifrol.dll could not be loaded\n");
        return 1;
    }
    const auto byName = reinterpret_cast<CounterStep>(reinterpret_cast<void *>(GetProcAddress(library, "A")));
    const auto byOrdinal = reinterpret_cast<CounterStep>(reinterpret_cast<void *>(GetProcAddress(library, MAKEINTRESOURCEA(1))));
    if (byName == nullptr || byName != byOrdinal) {
        std::printf("A is not export ordinal 1\n");
        return 1;
    }
    SetUnhandledExceptionFilter(reportRaised);
    std::vector<char> argument = argc > 1 ? countedText(argv[1]) : std::vector<char>();
    const char *text = argument.empty() ? nullptr : argument.data() + sizeof(std::uint32_t);
    std::printf("result: %s\n", byName(text));
    return 0;
}
