// glyvarin/prevod.cpp — the converter object: the table, its data file and the converter texts
#include "glyvarin/prevod.h"

#include "glyvarin/dotazy.h"
#include "glyvarin/texty.h"
#include "lang/library.h"
#include "settings/datafolder.h"
#include "ui/errors.h"
#include "ui/files.h"
#include "ui/text.h"

#include <exception>

namespace glyvarin {

std::string TPrevodZnaku::dataFilePath() { return ui::folderOf(ui::moduleFileName()) + "characters.dia"; }

void TPrevodZnaku::load() {
    table.clear();
    const std::string path = dataFilePath();
    if (!ui::fileExists(path)) {
        pending_ = Pending::Missing;
        return;
    }
    try {
        table = parseTable(ui::readFile(path));
    } catch (const std::exception& e) {
        pending_ = Pending::Unreadable;
        readError_ = e.what();
    }
}

// A folder of its own inside the data folder: the program's normal end clears the data
// folder's files, not its folders.
std::string TPrevodZnaku::userTableFolder() const {
    return userFolder.empty() ? settings::dataFolder(false) + "Prevodnik\\" : userFolder;
}

std::string TPrevodZnaku::userDataFilePath() const { return userTableFolder() + "characters.dia"; }

void TPrevodZnaku::adoptUserTable() {
    if (userTableLooked_) return;
    userTableLooked_ = true;
    try {
        const std::string path = userDataFilePath();
        if (!ui::fileExists(path)) return;
        table = parseTable(ui::readFile(path));
        fromUserCopy_ = true;
        pending_ = Pending::None; // the program's own copy is not needed any more
    } catch (const std::exception& e) {
        pending_ = Pending::Unreadable; // the table beside the program stays in use
        readError_ = e.what();
    }
}

void TPrevodZnaku::save() {
    readTexts(); // a refusal is reported in the language handed over
    const std::string bytes = serializeTable(table);
    std::exception_ptr refused;
    if (!fromUserCopy_) {
        try {
            ui::writeFileReplacing(dataFilePath(), bytes);
            return;
        } catch (const std::exception&) {
            refused = std::current_exception();
        }
    }
    try {
        if (userFolder.empty()) settings::dataFolder(true);
        ui::createFolder(userTableFolder());
        ui::writeFileReplacing(userDataFilePath(), bytes);
    } catch (const std::exception&) {
        if (refused) std::rethrow_exception(refused); // the program folder's refusal says more
        throw;
    }
    fromUserCopy_ = true;
}

void TPrevodZnaku::fetchTexts(const std::string& path) {
    languageLibraryPath = path;
    textsRead_ = false;
}

void TPrevodZnaku::readTexts() const {
    if (textsRead_) return;
    textsRead_ = true;
    texts_.clear();
    if (!languageLibraryPath.empty()) {
        const language::Library lib(languageLibraryPath);
        lib.fetch({"dejPrevodnik", "dejMenuDalsi"}, false); // both lists in one guarded call
        if (auto list = lib.list("dejPrevodnik", 0)) texts_ = std::move(*list);
        // the library's own reports of a file (the table it cannot write) in the same language
        language::useFileErrorTexts(
            language::completeExtraTexts(lib.list("dejMenuDalsi", 0).value_or(std::vector<std::string>{})));
    }
    // a list that is present but short still counts as known: its gaps fall back on Czech
    if (texts_.empty()) texts_.assign(kCeskeTexty.begin(), kCeskeTexty.end());
}

std::string TPrevodZnaku::text(Text i) const {
    readTexts();
    const auto k = static_cast<std::size_t>(i);
    if (k < texts_.size()) return texts_[k];
    return std::string(kCeskeTexty.at(k));
}

bool TPrevodZnaku::reportPending() {
    const Pending p = pending_;
    pending_ = Pending::None;
    switch (p) {
    case Pending::None: return false;
    case Pending::Missing:
        messageBox(nullptr, text(kMissingFile), text(kMissingFileCaption), MB_ICONERROR);
        PostQuitMessage(0);
        return true;
    case Pending::Unreadable:
        reportError(readError_); // it names the file
        return true;
    }
    return false;
}

TPrevodZnaku& prevod() {
    static TPrevodZnaku instance;
    return instance;
}

} // namespace glyvarin
