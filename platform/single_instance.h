#pragma once
#include <string>

namespace qlmr {

// True only when the named mutex was created and did not exist before. The handle is kept for
// the life of the process and closed at its end.
bool IsOnlyInstance(const std::string& name);

// A later copy asks the running one to show its window. The request is a named auto-reset event
// that every copy makes before it asks for the mutex, so the copy that wins always holds it, and
// a request made while that copy is still starting waits for it instead of being lost.
class ShowRequests {
public:
    explicit ShowRequests(const std::string& name);
    ~ShowRequests();
    ShowRequests(const ShowRequests&) = delete;
    ShowRequests& operator=(const ShowRequests&) = delete;
    // Asks the running copy; it may then bring its window to the front.
    void ask();
    // From now on every request, one already waiting included, posts message to window.
    void deliverTo(void* window, unsigned message);
    void post();   // what the wait does on a request

private:
    void* event_ = nullptr;
    void* wait_ = nullptr;
    void* window_ = nullptr;
    unsigned message_ = 0;
};

// The message a running copy's main window receives for a request.
unsigned showRequestMessage();

}  // namespace qlmr
