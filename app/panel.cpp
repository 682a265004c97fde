#include "app/panel.h"

#include "app/ids.h"
#include "app/texts.h"
#include "runtime/form.h"

namespace app {

void TogglePanel(runtime::Form& form) {
  form.SetChecked(ids::神秘二维码, !form.Checked(ids::神秘二维码));
  form.SetTimerPeriod(ids::时钟1, kSlidingPeriod);
}

void TogglePanelOnPress(runtime::Form& form, int, int, bool, bool, bool) { TogglePanel(form); }

void SlideStep(runtime::Form& form) {
  const int top = form.Top(ids::图片框1);
  if (form.Checked(ids::神秘二维码)) {
    if (top > kPanelShownTop) {
      form.SetTop(ids::图片框1, top - kPanelStep);
      return;
    }
    form.SetTimerPeriod(ids::时钟1, 0);
    RefreshLabels(form);
    return;
  }
  if (top < kPanelHiddenTop)
    form.SetTop(ids::图片框1, top + kPanelStep);
  else
    form.SetTimerPeriod(ids::时钟1, 0);
  RefreshLabels(form);
}

void RefreshLabels(runtime::Form& form) {
  form.SetText(ids::透明标签1, texts::kPathLabel);
  form.SetText(ids::透明标签2, texts::kDescription);
}

}  // namespace app
