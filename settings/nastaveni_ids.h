/* settings/nastaveni_ids.h — control IDs of the settings dialog (2400-2449). They are also the
   popup topic numbers of the dialog's context help (CSHelp.txt), so a number never changes
   once given. Readable by C, C++ and the resource compiler. */
#ifndef NOTAVO_NASTAVENI_IDS_H
#define NOTAVO_NASTAVENI_IDS_H

#define IDC_NASTAVENI_CHECKBOX1 2401 /* remember the font face, colour and size */
#define IDC_NASTAVENI_CHECKBOX2 2402 /* remember the background colour */
#define IDC_NASTAVENI_CHECKBOX3 2403 /* remember the window sizes */
#define IDC_NASTAVENI_CHECKBOX4 2404 /* remember the tool bars and the status bar */
#define IDC_NASTAVENI_CHECKBOX5 2405 /* automatic backup copies */
#define IDC_NASTAVENI_SPINEDIT1 2406 /* minutes between backup copies */
#define IDC_NASTAVENI_COMBOBOX1 2407 /* language */
#define IDC_NASTAVENI_LABEL1 2408    /* caption of the language list */
#define IDC_NASTAVENI_UPDOWN1 2409   /* the arrows of the minutes field */
/* Button1 (Zrušit) is IDCANCEL, Button2 (Ok) is IDOK */

#endif
