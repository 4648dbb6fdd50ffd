#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/win32/control_ids.h"
#include "shell/win32/layout.h"
#include "shell/win32/main_window.h"

namespace veltrano::win32 {
namespace {

// A screen reader names a field by the shown sibling just before it in z-order: that must be
// the label on the field's row, ending where the field begins. Walking on up reaches the frame.
TEST(Accessibility, FieldsFollowTheirLabelControlsTheirFrameAndTabSkipsDisabledFields) {
  AppWindow window(GetModuleHandleW(nullptr));
  window.show(SW_SHOWNOACTIVATE);
  const HWND list = GetDlgItem(window.hwnd(), ids::cmbConnessione);
  for (const bool newName : {true, false}) {  // the name field stands in the list's place
    window.textField(ids::txtConnessione).setVisible(newName);
    window.dropDownList(ids::cmbConnessione).setVisible(!newName);
    for (const ControlLayout& entry : controlTable()) {
      const HWND control = GetDlgItem(window.hwnd(), entry.id);
      HWND above = GetWindow(control, GW_HWNDPREV);
      int shownId = 0;  // the first shown sibling above: what a reader names the control by
      while (above != nullptr && GetDlgCtrlID(above) != entry.frameId) {
        shownId = shownId == 0 && IsWindowVisible(above) ? GetDlgCtrlID(above) : shownId;
        above = GetWindow(above, GW_HWNDPREV);
      }
      EXPECT_TRUE(entry.frameId == 0 || above != nullptr) << entry.id;
      if ((entry.kind == ControlKind::TextField || entry.kind == ControlKind::DropDownList) &&
          IsWindowVisible(control)) {
        const auto label = std::ranges::find(controlTable(), shownId, &ControlLayout::id);
        ASSERT_TRUE(label != controlTable().end() && label->kind == ControlKind::Label) << entry.id;
        EXPECT_EQ(label->rect.left + label->rect.width, entry.rect.left) << entry.id;
        EXPECT_NEAR(label->rect.top, entry.rect.top, entry.rect.height) << entry.id;
        // Each field in turn is the next enabled one after the list once those before are off.
        if (!newName && control != list) {
          EXPECT_EQ(GetNextDlgTabItem(window.hwnd(), list, FALSE), control) << entry.id;
          EnableWindow(control, FALSE);
        }
      }
    }
  }
}

}  // namespace
}  // namespace veltrano::win32
