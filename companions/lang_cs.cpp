// companions/lang_cs.cpp — Czech texts (lang.cs.dll)
#include "companions/langdll.h"
#include "glyvarin/texty.h" // the converter's Czech texts are its own fallback texts
#include "lang/extra.h"

const companion::LanguageTexts& companion::texts() {
    static const LanguageTexts t{
        "Čeština",
        {
            "Ukládám dokument...",
            "Dokument byl uložen",
            "Vytvářím nový dokument...",
            "Další dokument nelze otevřít: otevřeno je již 201 dokumentů, víc jich program neudrží.\n\n",
            "Příliš mnoho dokumentů",
            "Hotovo",
            "Otevírám soubor...",
            "Počet znaků: ",
            "Počet slov: ",
            "Při uložení jako prostý text přijde dokument o formátování (písmo, barvy, zarovnání). "
            "Chcete dokument ukládat jako prostý text?",
            "Prostý text",
            "Po minulém ukončení programu zůstaly záložní kopie neuložených dokumentů (",
            "). Chcete je znovu otevřít?",
            "Obnovení dokumentů",
            "Počet řádků: ",
            "Dokument ",
            "Chcete uložit změny v dokumentu ",
            "Uložit změny",
        },
        {
            "&Soubor", "&Nový", "&Otevřít...", "&Zavřít", "&Uložit", "Uložit &jako...", "&Tisk...",
            "&Konec", "Úp&ravy", "&Písmo...", "&Vyjmout", "&Kopírovat", "V&ložit", "&Zalamování řádků",
            "&Zobrazit", "&Panely nástrojů", "&Standardní", "&Formát", "Stavový řá&dek", "F&unkce",
            "Spočítat &slova", "Spočítat &znaky", "Spočítat znaky &bez mezer", "Počet řá&dků",
            "&Možnosti", "&Nastavení...", "Zobrazit/Upravit &převodník znaků...", "Př&evést znaky",
            "&Nápověda", "&Témata nápovědy", "&O programu", "&Okno", "Na &sebe", "&Vedle sebe",
            "&Uspořádat ikony",
        },
        {
            "Vytvoří nový dokument", "Otevře soubor z disku", "Uloží dokument", "Vytiskne dokument",
            "Vyjme text a uloží jej do schránky", "Zkopíruje text do schránky", "Vloží text ze schránky",
            "Změní barvu pozadí", "Změní typ písma", "Změní velikost písma", "Nastaví písmo jako tučné",
            "Nastaví písmo jako kurzívu", "Nastaví písmo jako podtržené", "Nastaví zarovnání doleva",
            "Nastaví zarovnání na střed", "Nastaví zarovnání doprava", "První řádek odstavce",
            "Levý okraj", "Pravý okraj",
        },
        {"Formátovaný text (*.rtf)|*.rtf|Textový soubor (*.txt)|*.txt"},
        {
            "Pamatovat si typ, barvu a velikost písma", "Pamatovat si barvu pozadí",
            "Pamatovat si velikosti oken", "Pamatovat si zobrazení", "Použít jazykovou verzi",
            "Automaticky zálohovat (minuty)", "Zrušit",
        },
        {"Verze", "Zavřít"},
        {"Verze "},
        {glyvarin::kCeskeTexty.begin(), glyvarin::kCeskeTexty.end()},
        language::czechExtraTexts(),
    };
    return t;
}
