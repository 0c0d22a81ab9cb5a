// settings/cls_proc.h — records shared across modules: new-window settings and a language list
#pragma once
#include "settings/colors.h"

#include <string>

namespace settings {

// Settings for new document windows.
struct TMaleOkno {
    int Sirka = 495;
    int Vyska = 381;
    int Velikost = 12;
    std::string Pismo = "Times New Roman";
    Color Barva = kBlack;
    Color Pozadi = kWhite;
    bool operator==(const TMaleOkno&) const = default;
};

} // namespace settings
