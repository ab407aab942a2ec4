#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include "tests/e2e/driver.h"

// The dist folder comes first on the command line; the rest goes to doctest.
int main(int argc, char** argv) {
    if (argc > 1 && argv[1][0] != '-') {
        e2e::distFolder = argv[1];
        for (char& c : e2e::distFolder)
            if (c == '/') c = '\\';
        --argc;
        ++argv;
    }
    doctest::Context context(argc, argv);
    return context.run();
}
