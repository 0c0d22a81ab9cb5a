// files/close_decision.cpp — what the close prompt's answer means for the window
#include "files/close_decision.h"

namespace files {

std::string closeQuestion(const std::string& leadIn, const std::string& title) {
    return leadIn + title + "?";
}

Step decideClose(bool modified, Answer answer, bool hasFileName) {
    if (!modified) return Step::Close;
    switch (answer) {
    case Answer::Yes: return hasFileName ? Step::WriteKnownFile : Step::RunSaveDialog;
    case Answer::No: return Step::Close;
    case Answer::Cancel: return Step::StayOpen;
    case Answer::NotAsked:
    case Answer::Failed: break;
    }
    return Step::LeaveUntouched;
}

} // namespace files
