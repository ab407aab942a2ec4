#pragma once
// Message boxes, behind one seam that tests can answer.
#include <string>

namespace tk {

enum class Answer { Ok, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Plain notice: application title, OK.
    virtual void info(const std::string& text) = 0;
    // Yes/No with a question (or exclamation) icon, titled with the given caption.
    virtual Answer question(const std::string& caption, const std::string& text, bool exclamation) = 0;
    // The runtime's error box: error icon, application title.
    virtual void error(const std::string& text) = 0;
};

Dialogs& dialogs();
// Replaces the message boxes (tests); null restores the real ones.
void setDialogs(Dialogs* replacement);

// The text an uncaught error shows: a full stop is added when the last character sorts after ".".
std::string errorBoxText(const std::string& message);

}  // namespace tk
