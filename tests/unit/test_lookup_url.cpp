#include <doctest.h>

#include <string>

#include "procs/lookup_url.h"

using namespace qlmr;

TEST_CASE("lookup url: file and folder parts split at the last backslash or colon") {
    const std::string path = "C:\\WINDOWS\\system32\\svchost.exe";
    CHECK(fileNamePart(path) == "svchost.exe");
    CHECK(folderPart(path) == "C:\\WINDOWS\\system32\\");
    CHECK(fileNamePart("C:boot.exe") == "boot.exe");
    CHECK(folderPart("C:boot.exe") == "C:");
    CHECK(fileNamePart("System") == "System");
    CHECK(folderPart("System") == "");
    CHECK(fileNamePart("C:\\dir\\") == "");
}

TEST_CASE("lookup url: names are percent-encoded, unreserved characters stay") {
    CHECK(percentEncode("svchost.exe") == "svchost.exe");
    CHECK(percentEncode("my_tool~1-2.exe") == "my_tool~1-2.exe");
    CHECK(percentEncode("a b&c=d.exe") == "a%20b%26c%3Dd.exe");
    CHECK(percentEncode("\"x\" & calc.exe") == "%22x%22%20%26%20calc.exe");
    CHECK(percentEncode("\xD0\xBF.exe") == "%D0%BF.exe");
}

TEST_CASE("lookup url: only http and https addresses with a host pass") {
    CHECK(isWebUrl("http://www.example.org/search?hl=ru&q=svchost.exe"));
    CHECK(isWebUrl("HTTPS://example.org"));
    CHECK(isWebUrl("http://example.org:8080/directory/files/a%20b.exe"));
    CHECK_FALSE(isWebUrl("svchost.exe"));
    CHECK_FALSE(isWebUrl("Choose Server/ Выберите сервер" "svchost.exe"));
    CHECK_FALSE(isWebUrl("http://"));
    CHECK_FALSE(isWebUrl("http:///path"));
    CHECK_FALSE(isWebUrl("file://C:/WINDOWS/calc.exe"));
    CHECK_FALSE(isWebUrl("http://example.org/a b"));
    CHECK_FALSE(isWebUrl("http://example.org/\"&calc"));
    CHECK_FALSE(isWebUrl("http://user@evil.example/"));
}
