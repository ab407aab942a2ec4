#pragma once
// Drives the real program from outside, as a person would: starts it in a fresh copy of the
// program folder, finds its windows and named controls, clicks, answers message boxes, reads texts.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

extern std::string distFolder;   // from the command line

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption, text;
};

class Program {
public:
    struct InPlace {
        std::string folder;
    };
    // Copies the dist folder to a fresh folder named after the case; prepare() may change it.
    explicit Program(const std::string& caseName);
    // Runs the program where it lies, as a user who unpacked it there; the folder stays.
    explicit Program(const InPlace& where);
    ~Program();
    const std::string& folder() const { return folder_; }
    void writeFile(const std::string& relative, const std::string& bytes);
    std::string readFile(const std::string& relative) const;
    bool fileExists(const std::string& relative) const;
    std::vector<std::string> files(const std::string& pattern) const;
    void markNotFirstRun();

    void start();
    // Starts with these settings as after an earlier run (no first-run question); the main window.
    HWND startAfterFirstRun(const std::string& settings);
    // Starts another copy and returns its exit code once it has ended (or STILL_ACTIVE after 10 s);
    // windowsSeen counts the top-level windows, shown or not, it was seen with while it ran.
    DWORD startSecondCopy(int* windowsSeen = nullptr);
    bool running() const;
    void kill();

    HWND mainWindow(int timeoutMs = 20000);
    HWND findTopLevel(const char* className, int timeoutMs);
    HWND control(const std::string& componentName, HWND top = nullptr);
    std::string text(HWND h) const;
    // The text of a label, which its container draws without a window of its own: asked of the
    // container windows of the main window. Empty when none has a label of that name.
    std::string labelText(const std::string& componentName);
    void click(HWND button);
    void clickNamed(const std::string& componentName) { click(control(componentName)); }
    // Brings a page of the main window to the front with the keyboard, as a person would; the
    // controls of a page exist once it has been shown.
    void showPage(int index);
    // Waits for a message box of this process; empty window when none came.
    MessageBoxSeen waitMessageBox(int timeoutMs = 10000);
    void answer(const MessageBoxSeen& box, int buttonId);   // IDOK, IDYES, IDNO
    int countTopLevel(const char* className) const;
    DWORD processId() const { return pi_.dwProcessId; }

private:
    std::string folder_;
    bool ownsFolder_ = true;
    PROCESS_INFORMATION pi_{};
};

// A control its container draws: where it lies in the container, whether it is marked visible,
// and its font (weight, height and face only).
struct DrawnControl {
    HWND container = nullptr;
    std::string name, text;
    RECT bounds{};
    bool visible = false;
    LOGFONTW font{};
};
// The drawn controls of a window and of all its child windows.
std::vector<DrawnControl> drawnControls(HWND top);

std::string componentName(HWND h);
std::string narrowText(const std::wstring& w);
bool hasCyrillic(const std::wstring& w);
void pumpSleep(int ms);

}  // namespace e2e
