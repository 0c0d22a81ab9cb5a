// document/host.h — what a document window needs of the main window that holds it
#pragma once
#include "document/encoding.h"
#include "settings/nastaveni_u.h"

#include <optional>
#include <string>
#include <vector>

namespace document {

class Teditor1;

// The items of a document's context menu; each runs the main menu item of the same name.
enum class ContextItem { Pismo, Kopirovat, Vyjmout, Vlozit };

// What the save dialog gave: the path, and for a plain-text document the encoding chosen there
// (nothing: the document keeps its own).
struct SaveChoice {
    std::string path;
    std::optional<TextFormat> format;
};

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    virtual settings::TNastaveni& settings() = 0;
    virtual const std::vector<std::string>& languageStrings() const = 0;
    virtual const std::vector<std::string>& languageHints() const = 0;
    // The texts of the newer commands and messages (language::ExtraText indexes).
    virtual const std::vector<std::string>& extraTexts() const = 0;
    // The data folder with its trailing separator: where backup copies are written.
    virtual std::string dataFolder() const = 0;
    // The owner id this run writes into the records of its copies (document/backup.h), its
    // claim on them made sure of.
    virtual std::string backupOwner() = 0;

    // Reports: the window became the active one; its text changed (EN_CHANGE).
    virtual void documentActivated(Teditor1& window) = 0;
    virtual void documentChanged(Teditor1& window) = 0;
    // Reports of a backup tick: the copy could not be written (`error` says why), or the tick
    // went well (a copy written, or none due). The timer keeps running either way.
    virtual void backupFailed(Teditor1& window, const std::string& error) = 0;
    virtual void backupSucceeded(Teditor1& window) = 0;

    // Shows a document's formatting state on the formatting toolbar.
    virtual void showFormatState(bool bold, bool italic, bool underline, const std::string& alignment,
                                 const std::string& fontName, const std::string& fontSize) = 0;
    virtual void setStatusText(int panel, const std::string& text) = 0;
    virtual std::string statusText(int) const { return {}; }

    // Runs the main window's save dialog for `doc`; the choice, or nullopt on cancel.
    // Choosing plain text there (and confirming) switches `doc` to plain-text mode.
    virtual std::optional<SaveChoice> runSaveDialog(Teditor1& doc) = 0;
    // The document was written to its file `path` (saved, not a backup copy).
    virtual void documentSaved(Teditor1& window, const std::string& path) {
        static_cast<void>(window);
        static_cast<void>(path);
    }

    virtual std::string contextCaption(ContextItem item) const = 0;
    virtual void runContextCommand(ContextItem item) = 0;

    // The window is gone: the host frees its slot and drops the object (it owns every
    // document window).
    virtual void documentDestroyed(Teditor1* window) = 0;
};

} // namespace document
