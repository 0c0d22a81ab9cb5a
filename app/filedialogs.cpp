// app/filedialogs.cpp — the open and save dialogs of the main window
#include "app/filedialogs.h"

#include "lang/extra.h"

namespace app {
namespace {

constexpr char kDefaultFilter[] = "Formátovaný text (*.rtf)|*.rtf|Textový soubor (*.txt)|*.txt";

} // namespace

std::optional<ui::FileChoice> runOpenDialog(HWND owner, FileDialogState& state) {
    ui::FileDialogArgs args;
    args.owner = owner;
    args.filter = state.filter.empty() ? kDefaultFilter : state.filter;
    args.defaultExt = "rtf";
    args.filterIndex = state.filterIndex;
    args.fileName = state.fileName; // the dialog opens where the last file was
    args.mustExist = true;
    auto choice = ui::prompts().openFile(args);
    if (choice) {
        state.filterIndex = choice->filterIndex;
        state.fileName = choice->path;
    }
    return choice;
}

std::optional<document::SaveChoice> runSaveDialog(HWND owner, FileDialogState& state, document::Teditor1& doc,
                                                  const std::vector<std::string>& strings,
                                                  const std::vector<std::string>& extra) {
    ui::FileDialogArgs args;
    args.owner = owner;
    args.filter = state.filter.empty() ? kDefaultFilter : state.filter;
    args.defaultExt = "rtf";
    // The dialog opens on the type the document is written in: a formatted document offered
    // as "text" (the type last chosen for another document) would be written as RTF under a
    // text file's name and extension.
    state.filterIndex = doc.RichEdit1.plainText() ? 2 : 1;
    args.filterIndex = state.filterIndex;
    // a named document: its folder and name; one reopened from a copy: the file it belonged to
    args.fileName = doc.FileName.empty() ? doc.RecoveredName : doc.FileName;
    args.onTypeChange = [owner, &state, &doc, &strings](int index) {
        if (index == 2 && !doc.RichEdit1.plainText()) {
            const int answer =
                ui::prompts().messageBox(owner, strings[9], strings[10], MB_ICONQUESTION | MB_YESNO);
            if (answer == IDYES) {
                doc.RichEdit1.setPlainText(true);
            } else {
                index = 1;
            }
        }
        state.filterIndex = index;
        return index;
    };
    args.choiceLabel = extra[language::xEncodingLabel];
    for (int k = 0; k < document::kEncodingChoices; ++k) args.choices.push_back(extra[language::xEncCp1250 + k]);
    args.choice = document::encodingChoice(doc.textFormat);
    args.choicesEnabled = [&doc] { return doc.RichEdit1.plainText(); };
    const auto choice = ui::prompts().saveFile(args);
    if (!choice) return std::nullopt;
    state.filterIndex = choice->filterIndex;
    state.fileName = choice->path;
    document::SaveChoice result{choice->path, std::nullopt};
    if (doc.RichEdit1.plainText() && choice->choice >= 0)
        result.format = document::withEncodingChoice(doc.textFormat, choice->choice);
    return result;
}

} // namespace app
