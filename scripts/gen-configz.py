#!/usr/bin/env python3
"""Writes the shipped service configuration data into data/Configz/.

Outputs: the four preset registry files, the presets description file
dravel.twk and the Russian service texts RusDescription.reg.

Registry files are UTF-16LE with a BOM, as the registry editor exports them;
dravel.twk is read with the ANSI INI reader and so is Windows-1251.
Every file uses CR LF line ends.

Run from anywhere:  python3 scripts/gen-configz.py
"""

import pathlib
import sys

REPO = pathlib.Path(__file__).resolve().parent.parent
OUT_DIR = REPO / "data" / "Configz"

SERVICES_KEY = r"HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services"
REG_HEADER = "Windows Registry Editor Version 5.00"

# System names of the program's service list, in list order. Presets and
# descriptions may only name these: the snapshots that undo a preset or a
# description swap cover exactly these keys.
CATALOGUE = [
    "wuauserv", "WmiApSrv", "WZCSVC", "SharedAccess", "SharedAccess",
    "WebClient", "W3SVC", "seclogon", "RasAuto", "dmserver", "uploadmgr",
    "Spooler", "RasMan", "RDSessMgr", "NetDDE dsdm", "SamSs", "HidServ",
    "Eventlog", "SysmonLog", "ProtectedStorage", "Winmgmt", "UPS", "TrkWks",
    "MSDTC", "RpcLocator", "RemoteAccess", "LmHosts", "SCardDrv", "Browser",
    "Alerter", "ShellHWDetection", "Schedule", "NtLmSsp", "SimpTcp",
    "lanmanworkstation", "Wmi", "lanmanserver", "ClipSrv", "LPDSVC",
    "WmdmPmSp", "Netlogon", "Netman", "EventSystem", "COMSysApp",
    "ImapiService", "SMNP", "dmadmin", "srservice", "W32Time", "stisvc",
    "cisvc", "SMNPTRAP", "SSDPSRV", "ERSvc", "WmdmPmSp", "NetDDE", "Nla",
    "Messenger", "FAX", "ALG", "PolicyAgent", "CryptSvc", "TermService",
    "lprip", "SCardSvr", "FastUserSwitching Compatibility", "helpsvc",
    "NtmsSvc", "TapiSrv", "Themes", "VSS", "SENS", "RpcSs", "RemoteRegistry",
    "UPNPhost", "AppMgmt", "BITS", "Dhcp", "Dnscache", "MSFTPSVC", "IISADMIN",
    "MSMQ", "MSMQTriggers", "SwPrv", "mnmsrvc", "PlugPlay", "RSVP", "SMTPSVC",
    "TlntSvr", "AudioSrv", "MSIServer",
]

# List entries whose names are no service key of Windows XP (the real keys
# are NetDDEdsdm, SNMP, SNMPTRAP, iprip and FastUserSwitchingCompatibility).
# Writing them would only leave junk keys behind.
NOT_A_SERVICE_KEY = {
    "NetDDE dsdm", "SMNP", "SMNPTRAP", "lprip",
    "FastUserSwitching Compatibility",
}

# Services the system cannot boot, log on or import a registry file without.
# No preset may disable them.
VITAL = {
    "RpcSs", "PlugPlay", "Eventlog", "SamSs", "ProtectedStorage",
    "lanmanworkstation", "Dhcp", "Dnscache", "CryptSvc", "Winmgmt", "Wmi",
    "NtLmSsp", "EventSystem", "COMSysApp", "SENS", "Netman", "Nla",
    "TapiSrv", "RasMan", "MSIServer", "TermService", "dmadmin",
}

AUTO, MANUAL, OFF = 2, 3, 4
NONE = None  # the preset leaves this service's start type alone

PRESETS = [
    # (file kind, name shown on the page)
    ("tweaked.html", "Самая урезанная"),
    ("internet.html", "Интернет"),
    ("gaming.html", "Игровая"),
    ("common.html", "Для всех"),
]

# Start type per preset: common (XP SP2 defaults minus the few services
# almost nobody needs), internet, gaming, tweaked.
# Optional components that XP does not install by default (IIS, SMTP,
# message queuing, simple TCP/IP, LPD, fax) are left alone by "common".
START_TYPES = [
    # name                common  internet gaming  tweaked
    ("wuauserv",          AUTO,   AUTO,    MANUAL, AUTO),
    ("WmiApSrv",          MANUAL, MANUAL,  MANUAL, OFF),
    ("WZCSVC",            AUTO,   AUTO,    AUTO,   MANUAL),
    ("SharedAccess",      AUTO,   AUTO,    AUTO,   AUTO),
    ("WebClient",         AUTO,   MANUAL,  OFF,    OFF),
    ("W3SVC",             NONE,   OFF,     OFF,    OFF),
    ("seclogon",          AUTO,   MANUAL,  MANUAL, OFF),
    ("RasAuto",           MANUAL, MANUAL,  MANUAL, OFF),
    ("dmserver",          AUTO,   AUTO,    MANUAL, MANUAL),
    ("uploadmgr",         MANUAL, OFF,     OFF,    OFF),
    ("Spooler",           AUTO,   AUTO,    MANUAL, MANUAL),
    ("RasMan",            MANUAL, MANUAL,  MANUAL, MANUAL),
    ("RDSessMgr",         MANUAL, OFF,     OFF,    OFF),
    ("SamSs",             AUTO,   AUTO,    AUTO,   AUTO),
    ("HidServ",           AUTO,   AUTO,    AUTO,   OFF),
    ("Eventlog",          AUTO,   AUTO,    AUTO,   AUTO),
    ("SysmonLog",         MANUAL, MANUAL,  OFF,    OFF),
    ("ProtectedStorage",  AUTO,   AUTO,    AUTO,   AUTO),
    ("Winmgmt",           AUTO,   AUTO,    AUTO,   AUTO),
    ("UPS",               MANUAL, MANUAL,  MANUAL, OFF),
    ("TrkWks",            AUTO,   MANUAL,  OFF,    OFF),
    ("MSDTC",             MANUAL, MANUAL,  MANUAL, MANUAL),
    ("RpcLocator",        MANUAL, OFF,     OFF,    OFF),
    ("RemoteAccess",      OFF,    OFF,     OFF,    OFF),
    ("LmHosts",           AUTO,   AUTO,    AUTO,   OFF),
    ("SCardDrv",          MANUAL, MANUAL,  OFF,    OFF),
    ("Browser",           AUTO,   OFF,     MANUAL, OFF),
    ("Alerter",           OFF,    OFF,     OFF,    OFF),
    ("ShellHWDetection",  AUTO,   AUTO,    AUTO,   OFF),
    ("Schedule",          AUTO,   AUTO,    AUTO,   MANUAL),
    ("NtLmSsp",           MANUAL, MANUAL,  MANUAL, MANUAL),
    ("SimpTcp",           NONE,   OFF,     OFF,    OFF),
    ("lanmanworkstation", AUTO,   AUTO,    AUTO,   AUTO),
    ("Wmi",               MANUAL, MANUAL,  MANUAL, MANUAL),
    ("lanmanserver",      AUTO,   OFF,     MANUAL, OFF),
    ("ClipSrv",           OFF,    OFF,     OFF,    OFF),
    ("LPDSVC",            NONE,   OFF,     OFF,    OFF),
    ("WmdmPmSp",          MANUAL, MANUAL,  OFF,    OFF),
    ("Netlogon",          MANUAL, MANUAL,  MANUAL, OFF),
    ("Netman",            MANUAL, MANUAL,  MANUAL, MANUAL),
    ("EventSystem",       MANUAL, MANUAL,  MANUAL, MANUAL),
    ("COMSysApp",         MANUAL, MANUAL,  MANUAL, MANUAL),
    ("ImapiService",      MANUAL, MANUAL,  MANUAL, OFF),
    ("dmadmin",           MANUAL, MANUAL,  MANUAL, MANUAL),
    ("srservice",         AUTO,   AUTO,    AUTO,   OFF),
    ("W32Time",           AUTO,   AUTO,    MANUAL, MANUAL),
    ("stisvc",            AUTO,   MANUAL,  MANUAL, OFF),
    ("cisvc",             MANUAL, OFF,     OFF,    OFF),
    ("SSDPSRV",           MANUAL, MANUAL,  MANUAL, OFF),
    ("ERSvc",             AUTO,   MANUAL,  OFF,    OFF),
    ("NetDDE",            OFF,    OFF,     OFF,    OFF),
    ("Nla",               MANUAL, MANUAL,  MANUAL, MANUAL),
    ("Messenger",         OFF,    OFF,     OFF,    OFF),
    ("FAX",               NONE,   OFF,     OFF,    OFF),
    ("ALG",               MANUAL, MANUAL,  MANUAL, MANUAL),
    ("PolicyAgent",       AUTO,   MANUAL,  MANUAL, OFF),
    ("CryptSvc",          AUTO,   AUTO,    AUTO,   AUTO),
    ("TermService",       MANUAL, MANUAL,  MANUAL, MANUAL),
    ("SCardSvr",          MANUAL, MANUAL,  OFF,    OFF),
    ("helpsvc",           AUTO,   MANUAL,  MANUAL, OFF),
    ("NtmsSvc",           MANUAL, MANUAL,  OFF,    OFF),
    ("TapiSrv",           MANUAL, MANUAL,  MANUAL, MANUAL),
    ("Themes",            AUTO,   AUTO,    AUTO,   OFF),
    ("VSS",               MANUAL, MANUAL,  MANUAL, OFF),
    ("SENS",              AUTO,   AUTO,    AUTO,   AUTO),
    ("RpcSs",             AUTO,   AUTO,    AUTO,   AUTO),
    ("RemoteRegistry",    OFF,    OFF,     OFF,    OFF),
    ("UPNPhost",          MANUAL, OFF,     OFF,    OFF),
    ("AppMgmt",           MANUAL, MANUAL,  MANUAL, OFF),
    ("BITS",              MANUAL, MANUAL,  MANUAL, MANUAL),
    ("Dhcp",              AUTO,   AUTO,    AUTO,   AUTO),
    ("Dnscache",          AUTO,   AUTO,    AUTO,   AUTO),
    ("MSFTPSVC",          NONE,   OFF,     OFF,    OFF),
    ("IISADMIN",          NONE,   OFF,     OFF,    OFF),
    ("MSMQ",              NONE,   OFF,     OFF,    OFF),
    ("MSMQTriggers",      NONE,   OFF,     OFF,    OFF),
    ("SwPrv",             MANUAL, MANUAL,  MANUAL, OFF),
    ("mnmsrvc",           OFF,    OFF,     OFF,    OFF),
    ("PlugPlay",          AUTO,   AUTO,    AUTO,   AUTO),
    ("RSVP",              MANUAL, MANUAL,  OFF,    OFF),
    ("SMTPSVC",           NONE,   OFF,     OFF,    OFF),
    ("TlntSvr",           OFF,    OFF,     OFF,    OFF),
    ("AudioSrv",          AUTO,   AUTO,    AUTO,   AUTO),
    ("MSIServer",         MANUAL, MANUAL,  MANUAL, MANUAL),
]
PRESET_COLUMN = {"common.html": 1, "internet.html": 2,
                 "gaming.html": 3, "tweaked.html": 4}

PRESET_INFO = {
    "tweaked.html":
        "Самая урезанная конфигурация: работают только службы, без которых "
        "система не загрузится, не выполнит вход пользователя, не выйдет в "
        "сеть и не получит обновления. Отключены темы, восстановление "
        "системы, общий доступ к файлам, удаленные и серверные службы; "
        "печать, беспроводная сеть и служба времени запускаются вручную.",
    "internet.html":
        "Конфигурация для домашнего компьютера в Интернете: работают "
        "DHCP- и DNS-клиенты, брандмауэр, сетевые подключения, "
        "автоматическое обновление, службы криптографии и синхронизация "
        "времени. Серверные службы, общий доступ к файлам и службы "
        "удаленного управления отключены.",
    "gaming.html":
        "Конфигурация для игрового компьютера: сохранены звук, темы, "
        "клавиши быстрого вызова, сеть для игр через Интернет и "
        "обнаружение UPnP для проброса портов. Отключены серверные, "
        "офисные и удаленные службы, которые отнимают память и время "
        "процессора; обновление запускается вручную.",
    "common.html":
        "Безопасная конфигурация для всех: восстанавливает стандартные "
        "типы запуска служб Windows XP SP2 и отключает только то, что почти "
        "никому не нужно и опасно в сети: службу сообщений, оповещатель, "
        "удаленный реестр, сетевой DDE, сервер папки обмена, Telnet и "
        "удаленный рабочий стол NetMeeting.",
}

SAME_AS_DEPENDANTS = (" Если эта служба отключена, любые службы, которые "
                      "явно зависят от нее, не могут быть запущены.")

# DisplayName and Description of the services as a Russian Windows XP SP2
# shows them in the Services console.
DESCRIPTIONS = [
    ("wuauserv", "Автоматическое обновление",
     "Включает загрузку и установку обновлений Windows. Если служба "
     "отключена, то на этом компьютере нельзя будет использовать "
     "возможности автоматического обновления или веб-узел Windows Update."),
    ("WmiApSrv", "Адаптер производительности WMI",
     "Предоставляет информацию библиотеки производительности от "
     "поставщиков WMI HiPerf."),
    ("WZCSVC", "Беспроводная настройка",
     "Обеспечивает автоматическую настройку адаптеров 802.11. Если эта "
     "служба остановлена, автоматическая настройка будет недоступна."
     + SAME_AS_DEPENDANTS),
    ("SharedAccess", "Брандмауэр Windows/Общий доступ к Интернету (ICS)",
     "Обеспечивает поддержку служб трансляции адресов, адресации и "
     "разрешения имен или предотвращает вторжение служб в домашней сети "
     "или сети небольшого офиса."),
    ("WebClient", "Веб-клиент",
     "Позволяет Windows-программам создавать, получать доступ и изменять "
     "файлы, хранящиеся в Интернете. Если эта служба остановлена, эти "
     "функции не будут доступны." + SAME_AS_DEPENDANTS),
    ("W3SVC", "Веб-публикации",
     "Обеспечивает веб-подключения и администрирование с помощью оснастки "
     "\"Информационные службы Интернета\"."),
    ("seclogon", "Вторичный вход в систему",
     "Позволяет запускать процессы от имени другого пользователя. Если эта "
     "служба остановлена, этот тип регистрации пользователя недоступен. "
     "Если эта служба отключена, то нельзя запустить другие службы, которые "
     "явно зависят от нее."),
    ("RasAuto", "Диспетчер автоподключений удаленного доступа",
     "Создает подключение к удаленной сети, когда программа обращается к "
     "удаленному DNS- или NetBIOS-имени или адресу."),
    ("dmserver", "Диспетчер логических дисков",
     "Обнаружение и наблюдение за новыми жесткими дисками и передача "
     "информации о томах жестких дисков службе управления диспетчера "
     "логических дисков для настройки. Если эта служба остановлена, "
     "состояние динамических дисков и сведения о конфигурации могут "
     "оказаться устаревшими." + SAME_AS_DEPENDANTS),
    ("uploadmgr", "Диспетчер отгрузки",
     "Управляет синхронной и асинхронной передачей файлов между клиентами "
     "и серверами в сети. Данные драйверов анонимно отгружаются при этих "
     "передачах и затем используются корпорацией Майкрософт, чтобы помочь "
     "пользователям найти нужные драйверы. Сервер отзывов о драйверах "
     "запрашивает у пользователя разрешение на отгрузку данных о драйверах "
     "компьютера и кода Plug and Play устройства."),
    ("Spooler", "Диспетчер очереди печати",
     "Загружает в память файлы для последующей печати."),
    ("RasMan", "Диспетчер подключений удаленного доступа",
     "Создает сетевое подключение."),
    ("RDSessMgr", "Диспетчер сеанса справки для удаленного рабочего стола",
     "Управляет возможностями удаленного помощника. Если эта служба "
     "остановлена, удаленный помощник будет недоступен. Перед остановкой "
     "этой службы ознакомьтесь с вкладкой \"Зависимости\" диалогового окна "
     "\"Свойства\"."),
    ("SamSs", "Диспетчер учетных записей безопасности",
     "Хранит информацию о безопасности для учетных записей локальных "
     "пользователей."),
    ("HidServ", "Доступ к HID-устройствам",
     "Обеспечивает универсальный доступ к HID-устройствам (Human Interface "
     "Devices), который активизирует и поддерживает использование заранее "
     "определенных клавиш быстрого вызова на клавиатуре, устройствах "
     "управления и иных устройствах мультимедиа. Если эта служба "
     "остановлена, клавиши быстрого вызова, управляемые этой службой, не "
     "будут работать." + SAME_AS_DEPENDANTS),
    ("Eventlog", "Журнал событий",
     "Обеспечивает поддержку сообщений журналов событий, выдаваемых "
     "Windows-программами и компонентами, и просмотр этих сообщений. Эта "
     "служба не может быть остановлена."),
    ("SysmonLog", "Журналы и оповещения производительности",
     "Собирает данные о производительности с локального или удаленных "
     "компьютеров на основе заданных параметров расписания, а затем "
     "записывает данные в журнал или инициирует оповещение. Если эта служба "
     "остановлена, сведения о производительности не будут собираться."
     + SAME_AS_DEPENDANTS),
    ("ProtectedStorage", "Защищенное хранилище",
     "Обеспечивает защищенное хранение важных данных, таких как закрытые "
     "ключи, для предотвращения несанкционированного доступа служб, "
     "процессов или пользователей."),
    ("Winmgmt", "Инструментарий управления Windows",
     "Предоставляет общий интерфейс и объектную модель для доступа к "
     "информации об управлении операционной системой, устройствами, "
     "приложениями и службами. Если эта служба остановлена, большинство "
     "Windows-приложений не будут работать правильно." + SAME_AS_DEPENDANTS),
    ("UPS", "Источник бесперебойного питания",
     "Управляет работой источников бесперебойного питания (ИБП), "
     "подключенных к компьютеру."),
    ("TrkWks", "Клиент отслеживания изменившихся связей",
     "Поддерживает связи NTFS-файлов в пределах компьютера или между "
     "компьютерами в домене сети."),
    ("MSDTC", "Координатор распределенных транзакций",
     "Координирует транзакции, охватывающие несколько диспетчеров "
     "ресурсов, таких как базы данных, очереди сообщений и файловые "
     "системы. Если эта служба остановлена, такие транзакции выполнены не "
     "будут." + SAME_AS_DEPENDANTS),
    ("RpcLocator", "Локатор удаленного вызова процедур (RPC)",
     "Управляет базой данных службы имен RPC."),
    ("RemoteAccess", "Маршрутизация и удаленный доступ",
     "Предлагает услуги маршрутизации организациям в локальной и глобальной "
     "сетях."),
    ("LmHosts", "Модуль поддержки NetBIOS через TCP/IP",
     "Включает поддержку службы NetBIOS через TCP/IP (NetBT) и разрешения "
     "NetBIOS-имен в адреса."),
    ("SCardDrv", "Модуль поддержки смарт-карт",
     "Обеспечивает поддержку для устаревших устройств чтения смарт-карт, не "
     "поддерживающих Plug and Play."),
    ("Browser", "Обозреватель компьютеров",
     "Обслуживает список компьютеров в сети и выдает его программам по "
     "запросу. Если служба остановлена, список не будет создан или "
     "обновлен." + SAME_AS_DEPENDANTS),
    ("Alerter", "Оповещатель",
     "Посылает выбранным пользователям и компьютерам административные "
     "оповещения. Если служба остановлена, программы, использующие "
     "административные оповещения, не будут их получать."
     + SAME_AS_DEPENDANTS),
    ("ShellHWDetection", "Определение оборудования оболочки",
     "Предоставляет уведомления для событий автозапуска на различных "
     "устройствах."),
    ("Schedule", "Планировщик заданий",
     "Позволяет настраивать расписание автоматического выполнения задач на "
     "этом компьютере. Если эта служба остановлена, эти задачи не будут "
     "запускаться в установленное расписанием время." + SAME_AS_DEPENDANTS),
    ("NtLmSsp", "Поставщик поддержки безопасности NT LM",
     "Обеспечивает безопасность программам, использующим удаленные вызовы "
     "процедур (RPC) через транспорты, отличные от именованных каналов."),
    ("SimpTcp", "Простые службы TCP/IP",
     "Поддерживает следующие службы TCP/IP: Character Generator, Daytime, "
     "Discard, Echo и Quote of the Day."),
    ("lanmanworkstation", "Рабочая станция",
     "Создает и поддерживает клиентские сетевые подключения к удаленным "
     "серверам. Если эта служба остановлена, эти подключения будут "
     "недоступны." + SAME_AS_DEPENDANTS),
    ("Wmi", "Расширения драйверов WMI",
     "Предоставляет информацию об управлении системой драйверам и от "
     "драйверов."),
    ("lanmanserver", "Сервер",
     "Обеспечивает поддержку общего доступа к файлам, принтерам и "
     "именованным каналам для данного компьютера через сетевое "
     "подключение. Если служба остановлена, такие функции не удастся "
     "выполнить. Если данная служба не разрешена, не удастся запустить "
     "любые явно зависимые службы."),
    ("ClipSrv", "Сервер папки обмена",
     "Позволяет просмотрщику папки обмена хранить информацию и использовать "
     "ее совместно с удаленными компьютерами. Если эта служба остановлена, "
     "просмотрщик папки обмена не сможет обмениваться информацией с "
     "удаленными компьютерами." + SAME_AS_DEPENDANTS),
    ("LPDSVC", "Сервер печати TCP/IP",
     "Позволяет этому компьютеру выполнять печать по протоколу TCP/IP с "
     "помощью протокола LPD (Line Printer Daemon). Если эта служба "
     "остановлена, печать через TCP/IP будет недоступна."
     + SAME_AS_DEPENDANTS),
    ("WmdmPmSp", "Служба серийных номеров переносных устройств мультимедиа",
     "Получает серийный номер любого переносного проигрывателя "
     "мультимедиа, подключенного к этому компьютеру. Если эта служба "
     "остановлена, защищенное содержимое, возможно, не будет загружаться на "
     "устройство."),
    ("Netlogon", "Сетевой вход в систему",
     "Поддерживает сквозную проверку подлинности событий входа учетных "
     "записей для компьютеров домена."),
    ("Netman", "Сетевые подключения",
     "Управляет объектами папки \"Сетевые подключения\", в которой "
     "отображаются как локальные, так и удаленные подключения."),
    ("EventSystem", "Система событий COM+",
     "Поддержка службы уведомления о системных событиях (SENS), "
     "обеспечивающей автоматическое распространение событий подписавшимся "
     "компонентам COM. Если служба остановлена, SENS будет закрыта и не "
     "сможет предоставлять уведомления входа и выхода." + SAME_AS_DEPENDANTS),
    ("COMSysApp", "Системное приложение COM+",
     "Управление настройкой и отслеживанием компонентов COM+. Если служба "
     "остановлена, большинство компонентов COM+ не будет работать "
     "правильно." + SAME_AS_DEPENDANTS),
    ("ImapiService", "Служба COM записи компакт-дисков IMAPI",
     "Управляет записью компакт-дисков с помощью IMAPI (Image Mastering "
     "Applications Programming Interface). Если эта служба остановлена, "
     "этот компьютер не сможет записывать компакт-диски."
     + SAME_AS_DEPENDANTS),
    ("dmadmin", "Служба администрирования диспетчера логических дисков",
     "Настройка жестких дисков и томов. Эта служба выполняется только во "
     "время процесса настройки и затем останавливается."),
    ("srservice", "Служба восстановления системы",
     "Выполняет функции восстановления системы. Для остановки службы "
     "отключите восстановление системы на вкладке \"Восстановление "
     "системы\" в окне свойств компьютера."),
    ("W32Time", "Служба времени Windows",
     "Управляет синхронизацией даты и времени на всех клиентах и серверах "
     "в сети. Если эта служба остановлена, синхронизация даты и времени не "
     "будет доступна." + SAME_AS_DEPENDANTS),
    ("stisvc", "Служба загрузки изображений Windows (WIA)",
     "Обеспечивает службы получения изображений со сканеров и цифровых "
     "камер."),
    ("cisvc", "Служба индексирования",
     "Индексирует содержимое и свойства файлов на локальном и удаленных "
     "компьютерах; обеспечивает быстрый доступ к файлам с помощью гибкого "
     "языка запросов."),
    ("SSDPSRV", "Служба обнаружения SSDP",
     "Включает обнаружение UPnP-устройств в домашней сети."),
    ("ERSvc", "Служба регистрации ошибок",
     "Позволяет регистрировать ошибки для служб и приложений, выполняющихся "
     "в нестандартной среде."),
    ("NetDDE", "Служба сетевого DDE",
     "Обеспечивает сетевой транспорт и безопасность для динамического "
     "обмена данными (DDE) для программ, выполняющихся на одном или на "
     "нескольких компьютерах. Если эта служба остановлена, транспорт и "
     "безопасность DDE будут недоступны." + SAME_AS_DEPENDANTS),
    ("Nla", "Служба сетевого расположения (NLA)",
     "Собирает и сохраняет сведения о размещении и настройке сети и "
     "уведомляет приложения об изменении этих сведений."),
    ("Messenger", "Служба сообщений",
     "Передает сообщения net send и службы оповещений между клиентами и "
     "серверами. Эта служба не имеет отношения к Windows Messenger. Если эта "
     "служба остановлена, оповещения не будут передаваться."
     + SAME_AS_DEPENDANTS),
    ("FAX", "Служба факсов",
     "Позволяет отправлять и получать факсы, используя ресурсы факса этого "
     "компьютера или сети."),
    ("ALG", "Служба шлюза уровня приложения",
     "Обеспечивает поддержку подключаемых модулей протоколов сторонних "
     "производителей для общего доступа к подключению Интернета и "
     "брандмауэра Windows."),
    ("PolicyAgent", "Службы IPSEC",
     "Управляет политикой IP-безопасности и запускает ISAKMP/Oakley (IKE) и "
     "драйвер IP-безопасности."),
    ("CryptSvc", "Службы криптографии",
     "Предоставляет три службы управления: службу баз данных каталога, "
     "которая проверяет цифровые подписи файлов Windows; службу защищенного "
     "корневого хранилища, которая добавляет и удаляет сертификаты "
     "доверенного корневого центра сертификации с этого компьютера; и "
     "службу ключей, которая помогает получать сертификаты для этого "
     "компьютера. Если эта служба остановлена, эти службы управления не "
     "будут работать правильно." + SAME_AS_DEPENDANTS),
    ("TermService", "Службы терминалов",
     "Предоставляет возможность нескольким пользователям интерактивно "
     "подключаться к компьютеру, а также отображение рабочих столов и "
     "приложений на удаленных компьютерах. Является основой для удаленного "
     "рабочего стола (включая удаленный рабочий стол для администраторов), "
     "быстрого переключения пользователей, удаленного помощника и сервера "
     "терминалов."),
    ("SCardSvr", "Смарт-карты",
     "Управляет доступом к устройствам чтения смарт-карт. Если эта служба "
     "остановлена, компьютер не сможет считывать смарт-карты."
     + SAME_AS_DEPENDANTS),
    ("helpsvc", "Справка и поддержка",
     "Позволяет работать с центром справки и поддержки на этом компьютере. "
     "Если эта служба остановлена, центр справки и поддержки будет "
     "недоступен." + SAME_AS_DEPENDANTS),
    ("NtmsSvc", "Съемные ЗУ",
     "Управляет съемными носителями и ведет их каталог, а также управляет "
     "автоматизированными устройствами со съемными носителями. Если эта "
     "служба остановлена, программы, зависящие от съемных ЗУ, такие как "
     "архивация и удаленное хранилище, будут работать медленнее."
     + SAME_AS_DEPENDANTS),
    ("TapiSrv", "Телефония",
     "Обеспечивает поддержку Telephony API (TAPI) для программ, управляющих "
     "телефонным оборудованием и IP-подключениями голосовой связи на этом "
     "компьютере, а также через ЛВС - на серверах, где запущена "
     "соответствующая служба."),
    ("Themes", "Темы",
     "Управление темами оформления."),
    ("VSS", "Теневое копирование тома",
     "Управляет созданием теневых копий (контрольных точек состояния) "
     "дисковых томов, которые используются для архивации и восстановления "
     "или для иных целей. Если эта служба остановлена, теневые копии томов "
     "будут недоступны для архивации, и архивация может закончиться "
     "неудачно." + SAME_AS_DEPENDANTS),
    ("SENS", "Уведомление о системных событиях",
     "Следит за системными событиями и уведомляет подписчиков системы "
     "событий COM+ об этих событиях."),
    ("RpcSs", "Удаленный вызов процедур (RPC)",
     "Служит диспетчером сопоставления конечных точек и диспетчером "
     "управления службами COM. Если эта служба остановлена или отключена, "
     "программы, использующие службы COM или удаленного вызова процедур "
     "(RPC), не будут работать должным образом."),
    ("RemoteRegistry", "Удаленный реестр",
     "Позволяет удаленным пользователям изменять параметры реестра на этом "
     "компьютере. Если эта служба остановлена, реестр может быть изменен "
     "только пользователями этого компьютера." + SAME_AS_DEPENDANTS),
    ("UPNPhost", "Узел универсальных PnP-устройств",
     "Обеспечивает поддержку универсальных PnP-устройств узла."),
    ("AppMgmt", "Управление приложениями",
     "Обеспечивает службы установки программного обеспечения, такие как "
     "назначение, публикация и удаление."),
    ("BITS", "Фоновая интеллектуальная служба передачи (BITS)",
     "Передает данные между клиентами и серверами в фоновом режиме. Если "
     "служба BITS отключена, такие компоненты, как Windows Update, не "
     "смогут правильно работать."),
    ("Dhcp", "DHCP-клиент",
     "Управляет конфигурацией сети, регистрируя и обновляя IP-адреса и "
     "DNS-имена."),
    ("Dnscache", "DNS-клиент",
     "Разрешает и помещает в кэш имена DNS (Domain Name System) для этого "
     "компьютера. Если эта служба остановлена, компьютер не сможет "
     "разрешать DNS-имена и определять местоположение контроллеров домена "
     "Active Directory." + SAME_AS_DEPENDANTS),
    ("MSFTPSVC", "FTP-публикации",
     "Обеспечивает FTP-подключения и администрирование с помощью оснастки "
     "\"Информационные службы Интернета\"."),
    ("IISADMIN", "IIS Admin",
     "Позволяет управлять веб- и FTP-службами с помощью оснастки "
     "\"Информационные службы Интернета\"."),
    ("MSMQ", "Message Queuing",
     "Предоставляет инфраструктуру связи для распределенных приложений, "
     "обменивающихся асинхронными сообщениями."),
    ("MSMQTriggers", "Message Queuing Triggers",
     "Связывает поступление входящих сообщений в очередь с функциями "
     "COM-компонента или автономной исполняемой программы."),
    ("SwPrv", "MS Software Shadow Copy Provider",
     "Управляет программным созданием теневых копий службой теневого "
     "копирования тома. Если эта служба остановлена, программное создание "
     "теневых копий будет невозможно." + SAME_AS_DEPENDANTS),
    ("mnmsrvc", "NetMeeting Remote Desktop Sharing",
     "Разрешает проверенным пользователям получать доступ к этому "
     "компьютеру через NetMeeting по корпоративной интрасети. Если эта "
     "служба остановлена, удаленный рабочий стол будет недоступен."
     + SAME_AS_DEPENDANTS),
    ("PlugPlay", "Plug and Play",
     "Позволяет компьютеру распознавать изменения в установленном "
     "оборудовании и подстраиваться под них, либо не требуя вмешательства "
     "пользователя, либо сводя его к минимуму. Остановка или отключение "
     "этой службы может привести к нестабильной работе системы."),
    ("RSVP", "QoS RSVP",
     "Обеспечивает сетевую сигнализацию и функциональные возможности "
     "управления локальным трафиком для программ и апплетов панели "
     "управления, поддерживающих QoS."),
    ("SMTPSVC", "Simple Mail Transfer Protocol (SMTP)",
     "Передает электронную почту по сети."),
    ("TlntSvr", "Telnet",
     "Позволяет удаленному пользователю входить в систему и запускать "
     "программы, поддерживает разнообразных клиентов TCP/IP Telnet, включая "
     "компьютеры под управлением UNIX и Windows. Если эта служба "
     "остановлена, удаленный пользователь не сможет получить доступ к "
     "программам." + SAME_AS_DEPENDANTS),
    ("AudioSrv", "Windows Audio",
     "Управление звуковыми устройствами для программ Windows. Если эта "
     "служба остановлена, звуковые устройства и эффекты не будут работать "
     "должным образом." + SAME_AS_DEPENDANTS),
    ("MSIServer", "Windows Installer",
     "Позволяет устанавливать, удалять и восстанавливать программное "
     "обеспечение в соответствии с инструкциями, содержащимися в файлах "
     ".MSI."),
]


def check_names(names, what):
    """Every name must be a real service of the list, each only once."""
    seen = set()
    for name in names:
        if name not in CATALOGUE:
            sys.exit(f"{what}: {name} is not in the service list")
        if name in NOT_A_SERVICE_KEY:
            sys.exit(f"{what}: {name} is no service key")
        if name.lower() in seen:
            sys.exit(f"{what}: {name} occurs twice")
        seen.add(name.lower())


def check_tables():
    check_names([row[0] for row in START_TYPES], "start types")
    check_names([row[0] for row in DESCRIPTIONS], "descriptions")
    real = [n for n in dict.fromkeys(CATALOGUE) if n not in NOT_A_SERVICE_KEY]
    described = {row[0] for row in DESCRIPTIONS}
    missing = [n for n in real if n not in described]
    if missing:
        sys.exit("no description for: " + ", ".join(missing))
    for row in START_TYPES:
        name, values = row[0], row[1:]
        if any(v not in (NONE, AUTO, MANUAL, OFF) for v in values):
            sys.exit(f"{name}: start type out of range")
        if name in VITAL and OFF in values:
            sys.exit(f"{name} is vital and must never be disabled")
    for _, display, text in DESCRIPTIONS:
        if "\n" in display + text or "\r" in display + text:
            sys.exit(f"{display}: registry strings are one line")
    for kind, _ in PRESETS:
        PRESET_INFO[kind].encode("cp1251")


def key_line(name):
    return f"[{SERVICES_KEY}\\{name}]"


def reg_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def preset_lines(kind, caption):
    column = PRESET_COLUMN[kind]
    lines = [REG_HEADER, "",
             f"; Конфигурация служб \"{caption}\" ({kind})",
             "; Тип запуска: 2 - авто, 3 - вручную, 4 - отключено", ""]
    for row in START_TYPES:
        start = row[column]
        if start is NONE:
            continue
        lines += [key_line(row[0]), f'"Start"=dword:{start:08x}', ""]
    return lines


def description_lines():
    lines = [REG_HEADER, "",
             "; Русские названия и описания служб Windows XP SP2", ""]
    for name, display, text in DESCRIPTIONS:
        lines += [key_line(name),
                  '"DisplayName"=' + reg_string(display),
                  '"Description"=' + reg_string(text), ""]
    return lines


def info_lines():
    lines = []
    for kind, _ in PRESETS:
        lines += [f"[{kind}]", "Info=" + PRESET_INFO[kind], ""]
    return lines


def write_text(path, lines, encoding, bom=b""):
    data = "".join(line + "\r\n" for line in lines).encode(encoding)
    path.write_bytes(bom + data)


def main():
    check_tables()
    OUT_DIR.mkdir(parents=True, exist_ok=True)
    for kind, caption in PRESETS:
        write_text(OUT_DIR / f"{kind}.reg", preset_lines(kind, caption),
                   "utf-16-le", b"\xff\xfe")
    write_text(OUT_DIR / "RusDescription.reg", description_lines(),
               "utf-16-le", b"\xff\xfe")
    write_text(OUT_DIR / "dravel.twk", info_lines(), "cp1251")
    print(f"wrote {len(PRESETS) + 2} files to {OUT_DIR}")


if __name__ == "__main__":
    main()
