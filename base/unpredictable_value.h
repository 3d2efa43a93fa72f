// 64 bits that no other process can predict, for names that must not be
// guessed or taken in advance: the system's random source (RtlGenRandom,
// Windows XP on) mixed with the clocks and ids of the moment, which alone
// decide where the source is missing. Relies on advapi32 being mapped (the
// program imports it).
#ifndef LQ_BASE_UNPREDICTABLE_VALUE_H
#define LQ_BASE_UNPREDICTABLE_VALUE_H

unsigned long long UnpredictableValue();

#endif
