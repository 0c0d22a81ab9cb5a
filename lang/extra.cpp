// lang/extra.cpp — the Czech texts of the newer commands and messages
#include "lang/extra.h"

namespace language {

const std::vector<std::string>& czechExtraTexts() {
    static const std::vector<std::string> texts = {
        "Zpě&t", "Zn&ovu", "Vy&brat vše", "&Najít...", "Najít &další", "Nahr&adit...",
        "Hledaný text nebyl nalezen: ", "Hledání",
        "Hledání pokračovalo od začátku dokumentu", "Hledání pokračovalo od konce dokumentu",
        "Počet nahrazení: ", "Řádek ", ", sloupec ",
        "Soubor už neexistuje, ze seznamu posledních souborů byl odebrán:\n\n", "Poslední soubory",
        "Všechny soubory (*.*)|*.*", "&Kódování:",
        "Windows-1250 (středoevropské)", "UTF-8", "UTF-8 s BOM", "UTF-16 LE",
        "Dokument obsahuje znaky, které kódování Windows-1250 nezapíše (uložily by se jako \"?\"). "
        "Chcete jej uložit v kódování UTF-8?",
        "Kódování", "Formátovaný text",
        "Záložní kopii dokumentu se nepodařilo uložit: ",
        "Program ji zkusí uložit znovu při každém dalším intervalu záložních kopií; dokud se to "
        "nepodaří, říká to stavový řádek.",
        "Záložní kopie se nedaří ukládat",
        "Soubor nelze otevřít: jeho formátování je vnořené hlouběji, než editor bezpečně přečte "
        "(nejvýš 31 úrovní). Soubor je poškozený, nebo byl upraven tak, aby program shodil.",
        "Soubor nelze otevřít: obsahuje řídicí slovo formátování nebo název písma či stylu delší, než editor "
        "bezpečně přečte. "
        "Soubor je poškozený, nebo byl upraven tak, aby poškodil paměť programu.",
        "Soubor je poškozený: formátovaný text končí předčasně. Zobrazeno je vše, co se z něj podařilo přečíst.",
        "Formátovaný text ve schránce editor bezpečně nepřečte (je vnořený příliš hluboko nebo obsahuje "
        "příliš dlouhé řídicí slovo). Vložen byl jen jako prostý text.",
        "Jazyková knihovna je poškozená: při předávání textů selhala nebo předala data, která neplatí. "
        "Program ji nepoužil; nahraďte ji novou verzí nebo ji ze složky programu odstraňte.",
        "\n\nKopie patří k těmto souborům:", "(dokument bez názvu)", "a další: ",
        "Pro některé záložní kopie už nezbylo volné okno (otevřeno může být nejvýš 201 dokumentů). Kopie "
        "zůstaly uložené a neotevřené; program je nabídne znovu při příštím spuštění. Počet neotevřených "
        "dokumentů: ",
        "Soubor nelze otevřít: obsahuje řádek tabulky s více buňkami, než určuje jeho definice, nebo s více "
        "než 63 buňkami; takový řádek editor bezpečně nepřečte. Soubor je poškozený, nebo byl upraven tak, "
        "aby program shodil.",
        "Načítání… ", " % (Esc přeruší)",
        "Dokument má řádky delší, než editor stihne zalomit: zalamování řádků je vypnuto",
        "\n\nŽádné okno už nezbylo, neotevřené soubory: ",
        "Soubor neexistuje: byl přesunut, přejmenován nebo smazán.",
        "Složka souboru neexistuje nebo není dostupná: byla přesunuta nebo smazána, nebo je disk odpojený.",
        "Soubor má otevřený jiný program a nepouští k němu ostatní. Zavřete jej v tom programu a zkuste to znovu.",
        "K souboru nebo k jeho složce nemáte přístup: je jen pro čtení, nebo je chráněný.",
        "Na disku není dost místa.",
        "Disk je chráněný proti zápisu.",
    };
    return texts;
}

std::vector<std::string> completeExtraTexts(std::vector<std::string> given) {
    const auto& czech = czechExtraTexts();
    if (given.size() > czech.size()) given.resize(czech.size());
    for (std::size_t k = given.size(); k < czech.size(); ++k) given.push_back(czech[k]);
    return given;
}

} // namespace language
