#pragma once
// The web lookup endpoints: a visible label and the URL prefix the process's file name is
// appended to, in the order of the endpoint selector.
namespace qlmr {

struct LookupEndpoint {
    const char* label;
    const char* prefix;
};

constexpr LookupEndpoint kLookupEndpoints[] = {
    {"Process Library", "http://www.processlibrary.com/directory/files/"},
    {"ExeLib", "http://www.exelib.com/"},   // pages end in ".php"
    {"Neuber Task Manager", "http://www.neuber.com/taskmanager/process/"},
    {"Google (по-русски)", "http://www.google.ru/search?hl=ru&q="},
    {"Google (in English)", "http://www.google.com/search?hl=en&q="},
};
constexpr int kPhpEndpoint = 1;

// The text of both selectors until an endpoint is chosen.
constexpr const char* kChooseServer = "Choose Server/ Выберите сервер";
// The caption of the selected-name label until a process is chosen.
constexpr const char* kNoProcessChosen = "NameTntLabel";

}  // namespace qlmr
