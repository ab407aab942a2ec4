#pragma once
// The main window: its pages, controls, state holders and event handlers. The handlers are
// implemented in the subsystem folders (services/, config/, registry/, lang/, procs/, app/).
#include <memory>
#include <string>
#include <vector>

#include "app/hidden_state.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/report_list.h"
#include "toolkit/tray.h"
#include "toolkit/widgets.h"

namespace qlmr {

class LangForm;
class AboutForm;
class ImportWatch;
class AllServicesPage;

class MainForm : public tk::Form {
public:
    MainForm();
    ~MainForm() override;

    HiddenState state;

    // Banner and pages
    tk::Image* TopImage;
    tk::PageControl* MainPageControl;
    tk::TabSheet *SheetService, *SheetConfig, *SheetBackup, *SheetLog, *SheetInvisible, *SheetCurrent;

    // Services page
    tk::UniComboBox* ServiceNameCBUni;
    tk::UniCheckListBox* ServiceNames;
    tk::Button *ServCheckState, *ServStart, *ServStop, *ServHelp, *TweackStart;
    tk::CheckBox* ServCheckUncheck;
    tk::Label *StatAllLabel, *ActiveStatLabel, *StopedStatLabel;
    tk::Panel* ServInfoPanel;
    tk::Label *InfoNameLb, *InfoTMLb, *InfoStatusLb, *InfoAutostartLb, *ServicePathLb;
    tk::Label *InfoName, *InfoTMCaption, *InfoStatus, *InfoAutostartText, *ServicePath;
    tk::PopupMenu* MainPopupMenu;
    tk::MenuItem *StartM, *StopM, *HelpM;
    // Extra-functions panel
    tk::Panel* TweackPanel;
    tk::GroupBox* SortTwBox;
    tk::Button *SortTwA, *SortTwNA, *SortTwD;
    tk::Button *ServiceapletstartButton, *RegistryJumpButton, *OptCColorButton, *OpCFontButton;
    tk::GroupBox* OptLangBox;
    tk::ComboBox* OpLangRNComboBox;

    // Configurations page
    tk::GroupBox *ConfigBox, *DescriptionBox, *DescriptionSwapBox;
    tk::RadioButton *Tweackedcf, *Internetcf, *Gamingcf, *Commoncf;
    tk::Memo* DescriptionMemo;
    tk::Label* DescrFullLabel;
    tk::Button *ConfigApplyv, *ConfigApplyUndo, *ChangeDescriptionButton, *ChangeDescriptionBackButton;
    // What the chosen preset, or the undo, would change
    tk::Label* PreviewSummaryLabel;
    tk::ReportList* PreviewList;
    tk::Button* ConfigUndoPreview;

    // Backups page
    tk::ListBox* BackupBox;
    tk::GroupBox *BackupGroup, *DeleteGroup;
    tk::Button *BackupSearch, *BackupAdd, *BackupAddNew, *BackupDelete;
    tk::RadioButton *RWipe, *RRecycle;
    tk::Label *BackupNameLb, *BackupNameTextLb, *BackupPathlb, *BackupPathTextlb;
    tk::PopupMenu* BackupPopupMenu;
    tk::MenuItem *N4, *N5, *N6, *N7;

    // Log page
    tk::VirtualListBox* LogBox;
    tk::Button *LogClear, *LogSave, *LogPrint;
    tk::Memo* WideTextMemo;
    tk::PopupMenu* LogPopupMenu;
    tk::MenuItem *N1, *N2, *N3;

    // Hidden page: commands other handlers call
    tk::Button *RegReadButton, *RegReadButtonInitial, *ReadDescription, *BuildListOfComps, *TestmseButton, *ShowLangf;

    // Processes page
    tk::UniListBox* CurrentProcsTntlbx;
    tk::UniPanel* SearchOnlineTntpnl;
    tk::UniButton *EnumProcTntbtn, *OnlineSearchTntbtn, *OpenDitTntbtn;
    tk::UniComboBox *OnlineServerTntcmb, *OnlineServerStringTntcmb;
    tk::UniLabel* NameTntLabel;
    tk::StatusBar* CurrentStatusBar;

    // Tray
    tk::PopupMenu* RXPopupMenu;
    tk::MenuItem *N8, *N10, *N11, *N12, *N13, *N14, *N15, *N9;
    tk::TrayIcon* RxTrayIconMain;

    LangForm* langForm = nullptr;
    AboutForm* aboutForm = nullptr;
    std::unique_ptr<ImportWatch> importWatch;   // the check after the latest import
    std::unique_ptr<AllServicesPage> allServicesPage;   // services/all_services_page.h

    // ---- start-up and shell
    void FormCreate();
    void FormShow();
    void logLine(const std::string& text);   // prefix + text at the end of the log
    void PauseWithMessages(unsigned long ms);
    std::string currentLanguageFile() const;   // program folder + "Langz\" + current name
    std::string message(const std::string& key) const;   // from the current language file
    std::string settingsPath() const;

    // ---- activity log
    void LogBoxClick();
    void LogClearClick();
    void LogSaveClick();
    void LogPrintClick();

    // ---- catalogue, details, state check, filters, start and stop
    void LoadServiceLists();
    void LoadDisplayNames(const std::string& languageFileName);
    void ServiceNameCBUniChange();
    void ServiceNamesClick();
    void ServiceNamesDblClick();
    void ReadServiceDetails(const std::string& systemName, bool withLog);
    void ServHelpClick();
    void ServCheckStateClick();
    void ServCheckUncheckClick();
    void SortTwAClick();
    void SortTwNAClick();
    void SortTwDClick();
    void TweackStartClick();
    void ServStartClick();
    void ServStopClick();
    void MainPopupMenuPopup();

    // ---- snapshots, presets, description swap
    void RegReadButtonClick();
    void RegReadButtonInitialClick();
    void ReadDescriptionClick();
    void TweackedcfClick();
    void InternetcfClick();
    void GamingcfClick();
    void CommoncfClick();
    void ConfigKindChange();
    void DescrFullLabelClick();
    void ConfigApplyvClick();
    void ConfigApplyUndoClick();
    void ChangeDescriptionButtonClick();
    void ChangeDescriptionBackButtonClick();
    void ConfigUndoPreviewClick();
    // Fills the preview list and its summary from a start-type file against the registry now.
    void showStartPreview(const std::string& path, bool undo);
    void refreshStartPreview();   // the shown preview again, in the current language

    // ---- backups and the registry editor
    void BackupSearchClick();
    void BackupBoxClick();
    void BackupAddClick();
    void BackupAddNewClick();
    void BackupDeleteClick();
    void RegistryJumpButtonClick();
    // Imports through the registry editor and checks the registry once the editor has ended; the
    // check covers the catalogue and `alsoChecked`, and `checked` runs after its report.
    void importVerified(const std::string& path, const std::string& shownName,
                        const std::vector<std::string>& alsoChecked = {}, std::function<void()> checked = {});
    void reportImportCheck(const std::vector<std::string>& lines);

    // ---- languages
    void OptLangComboBoxEnter();
    void OpLangRNComboBoxEnter();
    void OpLangRNComboBoxChange();
    void OptLangComboBoxChange();
    void ShowLangfClick();
    void BuildListOfCompsClick();
    void TestmseButtonClick();

    // ---- processes
    void EnumProcTntbtnClick();
    void CurrentProcsTntlbxClick();
    void OnlineServerTntcmbChange();
    void OnlineSearchTntbtnClick();
    void OpenDitTntbtnClick();

    // ---- tray, navigation, appearance
    void N8Click();
    void N9Click();
    void N11Click();
    void N12Click();
    void N13Click();
    void N14Click();
    void N15Click();
    void mxCaptionBarButtonsButtons2Click();   // hide to tray
    void TaskbarCreated();      // the shell's notification area came back empty
    void SecondCopyStarted();   // a second copy asked this one to show its window
    void rollUpClick();
    void stayOnTopClick();
    void TopImageClick();
    void FormKeyDown(int key);
    void MainPageControlEnter();
    void ServiceapletstartButtonClick();
    void OptCColorButtonClick();
    void OpCFontButtonClick();

private:
    friend class StateWalkScope;
    class StateWalk* stateWalk_ = nullptr;   // one manager handle while the state check walks
    std::string previewPath_;                 // the file the preview shows; empty before the first
    bool previewOfUndo_ = false;
    std::function<void()> afterImportCheck_;   // of the import being checked
    void buildServicePage();
    void buildTweackPanel();
    void buildConfigPage();
    void buildPreviewControls();
    void buildBackupPage();
    void buildLogPage();
    void buildHiddenPage();
    void buildProcessPage();
    void buildTray();
    void buildAllServicesPage();   // app/all_services_host.cpp
    void refreshAllServicesTexts();
    void wireLogEvents();        // app/activity_log.cpp
    void wireServiceEvents();    // services/service_events.cpp
    void wireConfigEvents();     // config/config_events.cpp
    void wireBackupEvents();     // registry/backup_events.cpp
    void wireLanguageEvents();   // lang/language_events.cpp
    void wireProcessEvents();    // procs/process_events.cpp
    void wireTrayEvents();       // app/tray_events.cpp
    void fitServiceList();
    void applyStateText(unsigned long state);
    void choosePreset(const std::string& kind);
    void runFilter(bool running);
    std::vector<std::string> startupDisplayNames() const;   // services/catalogue.cpp
    void startOrStop(bool start);
};

}  // namespace qlmr
