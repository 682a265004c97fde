#pragma once
// The QR-code panel `图片框1`, which slides up into view and back down under the timer `时钟1`.
// Its state is the check mark of `神秘二维码` (the target), the panel's top and the timer period.

#include "runtime/form.h"

namespace app {

inline constexpr int kPanelShownTop = 30;
inline constexpr int kPanelHiddenTop = 200;
inline constexpr int kPanelStep = 10;
inline constexpr int kSlidingPeriod = 1;  // ms; the system's minimum timer interval sets the pace

// Flips the target state and lets the timer run.
void TogglePanel(runtime::Form& form);
// `图片框1` pressed with the left button; the position and keys do not matter.
void TogglePanelOnPress(runtime::Form& form, int x, int y, bool ctrl, bool shift, bool alt);
// One tick of `时钟1`.
void SlideStep(runtime::Form& form);
// Puts the labels' design texts back.
void RefreshLabels(runtime::Form& form);

}  // namespace app
