#include "base/environment.h"

namespace qlmr {

Environment& env() {
    static Environment e;
    return e;
}

}  // namespace qlmr
