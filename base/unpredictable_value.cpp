#include "base/unpredictable_value.h"

#include <windows.h>

namespace {

typedef BOOLEAN(WINAPI* GenRandomFn)(PVOID, ULONG);

// Spreads the bits of a mixed value over all 64 (the finaliser of SplitMix64).
unsigned long long Scramble(unsigned long long value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

// The clocks and ids of this moment, for systems without a random source.
unsigned long long MomentValue() {
    LARGE_INTEGER counter;
    // Without a performance counter the other values still differ.
    if (!QueryPerformanceCounter(&counter)) counter.QuadPart = 0;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    unsigned long long value = static_cast<unsigned long long>(counter.QuadPart);
    value = Scramble(value ^ (static_cast<unsigned long long>(now.dwHighDateTime) << 32 | now.dwLowDateTime));
    value = Scramble(value ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 32 | GetTickCount()));
    return Scramble(value ^ GetCurrentThreadId());
}

}  // namespace

unsigned long long UnpredictableValue() {
    unsigned long long random = 0;
    // The program imports advapi32, so it is mapped: a handle, never a load.
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    GenRandomFn generate =
        advapi ? reinterpret_cast<GenRandomFn>(reinterpret_cast<void*>(GetProcAddress(advapi, "SystemFunction036")))
               : nullptr;
    // Without the source (or when it fails) the moment alone decides.
    if (generate && !generate(&random, sizeof random)) random = 0;
    return Scramble(random ^ MomentValue());
}
