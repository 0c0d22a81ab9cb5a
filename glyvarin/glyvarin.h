/* glyvarin/glyvarin.h — the character converter library glyvarin.dll (C, includable from C) */
#ifndef NOTAVO_GLYVARIN_H
#define NOTAVO_GLYVARIN_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Converts the selection of the rich-edit control `richEdit` (or its whole text when nothing is
   selected) by the conversion table, one character for one, keeping every character's format.
   Writes the start and end texts to panel 0 of the status bar `statusBar`. Does nothing while
   another conversion runs. */
void PrevestZnaky(HWND statusBar, HWND richEdit);

/* Shows the converter window modally over the main window; returns when it has closed. */
void zobraz(void);

/* Takes the converter texts from the language library `path` (a copy of the path is kept).
   Missing texts fall back on the Czech ones. */
void predejKnihovnu(const char* path);

/* The main window: owner of the converter window and of the library's error reports. */
void predejKomponentu(HWND mainWindow);

/* Tests only. The library links its own copy of the program's user-interface layer, so a
   prompts override that a test installs in its own copy never reaches the library's message
   boxes; this routes them to `fn` instead (NULL restores the real boxes). `fn` returns the
   button the box would have returned. */
typedef int (*GlyvarinMessageBox)(void* context, HWND owner, const char* text, const char* caption,
                                  unsigned int flags);
void nastavDotazy(GlyvarinMessageBox fn, void* context);

/* Tests only, before any other call: the folder (with its trailing backslash) for the user's own
   copy of the table, which is written when the program's folder cannot take the table and read
   from then on. NULL or "" restores the folder "Prevodnik" of the data folder. */
void nastavSlozkuDat(const char* folder);

#ifdef __cplusplus
}
#endif
#endif
