#include "draw/string_format.h"

#include <climits>

#include "draw/api_wrappers.h"

namespace draw {

GdipStringFormat::~GdipStringFormat() { Delete(); }

bool GdipStringFormat::Delete() {
  if (!format_) return false;
  const bool ok = RecordStatus(api::GdipDeleteStringFormat(format_));
  SetHandle(nullptr);
  return ok;
}

// --- creation ---

bool GdipStringFormat::Create(INT formatFlags, LANGID language) {
  Delete();
  Gdiplus::GpStringFormat* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreateStringFormat(formatFlags, language, &created));
  SetHandle(created);
  return ok;
}

bool GdipStringFormat::CopyShared(Gdiplus::GpStatus (WINGDIPAPI* get)(Gdiplus::GpStringFormat**)) {
  Delete();
  Gdiplus::GpStringFormat* shared = nullptr;
  if (!RecordStatus(get(&shared))) return false;
  Gdiplus::GpStringFormat* copy = nullptr;
  const bool ok = RecordStatus(api::GdipCloneStringFormat(shared, &copy));
  SetHandle(copy);
  return ok;
}

bool GdipStringFormat::CreateGenericDefault() {
  return CopyShared(api::GdipStringFormatGetGenericDefault.Get());
}

bool GdipStringFormat::CreateGenericTypographic() {
  return CopyShared(api::GdipStringFormatGetGenericTypographic.Get());
}

bool GdipStringFormat::Clone(GdipStringFormat& target) const {
  Gdiplus::GpStringFormat* copy = nullptr;
  const Gdiplus::Status status = api::GdipCloneStringFormat(format_, &copy);
  return TakeClone(*this, target, status, copy);
}

// --- properties ---

bool GdipStringFormat::SetFlags(INT flags) {
  return RecordStatus(api::GdipSetStringFormatFlags(format_, flags));
}

bool GdipStringFormat::GetFlags(INT* flags) const {
  return RecordStatus(api::GdipGetStringFormatFlags(format_, flags));
}

bool GdipStringFormat::SetAlign(Gdiplus::StringAlignment align) {
  return RecordStatus(api::GdipSetStringFormatAlign(format_, align));
}

bool GdipStringFormat::GetAlign(Gdiplus::StringAlignment* align) const {
  return RecordStatus(api::GdipGetStringFormatAlign(format_, align));
}

bool GdipStringFormat::SetLineAlign(Gdiplus::StringAlignment align) {
  return RecordStatus(api::GdipSetStringFormatLineAlign(format_, align));
}

bool GdipStringFormat::GetLineAlign(Gdiplus::StringAlignment* align) const {
  return RecordStatus(api::GdipGetStringFormatLineAlign(format_, align));
}

bool GdipStringFormat::SetTrimming(Gdiplus::StringTrimming trimming) {
  return RecordStatus(api::GdipSetStringFormatTrimming(format_, trimming));
}

bool GdipStringFormat::GetTrimming(Gdiplus::StringTrimming* trimming) const {
  return RecordStatus(api::GdipGetStringFormatTrimming(format_, trimming));
}

bool GdipStringFormat::SetHotkeyPrefix(Gdiplus::HotkeyPrefix prefix) {
  return RecordStatus(api::GdipSetStringFormatHotkeyPrefix(format_, prefix));
}

bool GdipStringFormat::GetHotkeyPrefix(Gdiplus::HotkeyPrefix* prefix) const {
  if (!prefix) return RecordStatus(Gdiplus::InvalidParameter);
  INT value = 0;
  if (!RecordStatus(api::GdipGetStringFormatHotkeyPrefix(format_, &value))) return false;
  *prefix = static_cast<Gdiplus::HotkeyPrefix>(value);
  return true;
}

// GDI+ counts in INT; a longer list than that cannot be passed on.
static bool FitsInt(size_t size) { return size <= static_cast<size_t>(INT_MAX); }

bool GdipStringFormat::SetTabStops(float firstTabOffset, std::span<const float> tabStops) {
  if (!FitsInt(tabStops.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipSetStringFormatTabStops(
      format_, firstTabOffset, static_cast<INT>(tabStops.size()), tabStops.data()));
}

bool GdipStringFormat::GetTabStopCount(INT* count) const {
  return RecordStatus(api::GdipGetStringFormatTabStopCount(format_, count));
}

// Some GDI+ versions copy as many stops as they are asked for, whether the format has that many
// or not, so the count asked for never exceeds the format's own.
bool GdipStringFormat::GetTabStops(float* firstTabOffset, std::span<float> tabStops) const {
  if (!firstTabOffset) return RecordStatus(Gdiplus::InvalidParameter);
  INT available = 0;
  if (!GetTabStopCount(&available)) return false;
  const INT count = tabStops.size() < static_cast<size_t>(available)
                        ? static_cast<INT>(tabStops.size())
                        : available;
  float unused = 0;
  return RecordStatus(api::GdipGetStringFormatTabStops(format_, count, firstTabOffset,
                                                       count ? tabStops.data() : &unused));
}

bool GdipStringFormat::SetDigitSubstitution(LANGID language,
                                            Gdiplus::StringDigitSubstitute substitute) {
  return RecordStatus(api::GdipSetStringFormatDigitSubstitution(format_, language, substitute));
}

bool GdipStringFormat::GetDigitSubstitution(LANGID* language,
                                            Gdiplus::StringDigitSubstitute* substitute) const {
  return RecordStatus(api::GdipGetStringFormatDigitSubstitution(format_, language, substitute));
}

bool GdipStringFormat::SetMeasurableCharacterRanges(
    std::span<const Gdiplus::CharacterRange> ranges) {
  if (!FitsInt(ranges.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipSetStringFormatMeasurableCharacterRanges(
      format_, static_cast<INT>(ranges.size()), ranges.data()));
}

bool GdipStringFormat::GetMeasurableCharacterRangeCount(INT* count) const {
  return RecordStatus(api::GdipGetStringFormatMeasurableCharacterRangeCount(format_, count));
}

}  // namespace draw
