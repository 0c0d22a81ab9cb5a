// app/resource.h — command and resource IDs of the main window
#pragma once

// Soubor 1000-1099
#define IDM_NOVY 1000
#define IDM_OTEVRIT 1001
#define IDM_ZAVRIT 1002
#define IDM_ULOZIT 1003
#define IDM_ULOZITJAKO 1004
#define IDM_TISK 1005
#define IDM_KONEC 1006
#define IDT_TISK 1050 /* the tool button prints without a dialog */
// Upravy 1100-1199
#define IDM_PISMO 1100
#define IDM_VYJMOUT 1101
#define IDM_KOPIROVAT 1102
#define IDM_VLOZIT 1103
#define IDM_ZALAMOVAT 1104
#define IDT_POZADI 1150
#define IDT_TUCNE 1151
#define IDT_KURZIVA 1152
#define IDT_PODTRZENO 1153
#define IDT_VLEVO 1154
#define IDT_STRED 1155
#define IDT_VPRAVO 1156
#define IDC_PISMO 1160
#define IDC_VELIKOST 1161
// Zobrazit 1200-1299
#define IDM_STANDARDNI 1200
#define IDM_FORMAT 1201
#define IDM_STAVOVY 1202
// Funkce 1300-1399
#define IDM_SLOVA 1300
#define IDM_ZNAKY 1301
#define IDM_ZNAKYBEZMEZER 1302
#define IDM_RADKY 1303
// Moznosti 1400-1499
#define IDM_NASTAVENI 1400
#define IDM_PREVODNIK 1401
#define IDM_PREVEST 1402
// Okno 1500-1599
#define IDM_NASEBE 1500
#define IDM_VEDLESEBE 1501
#define IDM_USPORADAT 1502
// Napoveda 1600-1699
#define IDM_TEMATA 1600
#define IDM_OPROGRAMU 1601

// editing 2000-2099
#define IDM_ZPET 2000
#define IDM_ZNOVU 2001
#define IDM_VYBRATVSE 2002
#define IDM_NAJIT 2003
#define IDM_NAJITDALSI 2004
#define IDM_NAJITPREDCHOZI 2005 /* Shift+F3: the last search upwards */
#define IDM_NAHRADIT 2006
#define IDM_DALSIOKNO 2007 /* Ctrl+Tab, Ctrl+F6: the next document window */
#define IDM_TUCNE 2008 /* Ctrl+B, Ctrl+I, Ctrl+U: the formatting buttons toggled by key */
#define IDM_KURZIVA 2009
#define IDM_PODTRZENO 2010
#define IDM_PREDCHOZIOKNO 2011 /* Ctrl+Shift+Tab, Ctrl+Shift+F6: the previous one */
#define IDM_ZAROVNATVLEVO 2012 /* Ctrl+L, Ctrl+E, Ctrl+R: the alignment buttons by key */
#define IDM_ZAROVNATNASTRED 2013
#define IDM_ZAROVNATVPRAVO 2014
#define IDM_POSLEDNI 2020 /* the recent files, 2020-2027 */

#define IDC_COOLBAR 1900
#define IDC_TOOLBAR1 1901
#define IDC_TOOLBAR2 1902
#define IDC_STATUSBAR 1903
#define IDM_FIRSTCHILD 50000

#define IDI_NOTAVO 1
#define IDR_SPLASH 101 /* RCDATA: JPEG pictures */
#define IDR_ABOUT 102
