#include "app/panel.h"

#include "app/ids.h"
#include "app/texts.h"
#include "runtime/form.h"

namespace app {

void TogglePanel() {
  runtime::Form* form = runtime::FindForm(kMainWindowId);
  if (!form) return;
  form->SetChecked(ids::神秘二维码, !form->Checked(ids::神秘二维码));
  form->SetTimerPeriod(ids::时钟1, kSlidingPeriod);
}

void TogglePanelOnPress(int, int, bool, bool, bool) { TogglePanel(); }

void SlideStep() {
  runtime::Form* form = runtime::FindForm(kMainWindowId);
  if (!form) return;
  const int top = form->Top(ids::图片框1);
  if (form->Checked(ids::神秘二维码)) {
    if (top > kPanelShownTop) {
      form->SetTop(ids::图片框1, top - kPanelStep);
      return;
    }
    form->SetTimerPeriod(ids::时钟1, 0);
    RefreshLabels();
    return;
  }
  if (top < kPanelHiddenTop)
    form->SetTop(ids::图片框1, top + kPanelStep);
  else
    form->SetTimerPeriod(ids::时钟1, 0);
  RefreshLabels();
}

void RefreshLabels() {
  runtime::Form* form = runtime::FindForm(kMainWindowId);
  if (!form) return;
  form->SetText(ids::透明标签1, texts::kPathLabel);
  form->SetText(ids::透明标签2, texts::kDescription);
}

}  // namespace app
