#pragma once

#include "store/TRegData.h"
#include "ui/Desktop.h"
#include "ui/ErrorGuard.h"
#include "ui/KeylessDialog.h"

class QCheckBox;
class QLineEdit;

namespace zarnet {

class THtmlEditForm;

// The settings dialog: the record's output settings and its two switches
// AutoSave and HideMenu, edited on a copy.
class TPropertyForm : public KeylessDialog {
    Q_OBJECT

  public:
    // "ヘッダ・フッタ編集" opens `editor` as the main window's command does.
    TPropertyForm(Desktop& desktop, THtmlEditForm& editor, QWidget* parent = nullptr);

    // True when the record took the edited values.
    bool Edit(TRegData& record);

    // "設定保存": accepts when both sizes are numbers of at least 10, else
    // names the first that is not, the height first.
    void Button1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Fill(const TRegData& record);
    void TakeInto(TRegData& record) const;

    Desktop& desktop_;
    ErrorGuard guard_;
    QLineEdit* imageWidth_ = nullptr;
    QLineEdit* imageHeight_ = nullptr;
    QCheckBox* separator_ = nullptr;
    QCheckBox* clickView_ = nullptr;
    QCheckBox* border_ = nullptr;
    QCheckBox* autoSave_ = nullptr;
    QCheckBox* hideMenu_ = nullptr;
};

}  // namespace zarnet
