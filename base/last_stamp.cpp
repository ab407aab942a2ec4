#include "base/last_stamp.h"

#include "base/log_prefix.h"
#include "platform/clock.h"

namespace qlmr {
namespace {

std::string stamp;

}  // namespace

std::string LogPrefix() {
    stamp = formatStamp(localNow());
    return "[" + stamp + "] ";
}

const std::string& lastStamp() { return stamp; }

}  // namespace qlmr
