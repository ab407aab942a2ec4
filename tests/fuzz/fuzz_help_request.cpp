// Help requests with arbitrary topics, keywords and help file names.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "about/help_request.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string folder = "C:\\QLMR\\";

    const std::string file = qlmr::resolveHelpFile(input, folder);
    require(endsWith(file, input));
    require(qlmr::isChmFile(input) == endsWith(lower(input), ".chm"));

    const qlmr::HelpCall topic = qlmr::topicCall("services.chm", input);
    require(topic.argument.compare(0, 15, "services.chm::/") == 0);
    const std::string page = lower(topic.argument);
    require(endsWith(page, ".htm") || endsWith(page, ".html"));

    const std::string keyword = qlmr::keywordCall("services.chm", input).argument;
    require(keyword.empty() || (static_cast<unsigned char>(keyword.front()) > ' ' &&
                                static_cast<unsigned char>(keyword.back()) > ' '));
    require(input.find(keyword) != std::string::npos);
    return 0;
}
