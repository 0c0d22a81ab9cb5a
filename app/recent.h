// app/recent.h — the recent files in the "Soubor" menu: "&1 name" ... "&8 name" above "Konec"
#pragma once
#include <windows.h>

#include "settings/recent.h"

#include <string>

namespace app {

// The menu items of the recent files, commands IDM_POSLEDNI + 0..7, with a separator of their
// own, inserted above the item `beforeId` of `menu`; nothing while the list is empty.
class RecentMenu {
public:
    void attach(HMENU menu, UINT beforeId) {
        menu_ = menu;
        before_ = beforeId;
    }
    // Replaces the items by the entries of `files`.
    void show(const settings::RecentFiles& files);

private:
    void clear();
    HMENU menu_ = nullptr;
    UINT before_ = 0;
    std::size_t shown_ = 0; // items inserted, and their separator when any
};

// The text of entry `k` (from 0): its access key, then the path, shortened in the middle to
// about `width` characters; an "&" of the path stays a character.
std::string recentCaption(std::size_t k, const std::string& path, unsigned width = 60);

} // namespace app
