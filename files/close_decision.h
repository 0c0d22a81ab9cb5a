// files/close_decision.h — what the close prompt's answer means for the window
#pragma once
#include <string>

namespace files {

enum class Answer { NotAsked, Yes, No, Cancel, Failed };

enum class Step {
    Close,            // close without writing
    WriteKnownFile,   // write to the file name, then close
    RunSaveDialog,    // untitled: ask for a name, write there, then close (stay on cancel)
    StayOpen,         // keep the window
    LeaveUntouched,   // the box failed: keep the caller's values, the window stays
};

// The question: lead-in, title and "?" with nothing inserted between them.
std::string closeQuestion(const std::string& leadIn, const std::string& title);

// The step for a document's state and the box's answer (Answer::NotAsked when unmodified).
Step decideClose(bool modified, Answer answer, bool hasFileName);

} // namespace files
