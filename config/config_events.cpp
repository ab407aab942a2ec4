#include "app/main_form.h"

namespace qlmr {

void MainForm::wireConfigEvents() {
    Tweackedcf->onClick = [this] { TweackedcfClick(); };
    Internetcf->onClick = [this] { InternetcfClick(); };
    Gamingcf->onClick = [this] { GamingcfClick(); };
    Commoncf->onClick = [this] { CommoncfClick(); };
    DescrFullLabel->onClick = [this] { DescrFullLabelClick(); };
    ConfigApplyv->onClick = [this] { ConfigApplyvClick(); };
    ConfigApplyUndo->onClick = [this] { ConfigApplyUndoClick(); };
    ChangeDescriptionButton->onClick = [this] { ChangeDescriptionButtonClick(); };
    ChangeDescriptionBackButton->onClick = [this] { ChangeDescriptionBackButtonClick(); };
    RegReadButton->onClick = [this] { RegReadButtonClick(); };
    RegReadButtonInitial->onClick = [this] { RegReadButtonInitialClick(); };
    ReadDescription->onClick = [this] { ReadDescriptionClick(); };
    ConfigUndoPreview->onClick = [this] { ConfigUndoPreviewClick(); };
}

}  // namespace qlmr
