/* files/files.h — the document-close library (files.dll): its one export and what it needs */
#ifndef NOTAVO_FILES_H
#define NOTAVO_FILES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Filled by EditorZavrit: (CloseAction 2, MayClose 1, Window NULL) when the window closes,
   (0, 0, the window) when it stays open. */
typedef struct CloseResult {
    uint8_t CloseAction; /* 0 keep open, 2 close and free */
    uint8_t MayClose;    /* 1 when the window closes */
    void* Window;        /* the document window while it stays open, else NULL */
} CloseResult;

/* The document's text control, as the program provides it. */
typedef struct TextControl {
    void* self;
    int (*isModified)(void* self);
    /* Writes the whole document to `path` in the control's mode; nonzero on success. On failure
       the program keeps the reason to report it itself. */
    int (*writeTo)(void* self, const char* path);
} TextControl;

/* The main window's save dialog, and the program's message boxes. */
typedef struct SaveDialog {
    void* self;
    int (*execute)(void* self);              /* nonzero when the user chose a file */
    const char* (*fileName)(void* self);     /* the chosen path, valid until the next call */
    /* Shows a message box without an owner window and returns its answer. NULL: MessageBoxA. */
    int (*messageBox)(void* self, const char* text, const char* caption, unsigned flags);
} SaveDialog;

enum { ZAVRIT_OK = 0, ZAVRIT_WRITE_FAILED = 1, ZAVRIT_BAD_ARGUMENTS = 2 };

/* Asks whether to save a modified document before its window closes and fills `result`.
   Returns ZAVRIT_OK, or ZAVRIT_WRITE_FAILED when the document could not be written (then
   `result` is untouched and the window must stay open). */
int EditorZavrit(const TextControl* text, void* window, const SaveDialog* dialog, const char* title,
                 const char* fileName, const char* leadIn, const char* boxTitle, CloseResult* result);

#ifdef __cplusplus
}
#endif
#endif
