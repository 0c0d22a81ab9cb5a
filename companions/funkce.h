/* companions/funkce.h — the text statistics library funkce.dll: counts in a rich-edit control */
#ifndef NOTAVO_FUNKCE_H
#define NOTAVO_FUNKCE_H
#include <windows.h>
#include <stdint.h>
#ifdef __cplusplus
extern "C" {
#endif
uint32_t pocetZnaku(HWND control);
uint32_t pocetZnakuBezMezer(HWND control);
uint32_t pocetSlov(HWND control);
#ifdef __cplusplus
}
#endif
#endif
