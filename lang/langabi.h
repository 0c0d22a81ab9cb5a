/* lang/langabi.h — what a language library "lang.*.dll" exports (C, includable from C) */
#ifndef NOTAVO_LANGABI_H
#define NOTAVO_LANGABI_H

#ifdef __cplusplus
extern "C" {
#endif

/* The result slot of a text list export. On return `entries` points at the first of `count`
   pointers to zero-terminated 8-bit texts; the 32-bit count stands right before the first
   pointer and a 32-bit reference count before that. The block is allocated on the process
   heap (HeapAlloc(GetProcessHeap())): whoever drops the last reference frees it. */
typedef struct lang {
    const char* const* entries;
} lang;

typedef const char* (*JazykovaMutaceFn)(void);
typedef void (*DejSeznamFn)(lang* slot);

#ifdef __cplusplus
}
#endif
#endif
