// The installer starts, shows the wizard from its template, and ends through
// Cancel, the close box and the Enter rule.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "driver/setup_process.h"
#include "resources/resource_ids.h"

namespace {

const char kWizardCaption[] = "LectorQuillery Installer";

struct ExpectedControl {
    int id;
    const char* className;
    bool visible;
};

// Template order, which is also the tab order.
const ExpectedControl kWizardControls[] = {
    {1002, "Edit", true},      {1010, "Button", false},   {1014, "Edit", false},
    {1019, "ListBox", false},  {1003, "Button", true},    {1004, "Button", true},
    {1005, "Button", true},    {1006, "Button", true},    {3, "Button", false},
    {1001, "Button", true},    {2, "Button", true},       {166, "Static", true},
    {102, "Static", true},     {108, "Static", true},     {169, "Static", true},
    {1009, "Button", true},    {1011, "Button", true},    {1012, "Button", true},
    {1017, "Button", false},   {1018, "ComboBox", false}, {1020, "Button", true},
    {1021, "Button", false},   {172, "Static", true},     {1026, "msctls_progress32", false},
};

class Wizard : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(setup_.Start()) << SetupExecutablePath();
        dialog_ = setup_.WaitForWindow(kWizardCaption);
        ASSERT_NE(nullptr, dialog_) << "no wizard window";
    }
    SetupProcess setup_;
    HWND dialog_ = nullptr;
};

bool HasStyle(HWND window, LONG style) { return (GetWindowLongA(window, GWL_STYLE) & style) == style; }

TEST_F(Wizard, OpensWithTemplateControlsInOrder) {
    std::vector<HWND> children = ChildWindows(dialog_);
    ASSERT_EQ(std::size(kWizardControls), children.size());
    for (size_t i = 0; i < children.size(); ++i) {
        const ExpectedControl& expected = kWizardControls[i];
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(expected.id, GetDlgCtrlID(children[i]));
        EXPECT_STRCASEEQ(expected.className, ClassOf(children[i]).c_str());
        EXPECT_EQ(expected.visible, HasStyle(children[i], WS_VISIBLE));
        EXPECT_TRUE(HasStyle(children[i], WS_CHILD));
    }
    EXPECT_TRUE(HasStyle(GetDlgItem(dialog_, IDC_BROWSE), BS_OWNERDRAW));
    EXPECT_TRUE(HasStyle(GetDlgItem(dialog_, IDC_PROGRESS), PBS_SMOOTH));
    EXPECT_EQ(0, GetWindowLongA(dialog_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(HasStyle(dialog_, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
}

TEST_F(Wizard, CancelEndsWithExitCodeZero) {
    ClickButton(dialog_, IDC_CANCEL);
    EXPECT_EQ(0, setup_.WaitForExit());
}

TEST_F(Wizard, CloseBoxEndsWithExitCodeZero) {
    RequestClose(dialog_);
    EXPECT_EQ(0, setup_.WaitForExit());
}

TEST_F(Wizard, EnterOnFocusedCancelButtonActsAsCancel) {
    FocusControl(dialog_, IDC_CANCEL);
    PressKey(GetDlgItem(dialog_, IDC_CANCEL), VK_RETURN);
    EXPECT_EQ(0, setup_.WaitForExit());
}

TEST_F(Wizard, EnterInPathFieldDoesNotEndTheWizard) {
    FocusControl(dialog_, IDC_PATH_FIELD);
    PressKey(GetDlgItem(dialog_, IDC_PATH_FIELD), VK_RETURN);
    EXPECT_EQ(-1, setup_.WaitForExit(1500)) << "Enter in the path field ended the wizard";
    ASSERT_TRUE(IsWindowVisible(dialog_));
    ClickButton(dialog_, IDC_CANCEL);
    EXPECT_EQ(0, setup_.WaitForExit());
}

}  // namespace
