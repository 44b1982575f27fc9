#pragma once

#include <optional>

#include "core/PatternRequest.h"
#include "ui/Desktop.h"
#include "ui/ErrorGuard.h"
#include "ui/KeylessDialog.h"

class QCheckBox;
class QLineEdit;

namespace zarnet {

class THtmlEditForm;

// What the settings dialog edits: the output settings and two switches of
// the settings record.
struct PropertySettings {
    OutputSettings Output;
    bool AutoSave = false;  // a +/- step saves the list
    bool HideMenu = false;  // the compact view hides the menu bar too

    bool operator==(const PropertySettings&) const = default;
};

// The settings dialog. It works on a copy: Edit() fills it from the values
// given and hands back the edited ones only when the user confirms two valid
// sizes.
class TPropertyForm : public KeylessDialog {
    Q_OBJECT

  public:
    // "ヘッダ・フッタ編集" opens `editor` as the main window's command does.
    TPropertyForm(Desktop& desktop, THtmlEditForm& editor, QWidget* parent = nullptr);

    std::optional<PropertySettings> Edit(const PropertySettings& current);

    // "設定保存": accepts when both sizes are numbers of at least 10, else
    // names the first that is not, the height first.
    void Button1Click();

  private:
    void Fill(const PropertySettings& settings);
    PropertySettings Edited() const;

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
