#pragma once
// The window skin: paints the whole main window itself (fill, picture, translucent bands,
// border, icon, caption, tip line, caption buttons), clips it to a rounded rectangle and handles
// its mouse input (button looks and actions, drag-to-move, resize cursors).
//
// There is one skin per process, bound to one window. CreateSkinObjects makes it at process
// start, SetUpSkin binds it to the window once and TearDownSkin releases it at exit. This header
// is what the program calls; the skin's state is in skin_state.h.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

namespace skin {

using ClickAction = void (*)();

// Caption button layouts.
inline constexpr int kFourButtons = 1;  // any other value: a single close button

// Process start, before any window exists.
void CreateSkinObjects();

// Binds the skin to component (windowId, unitId) and keeps copies of the buffers and the text.
// icon is used when iconGiven is not 0 (else the built-in default icon); colour (COLORREF) when
// colourGiven is not 0 (else 0xFF8800). A null tipText means no tip line. Called once.
void SetUpSkin(std::int32_t windowId, std::int32_t unitId, std::span<const std::uint8_t> icon,
               int iconGiven, std::span<const std::uint8_t> backgroundPicture, int pictureGiven,
               COLORREF colour, int colourGiven, int panelOn, int topBandOn, int bottomBandOn,
               const char* tipText, int textGiven, int buttonLayout,
               ClickAction firstClickAction, ClickAction secondClickAction);

// The same arguments by name, for callers: what is left out takes the default given here.
struct SkinSettings {
  std::int32_t windowId = 0;
  std::int32_t unitId = 0;
  std::span<const std::uint8_t> icon;               // empty: the built-in default icon
  std::span<const std::uint8_t> backgroundPicture;  // empty: no picture
  std::optional<COLORREF> colour;                   // absent: 0xFF8800
  bool panelOn = false;
  bool topBandOn = false;
  bool bottomBandOn = false;
  const char* tipText = nullptr;  // null: no tip line
  int buttonLayout = kFourButtons;
  ClickAction firstClickAction = nullptr;   // menu button
  ClickAction secondClickAction = nullptr;  // speech-bubble button
};
void SetUpSkin(const SkinSettings& settings);

// Process exit: releases everything the skin holds. The window procedure is not put back.
void TearDownSkin();

}  // namespace skin
