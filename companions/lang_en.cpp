// companions/lang_en.cpp — English texts (lang.en.dll)
#include "companions/langdll.h"

const companion::LanguageTexts& companion::texts() {
    static const LanguageTexts t{
        "English",
        {
            "Saving the document...",
            "The document has been saved",
            "Creating a new document...",
            "No further document can be opened: 201 documents are open, which is as many as the "
            "program can hold.\n\n",
            "Too many documents",
            "Done",
            "Opening the file...",
            "Characters: ",
            "Words: ",
            "Saving as plain text drops the document's formatting (fonts, colours, alignment). "
            "Do you want to save the document as plain text?",
            "Plain text",
            "Backup copies of unsaved documents were left from the last session (",
            "). Do you want to open them again?",
            "Document recovery",
            "Lines: ",
            "Document ",
            "Do you want to save the changes to ",
            "Save changes",
        },
        {
            "&File", "&New", "&Open...", "&Close", "&Save", "Save &As...", "&Print...", "E&xit",
            "&Edit", "&Font...", "Cu&t", "&Copy", "&Paste", "&Word Wrap", "&View", "&Toolbars",
            "&Standard", "&Formatting", "Status &Bar", "F&unctions", "Count &Words",
            "Count &Characters", "Count Characters Without &Spaces", "&Line Count", "&Options",
            "&Settings...", "Show/Edit Character &Converter...", "Con&vert Characters", "&Help",
            "Help &Topics", "&About", "&Window", "&Cascade", "&Tile", "&Arrange Icons",
        },
        {
            "Creates a new document", "Opens a file from disk", "Saves the document",
            "Prints the document", "Cuts the text to the clipboard", "Copies the text to the clipboard",
            "Pastes text from the clipboard", "Changes the background colour", "Changes the font",
            "Changes the font size", "Makes the text bold", "Makes the text italic",
            "Underlines the text", "Aligns to the left", "Centres the text", "Aligns to the right",
            "First line of the paragraph", "Left margin", "Right margin",
        },
        {"Rich text (*.rtf)|*.rtf|Text file (*.txt)|*.txt"},
        {
            "Remember the font face, colour and size", "Remember the background colour",
            "Remember window sizes", "Remember toolbar layout", "Use language", "Back up every (minutes)",
            "Cancel",
        },
        {"Version", "Close"},
        {"Version "},
        {
            "The character table file characters.dia was not found. The program will end; "
            "reinstalling it solves the problem",
            "Character converter", "Character", "Replacement", "Add", "Edit", "Delete", "Add",
            "Enter exactly one character and exactly one replacement.", "Invalid entry",
            "The conversion table has no entries.", "Empty table", "Converting characters...",
            "Characters converted",
        },
        {
            "&Undo", "&Redo", "Select &All", "F&ind...", "Find &Next", "R&eplace...",
            "Cannot find the text: ", "Find",
            "The search went on from the start of the document", "The search went on from the end of the document",
            "Replacements: ", "Line ", ", column ",
            "The file no longer exists and was removed from the list of recent files:\n\n", "Recent files",
            "All files (*.*)|*.*", "&Encoding:",
            "Windows-1250 (Central European)", "UTF-8", "UTF-8 with BOM", "UTF-16 LE",
            "The document holds characters that Windows-1250 cannot write (they would be saved as \"?\"). "
            "Do you want to save it in UTF-8?",
            "Encoding", "Formatted text",
            "The backup copy of a document could not be written: ",
            "The program tries again at every backup interval; until a copy succeeds, the status bar "
            "says so.",
            "Backup copies are failing",
            "The file cannot be opened: its formatting is nested deeper than the editor can read safely "
            "(31 levels at most). The file is damaged, or was made to bring the program down.",
            "The file cannot be opened: it holds a formatting control word, or a font or style name, longer than "
            "the editor can read safely. The file is damaged, or was made to corrupt the program's memory.",
            "The file is damaged: its formatted text ends too early. Everything that could be read is shown.",
            "The editor cannot read the formatted text on the clipboard safely (it is nested too deep or holds "
            "an overlong control word). It was pasted as plain text only.",
            "The language library is damaged: it failed while handing over its texts, or handed over data "
            "that does not hold. The program did not use it; replace it with a new version or remove it "
            "from the program's folder.",
            "\n\nThe copies belong to these files:", "(untitled document)", "and more: ",
            "There was no free window left for some backup copies (at most 201 documents can be open). The "
            "copies were kept unopened; the program offers them again at the next start. Documents not opened: ",
            "The file cannot be opened: it holds a table row with more cells than its definition gives, or "
            "with more than 63 cells, which the editor cannot read safely. The file is damaged, or was made "
            "to bring the program down.",
            "Loading… ", " % (Esc stops)",
            "The document has lines longer than the editor can wrap in time: word wrap is off",
            "\n\nNo window is left; files not opened: ",
            "The file does not exist: it was moved, renamed or deleted.",
            "The file's folder does not exist or cannot be reached: it was moved or deleted, or its drive is "
            "disconnected.",
            "Another program has the file open and lets no one else at it. Close it there and try again.",
            "You have no access to the file or its folder: it is read-only or protected.",
            "There is not enough space on the disk.",
            "The disk is write-protected.",
        },
    };
    return t;
}
