#pragma once
// The running tool: the tool every window reaches (forms/tool/Tool.h) and the six windows,
// created once in their fixed order. The programs' start-up and the tests build it; each window
// knows only the tool.

#include <array>
#include <memory>

#include "forms/tool/Tool.h"

namespace plevo {

class TReplace;
class THowTo;
class TRegistryForm;
class TOKBottomDlg;
class TAdvancedForm;
class TCriteriaDlg;

class PlevoTool final : public Tool {
public:
    explicit PlevoTool(const ToolSetup& setup);
    ~PlevoTool();

    TReplace& Replace() { return *replace_; }
    THowTo& HowTo() { return *howToWindow_; }
    TRegistryForm& RegistryForm() { return *registryForm_; }
    TOKBottomDlg& OKBottomDlg() { return *okBottomDlg_; }
    TAdvancedForm& AdvancedForm() { return *advancedForm_; }
    TCriteriaDlg& CriteriaDlg() { return *criteriaDlg_; }
    std::array<ui::Form*, 6> windows() const override;

    // Shows the main window (its first showing runs the start-up of the workbench).
    void show();

private:
    // Created in this order, destroyed in the reverse one.
    std::unique_ptr<TReplace> replace_;
    std::unique_ptr<THowTo> howToWindow_;
    std::unique_ptr<TRegistryForm> registryForm_;
    std::unique_ptr<TOKBottomDlg> okBottomDlg_;
    std::unique_ptr<TAdvancedForm> advancedForm_;
    std::unique_ptr<TCriteriaDlg> criteriaDlg_;
};

}  // namespace plevo
