// Program entry: one copy per desktop, three windows, the message loop.
#include "about/about_form.h"
#include "about/help_system.h"
#include "base/identity.h"
#include "app/main_form.h"
#include "lang/lang_form.h"
#include "platform/single_instance.h"
#include "toolkit/toolkit_init.h"

#include <cstdlib>

// An exception nobody caught ends the program without the default handler's text: a window
// program has no console to print it to, and that handler brings a C++ name demangler (46 KB).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int main() {
    using namespace qlmr;
    ShowRequests showRequests(kInstanceName);
    // A second copy ends silently, without a window; the running one comes forward instead.
    if (!IsOnlyInstance(kInstanceName)) {
        showRequests.ask();
        return 0;
    }
    tk::initialise();
    auto& app = tk::Application::instance();
    app.title = kApplicationTitle;
    app.helpFile = kServicesHelp;
    int rc = 0;
    {
        MainForm main;
        tk::runHandler([&] { main.FormCreate(); });
        // The main window is on screen and painted before the other two are made.
        app.showMain(main);
        LangForm lang;
        AboutForm about;
        main.langForm = &lang;
        main.aboutForm = &about;
        showRequests.deliverTo(main.handle(), showRequestMessage());
        rc = app.run(main);
    }
    shutDownHelp();
    return rc;
}
