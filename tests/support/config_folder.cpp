#include "tests/support/config_folder.h"

#include "base/identity.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "tests/support/program_fixture.h"

namespace qlmr::test {
namespace {

const char* kMessages =
    "[Msg]\r\n"
    "msg1=Не выбрана резервная копия\r\n"
    "msg2=Импорт файла %s\r\n"
    "msg3=Создается копия %s\r\n"
    "msg4=Не выбрана копия для удаления\r\n"
    "msg8=Выберите конфигурацию\r\n"
    "msg9=Импортируется %s\r\n"
    "msg10=Импорт запущен\r\n"
    "msg11=Удалить %s?\r\n"
    "msg13=Применить %s?\r\n"
    "msg14=Первый запуск: сделать снимки?\r\n"
    "msg15=Отменить %s?\r\n";

}  // namespace

std::string registryFolderPath() { return programFolder() + kRegistryFolder; }

void prepareConfigFolder(bool pastFirstRun) {
    resetProgramFolder();
    writeProgramFile("main.ini", std::string("[Program]\r\nVersionInfo=1.0\r\nShowLangForm=N\r\nLangName=") +
                                     kTestLanguage + "\r\nDefaultLang=-1\r\n");
    createFolders(registryFolderPath());
    writeProgramFile(std::string(kLangFolder) + kTestLanguage, utf8ToAnsi(kMessages));
    if (pastFirstRun) writeProgramFile("Baze\\Regz\\InitialAstState.reg", "Windows Registry Editor Version 5.00\r\n");
}

std::string testMessage(const std::string& key, const std::string& argument) {
    const std::string text = ReadLangMessage("Msg", key, programFolder() + kLangFolder + kTestLanguage);
    return argument.empty() ? text : formatMessage(text, argument);
}

void useTestLanguage(MainForm& form) { form.state.OptLangComboBox.setText(kTestLanguage); }

}  // namespace qlmr::test
